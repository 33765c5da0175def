// SPDX-License-Identifier: GPL-2.0-or-later
#include "report/rpreport.h"

#include "platform/events.h"
#include "platform/fonts.h"
#include "report/rpdataset.h"
#include "report/rppreviewhost.h"
#include "report/rpprinter.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <algorithm>

namespace report {

TRpReport::TRpReport(QObject* parent)
    : QObject(parent)
    , m_screenPpi(platform::screenPpi())
{
}

TRpReport::~TRpReport() = default;

long double TRpReport::toUnits(long double native) const
{
    return nativeToUnit(native, m_units, m_screenPpi, m_zoom);
}

long double TRpReport::fromUnits(long double value) const
{
    return unitToNative(value, m_units, m_screenPpi, m_zoom);
}

void TRpReport::setZoom(int zoom)
{
    m_zoom = std::clamp(zoom, 1, 300);
}

void TRpReport::setScreenPpi(int ppi)
{
    m_screenPpi = ppi > 0 ? ppi : platform::screenPpi();
}

TRpBand* TRpReport::addBand(std::string name, TRpBandType type)
{
    auto band = std::make_unique<TRpBand>(std::move(name), type);
    band->m_report = this;
    m_bands.push_back(std::move(band));
    return m_bands.back().get();
}

TRpBand* TRpReport::findBand(const std::string& name) const
{
    for (const auto& band : m_bands) {
        if (band->name() == name)
            return band.get();
    }
    return nullptr;
}

TRpPrinter* TRpReport::currentPrinter() const
{
    return m_printer;
}

void TRpReport::setCurrentPrinter(TRpPrinter* printer)
{
    m_printer = printer;
}

void TRpReport::cancelGeneration()
{
    if (m_available)
        return;
    m_cancelled = true;
    if (m_printer)
        m_printer->RequestCancel();
}

void TRpReport::PreviewReport(const std::shared_ptr<TRpRun>& run)
{
    do {
        m_previewAgain = false;
        previewOnce(run);
    } while (m_previewAgain && !QCoreApplication::closingDown());
}

void TRpReport::previewOnce(const std::shared_ptr<TRpRun>& run)
{
    platform::letEventsIn();
    if (!m_available)
        return;
    // The window owns the target; the report only remembers the newest one, through a guarded pointer,
    // so a target released by its window is never touched again.
    auto* target = new TRpPrinter(TRpPrinterDestination::PageStore, m_screenPpi);
    m_printer = target;
    target->setMaster(this);
    target->setTitle(ReportTitle);
    target->setRun(run);
    if (m_previewHost) {
        m_previewHost->installPrinterSetup(*this, *target);
        m_previewHost->showPreview(target);
    } else
        target->setParent(this); // nobody shows it: released with the report at the latest

    const QPointer<TRpPrinter> guard(target);
    GenerateReport(*target);
    if (m_cancelled) {
        if (m_printer == target)
            m_printer = nullptr;
        // A cancelled target goes now, unless a window still holds it (it then releases it itself).
        if (guard && (!m_previewHost || !m_previewHost->showsPreview(target)))
            delete target;
        return;
    }
    if (!m_previewHost)
        return;
    platform::runEventsWhile(
        [&] { return guard && m_printer == target && m_previewHost->showsPreview(target); });
}

void TRpReport::setPrintSource(TRpPrinter* source)
{
    m_printSource = source;
}

void TRpReport::previewClosed(TRpPrinter* target)
{
    if (!m_available) {
        // Only the run that works for the closing window stops: its own generation, or a print started
        // from it. A newer preview generating meanwhile goes on.
        if (target == m_printer || target == m_printSource)
            cancelGeneration();
        return;
    }
    if (target == m_printer)
        m_printer = nullptr;
}

void TRpReport::forEachComponent(void (TRpPrintable::*call)())
{
    for (const auto& band : m_bands) {
        for (const auto& child : band->children())
            (child.get()->*call)();
    }
}

TRpBand* TRpReport::detailBand() const
{
    for (const auto& band : m_bands) {
        if (band->BandType == rbDetail)
            return band.get();
    }
    return nullptr;
}

void TRpReport::transferSettings(TRpPrinter& target)
{
    TRpDeviceSettings& settings = target.deviceSettings();
    // The page store takes every paper; Default keeps the paper the target already has.
    if (Page.paperSize() != TRpPaperSize::Default)
        settings.setPaper(Page.paperSize());
    if (Page.paperSize() == TRpPaperSize::Custom) {
        // The page's own size is as the page lies; the device takes it in portrait terms.
        const bool landscape = Page.orientation() == poLandscape;
        settings.paperWidth = landscape ? Page.length() : Page.width();
        settings.paperLength = landscape ? Page.width() : Page.length();
    }
    settings.orientation = Page.orientation();
    settings.copies = PrinterSettings.Copies;
    settings.outputBin = PrinterSettings.OutputBin;
    settings.firstPage = PrinterSettings.FirstPage;
    settings.lastPage = PrinterSettings.LastPage;
    target.setTitle(ReportTitle);
    target.setCompression(Options.Compression);
}

void TRpReport::GenerateReport(TRpPrinter& target)
{
    if (!m_available)
        return;
    if (BeforeGenerate)
        BeforeGenerate();
    if (Page.width() - Page.leftMargin() - Page.rightMargin() < 0) {
        Page.setLeftMargin(0);
        Page.setRightMargin(0);
    }
    if (Page.length() - Page.topMargin() - Page.bottomMargin() < 0) {
        Page.setTopMargin(0);
        Page.setBottomMargin(0);
    }
    m_available = false;
    m_cancelled = false;
    m_lastPage = false;
    m_printer = &target;
    target.setPlacement(Placement);
    const TRpUnit savedUnits = m_units;
    m_units = TRpUnit::Native;

    // The window that owns the target may release it while events run during the run; from then on
    // the run stops and touches it no more.
    m_runTarget = &target;
    const auto finishDocument = [&] {
        if (!m_runTarget)
            return;
        // A cancelled print leaves nothing: its job is thrown away, not sent with the pages so far. A page
        // store keeps what was drawn.
        if (m_runTarget->cancelled() && m_runTarget->destination() == TRpPrinterDestination::Printer)
            m_cancelled = true;
        if (m_cancelled)
            m_runTarget->AbortDocument();
        else
            m_runTarget->CloseDocument();
    };

    try {
        transferSettings(target);
        target.setMaster(this);
        target.OpenDocument();
        m_printY = -1;
        m_pageCount = 0;
        m_currentColumn = Page.columns();
        m_pageFooterHeight = 0;
        for (const auto& band : m_bands) {
            if (band->BandType == rbPageFooter && band->Enabled)
                m_pageFooterHeight += band->height();
        }
        m_printX = roundHalfEven(Page.leftMargin());
        forEachComponent(&TRpPrintable::PrepareOutput);

        recordLoop();

        m_printX = roundHalfEven(Page.leftMargin());
        m_lastPage = true;
        if (!m_cancelled && m_runTarget)
            endPage();
        m_units = savedUnits;
        forEachComponent(&TRpPrintable::EndOutput);
    } catch (...) {
        // The document still ends with the page drawn so far, and the report becomes available again,
        // or it would refuse every later preview and print.
        try {
            finishDocument();
        } catch (...) { // NOLINT(bugprone-empty-catch): the first failure is the one to report
        }
        m_units = savedUnits;
        for (const auto& band : m_bands) {
            for (const auto& child : band->children()) {
                try {
                    child->EndOutput();
                } catch (...) { // NOLINT(bugprone-empty-catch): the first failure is the one to report
                }
            }
        }
        m_available = true;
        throw;
    }
    try {
        finishDocument();
    } catch (...) {
        m_available = true;
        throw;
    }
    m_available = true;
}

void TRpReport::recordLoop()
{
    TRpBand* band = detailBand();
    // Events may cancel the run or release its target.
    const auto stopped = [&] {
        platform::letEventsIn();
        if (!m_runTarget)
            m_cancelled = true;
        return !m_runTarget;
    };
    const auto printDetail = [&] {
        if (band)
            printDetailBand(*band);
    };
    if (!DataSet || !DataSet->active()) {
        if (PrintIfEmpty)
            printDetail();
        return;
    }
    DataSet->first();
    bool more = !DataSet->eof();
    int recordCount = 1;
    try {
        recordCount = DataSet->recordCount();
    } catch (...) {
        recordCount = 1;
    }
    if (!more && PrintIfEmpty)
        printDetail();
    int detailNumber = 0;
    if (more) {
        if (stopped() || m_cancelled || m_runTarget->cancelled())
            return;
    }
    while (more) {
        if (stopped() || m_runTarget->cancelled())
            break;
        ++detailNumber;
        printDetail();
        if (!m_runTarget)
            break;
        DataSet->next();
        more = !DataSet->eof();
        if (recordCount != 0)
            m_runTarget->setProgress(detailNumber * 100 / recordCount);
    }
}

void TRpReport::printDetailBand(TRpBand& band)
{
    bool printBand = band.Enabled;
    if (band.Enabled && band.BeforePrint)
        band.BeforePrint(&band, printBand);
    if (!m_runTarget) {
        m_cancelled = true; // the handler let the target's window close
        return;
    }
    if (!printBand)
        return;

    TRpPrinter& target = *m_runTarget;
    const int bandHeight = roundHalfEven(band.height());
    const TRpDeviceSettings& settings = target.deviceSettings();
    const long double paperLength
        = Page.orientation() == poLandscape && Page.paperSize() != TRpPaperSize::Custom
        ? settings.paperWidth
        : settings.paperLength;
    const int available
        = m_printY < 0 ? 0 : roundHalfEven(paperLength - Page.bottomMargin() - m_pageFooterHeight - m_printY);
    // A band taller than a whole page is printed where it is rather than begin pages forever. A band that
    // forces a new page begins one unless it would be the first on its page.
    const bool pageBegun = m_printY > roundHalfEven(Page.topMargin());
    if (m_pageCount == 0 || (band.ForceNewPage && pageBegun)
        || (bandHeight > available && bandHeight <= Page.length() - (Page.topMargin() + Page.bottomMargin())))
        newPage();

    if (nativeToScreen(band.height(), m_screenPpi, m_zoom) == 0)
        return;
    if (platform::Canvas* canvas = target.canvas(); canvas && !band.Transparent) {
        canvas->setBrush(platform::Brush { colorToRef(band.Color), false });
        canvas->fillRect(target.DeviceX(m_printX), target.DeviceY(m_printY),
            target.DeviceX(m_printX + band.width()), target.DeviceY(m_printY + band.height()));
    }
    for (const auto& child : band.children()) {
        if (child->Enabled)
            child->RenderAt(m_printX, m_printY);
    }
    m_printY += bandHeight;
}

void TRpReport::newPage()
{
    m_currentColumn = 1;
    m_printX = roundHalfEven(Page.leftMargin());
    if (m_pageCount > 0)
        endPage();
    ++m_pageCount;
    m_runTarget->NextPage();
    m_printY = roundHalfEven(Page.topMargin());
}

void TRpReport::endPage()
{
    if (m_pageCount <= 0)
        return;
    m_printY = roundHalfEven(Page.length() - Page.bottomMargin() - m_pageFooterHeight);
    m_printX = roundHalfEven(Page.leftMargin());
}

} // namespace report
