// SPDX-License-Identifier: GPL-2.0-or-later
#include "emf/paintercanvas.h"

#include "emf/metafilerenderer.h"
#include "platform/fonts.h"

namespace emf {

namespace {

GdiPen gdiPen(const platform::Pen& pen)
{
    GdiPen result;
    result.color = pen.color;
    result.width = std::max(0, pen.width);
    // In the order of platform::PenStyle.
    constexpr GdiPen::Style styles[] = { GdiPen::Solid, GdiPen::Dash, GdiPen::Dot, GdiPen::DashDot,
        GdiPen::DashDotDot, GdiPen::Null, GdiPen::InsideFrame };
    const auto index = std::size_t(pen.style);
    result.style = index < std::size(styles) ? styles[index] : GdiPen::Solid;
    return result;
}

} // namespace

PainterCanvas::PainterCanvas(QPainter& painter, int dpiX, int dpiY)
    : m_painter(painter)
    , m_dpiX(std::max(1, dpiX))
    , m_dpiY(std::max(1, dpiY))
    , m_renderer(std::make_unique<MetafileRenderer>(painter))
{
    m_renderer->setBackground(0xffffff, false);
    m_renderer->setPen(gdiPen(m_pen));
    m_renderer->setBrush(GdiBrush { m_brush.clear, m_brush.color });
    setFont(m_font);
}

PainterCanvas::~PainterCanvas() = default;

void PainterCanvas::setPen(const platform::Pen& pen)
{
    m_pen = pen;
    m_renderer->setPen(gdiPen(pen));
}

void PainterCanvas::setBrush(const platform::Brush& brush)
{
    m_brush = brush;
    m_renderer->setBrush(GdiBrush { brush.clear, brush.color });
}

void PainterCanvas::setFont(const platform::FontSpec& font)
{
    m_font = font;
    GdiFont gdi;
    gdi.height = platform::fontPixelHeight(font.pointSize, m_dpiY);
    gdi.weight = font.bold ? 700 : 400;
    gdi.italic = font.italic;
    gdi.underline = font.underline;
    gdi.strikeOut = font.strikeOut;
    gdi.charset = font.charset;
    gdi.pitchAndFamily = font.fixedPitch ? 1 : 0;
    gdi.face = font.face;
    m_renderer->setFont(gdi);
    m_renderer->setTextColor(font.color);
}

void PainterCanvas::fillRect(int left, int top, int right, int bottom)
{
    if (right > left && bottom > top)
        m_renderer->fillWithBrush(left, top, right, bottom);
}

void PainterCanvas::rectangle(int left, int top, int right, int bottom)
{
    m_renderer->rectangle(left, top, right, bottom);
}

void PainterCanvas::ellipse(int left, int top, int right, int bottom)
{
    m_renderer->ellipse(left, top, right, bottom);
}

void PainterCanvas::line(int x1, int y1, int x2, int y2)
{
    m_renderer->line(x1, y1, x2, y2);
}

void PainterCanvas::textOut(int x, int y, platform::TextAlign align, const QString& text)
{
    if (text.isEmpty())
        return;
    const std::vector<int> advances = platform::textAdvances(m_font, text, m_dpiY);
    m_renderer->setTextAlign(TextAlignTop
        | (align == platform::TextAlign::Right         ? TextAlignRight
                : align == platform::TextAlign::Center ? TextAlignCenter
                                                       : TextAlignLeft));
    m_renderer->text(x, y, text, std::vector<double>(advances.begin(), advances.end()));
}

void PainterCanvas::removeClip()
{
    m_renderer->setClip(std::nullopt);
}

QSize PainterCanvas::textExtent(const QString& text)
{
    return platform::measureText(m_font, text, m_dpiY);
}

} // namespace emf
