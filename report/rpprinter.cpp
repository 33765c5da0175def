#include "report/rpprinter.h"

#include "platform/fonts.h"
#include "platform/metafile.h"
#include "report/rperror.h"
#include "report/rpunits.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace report {

TRpPrinter::TRpPrinter(TRpPrinterDestination destination, int screenPpi, QObject* parent)
    : QObject(parent)
    , m_destination(destination)
    , m_screenPpi(screenPpi > 0 ? screenPpi : platform::screenPpi())
    , m_pixelsPerUnitX(m_screenPpi / NativePerInch)
    , m_pixelsPerUnitY(m_screenPpi / NativePerInch)
    , m_recorderFactory(&createEmfPageRecorder)
{
}

TRpPrinter::~TRpPrinter()
{
    m_pageList.setStream(nullptr);
}

int TRpPrinter::DeviceX(long double x) const
{
    return roundHalfEven((x - m_deviceOriginX) * m_pixelsPerUnitX);
}

int TRpPrinter::DeviceY(long double y) const
{
    return roundHalfEven((y - m_deviceOriginY) * m_pixelsPerUnitY);
}

int TRpPrinter::DeviceWidth(long double w) const
{
    return roundHalfEven(w * m_pixelsPerUnitX);
}

int TRpPrinter::DeviceHeight(long double h) const
{
    return roundHalfEven(h * m_pixelsPerUnitY);
}

platform::Canvas* TRpPrinter::canvas() const
{
    return m_recorder ? &m_recorder->canvas() : nullptr;
}

void TRpPrinter::OpenDocument()
{
    if (m_destination == TRpPrinterDestination::Printer)
        throw ERpError(
            QStringLiteral("Printer selected is not valid")); // printing comes with the printer target
    m_deviceOriginX = 0;
    m_deviceOriginY = 0;
    m_cancelled = false;
    m_pagesAvailable = 0;
    if (m_status != TRpPrinterStatus::Ready)
        throw ERpError(QStringLiteral("RpPrinter not ready"));
    m_pagesStarted = 0;
    m_status = TRpPrinterStatus::Generating;
    m_recorder.reset();
    m_pageList.setStream(nullptr);
    m_stream = std::make_unique<TRpStream>(MemoryLimit);
    m_pageList.clear();
    m_pageList.setStream(m_stream.get());
    m_pageList.setCompression(m_compression);
    m_pixelsPerUnitX = m_screenPpi / NativePerInch;
    m_pixelsPerUnitY = m_screenPpi / NativePerInch;
}

void TRpPrinter::storeOpenPage()
{
    // The recorder goes first, so a failing store never stores the same page twice.
    std::unique_ptr<TRpPageRecorder> recorder = std::move(m_recorder);
    m_pageList.addPage(recorder->finish());
}

void TRpPrinter::NextPage()
{
    if (m_status != TRpPrinterStatus::Generating)
        throw ERpError(QStringLiteral("Illegal call to NewPage"));
    if (m_recorder) {
        storeOpenPage();
        ++m_pagesAvailable;
        notify("pageAvailable", m_pagesAvailable);
    }
    ++m_pagesStarted;
    m_recorder = m_recorderFactory(
        DeviceWidth(m_settings.orientedWidth()), DeviceHeight(m_settings.orientedLength()), m_screenPpi);
}

void TRpPrinter::CloseDocument()
{
    if (m_status != TRpPrinterStatus::Generating)
        return;
    bool stored = false;
    try {
        if (m_pagesStarted > 0 && m_recorder) {
            storeOpenPage();
            stored = true;
        }
    } catch (...) {
        m_status = TRpPrinterStatus::Finished;
        throw;
    }
    m_status = TRpPrinterStatus::Finished;
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
    // Only a page that was really stored is announced: a document without pages has none available.
    if (stored) {
        ++m_pagesAvailable;
        notify("pageAvailable", m_pagesAvailable);
    }
    m_pageList.finish();
}

void TRpPrinter::AbortDocument()
{
    try {
        if (m_recorder)
            storeOpenPage();
    } catch (...) {
        m_status = TRpPrinterStatus::Finished;
        throw;
    }
    m_status = TRpPrinterStatus::Finished;
}

void TRpPrinter::setProgress(int percent)
{
    m_progress = percent;
    notify("progressUpdate", percent);
}

void TRpPrinter::notify(const char* method, int value)
{
    if (!m_client)
        return;
    QMetaObject::invokeMethod(m_client, method, Qt::QueuedConnection, Q_ARG(int, value));
}

std::optional<TRpGeneratedPage> TRpPrinter::PageAt(int n)
{
    if (m_status == TRpPrinterStatus::Ready || n < 1 || n > m_pagesStarted)
        return std::nullopt;
    std::optional<QByteArray> bytes = m_pageList.pageAt(n);
    if (!bytes)
        return std::nullopt;
    const platform::MetafileInfo info = platform::inspectMetafile(bytes->constData(), bytes->size());
    return TRpGeneratedPage { *bytes, info.sizePx };
}

} // namespace report
