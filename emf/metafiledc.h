// SPDX-License-Identifier: GPL-2.0-or-later
// The device-context state a metafile player keeps while it walks the records: mapping, selected
// objects, colours, alignment and clip. SaveDC pushes a copy, RestoreDC pops back to one.
#pragma once

#include "emf/metafilerenderer.h"

#include <QRectF>
#include <QRegion>
#include <QString>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <optional>

namespace emf {

struct MetafileDc {
    int mapMode = 1; // MM_TEXT
    double winOrgX = 0, winOrgY = 0, winExtX = 1, winExtY = 1;
    double vpOrgX = 0, vpOrgY = 0, vpExtX = 1, vpExtY = 1;
    QTransform world;
    GdiPen pen; // the stock black pen: one pixel, solid
    GdiBrush brush; // the stock white brush
    GdiFont font = defaultFont();
    platform::ColorRef textColor = 0;
    platform::ColorRef bkColor = 0xffffff;
    bool bkOpaque = true;
    std::uint32_t textAlign = 0;
    bool winding = false;
    std::optional<QRegion> clip; // whole pixels of the painter's coordinates; none: the whole surface
    double curX = 0, curY = 0;

    static GdiFont defaultFont()
    {
        GdiFont font;
        font.height = -13;
        font.weight = 700;
        font.face = QStringLiteral("MS Sans Serif");
        return font;
    }

    // Stock objects 0x80000000..0x80000011 change the pen, brush or font; other values are ignored.
    void selectStock(std::uint32_t index)
    {
        // WHITE_BRUSH, LTGRAY_BRUSH, GRAY_BRUSH, DKGRAY_BRUSH, BLACK_BRUSH, NULL_BRUSH; then WHITE_PEN,
        // BLACK_PEN, NULL_PEN.
        static const GdiBrush brushes[] = { { false, 0xffffff }, { false, 0xc0c0c0 }, { false, 0x808080 },
            { false, 0x404040 }, { false, 0 }, { true, 0 } };
        constexpr GdiPen pens[]
            = { { GdiPen::Solid, 0, 0xffffff }, { GdiPen::Solid, 0, 0 }, { GdiPen::Null, 0, 0 } };
        if (index < std::size(brushes)) {
            brush = brushes[index];
            return;
        }
        if (index - std::size(brushes) < std::size(pens)) {
            pen = pens[index - std::size(brushes)];
            return;
        }
        switch (index) {
        case 10:
        case 11:
        case 16:
            font = GdiFont {};
            font.height = -13;
            font.face = QStringLiteral("Courier New");
            font.pitchAndFamily = 1;
            break;
        case 12:
        case 13:
        case 14:
            font = defaultFont();
            break;
        case 17:
            font = GdiFont {};
            font.height = -11;
            font.face = QStringLiteral("Tahoma");
            break;
        default:
            break;
        }
    }
};

// A clip rectangle of painter coordinates as whole pixels, right and bottom exclusive as GDI has them;
// coordinates from a damaged file are kept where int arithmetic stays safe.
inline QRect clipPixels(const QRectF& rect)
{
    const auto pixel = [](double v) { return v == v ? int(std::lround(std::clamp(v, -1.0e8, 1.0e8))) : 0; };
    const QRectF r = rect.normalized();
    return QRect(
        QPoint(pixel(r.left()), pixel(r.top())), QPoint(pixel(r.right()) - 1, pixel(r.bottom()) - 1));
}

// Combines a region into the clip as GDI's region modes do (1 AND, 2 OR, 3 XOR, 4 DIFF, 5 COPY); whole is
// the surface that no clip stands for. Other modes change nothing.
inline void combineClip(
    std::optional<QRegion>& clip, const QRegion& region, std::uint32_t mode, const QRect& whole)
{
    const QRegion current = clip ? *clip : QRegion(whole);
    switch (mode) {
    case 1:
        clip = current.intersected(region);
        break;
    case 2:
        if (clip)
            clip = current.united(region);
        break;
    case 3:
        clip = current.xored(region);
        break;
    case 4:
        clip = current.subtracted(region);
        break;
    case 5:
        clip = region;
        break;
    default:
        break;
    }
}

// Pen style bits of a GDI pen record.
inline GdiPen::Style gdiPenStyle(std::uint32_t style)
{
    switch (style & 0xf) {
    case 1:
        return GdiPen::Dash;
    case 2:
    case 8: // alternate
        return GdiPen::Dot;
    case 3:
        return GdiPen::DashDot;
    case 4:
        return GdiPen::DashDotDot;
    case 5:
        return GdiPen::Null;
    case 6:
        return GdiPen::InsideFrame;
    default:
        return GdiPen::Solid;
    }
}

// Single-byte text of a metafile in the code page of the font's character set.
QString decodeMetafileText(const char* bytes, qsizetype length, std::uint8_t charset);

// Text in a symbol font as other viewers show it: the font "Symbol" in the Unicode letters its codes
// stand for (Greek, arrows, mathematical signs); another font of the symbol character set in the private
// use area U+F020..U+F0FF, where symbol fonts keep their glyphs. Other text is returned as it is.
QString symbolFontText(const QString& text, const GdiFont& font);

} // namespace emf
