// SPDX-License-Identifier: GPL-2.0-or-later
// Benchmark entry point: a QApplication exists (offscreen without a display) so fonts, painting and
// widgets work, and the application's fonts are loaded as in the program.
#include "platform/fonts.h"

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::loadApplicationFonts();
    ::benchmark::Initialize(&argc, argv);
    if (::benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
