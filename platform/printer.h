// SPDX-License-Identifier: GPL-2.0-or-later
// The printer object: the installed printers and the default one, the selected printer's device
// settings and surface measures, and print jobs that reach the spooler only when they are complete.
#pragma once

#include "platform/printererror.h"

#include <QPageSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPainter;
class QPrinter;
class QTemporaryDir;

namespace platform {

// One installed printer: the spooler's queue name, its driver (make and model) and its port
// (device URI).
struct PrinterEntry {
    QString device;
    QString driver;
    QString port;
    // Shown in lists; a printer selected by a name the spooler does not know reads "device on port".
    QString name;
};

// Windows device-settings field bits: which settings a printer declares (and a caller has set).
enum DeviceField : unsigned {
    dmOrientation = 0x1,
    dmPaperSize = 0x2,
    dmPaperLength = 0x4,
    dmPaperWidth = 0x8,
    dmCopies = 0x100,
    dmDefaultSource = 0x200,
    dmPrintQuality = 0x400,
    dmDuplex = 0x1000,
    dmYResolution = 0x2000,
};

enum DeviceOrientation : int { orientPortrait = 1, orientLandscape = 2 };
enum DeviceDuplex : int { duplexSimplex = 1, duplexLongEdge = 2, duplexShortEdge = 3 };

// The device settings of a printer, in Windows terms: the report engine stores and sends these.
struct DeviceSettings {
    unsigned fields = 0;
    int paperCode = 0; // Windows paper code, 256 = custom (paperWidth x paperLength)
    int paperWidth = 0; // 0.1 mm, portrait
    int paperLength = 0; // 0.1 mm, portrait
    int orientation = orientPortrait;
    int copies = 1;
    int paperSource = 7; // Windows paper-source code; 7 = automatic
    int duplex = duplexSimplex;
    int resolution = 0; // dots per inch; 0 = the printer's own
    bool operator==(const DeviceSettings&) const = default;
};

// The measures of a printer surface with given device settings, in device pixels and in 0.1 mm, in
// the orientation of the page (offsets turned with the paper for landscape).
struct PrinterMetrics {
    int dpiX = 0;
    int dpiY = 0;
    int offsetX = 0; // printable area's left edge from the paper's, pixels
    int offsetY = 0;
    int physicalWidth = 0; // the paper, pixels
    int physicalHeight = 0;
    int printableWidth = 0; // pixels
    int printableHeight = 0;
    int leftOffset = 0; // R(offsetX / dpiX * 254), 0.1 mm
    int topOffset = 0;
    int paperWidth = 0; // R(physicalWidth / dpiX * 254), 0.1 mm
    int paperLength = 0;
};

class TPrinter {
public:
    // The system's printers, read from the spooler when first needed.
    TPrinter();
    // A given list of printers with the spooler's default device name ("" for none).
    TPrinter(std::vector<PrinterEntry> printers, QString defaultDevice);
    ~TPrinter();
    TPrinter(const TPrinter&) = delete;
    TPrinter& operator=(const TPrinter&) = delete;

    const std::vector<PrinterEntry>& printers();
    QStringList printerNames();

    // Index of the spooler's default printer; raises "There is no default printer currently selected".
    int defaultPrinterIndex();
    // The selected printer; the default one when none was selected yet.
    int printerIndex();
    // −1 selects the default printer; the driver's default device settings are fetched afresh.
    void setPrinterIndex(int index);
    // Selects by device name (case-insensitive); a name not in the list is appended as "device on
    // port". Returns the index.
    int selectPrinter(const QString& device, const QString& port = {});
    const PrinterEntry& printer();

    bool hasDeviceSettings();
    const DeviceSettings& deviceSettings();
    void setDeviceSettings(const DeviceSettings& settings);
    // The driver's defaults for the selected printer; raises "Printer selected is not valid".
    DeviceSettings defaultDeviceSettings();
    // Change one setting of the device settings; raise "Operation not supported on selected printer"
    // when the printer has none.
    void setOrientation(int orientation);
    void setCopies(int copies);

    // The driver's papers as Windows paper codes (256 for papers without one), without repeats.
    std::vector<int> paperCodes();
    // The surface of the selected printer with its current device settings.
    PrinterMetrics metrics();
    // Puts the current device settings on a QPrinter of the selected printer (before a dialog or a
    // job); paper source goes to the spooler with the job instead.
    void applyTo(QPrinter& printer);
    // Takes printer and device settings back from a QPrinter a print dialog has changed.
    void readFrom(const QPrinter& printer);

    // The document name of the next job.
    QString title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }
    // The next jobs print at 100 %: the spooler is asked not to fit the page to the paper's printable
    // area (print-scaling=none, fit-to-page=false). For values printed onto a pre-printed form.
    void setNoScaling(bool noScaling) { m_noScaling = noScaling; }
    bool noScaling() const { return m_noScaling; }
    // Called while a finished job is handed to the spooler; false aborts. The default lets
    // pending user-interface events run and goes on unless abort() was called meanwhile.
    void setAbortCallback(std::function<bool()> callback) { m_abortCallback = std::move(callback); }

    // Starts a job and its first page. Drawing goes to canvas() in device pixels of metrics(),
    // (0, 0) the printable area's corner. Nothing reaches the spooler before endDoc(). The painter
    // stays the same object for the printer object's life, inactive between jobs.
    void beginDoc();
    QPainter& canvas();
    // Ends the current page and starts the next.
    void newPage();
    // Ends the job and hands it to the spooler; returns the spooler's job id (0 if aborted meanwhile).
    int endDoc();
    // Throws the job away: before endDoc() nothing reaches the spooler; during it the job, still held
    // in the spooler, is cancelled. Harmless when no job is open.
    void abort();

    bool printing() const { return m_printing; }
    bool aborted() const { return m_aborted; }
    int pageNumber() const { return m_pageNumber; }
    int jobId() const { return m_jobId; }

private:
    void loadPrinters();
    void requireSelected();
    // The selected printer's device settings; raises failure when it has none.
    DeviceSettings& selectedSettings(const QString& failure);
    PrinterMetrics measure(QPrinter& printer);
    void closeJob();

    std::vector<PrinterEntry> m_printers;
    QString m_defaultDevice;
    bool m_fromSpooler = false;
    bool m_loaded = false;
    int m_index = -1;
    std::optional<DeviceSettings> m_settings;

    QString m_title;
    bool m_noScaling = false;
    std::function<bool()> m_abortCallback;
    std::unique_ptr<QTemporaryDir> m_spool;
    std::unique_ptr<QPrinter> m_job;
    std::unique_ptr<QPainter> m_painter;
    PrinterMetrics m_jobMetrics;
    bool m_printing = false;
    bool m_aborted = false;
    bool m_abortRequested = false;
    bool m_submitting = false;
    int m_pageNumber = 0;
    int m_jobId = 0;
};

} // namespace platform
