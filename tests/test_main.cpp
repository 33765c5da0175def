// SPDX-License-Identifier: GPL-2.0-or-later
// Test entry point: a QApplication exists for every test, so widgets and fonts work under the
// offscreen platform.
#include "platform/fonts.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv(
        "QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
#ifndef PRZELEW_CUPS_DIR
    // Only the spooler tests (with their private cupsd) see a spooler: whatever queues this machine
    // happens to have, every other test runs as on a machine without any.
    qputenv("CUPS_SERVER", "/nonexistent/przelew-tests-have-no-spooler.sock");
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
#endif
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    platform::loadApplicationFonts();
    return RUN_ALL_TESTS();
}
