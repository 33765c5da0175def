// SPDX-License-Identifier: GPL-2.0-or-later
#include "report/rpprintertarget.h"

#include "emf/paintercanvas.h"
#include "platform/events.h"
#include "report/rpunits.h"

#include <algorithm>

namespace report {

platform::TPrinter& globalPrinter()
{
    static platform::TPrinter printer;
    return printer;
}

TRpPrinterTarget::TRpPrinterTarget()
    : m_printer(std::make_unique<platform::TPrinter>())
    , m_printerInstalled(!globalPrinter().printers().empty())
{
}

TRpPrinterTarget::~TRpPrinterTarget()
{
    // A target dropped with its job still open (an exception past the report) sends nothing.
    m_canvas.reset();
    if (m_jobStarted) {
        try {
            m_printer->abort();
        } catch (...) { // NOLINT(bugprone-empty-catch): a destructor throws nothing
        }
    }
}

void TRpPrinterTarget::selectPrinter(int index, TRpDeviceSettings& settings)
{
    platform::TPrinter& p = *m_printer;
    p.setPrinterIndex(index);
    const platform::DeviceSettings d = p.deviceSettings();
    const platform::PrinterMetrics m = p.metrics();
    m_declared = d.fields;
    m_paperCodes = p.paperCodes();

    // The report's wishes, as the report put them into the target before the printer was known.
    const TRpPaperSize wantedPaper = settings.paperSize;
    const long double wantedWidth = settings.paperWidth;
    const long double wantedLength = settings.paperLength;
    const int wantedCopies = settings.copies;
    const TRpBin wantedBin = settings.outputBin;

    settings.ppiX = m.dpiX;
    settings.ppiY = m.dpiY;
    settings.copies = (d.fields & platform::dmCopies) ? d.copies : 1;
    settings.outputBin = binFromWindowsCode(d.paperSource).value_or(TRpBin::First);
    settings.duplex = (d.fields & platform::dmDuplex) && d.duplex != platform::duplexSimplex;
    settings.leftOffset = m.leftOffset;
    settings.topOffset = m.topOffset;
    settings.paperSize = paperSizeFromWindowsCode(d.paperCode).value_or(TRpPaperSize::Default);
    settings.paperWidth = std::min(m.paperWidth, m.paperLength);
    settings.paperLength = std::max(m.paperWidth, m.paperLength);

    if (wantedPaper == TRpPaperSize::Custom) {
        settings.paperSize = TRpPaperSize::Custom;
        settings.paperWidth = wantedWidth;
        settings.paperLength = wantedLength;
    } else if (wantedPaper != TRpPaperSize::Default && paperSupported(wantedPaper)) {
        settings.setPaper(wantedPaper);
    }
    // Orientation is the report's alone; copies and bin only where the printer has them.
    if (d.fields & platform::dmCopies)
        settings.copies = wantedCopies;
    if (d.fields & platform::dmDefaultSource)
        settings.outputBin = wantedBin;
}

bool TRpPrinterTarget::paperSupported(TRpPaperSize size) const
{
    if (size == TRpPaperSize::Default || size == TRpPaperSize::Custom)
        return true;
    const int code = paperInfo(size).windowsCode;
    return std::find(m_paperCodes.begin(), m_paperCodes.end(), code) != m_paperCodes.end();
}

platform::PrinterMetrics TRpPrinterTarget::applyDeviceSettings(const TRpDeviceSettings& settings)
{
    using namespace platform;
    TPrinter& p = *m_printer;
    DeviceSettings s = p.deviceSettings();
    if (settings.paperSize == TRpPaperSize::Custom) {
        s.paperWidth = roundHalfEven(settings.paperWidth);
        s.paperLength = roundHalfEven(settings.paperLength);
        s.fields |= dmPaperWidth | dmPaperLength;
    }
    if (settings.duplex) {
        s.duplex = duplexShortEdge;
        s.fields |= dmDuplex;
    }
    if ((m_declared & dmPaperSize) && settings.paperSize != TRpPaperSize::Default) {
        s.paperCode = paperInfo(settings.paperSize).windowsCode;
        s.fields |= dmPaperSize;
    }
    s.copies = settings.copies;
    s.fields |= dmCopies;
    s.paperSource = binWindowsCode(settings.outputBin) | (s.paperSource & 256);
    s.fields |= dmDefaultSource;
    s.orientation = settings.orientation == poLandscape ? orientLandscape : orientPortrait;
    s.fields |= dmOrientation;
    p.setDeviceSettings(s);
    m_metrics = p.metrics();
    return m_metrics;
}

void TRpPrinterTarget::setKeepGoing(std::function<bool()> keepGoing)
{
    m_printer->setAbortCallback([keepGoing = std::move(keepGoing)] {
        platform::letEventsIn();
        return !keepGoing || keepGoing();
    });
}

platform::Canvas* TRpPrinterTarget::beginPage(int k, const TRpDeviceSettings& settings)
{
    m_canvas.reset();
    m_scratchPainter.reset();
    if (!settings.pageInRange(k)) {
        // Pages outside the range are drawn where nobody looks: a one-pixel image clips all of it.
        if (m_scratch.isNull())
            m_scratch = QImage(1, 1, QImage::Format_RGB32);
        m_scratchPainter = std::make_unique<QPainter>(&m_scratch);
        m_canvas = std::make_unique<emf::PainterCanvas>(*m_scratchPainter, m_metrics.dpiX, m_metrics.dpiY);
        return m_canvas.get();
    }
    if (!m_jobStarted) {
        m_printer->setTitle(m_title);
        m_printer->beginDoc();
        m_jobStarted = true;
        m_pageOpen = true;
    }
    // The preceding page break has started this page; a page of the range is started only once.
    ++m_printedPages;
    m_canvas = std::make_unique<emf::PainterCanvas>(m_printer->canvas(), m_metrics.dpiX, m_metrics.dpiY);
    return m_canvas.get();
}

void TRpPrinterTarget::dropPage()
{
    m_canvas.reset();
    m_scratchPainter.reset();
}

void TRpPrinterTarget::endPage(int k, const TRpDeviceSettings& settings)
{
    dropPage();
    if (!settings.pageInRange(k) || !m_jobStarted)
        return;
    if (settings.lastPage > 0 && k == settings.lastPage)
        return;
    m_printer->newPage();
}

int TRpPrinterTarget::close()
{
    dropPage();
    if (!m_jobStarted)
        return 0;
    m_jobStarted = false;
    m_pageOpen = false;
    m_jobId = m_printer->endDoc();
    return m_jobId;
}

void TRpPrinterTarget::abort()
{
    dropPage();
    if (!m_jobStarted)
        return;
    m_jobStarted = false;
    m_pageOpen = false;
    m_printer->abort();
}

} // namespace report
