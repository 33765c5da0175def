// SPDX-License-Identifier: GPL-2.0-or-later
// Page stores with real EMF pages for the report and preview tests, and whole-file reading and writing.
#pragma once

#include "report/rpprinter.h"
#include "support/files.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

namespace testsupport {

// A finished A4 landscape page store at 96 ppi with `pages` pages; page k carries k small black
// squares at the top left and a black bar along its left edge, so pages can be told apart by pixels.
inline std::unique_ptr<report::TRpPrinter> finishedStore(int pages)
{
    using namespace report;
    auto printer = std::make_unique<TRpPrinter>(TRpPrinterDestination::PageStore, 96);
    printer->deviceSettings().setPaper(TRpPaperSize::A4);
    printer->deviceSettings().orientation = poLandscape;
    printer->OpenDocument();
    for (int k = 1; k <= pages; ++k) {
        printer->NextPage();
        platform::Canvas& c = *printer->canvas();
        c.setBrush(platform::Brush { platform::rgb(0, 0, 0), false });
        c.fillRect(100, 100, 300, 700);
        for (int i = 0; i < k; ++i)
            c.fillRect(400 + 40 * i, 100, 430 + 40 * i, 130);
    }
    printer->CloseDocument();
    return printer;
}

} // namespace testsupport
