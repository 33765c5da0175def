// SPDX-License-Identifier: GPL-2.0-or-later
// What the engine needs of its windows, which live outside it: the preview window shown for a page target
// (it owns the target from then on and tells the report when it closes, TRpReport::previewClosed), the
// printer set-up reached from that window, and the progress window of a print. A report without a host
// generates and prints without any window.
#pragma once

#include <memory>

class QObject;

namespace report {

class TRpPrinter;
class TRpReport;

class TRpPreviewHost {
public:
    virtual ~TRpPreviewHost() = default;
    // Shows a preview window for the target; the window takes ownership of it (a QObject: parent it or
    // delete it when the window goes) and shows its pages as they become available.
    virtual void showPreview(TRpPrinter* target) = 0;
    // Whether a preview window still shows the target.
    virtual bool showsPreview(const TRpPrinter* target) const = 0;
    // Lets the preview's page target open the printer set-up for its report (printerSetupHook).
    virtual void installPrinterSetup(TRpReport& /*report*/, TRpPrinter& /*previewTarget*/) { }
    // The progress window of a print into target, shown when show is true: the target's client for the
    // print (TRpPrinter::setClient), which may cancel it. None: the print shows nothing.
    virtual std::unique_ptr<QObject> printProgress(TRpPrinter& /*target*/, bool /*show*/) { return nullptr; }
};

} // namespace report
