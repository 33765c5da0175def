// SPDX-License-Identifier: GPL-2.0-or-later
#include "preview/rppreview.h"

#include "platform/errordisplay.h"
#include "platform/fonts.h"
#include "preview/rppreviewimage.h"
#include "report/rpprinter.h"
#include "report/rpprintersettings.h"
#include "report/rpunits.h"

#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>

namespace preview {

using namespace report;

TRpPreview::TRpPreview(QWidget* parent)
    : QScrollArea(parent)
    , m_canvas(new QWidget)
    , m_image(new TRpPreviewImage(m_canvas))
{
    setFrameShape(QFrame::StyledPanel);
    setWidgetResizable(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWidget(m_canvas);
    // The thumb moves the page while it is dragged.
    horizontalScrollBar()->setTracking(true);
    verticalScrollBar()->setTracking(true);
    updateSize();
}

TRpPreview::~TRpPreview()
{
    detach();
}

void TRpPreview::detach()
{
    if (m_printer) {
        TRpPrinter* printer = m_printer;
        m_printer = nullptr;
        if (printer->client() == this)
            printer->setClient(nullptr);
        printer->setPreviewShown(false);
    }
}

void TRpPreview::setPrinter(TRpPrinter* printer)
{
    detach();
    m_printer = printer;
    if (printer) {
        printer->setClient(this);
        printer->setPreviewShown(true);
    }
    m_pageNumber = 1;
    m_image->loadPage(printer, 1);
}

void TRpPreview::setPageNumber(int v)
{
    if (v == m_pageNumber && m_image->hasPicture())
        return;
    if (v < 1 || !m_printer || v > m_printer->PagesStarted())
        return;
    m_pageNumber = v;
    m_image->loadPage(m_printer, v);
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}

void TRpPreview::firstPage()
{
    setPageNumber(1);
}

void TRpPreview::previousPage()
{
    setPageNumber(m_pageNumber - 1);
}

void TRpPreview::nextPage()
{
    setPageNumber(m_pageNumber + 1);
}

void TRpPreview::lastPage()
{
    if (m_printer)
        setPageNumber(m_printer->PagesStarted());
}

void TRpPreview::reloadFirstPage()
{
    m_pageNumber = 1;
    m_image->loadPage(m_printer, 1);
}

long double TRpPreview::pageWidthNative() const
{
    return m_printer ? m_printer->deviceSettings().orientedWidth() : TRpDeviceSettings().orientedWidth();
}

long double TRpPreview::pageLengthNative() const
{
    return m_printer ? m_printer->deviceSettings().orientedLength() : TRpDeviceSettings().orientedLength();
}

long double TRpPreview::pixelsPerUnitX() const
{
    return m_printer ? m_printer->PixelsPerUnitX() : platform::screenPpi() / NativePerInch;
}

long double TRpPreview::pixelsPerUnitY() const
{
    return m_printer ? m_printer->PixelsPerUnitY() : platform::screenPpi() / NativePerInch;
}

int TRpPreview::fullPageWidth() const
{
    return roundHalfEven(pageWidthNative() * pixelsPerUnitX());
}

int TRpPreview::fullPageLength() const
{
    return roundHalfEven(pageLengthNative() * pixelsPerUnitY());
}

int TRpPreview::pageWidthAt(int zoom) const
{
    return roundHalfEven(pageWidthNative() * zoom / 100.0L * pixelsPerUnitX());
}

int TRpPreview::pageLengthAt(int zoom) const
{
    return roundHalfEven(pageLengthNative() * zoom / 100.0L * pixelsPerUnitY());
}

void TRpPreview::updateSize()
{
    // 4 pixels more than the page hold its frame and shadow.
    const int w = pageWidthAt(m_zoom) + 4;
    const int h = pageLengthAt(m_zoom) + 4;
    // The scroll bars are decided here rather than left to the scroll area, which decides them in a
    // queued call and can keep both once they have been needed.
    const QSize room = contentsRect().size(); // inside the frame, without any scroll bar
    const int barWidth = verticalScrollBar()->sizeHint().width();
    const int barHeight = horizontalScrollBar()->sizeHint().height();
    bool needH = w > room.width();
    bool needV = h > room.height() - (needH ? barHeight : 0);
    needH = w > room.width() - (needV ? barWidth : 0);
    setHorizontalScrollBarPolicy(needH ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(needV ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    const QSize visible(room.width() - (needV ? barWidth : 0), room.height() - (needH ? barHeight : 0));
    const QSize canvas(std::max(w, visible.width()), std::max(h, visible.height()));
    // Centred on the view's outer size, as long as it fits; the frame of the view must not push a
    // centred page past the canvas and call up a scroll bar.
    const int left = w < width() ? std::min((width() - w) / 2, canvas.width() - w) : 0;
    const int top = h < height() ? std::min((height() - h) / 2, canvas.height() - h) : 0;
    m_canvas->resize(canvas);
    m_image->setGeometry(left, top, w, h);
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    m_image->setZoom(m_zoom);
}

void TRpPreview::setZoom(int v)
{
    if (v < MinZoom || v > MaxZoom)
        return;
    m_zoomMode = TRpZoomMode::Fixed;
    m_zoom = v;
    updateSize();
}

void TRpPreview::zoomToFit()
{
    const int byWidth = roundHalfEven((long double)width() / fullPageWidth() * 95);
    const int byLength = roundHalfEven((long double)height() / fullPageLength() * 95);
    setZoom(std::min(byWidth, byLength));
    m_zoomMode = TRpZoomMode::WholePage;
}

void TRpPreview::zoomToWidth()
{
    setZoom(roundHalfEven((long double)width() / fullPageWidth() * 90));
    updateSize();
    m_zoomMode = TRpZoomMode::PageWidth;
}

void TRpPreview::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    if (m_zoomMode == TRpZoomMode::WholePage)
        zoomToFit();
    else if (m_zoomMode == TRpZoomMode::PageWidth)
        zoomToWidth();
    updateSize();
}

void TRpPreview::pageAvailable(int pagesAvailable)
{
    if (pagesAvailable == m_pageNumber && !m_image->hasPicture() && m_printer
        && m_printer->PagesAvailable() >= m_image->pageNumber()) {
        zoomToWidth();
        // A queued call: nothing may escape into the event loop.
        platform::runGuarded([&] { m_image->loadPage(m_printer, m_image->pageNumber()); }, this);
    }
    emit OnPageAvailable(pagesAvailable);
}

void TRpPreview::progressUpdate(int percent)
{
    emit OnProgressUpdate(percent);
}

} // namespace preview
