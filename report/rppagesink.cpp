// SPDX-License-Identifier: GPL-2.0-or-later
#include "report/rppagesink.h"

#include "report/rpunits.h"

namespace report {

TRpPageStoreSink::TRpPageStoreSink(std::unique_ptr<TRpPageStore>& store, int screenPpi, qint64 memoryLimit)
    : m_store(store)
    , m_screenPpi(screenPpi)
    , m_memoryLimit(memoryLimit)
    , m_recorderFactory(&createEmfPageRecorder)
{
}

TRpPageSink::Mapping TRpPageStoreSink::open(TRpDeviceSettings&, const Job& job)
{
    m_recorder.reset();
    m_store = std::make_unique<TRpPageStore>(m_memoryLimit, job.compression);
    const long double pixelsPerUnit = m_screenPpi / NativePerInch;
    return { pixelsPerUnit, pixelsPerUnit };
}

platform::Canvas* TRpPageStoreSink::beginPage(int, const TRpDeviceSettings&, int widthPx, int heightPx)
{
    m_recorder = m_recorderFactory(widthPx, heightPx, m_screenPpi);
    return &m_recorder->canvas();
}

bool TRpPageStoreSink::endPage(int, const TRpDeviceSettings&)
{
    return storePage();
}

bool TRpPageStoreSink::storePage()
{
    if (!m_recorder)
        return false;
    // The recorder goes first, so a failing store never stores the same page twice.
    std::unique_ptr<TRpPageRecorder> recorder = std::move(m_recorder);
    m_store->addPage(recorder->finish());
    return true;
}

void TRpPageStoreSink::close()
{
    m_store->finish();
}

void TRpPageStoreSink::abort()
{
    storePage();
}

TRpPageSink::Mapping TRpPrintJobSink::open(TRpDeviceSettings& settings, const Job& job)
{
    m_target.selectPrinter(job.printerIndex, settings);
    const platform::PrinterMetrics m = m_target.applyDeviceSettings(settings);
    // The offsets of the paper as it is printed: measured with the report's orientation applied, or a
    // landscape page would be placed by the portrait offsets of a printer with uneven margins.
    settings.leftOffset = m.leftOffset;
    settings.topOffset = m.topOffset;
    m_target.setTitle(job.title);
    m_target.printer().setNoScaling(job.noScaling);
    m_target.setKeepGoing(job.keepGoing);
    m_canvas = nullptr;
    return { m.dpiX / NativePerInch, m.dpiY / NativePerInch, static_cast<long double>(m.leftOffset),
        static_cast<long double>(m.topOffset) };
}

platform::Canvas* TRpPrintJobSink::beginPage(int n, const TRpDeviceSettings& settings, int, int)
{
    m_canvas = m_target.beginPage(n, settings);
    return m_canvas;
}

bool TRpPrintJobSink::endPage(int n, const TRpDeviceSettings& settings)
{
    m_canvas = nullptr;
    m_target.endPage(n, settings);
    return false;
}

void TRpPrintJobSink::close()
{
    m_canvas = nullptr;
    m_target.close();
}

void TRpPrintJobSink::abort()
{
    m_canvas = nullptr;
    m_target.abort();
}

} // namespace report
