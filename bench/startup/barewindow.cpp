// SPDX-License-Identifier: GPL-2.0-or-later
// The yardstick of bench/startup.sh: a bare Qt window of the main window's size and title, nothing in it,
// shown the same way and timed by the same probe.
#include "platform/startupprobe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Przelew"));
    const int width = argc > 2 ? std::atoi(argv[1]) : 632;
    const int height = argc > 2 ? std::atoi(argv[2]) : 453;
    window.setFixedSize(width, height);
    platform::installStartupProbe(window);
    window.show();
    return QApplication::exec();
}
