// SPDX-License-Identifier: GPL-2.0-or-later
// The printer set-up dialog on the global printer object (printer and its properties, copies,
// collate, page range), and the report's PrinterSetup routine that keeps its answers for the run.
#pragma once

#include <QPrintDialog>
#include <functional>

namespace platform {
class TPrinter;
}

namespace report {
class TRpPrinter;
class TRpReport;
} // namespace report

namespace preview {

using report::TRpPrinter;
using report::TRpReport;

enum class TRpPrintRange { AllPages, Selection, PageNums };

class TRpPrintDialog {
public:
    explicit TRpPrintDialog(platform::TPrinter& printer);

    int MinPage = 0;
    int MaxPage = 9999;
    int FromPage = 0;
    int ToPage = 0;
    int Copies = 1;
    bool Collate = false;
    bool PrintToFile = false;
    TRpPrintRange PrintRange = TRpPrintRange::AllPages;

    // Shows the dialog; on OK the chosen printer and its settings become the printer object's and the
    // fields above hold the answers. False when cancelled.
    bool Execute();

    // Tests run the dialog themselves (they accept or reject it from a timer); the default execs it.
    using ExecFunction = std::function<int(QPrintDialog& dialog)>;
    static ExecFunction setExecFunction(ExecFunction exec);

private:
    platform::TPrinter& m_printer;
};

// Shows the set-up dialog for the report; previewPrinter gives the page limits when its pages are
// finished (may be nullptr). OK keeps printer, copies, orientation and range for the rest of the run.
void PrinterSetup(TRpReport& report, TRpPrinter* previewPrinter);

// Makes the preview's page target call PrinterSetup for its report.
void installPrinterSetup(TRpReport& report, TRpPrinter& previewPrinter);

} // namespace preview
