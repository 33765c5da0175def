// SPDX-License-Identifier: GPL-2.0-or-later
// The printer side of a TRpPrinter: its private printer object, the device settings snapshot of the
// selected printer, and one print job in which each page of the range starts exactly once.
#pragma once

#include "platform/canvas.h"
#include "platform/printer.h"
#include "report/rpprintersettings.h"

#include <QImage>
#include <QPainter>
#include <functional>
#include <memory>
#include <vector>

namespace report {

// The program's one printer object, used by the printer set-up dialog.
platform::TPrinter& globalPrinter();

class TRpPrinterTarget {
public:
    TRpPrinterTarget();
    ~TRpPrinterTarget();
    TRpPrinterTarget(const TRpPrinterTarget&) = delete;
    TRpPrinterTarget& operator=(const TRpPrinterTarget&) = delete;

    platform::TPrinter& printer() { return *m_printer; }
    // Whether at least one printer was installed when the target was made (asked of the global printer).
    bool printerInstalled() const { return m_printerInstalled; }

    // Selects the printer (−1: the default one) with the driver's defaults and reads the snapshot:
    // resolution, offsets, copies, bin, duplex, the driver's paper. The report's wishes in `settings`
    // (paper, orientation, copies, bin) are kept where the printer declares them.
    void selectPrinter(int index, TRpDeviceSettings& settings);
    // Puts the snapshot onto the printer's device settings and measures the printer with them.
    platform::PrinterMetrics applyDeviceSettings(const TRpDeviceSettings& settings);
    bool paperSupported(TRpPaperSize size) const;

    // The job: pages are started through beginPage/endPage with their number from 1.
    void setTitle(const QString& title) { m_title = title; }
    // Called between chunks while the job is handed over; false throws it away.
    void setKeepGoing(std::function<bool()> keepGoing);
    platform::Canvas* beginPage(int k, const TRpDeviceSettings& settings);
    void endPage(int k, const TRpDeviceSettings& settings);
    // Ends the job if one was started; returns the spooler's job id (0 when none).
    int close();
    // Throws a started job away; nothing happens without one.
    void abort();
    bool jobStarted() const { return m_jobStarted; }
    // The spooler's id of the ended job; 0 while none was ended or it was thrown away.
    int jobId() const { return m_jobId; }
    // Pages that reached the printer (a page of the range counts once).
    int printedPages() const { return m_printedPages; }

private:
    void dropPage();

    std::unique_ptr<platform::TPrinter> m_printer;
    bool m_printerInstalled = false;
    unsigned m_declared = 0;
    std::vector<int> m_paperCodes;
    platform::PrinterMetrics m_metrics;
    QString m_title;
    bool m_jobStarted = false;
    bool m_pageOpen = false;
    int m_printedPages = 0;
    int m_jobId = 0;
    std::unique_ptr<platform::Canvas> m_canvas;
    QImage m_scratch;
    std::unique_ptr<QPainter> m_scratchPainter;
};

} // namespace report
