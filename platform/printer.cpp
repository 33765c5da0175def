// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/printer.h"

#include "platform/cupsjob.h"
#include "platform/events.h"
#include "platform/printerpapers.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <cmath>

namespace platform {

namespace {

const char* const kNoDefault
    = QT_TRANSLATE_NOOP("platform", "There is no default printer currently selected");
const char* const kIndexOutOfRange = QT_TRANSLATE_NOOP("platform", "Printer index out of range");
const char* const kNotValid = QT_TRANSLATE_NOOP("platform", "Printer selected is not valid");
const char* const kNotSupported
    = QT_TRANSLATE_NOOP("platform", "Operation not supported on selected printer");

// Rounding of device measures: to the nearest integer, halves to the even one.
int roundEven(long double value)
{
    return int(std::nearbyintl(value));
}

int tenthsOfMm(int pixels, int dpi)
{
    return dpi > 0 ? roundEven(static_cast<long double>(pixels) / dpi * 254) : 0;
}

int pixelsOfPoints(qreal points, int dpi)
{
    return roundEven(static_cast<long double>(points) * dpi / 72);
}

QPrinter::DuplexMode duplexMode(int duplex)
{
    switch (duplex) {
    case duplexLongEdge:
        return QPrinter::DuplexLongSide;
    case duplexShortEdge:
        return QPrinter::DuplexShortSide;
    default:
        return QPrinter::DuplexNone;
    }
}

int duplexCode(QPrinter::DuplexMode mode, QPageLayout::Orientation orientation)
{
    switch (mode) {
    case QPrinter::DuplexLongSide:
        return duplexLongEdge;
    case QPrinter::DuplexShortSide:
        return duplexShortEdge;
    case QPrinter::DuplexAuto:
        // Binding on the long edge of the paper as the reader holds it.
        return orientation == QPageLayout::Landscape ? duplexShortEdge : duplexLongEdge;
    default:
        return duplexSimplex;
    }
}

void setPaperOf(DeviceSettings& settings, const QPageSize& size)
{
    settings.paperCode = paperCodeForPageSize(size);
    const QSizeF mm = size.size(QPageSize::Millimeter);
    settings.paperWidth = roundEven(static_cast<long double>(mm.width()) * 10);
    settings.paperLength = roundEven(static_cast<long double>(mm.height()) * 10);
}

QPageSize pageSizeOf(const DeviceSettings& settings, const QPrinterInfo& info)
{
    if (settings.paperCode == kPaperCustom) {
        if (settings.paperWidth > 0 && settings.paperLength > 0)
            return QPageSize(
                QSizeF(settings.paperWidth / 10.0, settings.paperLength / 10.0), QPageSize::Millimeter);
    } else if (const auto id = pageSizeForPaperCode(settings.paperCode)) {
        return QPageSize(*id);
    }
    const QPageSize own = info.isNull() ? QPageSize() : info.defaultPageSize();
    return own.isValid() ? own : QPageSize(QPageSize::A4);
}

// The spooler's name for a paper: the driver's own key for a standard size, else its dimensions.
QByteArray mediaOf(const QPageSize& size)
{
    if (size.id() != QPageSize::Custom)
        return size.key().toUtf8();
    const QSizeF mm = size.size(QPageSize::Millimeter);
    return QStringLiteral("Custom.%1x%2mm").arg(mm.width(), 0, 'f', 1).arg(mm.height(), 0, 'f', 1).toUtf8();
}

} // namespace

TPrinter::TPrinter()
    : m_fromSpooler(true)
{
}

TPrinter::TPrinter(std::vector<PrinterEntry> printers, QString defaultDevice)
    : m_printers(std::move(printers))
    , m_defaultDevice(std::move(defaultDevice))
    , m_loaded(true)
{
    for (PrinterEntry& entry : m_printers) {
        if (entry.name.isEmpty())
            entry.name = entry.device;
    }
}

TPrinter::~TPrinter()
{
    abort();
}

void TPrinter::loadPrinters()
{
    if (m_loaded)
        return;
    m_loaded = true;
    const QHash<QString, QString> ports = CupsJob::deviceUris();
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters()) {
        const QString device = info.printerName();
        m_printers.push_back({ device, info.makeAndModel(), ports.value(device), device });
    }
}

const std::vector<PrinterEntry>& TPrinter::printers()
{
    loadPrinters();
    return m_printers;
}

QStringList TPrinter::printerNames()
{
    QStringList names;
    for (const PrinterEntry& entry : printers())
        names << entry.name;
    return names;
}

int TPrinter::defaultPrinterIndex()
{
    loadPrinters();
    // With no default queue Qt would hand out the first queue by name: ask for the default itself.
    const QString device = m_fromSpooler ? QPrinterInfo::defaultPrinterName() : m_defaultDevice;
    if (device.isEmpty())
        throw EPrinter(QCoreApplication::translate("platform", kNoDefault));
    for (std::size_t i = 0; i < m_printers.size(); ++i) {
        if (m_printers[i].device.compare(device, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    throw EPrinter(QCoreApplication::translate("platform", kNoDefault));
}

int TPrinter::printerIndex()
{
    if (m_index < 0)
        setPrinterIndex(-1);
    return m_index;
}

void TPrinter::setPrinterIndex(int index)
{
    loadPrinters();
    if (index == -1)
        index = defaultPrinterIndex();
    if (index < 0 || index >= int(m_printers.size()))
        throw EPrinter(QCoreApplication::translate("platform", kIndexOutOfRange));
    m_index = index;
    m_settings.reset();
    try {
        m_settings = defaultDeviceSettings();
    } catch (const EPrinter&) { // NOLINT(bugprone-empty-catch)
        // A printer the spooler cannot describe is still selectable; its surface reports the failure.
    }
}

int TPrinter::selectPrinter(const QString& device, const QString& port)
{
    loadPrinters();
    for (std::size_t i = 0; i < m_printers.size(); ++i) {
        if (m_printers[i].device.compare(device, Qt::CaseInsensitive) == 0) {
            setPrinterIndex(int(i));
            return m_index;
        }
    }
    m_printers.push_back({ device, QString(), port, QStringLiteral("%1 on %2").arg(device, port) });
    setPrinterIndex(int(m_printers.size()) - 1);
    return m_index;
}

const PrinterEntry& TPrinter::printer()
{
    return m_printers[std::size_t(printerIndex())];
}

bool TPrinter::hasDeviceSettings()
{
    printerIndex();
    return m_settings.has_value();
}

const DeviceSettings& TPrinter::deviceSettings()
{
    return selectedSettings(QCoreApplication::translate("platform", kNotValid));
}

DeviceSettings& TPrinter::selectedSettings(const QString& failure)
{
    printerIndex();
    if (!m_settings)
        throw EPrinter(failure);
    return *m_settings;
}

void TPrinter::setDeviceSettings(const DeviceSettings& settings)
{
    printerIndex();
    m_settings = settings;
}

DeviceSettings TPrinter::defaultDeviceSettings()
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(printer().device);
    if (info.isNull())
        throw EPrinter(QCoreApplication::translate("platform", kNotValid));
    DeviceSettings settings;
    settings.fields = dmOrientation | dmPaperSize | dmPaperLength | dmPaperWidth | dmCopies | dmDefaultSource
        | dmPrintQuality | dmYResolution;
    const QList<QPrinter::DuplexMode> duplexModes = info.supportedDuplexModes();
    for (QPrinter::DuplexMode mode : duplexModes) {
        if (mode != QPrinter::DuplexNone)
            settings.fields |= dmDuplex;
    }
    QPageSize size = info.defaultPageSize();
    if (!size.isValid())
        size = QPageSize(QPageSize::A4);
    setPaperOf(settings, size);
    settings.orientation = orientPortrait;
    settings.copies = 1;
    settings.paperSource = paperSourceForMediaSource(
        QString::fromUtf8(CupsJob::defaultValue(printer().device, "media-source")));
    settings.duplex = duplexCode(info.defaultDuplexMode(), QPageLayout::Portrait);
    const QPrinter device(info, QPrinter::HighResolution);
    settings.resolution = device.resolution();
    return settings;
}

void TPrinter::setOrientation(int orientation)
{
    DeviceSettings& settings = selectedSettings(QCoreApplication::translate("platform", kNotSupported));
    settings.orientation = orientation == orientLandscape ? orientLandscape : orientPortrait;
    settings.fields |= dmOrientation;
}

void TPrinter::setCopies(int copies)
{
    DeviceSettings& settings = selectedSettings(QCoreApplication::translate("platform", kNotSupported));
    settings.copies = std::max(1, copies);
    settings.fields |= dmCopies;
}

std::vector<int> TPrinter::paperCodes()
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(printer().device);
    if (info.isNull())
        throw EPrinter(QCoreApplication::translate("platform", kNotValid));
    std::vector<int> codes;
    for (const QPageSize& size : info.supportedPageSizes()) {
        const int code = paperCodeForPageSize(size);
        if (std::find(codes.begin(), codes.end(), code) == codes.end())
            codes.push_back(code);
    }
    return codes;
}

void TPrinter::applyTo(QPrinter& target)
{
    const DeviceSettings& settings = deviceSettings();
    const QString device = printer().device;
    if (target.outputFormat() == QPrinter::NativeFormat && target.printerName() != device)
        target.setPrinterName(device);
    target.setPageSize(pageSizeOf(settings, QPrinterInfo::printerInfo(device)));
    target.setPageOrientation(
        settings.orientation == orientLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    target.setCopyCount(std::max(1, settings.copies));
    target.setDuplex(duplexMode(settings.duplex));
    if (settings.resolution > 0)
        target.setResolution(settings.resolution);
}

void TPrinter::readFrom(const QPrinter& source)
{
    if (!source.printerName().isEmpty())
        selectPrinter(source.printerName());
    printerIndex();
    DeviceSettings settings = m_settings.value_or(DeviceSettings());
    const QPageLayout layout = source.pageLayout();
    setPaperOf(settings, layout.pageSize());
    settings.orientation = layout.orientation() == QPageLayout::Landscape ? orientLandscape : orientPortrait;
    settings.copies = std::max(1, source.copyCount());
    settings.duplex = duplexCode(source.duplex(), layout.orientation());
    settings.resolution = source.resolution();
    settings.fields |= dmOrientation | dmPaperSize | dmPaperLength | dmPaperWidth | dmCopies;
    setDeviceSettings(settings);
}

PrinterMetrics TPrinter::measure(QPrinter& device)
{
    const QPageLayout layout = device.pageLayout();
    const QPageSize size = layout.pageSize();
    const bool landscape = layout.orientation() == QPageLayout::Landscape;
    const int dpi = device.resolution();

    // The driver's printable margins belong to the paper as it is fed (portrait); Qt hands them out
    // unturned for landscape, so they are read in portrait and turned here. Landscape content is
    // turned a quarter counter-clockwise onto the paper: its left edge lies on the paper's bottom.
    QPrinter portrait(QPrinterInfo::printerInfo(device.printerName()), QPrinter::HighResolution);
    portrait.setPageOrientation(QPageLayout::Portrait);
    portrait.setPageSize(size);
    QPageLayout probe = portrait.pageLayout();
    probe.setUnits(QPageLayout::Point);
    const QMarginsF m = probe.minimumMargins();
    const QMarginsF turned = landscape ? QMarginsF(m.bottom(), m.left(), m.top(), m.right()) : m;

    PrinterMetrics metrics;
    metrics.dpiX = dpi;
    metrics.dpiY = dpi;
    // From millimetres: the point sizes Qt keeps are rounded (A4 is 595 x 842 pt).
    const QSizeF mm = size.size(QPageSize::Millimeter);
    const int paperWidth = roundEven(static_cast<long double>(mm.width()) / 25.4L * dpi);
    const int paperLength = roundEven(static_cast<long double>(mm.height()) / 25.4L * dpi);
    metrics.physicalWidth = landscape ? paperLength : paperWidth;
    metrics.physicalHeight = landscape ? paperWidth : paperLength;
    metrics.offsetX = pixelsOfPoints(turned.left(), dpi);
    metrics.offsetY = pixelsOfPoints(turned.top(), dpi);
    metrics.printableWidth = metrics.physicalWidth - metrics.offsetX - pixelsOfPoints(turned.right(), dpi);
    metrics.printableHeight = metrics.physicalHeight - metrics.offsetY - pixelsOfPoints(turned.bottom(), dpi);
    metrics.leftOffset = tenthsOfMm(metrics.offsetX, dpi);
    metrics.topOffset = tenthsOfMm(metrics.offsetY, dpi);
    metrics.paperWidth = tenthsOfMm(metrics.physicalWidth, dpi);
    metrics.paperLength = tenthsOfMm(metrics.physicalHeight, dpi);
    return metrics;
}

PrinterMetrics TPrinter::metrics()
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(printer().device);
    if (info.isNull() || !hasDeviceSettings())
        throw EPrinter(QCoreApplication::translate("platform", kNotValid));
    QPrinter device(info, QPrinter::HighResolution);
    applyTo(device);
    return measure(device);
}

void TPrinter::beginDoc()
{
    if (m_printing)
        abort();
    const PrinterMetrics measures = metrics();
    const DeviceSettings& settings = deviceSettings();
    const QPrinterInfo info = QPrinterInfo::printerInfo(printer().device);

    // The job is drawn into a PDF of our own and handed to the spooler whole at endDoc(): an
    // aborted job then never reaches it (QPrinter::abort() would still submit what was drawn).
    auto spool = std::make_unique<QTemporaryDir>();
    if (!spool->isValid())
        throw EPrinter(QCoreApplication::translate("platform", "Cannot create the print spool folder. %1")
                           .arg(spool->errorString()));
    auto job = std::make_unique<QPrinter>(QPrinter::HighResolution);
    job->setOutputFormat(QPrinter::PdfFormat);
    job->setOutputFileName(spool->filePath(QStringLiteral("job.pdf")));
    job->setResolution(measures.dpiX);
    job->setFullPage(true);
    job->setPageLayout(QPageLayout(pageSizeOf(settings, info),
        settings.orientation == orientLandscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF()));
    job->setDocName(m_title);
    job->setCreator(QStringLiteral("przelew"));
    if (!m_painter)
        m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(job.get()))
        throw EPrinter(QCoreApplication::translate("platform", kNotValid));

    m_spool = std::move(spool);
    m_job = std::move(job);
    m_jobMetrics = measures;
    m_printing = true;
    m_aborted = false;
    m_abortRequested = false;
    m_pageNumber = 1;
    m_jobId = 0;
    m_painter->translate(m_jobMetrics.offsetX, m_jobMetrics.offsetY);
}

QPainter& TPrinter::canvas()
{
    if (!m_printing || m_submitting)
        throw EPrinter(QCoreApplication::translate("platform", "Printer is not currently printing"));
    return *m_painter;
}

void TPrinter::newPage()
{
    canvas();
    m_job->newPage();
    ++m_pageNumber;
    // Every page starts like the first: device pixels from the printable area's corner.
    m_painter->resetTransform();
    m_painter->translate(m_jobMetrics.offsetX, m_jobMetrics.offsetY);
}

void TPrinter::closeJob()
{
    // The painter object itself lives on with the printer object: a canvas drawing on it that is
    // destroyed after the job finds it inactive instead of freed.
    if (m_painter && m_painter->isActive())
        m_painter->end();
    m_job.reset();
    m_spool.reset();
    m_printing = false;
    m_submitting = false;
}

int TPrinter::endDoc()
{
    canvas();
    const QString path = m_job->outputFileName();
    m_painter->end();

    const DeviceSettings settings = deviceSettings();
    const QString device = printer().device;
    CupsJob::Options options;
    options.emplace_back("media", mediaOf(m_job->pageLayout().pageSize()));
    // The page is drawn landscape already; the spooler is told so that it turns it onto the paper
    // as it is fed (a quarter counter-clockwise) and binds duplex pages on the right edge.
    if (settings.orientation == orientLandscape)
        options.emplace_back("orientation-requested", "4");
    if (settings.copies > 1)
        options.emplace_back("copies", QByteArray::number(settings.copies));
    if (m_noScaling) {
        options.emplace_back("print-scaling", "none");
        options.emplace_back("fit-to-page", "false");
    }
    if (settings.fields & dmDuplex) {
        options.emplace_back("sides",
            settings.duplex == duplexLongEdge        ? "two-sided-long-edge"
                : settings.duplex == duplexShortEdge ? "two-sided-short-edge"
                                                     : "one-sided");
    }
    const QByteArray source = mediaSourceForPaperSource(settings.paperSource).toUtf8();
    if (!source.isEmpty() && CupsJob::supports(device, "media-source", source))
        options.emplace_back("media-source", source);

    m_submitting = true;
    int id = 0;
    try {
        CupsJob job(device, m_title, std::move(options));
        id = job.submit(path, "application/pdf", [this] {
            const bool goOn = m_abortCallback ? m_abortCallback() : (letEventsIn(), true);
            return goOn && !m_abortRequested;
        });
    } catch (...) {
        closeJob();
        throw;
    }
    closeJob();
    m_jobId = id;
    m_aborted = id == 0;
    return id;
}

void TPrinter::abort()
{
    if (m_submitting) {
        m_abortRequested = true;
        return;
    }
    if (!m_printing)
        return;
    closeJob();
    m_aborted = true;
}

} // namespace platform
