// SPDX-License-Identifier: GPL-2.0-or-later
#include "report/rpprinter.h"

#include "emf/metafile.h"
#include "platform/cp1250.h"
#include "platform/events.h"
#include "platform/fonts.h"
#include "report/rperror.h"
#include "report/rpreport.h"
#include "report/rpreportfile.h"
#include "report/rpunits.h"

#include <QMetaObject>

namespace report {

TRpPrinter::TRpPrinter(TRpPrinterDestination destination, int screenPpi, QObject* parent)
    : QObject(parent)
    , m_destination(destination)
    , m_screenPpi(screenPpi > 0 ? screenPpi : platform::screenPpi())
    , m_pixelsPerUnitX(m_screenPpi / NativePerInch)
    , m_pixelsPerUnitY(m_screenPpi / NativePerInch)
{
    if (destination == TRpPrinterDestination::Printer) {
        auto sink = std::make_unique<TRpPrintJobSink>();
        m_jobSink = sink.get();
        m_sink = std::move(sink);
    } else {
        auto sink = std::make_unique<TRpPageStoreSink>(m_store, m_screenPpi, MemoryLimit);
        m_storeSink = sink.get();
        m_sink = std::move(sink);
    }
}

TRpPrinter::~TRpPrinter() = default;

// With the default placement, x * 1 + 0 is x exactly: pages come out as they always did.
int TRpPrinter::DeviceX(long double x) const
{
    const long double scale = m_placement.ScalePermille / 1000.0L;
    return roundHalfEven((x * scale + m_placement.OffsetX - m_deviceOriginX) * m_pixelsPerUnitX);
}

int TRpPrinter::DeviceY(long double y) const
{
    const long double scale = m_placement.ScalePermille / 1000.0L;
    return roundHalfEven((y * scale + m_placement.OffsetY - m_deviceOriginY) * m_pixelsPerUnitY);
}

int TRpPrinter::DeviceWidth(long double w) const
{
    return roundHalfEven(w * (m_placement.ScalePermille / 1000.0L) * m_pixelsPerUnitX);
}

int TRpPrinter::DeviceHeight(long double h) const
{
    return roundHalfEven(h * (m_placement.ScalePermille / 1000.0L) * m_pixelsPerUnitY);
}

platform::Canvas* TRpPrinter::canvas() const
{
    return m_sink->canvas();
}

void TRpPrinter::OpenDocument()
{
    m_cancelled = false;
    m_pagesAvailable = 0;
    if (m_status != TRpPrinterStatus::Ready)
        throw ERpError(QStringLiteral("RpPrinter not ready"));
    TRpPageSink::Job job;
    job.printerIndex = m_master ? m_master->PrinterSettings.PrinterIndex : -1;
    job.noScaling = m_master && m_master->PrinterSettings.NoScaling;
    job.compression = m_compression;
    job.title = platform::fromCp1250(m_title);
    // A cancel (the progress window, the preview closing) stops the hand-over to the spooler too: the job
    // is then cancelled there before anything prints.
    const QPointer<TRpPrinter> self(this);
    job.keepGoing
        = [self] { return self && !self->m_cancelled && !(self->m_master && self->m_master->cancelled()); };
    const TRpPageSink::Mapping mapping = m_sink->open(m_settings, job);
    m_pixelsPerUnitX = mapping.pixelsPerUnitX;
    m_pixelsPerUnitY = mapping.pixelsPerUnitY;
    m_deviceOriginX = mapping.originX;
    m_deviceOriginY = mapping.originY;
    m_pagesStarted = 0;
    m_status = TRpPrinterStatus::Generating;
    ++m_documentSerial;
    m_loadedFromFile = false;
}

void TRpPrinter::NextPage()
{
    if (m_status != TRpPrinterStatus::Generating)
        throw ERpError(QStringLiteral("Illegal call to NewPage"));
    if (m_sink->pageOpen() && m_sink->endPage(m_pagesStarted, m_settings)) {
        ++m_pagesAvailable;
        emit pageAvailable(m_pagesAvailable);
    }
    ++m_pagesStarted;
    // The paper keeps its size whatever the placement: only positions move and scale on it.
    m_sink->beginPage(m_pagesStarted, m_settings,
        roundHalfEven(m_settings.orientedWidth() * m_pixelsPerUnitX),
        roundHalfEven(m_settings.orientedLength() * m_pixelsPerUnitY));
}

void TRpPrinter::CloseDocument()
{
    if (m_status != TRpPrinterStatus::Generating)
        return;
    bool stored = false;
    try {
        stored
            = m_pagesStarted > 0 && m_sink->pageOpen() && m_sink->finishLastPage(m_pagesStarted, m_settings);
    } catch (...) {
        m_status = TRpPrinterStatus::Finished;
        throw;
    }
    m_status = TRpPrinterStatus::Finished;
    // A page store's pages are shown by a window, which may release this target, or load a report file
    // over the document, while the events run that announce the last page.
    if (m_storeSink) {
        const int serial = m_documentSerial;
        if (!platform::letEventsIn(this))
            return;
        if (serial != m_documentSerial)
            return;
        // Only a page that was really stored is announced: a document without pages has none available.
        if (stored) {
            ++m_pagesAvailable;
            emit pageAvailable(m_pagesAvailable);
        }
    }
    m_sink->close();
}

void TRpPrinter::AbortDocument()
{
    try {
        m_sink->abort();
    } catch (...) {
        m_status = TRpPrinterStatus::Finished;
        throw;
    }
    m_status = TRpPrinterStatus::Finished;
}

void TRpPrinter::setProgress(int percent)
{
    m_progress = percent;
    emit progressUpdate(percent);
}

void TRpPrinter::setClient(std::nullptr_t)
{
    if (m_client)
        disconnect(this, nullptr, m_client, nullptr);
    m_client = nullptr;
}

std::optional<TRpGeneratedPage> TRpPrinter::PageAt(int n)
{
    if (m_status == TRpPrinterStatus::Ready || n < 1 || n > m_pagesStarted)
        return std::nullopt;
    std::optional<QByteArray> bytes = m_store ? m_store->pageAt(n) : std::nullopt;
    if (!bytes)
        return std::nullopt;
    const emf::MetafileInfo info = emf::inspectMetafile(bytes->constData(), bytes->size());
    return TRpGeneratedPage { *bytes, info.sizePx };
}

void TRpPrinter::setPreviewShown(bool on)
{
    const bool wasShown = m_previewShown;
    m_previewShown = on;
    if (wasShown && !on && m_status == TRpPrinterStatus::Generating) {
        if (m_master && m_master->currentPrinter() == this)
            m_master->cancelGeneration();
        RequestCancel();
    }
}

void TRpPrinter::Save(const QString& fileName)
{
    if (m_status != TRpPrinterStatus::Finished || !m_store)
        return;
    m_store->saveFile(fileName);
}

void TRpPrinter::Load(const QString& fileName)
{
    load(TRpPageStore::loadFile(fileName));
}

void TRpPrinter::Load(std::unique_ptr<QIODevice> device)
{
    load(TRpPageStore::load(std::move(device)));
}

void TRpPrinter::load(std::unique_ptr<TRpPageStore> store)
{
    // The file is opened and checked, and its paper found, before anything shown is given up: a file
    // that cannot be loaded leaves the pages, and what a print prints, as they were.
    const long double pixelsPerUnit = m_screenPpi / NativePerInch;
    std::optional<TRpPaperGuess> guess;
    if (const std::optional<QByteArray> first = store->pageAt(1)) {
        const emf::MetafileInfo info = emf::inspectMetafile(first->constData(), first->size());
        guess = guessPaper(info.sizePx, pixelsPerUnit, &pageStoreAcceptsPaper);
    }

    if (m_status == TRpPrinterStatus::Generating) {
        if (m_master && m_master->currentPrinter() == this)
            m_master->cancelGeneration();
        RequestCancel();
        // The page being drawn belongs to the cancelled run, not to the file.
        m_sink->dropPage();
    }
    ++m_documentSerial;
    m_pixelsPerUnitX = pixelsPerUnit;
    m_pixelsPerUnitY = pixelsPerUnit;
    if (guess) {
        m_settings.setPaper(guess->size);
        m_settings.orientation = guess->orientation;
    }
    m_pagesStarted = store->pageCount();
    m_pagesAvailable = m_pagesStarted;
    m_store = std::move(store);
    m_status = TRpPrinterStatus::Finished;
    printerSetupHook = nullptr;
    m_loadedFromFile = true;
    m_run.reset(); // the file's pages are not the run's
}

} // namespace report
