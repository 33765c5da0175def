// SPDX-License-Identifier: GPL-2.0-or-later
#include "preview/rppreviewimage.h"

#include "emf/metafile.h"
#include "report/rpprinter.h"
#include "report/rpreport.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace preview {

using namespace report;

namespace {

constexpr double MaxPixels = 100e6;

} // namespace

TRpPreviewImage::TRpPreviewImage(QWidget* parent)
    : QWidget(parent)
{
    // The page covers itself; what lies around it is the view's background.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TRpPreviewImage::clearPicture()
{
    m_picture.reset();
    m_cacheValid = false;
    m_cache = QPixmap();
    update();
}

void TRpPreviewImage::loadPage(TRpPrinter* printer, int n)
{
    clearPicture();
    m_pageNumber = n;
    if (!printer)
        return;
    m_underlay = printer->master() ? printer->master()->PreviewUnderlay : QByteArray();
    std::optional<TRpGeneratedPage> page = printer->PageAt(n);
    if (page) {
        // Play it once off screen, so a page the player rejects is reported here, where a command can
        // show the message, and not from inside a paint event.
        QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&probe);
        emf::playMetafile(page->bytes, painter, QRectF(0, 0, 1, 1));
    }
    m_picture = std::move(page);
    repaint();
}

QPixmap TRpPreviewImage::render(qreal devicePixelRatio) const
{
    const int w = width();
    const int h = height();
    QPixmap pixmap(QSize(w, h) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    if (!m_picture || w < 4 || h < 4)
        return pixmap;
    QPainter painter(&pixmap);
    painter.fillRect(QRect(1, 1, w - 4, h - 4), Qt::white);
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    try {
        if (!m_underlay.isEmpty()) {
            // The report's underlay, faint, under the page: for the screen only.
            painter.setOpacity(0.25);
            emf::playMetafile(m_underlay, painter, QRectF(0, 0, w, h));
            painter.setOpacity(1);
        }
        emf::playMetafile(m_picture->bytes, painter, QRectF(0, 0, w, h));
    } catch (const platform::Error&) { // NOLINT(bugprone-empty-catch)
        // Checked when the page was loaded; a page that fails now shows as a blank sheet.
    }
    painter.restore();
    // The frame as one-pixel rectangles rather than lines, so it stays one pixel wide at any ratio.
    painter.fillRect(QRect(0, 0, 1, h - 2), Qt::black);
    painter.fillRect(QRect(0, h - 3, w - 2, 1), Qt::black);
    painter.fillRect(QRect(w - 3, 0, 1, h - 2), Qt::black);
    painter.fillRect(QRect(0, 0, w - 2, 1), Qt::black);
    // The shadow along the right and bottom edges.
    painter.fillRect(QRect(w - 2, 2, 2, h - 2), Qt::black);
    painter.fillRect(QRect(2, h - 2, w - 2, 2), Qt::black);
    return pixmap;
}

void TRpPreviewImage::paintEvent(QPaintEvent* event)
{
    if (!m_picture)
        return;
    // The page is drawn once into a picture of its shown size, but never of more than 100 megapixels: a
    // page metres wide, zoomed in, is drawn coarser and stretched.
    const qreal screenRatio = devicePixelRatioF();
    const double pixels = double(width()) * height() * screenRatio * screenRatio;
    const qreal ratio = pixels > MaxPixels ? screenRatio * std::sqrt(MaxPixels / pixels) : screenRatio;
    if (!m_cacheValid || m_cacheSize != size() || m_cache.devicePixelRatio() != ratio) {
        m_cache = render(ratio);
        m_cacheSize = size();
        m_cacheValid = true;
    }
    QPainter painter(this);
    painter.drawPixmap(event->rect(), m_cache,
        QRectF(QPointF(event->rect().topLeft()) * ratio, QSizeF(event->rect().size()) * ratio));
}

} // namespace preview
