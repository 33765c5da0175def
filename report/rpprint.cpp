// SPDX-License-Identifier: GPL-2.0-or-later
#include "report/rpprint.h"

#include "emf/metafile.h"
#include "platform/cp1250.h"
#include "platform/errordisplay.h"
#include "platform/events.h"
#include "report/rperror.h"
#include "report/rppreviewhost.h"
#include "report/rpprinter.h"
#include "report/rpprintertarget.h"
#include "report/rpreport.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QPainter>
#include <QPointer>
#include <algorithm>
#include <memory>

namespace report {

namespace {

bool printerInstalled()
{
    return !globalPrinter().printers().empty();
}

ERpError rangePastTheEnd(int firstPage, int pages)
{
    return ERpError(QCoreApplication::translate("report",
        "Nothing was printed: the pages chosen begin at page %1, past the report's "
        "last page, %2")
                        .arg(firstPage)
                        .arg(pages));
}

} // namespace

void Print(TRpPrinter& printer)
{
    if (TRpReport* report = printer.master(); report && !printer.loadedFromFile()) {
        const QPointer<TRpReport> target(report);
        const QPointer<TRpPrinter> source(&printer);
        QMetaObject::invokeMethod(
            report,
            [target, source] {
                if (target)
                    platform::runGuarded([&] { printGeneratedReport(*target, source.data()); });
            },
            Qt::QueuedConnection);
        return;
    }
    if (printer.status() == TRpPrinterStatus::Finished && printerInstalled())
        printLoadedReport(printer);
}

int printGeneratedReport(TRpReport& report, TRpPrinter* source)
{
    if (!report.available() || !printerInstalled())
        return 0;
    const QPointer<TRpPrinter> previewPrinter(report.currentPrinter());
    // Freed in this order whatever happens: the printing target, then the preview's target is current
    // again, then the progress window.
    struct Cleanup {
        TRpReport& report;
        const QPointer<TRpPrinter>& previewPrinter;
        std::unique_ptr<QObject> form;
        std::unique_ptr<TRpPrinter> target;
        ~Cleanup()
        {
            target.reset();
            report.setPrintSource(nullptr);
            report.setCurrentPrinter(previewPrinter.data());
            form.reset();
        }
    } run { report, previewPrinter, nullptr, nullptr };
    // The preview prints what it shows: its data go back where the report reads them first.
    TRpPrinter* const shown = source ? source : previewPrinter.data();
    const std::shared_ptr<TRpRun> data = shown ? shown->run() : nullptr;
    if (data)
        data->restore();
    run.target = std::make_unique<TRpPrinter>(TRpPrinterDestination::Printer, report.screenPpi());
    run.target->setMaster(&report);
    if (TRpPreviewHost* host = report.previewHost())
        run.form = host->printProgress(*run.target, report.ShowProgress);
    report.setPrintSource(source ? source : previewPrinter.data());
    report.GenerateReport(*run.target);
    TRpPrinterTarget& printed = *run.target->printerTarget();
    const int id = printed.jobId();
    // A range kept from an earlier report may begin past this one's pages: no job, and the user is told.
    const int pages = run.target->PagesStarted();
    if (id == 0 && !report.cancelled() && pages > 0 && report.PrinterSettings.FirstPage > pages)
        throw rangePastTheEnd(report.PrinterSettings.FirstPage, pages);
    // The queue the job went to: the report's printer, which need not be the one the global printer shows.
    if (id > 0) {
        const QString job = QStringLiteral("%1-%2").arg(printed.printer().printer().device).arg(id);
        // The pages of the range that were printed, each once whatever the copies.
        const int first = std::max(1, report.PrinterSettings.FirstPage);
        const int last
            = report.PrinterSettings.LastPage > 0 ? std::min(report.PrinterSettings.LastPage, pages) : pages;
        if (data)
            data->output(QStringLiteral("druk"), job, first, last);
        else if (report.OnOutput)
            report.OnOutput(QStringLiteral("druk"), job);
    }
    return id;
}

int printLoadedReport(TRpPrinter& printer)
{
    TRpPrinterTarget target;
    TRpDeviceSettings settings = printer.deviceSettings();
    const int index = printer.master() ? printer.master()->PrinterSettings.PrinterIndex : -1;
    target.selectPrinter(index, settings);
    platform::TPrinter& device = target.printer();
    device.setTitle(platform::fromCp1250(printer.title()));
    device.setNoScaling(printer.master() && printer.master()->PrinterSettings.NoScaling);
    if (device.printing())
        device.abort();
    const int count = printer.PagesStarted();
    const int from = settings.firstPage > 0 ? settings.firstPage : 1;
    const int to = std::min(settings.lastPage > 0 ? settings.lastPage : count, count);
    // A range past the last page prints nothing: no empty job reaches the spooler, and the user is told.
    if (from > to) {
        if (count > 0 && from > count)
            throw rangePastTheEnd(from, count);
        return 0;
    }
    const platform::PrinterMetrics m = target.applyDeviceSettings(settings);
    device.beginDoc();
    try {
        for (int i = from; i <= to; ++i) {
            // The window holding the pages may have been closed meanwhile: the job is thrown away.
            if (!platform::letEventsIn(&printer)) {
                device.abort();
                return 0;
            }
            const std::optional<TRpGeneratedPage> page = printer.PageAt(i);
            if (page)
                emf::playMetafile(
                    page->bytes, device.canvas(), QRectF(0, 0, m.printableWidth, m.printableHeight));
            if (i < to)
                device.newPage();
        }
    } catch (...) {
        // What was drawn is still printed; the failure is shown afterwards.
        try {
            device.endDoc();
        } catch (...) { // NOLINT(bugprone-empty-catch): the first failure is the one to report
        }
        throw;
    }
    return device.endDoc();
}

} // namespace report
