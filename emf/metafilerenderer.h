// SPDX-License-Identifier: GPL-2.0-or-later
// Draws GDI primitives onto a QPainter with GDI's pixel rules (right and bottom edges exclusive, line end
// point not drawn, pen width 0 is one device pixel) and text at given advances. Shared by the metafile
// players and the QPainter canvas; coordinates are logical and go through a scale-and-offset mapping.
#pragma once

#include "platform/canvas.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRawFont>
#include <QRectF>
#include <QRegion>
#include <QString>
#include <QTransform>
#include <cstdint>
#include <optional>
#include <vector>

namespace emf {

struct GdiPen {
    enum Style { Solid, Dash, Dot, DashDot, DashDotDot, Null, InsideFrame };
    Style style = Solid;
    double width = 0; // logical units; 0 is one device pixel
    platform::ColorRef color = 0;
    bool operator==(const GdiPen&) const = default;
};

struct GdiBrush {
    bool null = false;
    platform::ColorRef color = 0xffffff; // of a solid brush, or of a hatch's lines
    int hatch = -1; // GDI's hatch style (0 horizontal .. 5 crossed diagonals), -1 for none
    // A pattern brush's bitmap, repeated from the device's origin. A monochrome pattern (mono) keeps its
    // pixels black and white and draws them in the text and background colours, as GDI does.
    QImage pattern {};
    bool mono = false;
    bool operator==(const GdiBrush&) const = default;
};

struct GdiFont {
    int height = 0; // logical units: negative is the character height, positive the cell height
    int escapement = 0; // the text's direction, tenths of a degree counter-clockwise from the x-axis
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::uint8_t charset = 0;
    std::uint8_t pitchAndFamily = 0;
    QString face;
    bool operator==(const GdiFont&) const = default;
};

// GDI text alignment flags.
enum : std::uint32_t {
    TextAlignLeft = 0,
    TextAlignRight = 2,
    TextAlignCenter = 6,
    TextAlignTop = 0,
    TextAlignBottom = 8,
    TextAlignBaseline = 24,
};

class MetafileRenderer {
public:
    explicit MetafileRenderer(QPainter& painter);
    ~MetafileRenderer();

    // Logical to painter coordinates: x' = sx * x + dx, y' = sy * y + dy.
    void setMapping(double sx, double sy, double dx, double dy);
    // What a rotated or sheared mapping adds after that: applied to everything drawn, though not to the
    // clip, which is given in painter coordinates. The identity keeps GDI's pixel rules exact.
    void setTransform(const QTransform& transform);

    void setPen(const GdiPen& pen) { m_pen = pen; }
    void setBrush(const GdiBrush& brush) { m_brush = brush; }
    void setFont(const GdiFont& font);
    void setTextColor(platform::ColorRef color) { m_textColor = color; }
    void setBackground(platform::ColorRef color, bool opaque)
    {
        m_bkColor = color;
        m_bkOpaque = opaque;
    }
    void setTextAlign(std::uint32_t align) { m_textAlign = align; }
    void setWindingFill(bool winding) { m_winding = winding; }
    // A clip region in painter coordinates, or none.
    void setClip(const std::optional<QRegion>& clip);

    void rectangle(double l, double t, double r, double b);
    void roundRect(double l, double t, double r, double b, double cx, double cy);
    void ellipse(double l, double t, double r, double b);
    void line(double x1, double y1, double x2, double y2);
    void polyline(const QPolygonF& points);
    void polygons(const std::vector<QPolygonF>& polygons);
    // Fills with a colour, right and bottom exclusive, no outline.
    void fill(double l, double t, double r, double b, platform::ColorRef color);
    void fillWithBrush(double l, double t, double r, double b);
    // A bitmap stretched over a rectangle, right and bottom exclusive.
    void image(double l, double t, double r, double b, const QImage& image);
    // Text at a reference point; advances in logical units (empty: the font's own). opaqueRect is filled
    // with the background colour first; clipRect clips the glyphs.
    void text(double x, double y, const QString& text, const std::vector<double>& advances,
        const std::optional<QRectF>& opaqueRect = {}, const std::optional<QRectF>& clipRect = {});

    // The font's logical metrics, as text placement uses them.
    int fontAscent();

    // Maps a logical point to painter coordinates.
    double mapX(double x) const { return m_sx * x + m_dx; }
    double mapY(double y) const { return m_sy * y + m_dy; }

private:
    struct FontData;
    FontData& fontData();
    // The device's area in the painter's current coordinates.
    void findVisible();
    // Text that Qt lays out: letters at their advances, or a shaped run stretched to their sum.
    void layOutText(const QString& text, double left, double baseline, const std::vector<double>& cumulative,
        bool givenAdvances);
    int deviceX(double x) const;
    int deviceY(double y) const;
    QRect deviceRect(double l, double t, double r, double b) const;
    int penPixels() const;
    QPen strokePen(const QRectF& extent = {}) const;
    void fillPixels(const QRect& r, platform::ColorRef color);
    void flushFills();
    // The painter, once the fills still pending are painted: everything else draws through it.
    QPainter& painter();
    QBrush brush() const;
    // Fills with the brush: solid fills join the pending ones; a hatch over an opaque background
    // first lays the background colour.
    void fillWithBrush(const QRect& r);
    void fillShapeWithBrush(const QPainterPath& path);

    QPainter& m_painter;
    double m_sx = 1, m_sy = 1, m_dx = 0, m_dy = 0;
    QTransform m_transform;
    QTransform m_baseTransform; // the painter's own when the renderer began
    GdiPen m_pen;
    GdiBrush m_brush;
    GdiFont m_font;
    platform::ColorRef m_textColor = 0;
    platform::ColorRef m_bkColor = 0xffffff;
    bool m_bkOpaque = true;
    std::uint32_t m_textAlign = 0;
    bool m_winding = false;
    bool m_hadClip = false;
    QPainterPath m_baseClip;
    QRectF m_visible; // the device's area in painter coordinates: patterns are only walked where they show
    FontData* m_fontData = nullptr;
    std::vector<QRect> m_pendingFills; // of m_pendingColor, painted before anything else
    platform::ColorRef m_pendingColor = 0;
    QHash<QString, FontData*> m_fonts;
};

} // namespace emf
