// SPDX-License-Identifier: GPL-2.0-or-later
#include "emf/metafilerenderer.h"

#include "platform/fonts.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace emf {

namespace {

// Coordinates from a damaged file can be anything; keep them where int arithmetic stays safe.
constexpr double coordinateLimit = 1.0e8;
// Text whose glyphs would be larger than this many device pixels is not drawn.
constexpr double largestGlyphPixels = 20000.0;

int safeRound(double v)
{
    if (!(v == v)) // NaN
        return 0;
    v = std::clamp(v, -coordinateLimit, coordinateLimit);
    return int(std::floor(v + 0.5));
}

QColor color(platform::ColorRef c)
{
    return QColor(int(c & 0xff), int((c >> 8) & 0xff), int((c >> 16) & 0xff));
}

platform::FontSpec specOf(const GdiFont& font)
{
    platform::FontSpec fontRequest;
    fontRequest.face = font.face.isEmpty() ? QStringLiteral("Arial") : font.face;
    fontRequest.bold = font.weight >= 600;
    fontRequest.italic = font.italic;
    fontRequest.underline = font.underline;
    fontRequest.strikeOut = font.strikeOut;
    fontRequest.charset = font.charset;
    fontRequest.fixedPitch = (font.pitchAndFamily & 3) == 1;
    return fontRequest;
}

// Letters that only come out right when shaped with their neighbours: right-to-left scripts and the
// scripts of South and South-East Asia, whose letters join and reorder.
bool needsShaping(QChar c)
{
    const QChar::Direction direction = c.direction();
    if (direction == QChar::DirR || direction == QChar::DirAL)
        return true;
    const QChar::Script script = c.script();
    return script >= QChar::Script_Hebrew && script <= QChar::Script_Myanmar;
}

// QRawFont::fromFont costs a font match; pages use a handful of fonts over and over.
QRawFont cachedRawFont(const platform::FontSpec& fontRequest, double pixelSize)
{
    static QHash<QString, QRawFont> cache;
    const QString key = fontRequest.face + QLatin1Char('|') + QString::number(pixelSize, 'f', 3)
        + (fontRequest.bold ? QLatin1String("|b") : QLatin1String("|r"))
        + (fontRequest.italic ? QLatin1String("i") : QLatin1String("n"))
        + (fontRequest.fixedPitch ? QLatin1String("f") : QLatin1String("v"));
    auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return *it;
    if (cache.size() > 512)
        cache.clear();
    QRawFont raw = QRawFont::fromFont(
        platform::drawingFontForPixels(fontRequest, std::max(1, int(std::lround(pixelSize)))));
    if (raw.isValid() && std::abs(raw.pixelSize() - pixelSize) > 1e-6)
        raw.setPixelSize(pixelSize);
    cache.insert(key, raw);
    return raw;
}

} // namespace

struct MetafileRenderer::FontData {
    bool valid = false;
    int logicalPixels = 0;
    int ascent = 0;
    int descent = 0;
    QFont measuring;
    QRawFont raw;
};

MetafileRenderer::MetafileRenderer(QPainter& painter)
    : m_painter(painter)
{
    m_painter.save();
    m_hadClip = m_painter.hasClipping();
    if (m_hadClip)
        m_baseClip = m_painter.clipPath();
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    m_painter.setBackgroundMode(Qt::TransparentMode);
    m_baseTransform = m_painter.worldTransform();
    findVisible();
}

void MetafileRenderer::findVisible()
{
    m_visible = QRectF();
    if (const QPaintDevice* device = m_painter.device()) {
        bool invertible = false;
        const QTransform inverse = m_painter.worldTransform().inverted(&invertible);
        if (invertible)
            m_visible = inverse.mapRect(QRectF(0, 0, device->width(), device->height()));
    }
    if (m_visible.isEmpty())
        m_visible = QRectF(-coordinateLimit, -coordinateLimit, 2 * coordinateLimit, 2 * coordinateLimit);
}

void MetafileRenderer::setTransform(const QTransform& transform)
{
    if (transform == m_transform)
        return;
    flushFills();
    m_transform = transform;
    m_painter.setWorldTransform(m_transform * m_baseTransform);
    findVisible();
}

MetafileRenderer::~MetafileRenderer()
{
    if (m_painter.isActive()) {
        flushFills();
        m_painter.restore();
    }
    qDeleteAll(m_fonts);
}

void MetafileRenderer::setMapping(double sx, double sy, double dx, double dy)
{
    auto finite = [](double v) { return std::isfinite(v) ? v : 0.0; };
    if (sx != m_sx || sy != m_sy)
        m_fontData = nullptr;
    m_sx = finite(sx);
    m_sy = finite(sy);
    m_dx = finite(dx);
    m_dy = finite(dy);
}

void MetafileRenderer::setFont(const GdiFont& font)
{
    if (font == m_font)
        return;
    m_font = font;
    m_fontData = nullptr;
}

void MetafileRenderer::setClip(const std::optional<QRegion>& clip)
{
    // The clip is in painter coordinates: set it without the mapping's rotation.
    const bool transformed = !m_transform.isIdentity();
    if (transformed)
        painter().setWorldTransform(m_baseTransform);
    if (m_hadClip)
        painter().setClipPath(m_baseClip);
    else
        painter().setClipping(false);
    if (clip) {
        // Qt's raster engine ignores a region that replaces the clip right after clipping was switched
        // off, unless clipping is switched on again first.
        painter().setClipping(true);
        painter().setClipRegion(*clip, m_hadClip ? Qt::IntersectClip : Qt::ReplaceClip);
    }
    if (transformed)
        m_painter.setWorldTransform(m_transform * m_baseTransform);
}

int MetafileRenderer::deviceX(double x) const
{
    return safeRound(mapX(x));
}
int MetafileRenderer::deviceY(double y) const
{
    return safeRound(mapY(y));
}

QRect MetafileRenderer::deviceRect(double l, double t, double r, double b) const
{
    int x1 = deviceX(l), x2 = deviceX(r), y1 = deviceY(t), y2 = deviceY(b);
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    // Right and bottom stay exclusive: the QRect spans x1 .. x2 - 1.
    return QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
}

int MetafileRenderer::penPixels() const
{
    if (!(m_pen.width > 0))
        return 1;
    const double scale = (std::abs(m_sx) + std::abs(m_sy)) / 2;
    return std::clamp(safeRound(m_pen.width * scale), 1, 10000);
}

QPen MetafileRenderer::strokePen(const QRectF& extent) const
{
    QPen pen(color(m_pen.color), penPixels());
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    // A styled outline far larger than the device would be cut into millions of dashes: draw it solid.
    const double reach = 4 * std::max(m_visible.width(), m_visible.height());
    if (extent.width() > reach || extent.height() > reach)
        return pen;
    switch (m_pen.style) {
    case GdiPen::Dash:
        pen.setDashPattern({ 18, 6 });
        break;
    case GdiPen::Dot:
        pen.setDashPattern({ 3, 3 });
        break;
    case GdiPen::DashDot:
        pen.setDashPattern({ 9, 6, 3, 6 });
        break;
    case GdiPen::DashDotDot:
        pen.setDashPattern({ 9, 3, 3, 3, 3, 3 });
        break;
    default:
        break;
    }
    return pen;
}

QBrush MetafileRenderer::brush() const
{
    if (m_brush.null)
        return QBrush(Qt::NoBrush);
    if (m_brush.hatch >= 0) {
        static constexpr Qt::BrushStyle hatches[] = { Qt::HorPattern, Qt::VerPattern, Qt::FDiagPattern,
            Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern };
        return QBrush(color(m_brush.color), hatches[std::clamp(m_brush.hatch, 0, 5)]);
    }
    if (!m_brush.pattern.isNull()) {
        if (!m_brush.mono)
            return QBrush(m_brush.pattern);
        QImage tile = m_brush.pattern.convertToFormat(QImage::Format_RGB32);
        const QRgb ink = color(m_textColor).rgb(), paper = color(m_bkColor).rgb();
        for (int y = 0; y < tile.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(tile.scanLine(y));
            for (int x = 0; x < tile.width(); ++x)
                line[x] = (line[x] & 0xffffff) ? paper : ink;
        }
        return QBrush(tile);
    }
    return QBrush(color(m_brush.color));
}

void MetafileRenderer::fillWithBrush(const QRect& r)
{
    if (m_brush.null || r.width() <= 0 || r.height() <= 0)
        return;
    if (m_brush.hatch < 0 && m_brush.pattern.isNull()) {
        fillPixels(r, m_brush.color);
        return;
    }
    if (m_brush.hatch >= 0 && m_bkOpaque)
        painter().fillRect(r, color(m_bkColor));
    painter().fillRect(r, brush());
}

void MetafileRenderer::fillShapeWithBrush(const QPainterPath& path)
{
    if (m_brush.null)
        return;
    if (m_brush.hatch >= 0 && m_bkOpaque)
        painter().fillPath(path, color(m_bkColor));
    painter().fillPath(path, brush());
}

void MetafileRenderer::fillPixels(const QRect& r, platform::ColorRef c)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    if (!m_pendingFills.empty() && c != m_pendingColor)
        flushFills();
    m_pendingColor = c;
    m_pendingFills.push_back(r);
}

// Fills of one colour in a row are painted as one: a page's frames and cells are hundreds of them, and
// each painted alone costs a PDF a change of state and its own fill.
void MetafileRenderer::flushFills()
{
    if (m_pendingFills.empty())
        return;
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(color(m_pendingColor));
    m_painter.drawRects(m_pendingFills.data(), int(m_pendingFills.size()));
    m_pendingFills.clear();
}

QPainter& MetafileRenderer::painter()
{
    flushFills();
    return m_painter;
}

void MetafileRenderer::fill(double l, double t, double r, double b, platform::ColorRef c)
{
    fillPixels(deviceRect(l, t, r, b), c);
}

void MetafileRenderer::fillWithBrush(double l, double t, double r, double b)
{
    fillWithBrush(deviceRect(l, t, r, b));
}

void MetafileRenderer::image(double l, double t, double r, double b, const QImage& image)
{
    const QRect box = deviceRect(l, t, r, b);
    if (box.isEmpty() || image.isNull())
        return;
    // A negative extent mirrors the bitmap, as GDI's stretching does.
    const bool mirrorX = (mapX(r) < mapX(l)), mirrorY = (mapY(b) < mapY(t));
    painter().drawImage(box, mirrorX || mirrorY ? image.mirrored(mirrorX, mirrorY) : image);
}

void MetafileRenderer::rectangle(double l, double t, double r, double b)
{
    const QRect box = deviceRect(l, t, r, b);
    const int L = box.left(), T = box.top(), R = box.right() + 1, B = box.bottom() + 1;
    if (m_pen.style == GdiPen::Null) {
        // Without an outline GDI fills one pixel less to the right and below.
        fillWithBrush(QRect(L, T, R - L - 1, B - T - 1));
        return;
    }
    if (R <= L || B <= T)
        return;
    fillWithBrush(box);
    const int pw = penPixels();
    if (m_pen.style == GdiPen::Solid || m_pen.style == GdiPen::InsideFrame) {
        int ol, ot, orr, ob; // outer edges of the frame, exclusive right and bottom
        if (m_pen.style == GdiPen::InsideFrame) {
            ol = L, ot = T, orr = R, ob = B;
        } else {
            const int a = (pw - 1) / 2;
            ol = L - a, ot = T - a, orr = R - 1 - a + pw, ob = B - 1 - a + pw;
        }
        const platform::ColorRef c = m_pen.color;
        fillPixels(QRect(ol, ot, orr - ol, pw), c);
        fillPixels(QRect(ol, ob - pw, orr - ol, pw), c);
        fillPixels(QRect(ol, ot, pw, ob - ot), c);
        fillPixels(QRect(orr - pw, ot, pw, ob - ot), c);
        return;
    }
    painter().setPen(strokePen(box));
    painter().setBrush(Qt::NoBrush);
    painter().drawRect(QRectF(L + 0.5, T + 0.5, R - L - 1, B - T - 1));
}

void MetafileRenderer::roundRect(double l, double t, double r, double b, double cx, double cy)
{
    const QRect box = deviceRect(l, t, r, b);
    const double rx = std::min(std::abs(cx * m_sx) / 2, box.width() / 2.0);
    const double ry = std::min(std::abs(cy * m_sy) / 2, box.height() / 2.0);
    const QRectF shape(box.left() + 0.5, box.top() + 0.5, box.width() - 1, box.height() - 1);
    if (m_brush.hatch >= 0 || !m_brush.pattern.isNull()) {
        QPainterPath path;
        path.addRoundedRect(shape, rx, ry);
        fillShapeWithBrush(path);
        painter().setBrush(Qt::NoBrush);
    } else {
        painter().setBrush(brush());
    }
    painter().setPen(m_pen.style == GdiPen::Null ? QPen(Qt::NoPen) : strokePen(box));
    painter().drawRoundedRect(shape, rx, ry);
}

void MetafileRenderer::ellipse(double l, double t, double r, double b)
{
    const QRect box = deviceRect(l, t, r, b);
    if (box.width() < 1 || box.height() < 1)
        return;
    if (m_pen.style == GdiPen::Null) {
        if (m_brush.null)
            return;
        if (m_brush.hatch >= 0 || !m_brush.pattern.isNull()) {
            QPainterPath path;
            path.addEllipse(QRectF(box.left(), box.top(), box.width() - 1, box.height() - 1));
            fillShapeWithBrush(path);
            return;
        }
        painter().setPen(Qt::NoPen);
        painter().setBrush(brush());
        painter().drawEllipse(QRectF(box.left(), box.top(), box.width() - 1, box.height() - 1));
        return;
    }
    const double inset = m_pen.style == GdiPen::InsideFrame ? (penPixels() - 1) / 2.0 : 0.0;
    const QRectF shape(box.left() + 0.5 + inset, box.top() + 0.5 + inset, box.width() - 1 - 2 * inset,
        box.height() - 1 - 2 * inset);
    if (m_brush.hatch >= 0 || !m_brush.pattern.isNull()) {
        QPainterPath path;
        path.addEllipse(shape);
        fillShapeWithBrush(path);
        painter().setBrush(Qt::NoBrush);
    } else {
        painter().setBrush(brush());
    }
    painter().setPen(strokePen(box));
    painter().drawEllipse(shape);
}

void MetafileRenderer::line(double x1, double y1, double x2, double y2)
{
    if (m_pen.style == GdiPen::Null)
        return;
    const int X1 = deviceX(x1), Y1 = deviceY(y1), X2 = deviceX(x2), Y2 = deviceY(y2);
    if (X1 == X2 && Y1 == Y2)
        return;
    const int pw = penPixels();
    const bool solid = m_pen.style == GdiPen::Solid || m_pen.style == GdiPen::InsideFrame;
    if (X1 == X2 || Y1 == Y2) {
        const bool horizontal = Y1 == Y2;
        // The end point is not drawn, whichever way the line runs.
        const int from = horizontal ? std::min(X1, X2 + 1) : std::min(Y1, Y2 + 1);
        const int to = horizontal ? std::max(X1 + 1, X2) : std::max(Y1 + 1, Y2);
        const int a = (pw - 1) / 2;
        const int across = (horizontal ? Y1 : X1) - a;
        auto run = [&](int a0, int a1) {
            fillPixels(
                horizontal ? QRect(a0, across, a1 - a0, pw) : QRect(across, a0, pw, a1 - a0), m_pen.color);
        };
        if (solid) {
            run(from, to);
            return;
        }
        if (pw == 1) {
            // Cosmetic styled pens repeat their pattern in whole pixels from the start point.
            static const std::vector<int> dash { 18, 6 }, dot { 3, 3 }, dashDot { 9, 6, 3, 6 },
                dashDotDot { 9, 3, 3, 3, 3, 3 };
            const std::vector<int>& pattern = m_pen.style == GdiPen::Dash ? dash
                : m_pen.style == GdiPen::Dot                              ? dot
                : m_pen.style == GdiPen::DashDot                          ? dashDot
                                                                          : dashDotDot;
            const int length = to - from;
            const bool forward = horizontal ? X2 > X1 : Y2 > Y1;
            // Walk the pattern only over the part of the line that can show.
            const double lo = horizontal ? m_visible.left() : m_visible.top();
            const double hi = horizontal ? m_visible.right() : m_visible.bottom();
            int period = 0;
            for (int n : pattern)
                period += n;
            const int skipped = forward ? int(std::max(0.0, lo - from)) : int(std::max(0.0, to - hi));
            int pos = std::min(length, skipped / period * period);
            const int end = forward ? int(std::clamp(hi + 1 - from, 0.0, double(length)))
                                    : int(std::clamp(to - (lo - 1), 0.0, double(length)));
            std::size_t i = 0;
            while (pos < end) {
                const int n = std::min(pattern[i], length - pos);
                if (i % 2 == 0) {
                    if (forward)
                        run(from + pos, from + pos + n);
                    else
                        run(to - pos - n, to - pos);
                }
                pos += n;
                i = (i + 1) % pattern.size();
            }
            return;
        }
    }
    const double dx = X2 - X1, dy = Y2 - Y1;
    const double steps = std::max(std::abs(dx), std::abs(dy));
    painter().setPen(strokePen(QRectF(QPointF(X1, Y1), QPointF(X2, Y2)).normalized()));
    painter().drawLine(QPointF(X1 + 0.5, Y1 + 0.5), QPointF(X2 - dx / steps + 0.5, Y2 - dy / steps + 0.5));
}

void MetafileRenderer::polyline(const QPolygonF& points)
{
    if (m_pen.style == GdiPen::Null || points.size() < 2)
        return;
    if (points.size() == 2) {
        line(points[0].x(), points[0].y(), points[1].x(), points[1].y());
        return;
    }
    QPolygonF device;
    device.reserve(points.size());
    for (const QPointF& p : points)
        device.append(QPointF(deviceX(p.x()) + 0.5, deviceY(p.y()) + 0.5));
    // The last point is not drawn.
    QPointF& last = device.last();
    const QPointF before = device[device.size() - 2];
    const double steps = std::max(std::abs(last.x() - before.x()), std::abs(last.y() - before.y()));
    if (steps > 0)
        last -= (last - before) / steps;
    painter().setPen(strokePen(device.boundingRect()));
    painter().setBrush(Qt::NoBrush);
    painter().drawPolyline(device);
}

void MetafileRenderer::polygons(const std::vector<QPolygonF>& polygons)
{
    QPainterPath fillPath, strokePath;
    fillPath.setFillRule(m_winding ? Qt::WindingFill : Qt::OddEvenFill);
    for (const QPolygonF& polygon : polygons) {
        if (polygon.size() < 2)
            continue;
        QPolygonF device;
        device.reserve(polygon.size());
        for (const QPointF& p : polygon)
            device.append(QPointF(deviceX(p.x()), deviceY(p.y())));
        fillPath.addPolygon(device);
        fillPath.closeSubpath();
        strokePath.addPolygon(device.translated(0.5, 0.5));
        strokePath.closeSubpath();
    }
    fillShapeWithBrush(fillPath);
    if (m_pen.style != GdiPen::Null)
        painter().strokePath(strokePath, strokePen(strokePath.boundingRect()));
}

void MetafileRenderer::layOutText(const QString& text, double left, double baseline,
    const std::vector<double>& cumulative, bool givenAdvances)
{
    const FontData& font = fontData();
    const int pixels = std::max(1, int(std::lround(font.logicalPixels * std::abs(m_sy))));
    QFont drawing = platform::drawingFontForPixels(specOf(m_font), pixels);
    drawing.setUnderline(m_font.underline);
    drawing.setStrikeOut(m_font.strikeOut);
    painter().setFont(drawing);
    painter().setPen(color(m_textColor));
    bool shaped = false;
    for (const QChar c : text)
        shaped = shaped || needsShaping(c);
    if (!shaped && pixels <= 256) {
        // Each letter at its own advance, in whichever font has it.
        for (qsizetype i = 0; i < text.size(); ++i) {
            const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            painter().drawText(
                QPointF(mapX(left + cumulative[std::size_t(i)]), mapY(baseline)), text.mid(i, length));
            i += length - 1;
        }
        return;
    }
    // Joined or right-to-left text as one run, stretched to the width its advances give (within reason).
    const QPointF origin(mapX(left), mapY(baseline));
    const double natural = QFontMetricsF(drawing).horizontalAdvance(text);
    const double wanted = std::abs(cumulative.back() * m_sx);
    double stretch = givenAdvances && natural > 0 && wanted > 0 ? wanted / natural : 1;
    if (!(stretch > 0.1 && stretch < 10) || std::abs(stretch - 1) <= 0.02)
        stretch = 1;
    // Large or stretched letters are filled as outlines: Qt's glyph cache fails on huge glyphs.
    if (stretch != 1 || pixels > 256 || !m_transform.isIdentity()) {
        QPainterPath outline;
        outline.addText(QPointF(0, 0), drawing, text);
        painter().save();
        m_painter.translate(origin);
        m_painter.scale(stretch, 1);
        m_painter.fillPath(outline, color(m_textColor));
        m_painter.restore();
        return;
    }
    painter().drawText(origin, text);
}

MetafileRenderer::FontData& MetafileRenderer::fontData()
{
    if (m_fontData)
        return *m_fontData;
    const QString key = m_font.face + QLatin1Char('|') + QString::number(m_font.height) + QLatin1Char('|')
        + QString::number(m_font.weight) + QLatin1Char('|') + QString::number(int(m_font.italic))
        + QString::number(int(m_font.underline)) + QString::number(int(m_font.strikeOut))
        + QString::number(m_font.pitchAndFamily) + QLatin1Char('|') + QString::number(m_sx) + QLatin1Char('|')
        + QString::number(m_sy);
    auto it = m_fonts.constFind(key);
    if (it != m_fonts.constEnd())
        return *(m_fontData = *it);

    auto* data = new FontData;
    m_fonts.insert(key, data);
    m_fontData = data;
    const platform::FontSpec fontRequest = specOf(m_font);
    double logical = m_font.height < 0 ? -double(m_font.height) : double(m_font.height);
    if (m_font.height == 0)
        logical = 12 / std::max(1e-9, std::abs(m_sy)); // GDI's default size, in device pixels
    if (m_font.height > 0) {
        // A positive height is the cell height: ascent plus descent.
        const QFontMetrics metrics(platform::measuringFontForPixels(fontRequest, 100));
        if (metrics.height() > 0)
            logical = logical * 100.0 / metrics.height();
    }
    const double devicePixels = logical * std::abs(m_sy);
    if (!(logical >= 0.5) || !(devicePixels >= 0.05) || logical > largestGlyphPixels
        || devicePixels > largestGlyphPixels)
        return *data;
    data->logicalPixels = std::max(1, int(std::lround(logical)));
    data->measuring = platform::measuringFontForPixels(fontRequest, data->logicalPixels);
    const QFontMetrics metrics(data->measuring);
    data->ascent = metrics.ascent();
    data->descent = metrics.descent();
    data->raw = cachedRawFont(fontRequest, data->logicalPixels * std::abs(m_sy));
    data->valid = data->raw.isValid();
    return *data;
}

int MetafileRenderer::fontAscent()
{
    return fontData().ascent;
}

void MetafileRenderer::text(double x, double y, const QString& text, const std::vector<double>& advances,
    const std::optional<QRectF>& opaqueRect, const std::optional<QRectF>& clipRect)
{
    if (opaqueRect)
        fill(opaqueRect->left(), opaqueRect->top(), opaqueRect->right(), opaqueRect->bottom(), m_bkColor);
    if (text.isEmpty())
        return;
    FontData& font = fontData();
    if (!font.valid)
        return;

    std::vector<double> cumulative(std::size_t(text.size()) + 1, 0.0);
    {
        QFontMetrics metrics(font.measuring);
        for (qsizetype i = 0; i < text.size(); ++i) {
            double advance = 0;
            if (std::size_t(i) < advances.size())
                advance = advances[std::size_t(i)];
            else if (advances.empty())
                advance = metrics.horizontalAdvance(text.at(i));
            cumulative[std::size_t(i) + 1] = cumulative[std::size_t(i)] + advance;
        }
    }
    const double total = cumulative.back();
    double left = x;
    if ((m_textAlign & TextAlignCenter) == TextAlignCenter)
        left = x - total / 2;
    else if (m_textAlign & TextAlignRight)
        left = x - total;
    double baseline = y + font.ascent;
    if ((m_textAlign & TextAlignBaseline) == TextAlignBaseline)
        baseline = y;
    else if (m_textAlign & TextAlignBottom)
        baseline = y - font.descent;

    // Text at an angle turns about its reference point, its background box with it.
    const bool turned = m_font.escapement % 3600 != 0;
    if (turned) {
        const QPointF pivot(mapX(x), mapY(y));
        painter().save();
        m_painter.translate(pivot);
        m_painter.rotate(m_font.escapement / -10.0);
        m_painter.translate(-pivot);
    }
    if (m_bkOpaque) {
        const QRect box = deviceRect(left, baseline - font.ascent, left + total, baseline + font.descent);
        if (turned)
            m_painter.fillRect(box, color(m_bkColor));
        else
            fillPixels(box, m_bkColor);
    }

    const QList<quint32> glyphs = font.raw.glyphIndexesForString(text);
    // Letters the font has no glyph for, and scripts whose letters join or run right to left, are laid
    // out by Qt, which shapes them and finds a font that has them.
    bool laidOut = false;
    for (qsizetype i = 0; i < text.size() && !laidOut; ++i) {
        const QChar c = text.at(i);
        laidOut
            = needsShaping(c) || (i < glyphs.size() && glyphs[i] == 0 && !c.isSpace() && !c.isSurrogate());
    }
    if (laidOut) {
        layOutText(text, left, baseline, cumulative, !advances.empty());
        if (turned)
            m_painter.restore();
        return;
    }
    QList<quint32> indexes;
    QList<QPointF> positions;
    indexes.reserve(glyphs.size());
    positions.reserve(glyphs.size());
    // A space leaves no ink: without a line through or under the text it is not drawn, which halves what
    // a page of values spaced into cells hands a PDF.
    const bool skipSpaces = !m_font.underline && !m_font.strikeOut;
    qsizetype g = 0;
    for (qsizetype i = 0; i < text.size() && g < glyphs.size(); ++i, ++g) {
        const bool pair
            = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        if (skipSpaces && text.at(i) == QLatin1Char(' '))
            continue;
        indexes.append(glyphs[g]);
        positions.append(QPointF(mapX(left + cumulative[std::size_t(i)]), mapY(baseline)));
        if (pair)
            ++i;
    }
    if (indexes.isEmpty()) {
        if (turned)
            m_painter.restore();
        return;
    }
    QGlyphRun run;
    run.setRawFont(font.raw);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    run.setUnderline(m_font.underline);
    run.setStrikeOut(m_font.strikeOut);
    if (clipRect) {
        painter().save();
        painter().setClipRect(QRectF(QPointF(mapX(clipRect->left()), mapY(clipRect->top())),
                                  QPointF(mapX(clipRect->right()), mapY(clipRect->bottom())))
                                  .normalized(),
            Qt::IntersectClip);
    }
    painter().setPen(color(m_textColor));
    painter().drawGlyphRun(QPointF(0, 0), run);
    if (clipRect)
        painter().restore();
    if (turned)
        m_painter.restore();
}

} // namespace emf
