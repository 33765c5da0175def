#include "emf/emfplayer.h"

#include "emf/metafilereader.h"

#include <QPainter>
#include <cmath>
#include <numbers>

namespace emf {

namespace {

constexpr quint32 EmrHeader = 1;
constexpr quint32 EmrEof = 14;
constexpr qint64 HeaderMinimum = 88;
// SaveDC beyond this depth is ignored: a hostile file could otherwise make the stack grow without end.
constexpr std::size_t SavedLimit = 10000;
constexpr quint32 EtoOpaque = 0x02;
constexpr quint32 EtoClipped = 0x04;
constexpr quint32 EtoGlyphIndex = 0x10;
constexpr quint32 EtoNoRect = 0x100;
constexpr quint32 EtoPdy = 0x2000;

bool finiteTransform(const QTransform& t)
{
    return std::isfinite(t.m11()) && std::isfinite(t.m12()) && std::isfinite(t.m21())
        && std::isfinite(t.m22()) && std::isfinite(t.dx()) && std::isfinite(t.dy()) && t.determinant() != 0;
}

QTransform readXform(const MetafileReader& r, qint64 offset)
{
    return QTransform(r.f32(offset), r.f32(offset + 4), r.f32(offset + 8), r.f32(offset + 12),
        r.f32(offset + 16), r.f32(offset + 20));
}

QPolygonF flattenBeziers(const QPolygonF& points)
{
    QPolygonF out;
    if (points.isEmpty())
        return out;
    out.append(points.first());
    for (qsizetype i = 1; i + 2 < points.size(); i += 3) {
        const QPointF p0 = out.last(), p1 = points[i], p2 = points[i + 1], p3 = points[i + 2];
        for (int s = 1; s <= 16; ++s) {
            const double t = s / 16.0, u = 1 - t;
            out.append(u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3);
        }
    }
    return out;
}

// A device-independent bitmap of a bitmap record (uncompressed 1, 4, 8, 16, 24 or 32 bits per pixel).
// Offsets and sizes outside the record reject the metafile; formats not drawn give a null image.
QImage decodeDib(const MetafileReader& r, quint32 offBmi, quint32 cbBmi, quint32 offBits, quint32 cbBits,
    quint32 usage, bool build)
{
    r.need(offBmi, cbBmi);
    r.need(offBits, cbBits);
    if (cbBmi < 40)
        throw MetafileError();
    const MetafileReader bmi(r.data() + offBmi, cbBmi);
    const quint32 headerSize = bmi.u32(0);
    const qint64 width = bmi.i32(4), signedHeight = bmi.i32(8);
    const quint16 bits = bmi.u16(14);
    const quint32 compression = bmi.u32(16);
    const qint64 height = std::abs(signedHeight);
    if (headerSize < 40 || headerSize > cbBmi)
        throw MetafileError();
    if (width <= 0 || height == 0 || width > 30000 || height > 30000 || width * height > 64LL * 1024 * 1024)
        return {};
    if (compression != 0 || usage != 0
        || (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32))
        return {};
    const qint64 stride = (width * bits + 31) / 32 * 4;
    if (stride > 0 && height > qint64(cbBits) / stride)
        throw MetafileError();
    qint64 colours = 0;
    if (bits <= 8) {
        colours = bmi.u32(32) ? qint64(bmi.u32(32)) : (qint64(1) << bits);
        colours = std::min<qint64>(colours, qint64(1) << bits);
        bmi.need(headerSize, colours, 4);
    }
    if (!build)
        return {};
    QList<QRgb> palette;
    for (qint64 i = 0; i < colours; ++i)
        palette.append(0xff000000u | (bmi.u32(headerSize + i * 4) & 0xffffff));
    QImage image(int(width), int(height), QImage::Format_RGB32);
    const auto* data = reinterpret_cast<const uchar*>(r.data() + offBits);
    for (qint64 y = 0; y < height; ++y) {
        const uchar* row = data + (signedHeight > 0 ? height - 1 - y : y) * stride;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(int(y)));
        for (qint64 x = 0; x < width; ++x) {
            QRgb rgb = 0xff000000u;
            switch (bits) {
            case 1:
            case 4:
            case 8: {
                const qint64 bit = x * bits;
                const int index = (row[bit / 8] >> (8 - bits - bit % 8)) & ((1 << bits) - 1);
                rgb = index < palette.size() ? palette[index] : 0xff000000u;
                break;
            }
            case 16: {
                const int v = row[x * 2] | (row[x * 2 + 1] << 8);
                rgb = qRgb(((v >> 10) & 31) * 255 / 31, ((v >> 5) & 31) * 255 / 31, (v & 31) * 255 / 31);
                break;
            }
            case 24:
                rgb = qRgb(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]);
                break;
            default:
                rgb = qRgb(row[x * 4 + 2], row[x * 4 + 1], row[x * 4]);
                break;
            }
            out[x] = rgb;
        }
    }
    return image;
}

// The part of a bitmap a record copies, in top-down rows.
QImage sourcePart(const QImage& image, qint64 x, qint64 y, qint64 w, qint64 h)
{
    if (image.isNull() || w <= 0 || h <= 0)
        return image;
    if (x == 0 && y == 0 && w == image.width() && h == image.height())
        return image;
    if (x < 0 || y < 0 || x + w > image.width() || y + h > image.height())
        return image;
    return image.copy(int(x), int(y), int(w), int(h));
}

} // namespace

EmfPlayer::EmfPlayer(const char* data, qint64 size)
    : m_data(data)
    , m_size(size)
{
}

void EmfPlayer::validate()
{
    run(nullptr, QRectF(0, 0, 1, 1));
}

void EmfPlayer::play(QPainter& painter, const QRectF& target)
{
    MetafileRenderer renderer(painter);
    run(&renderer, target);
}

void EmfPlayer::run(MetafileRenderer* renderer, const QRectF& target)
{
    m_renderer = renderer;
    m_target = target;
    m_dc = MetafileDc {};
    m_saved.clear();
    m_inPath = false;
    m_ended = false;
    m_mappingDirty = true;
    m_clipDirty = true;

    const MetafileReader file(m_data, m_size);
    const quint32 headerSize = file.u32(4);
    if (file.u32(0) != EmrHeader || headerSize < HeaderMinimum || headerSize % 4 != 0 || headerSize > m_size)
        throw MetafileError();
    const MetafileReader header(m_data, headerSize);
    const double devX = header.i32(72), devY = header.i32(76), mmX = header.i32(80), mmY = header.i32(84);
    if (devX <= 0 || devY <= 0 || mmX <= 0 || mmY <= 0)
        throw MetafileError();
    m_pxPerMmX = devX / mmX;
    m_pxPerMmY = devY / mmY;
    double fx = header.i32(24) / 100.0 * m_pxPerMmX, fy = header.i32(28) / 100.0 * m_pxPerMmY;
    double fw = (double(header.i32(32)) - header.i32(24)) / 100.0 * m_pxPerMmX;
    double fh = (double(header.i32(36)) - header.i32(28)) / 100.0 * m_pxPerMmY;
    if (!(fw > 0) || !(fh > 0)) {
        // No usable frame: the bounds (inclusive, in device pixels) give the picture.
        fx = header.i32(8);
        fy = header.i32(12);
        fw = double(header.i32(16)) - header.i32(8) + 1;
        fh = double(header.i32(20)) - header.i32(12) + 1;
        if (!(fw > 0) || !(fh > 0))
            fw = fh = 1;
    }
    m_frameScaleX = target.width() / fw;
    m_frameScaleY = target.height() / fh;
    m_frameX = fx;
    m_frameY = fy;
    m_objects.assign(std::max<std::size_t>(1, header.u16(56)), Object {});

    qint64 offset = headerSize;
    while (offset < m_size && !m_ended) {
        file.need(offset, 8);
        const quint32 type = file.u32(offset);
        const quint32 size = file.u32(offset + 4);
        if (size < 8 || size % 4 != 0 || size > m_size - offset)
            throw MetafileError();
        record(type, MetafileReader(m_data + offset, size));
        offset += size;
    }
    if (!m_ended)
        throw MetafileError();
    m_renderer = nullptr;
}

void EmfPlayer::createObject(quint32 handle, const Object& object)
{
    // Handle 0 is the metafile itself; a handle outside the table is ignored, as GDI does.
    if (handle == 0 || handle >= m_objects.size())
        return;
    m_objects[handle] = object;
}

void EmfPlayer::updateMapping()
{
    double sx = 1, sy = 1;
    switch (m_dc.mapMode) {
    case 2: // MM_LOMETRIC, 0.1 mm, y up
        sx = 0.1 * m_pxPerMmX, sy = -0.1 * m_pxPerMmY;
        break;
    case 3: // MM_HIMETRIC, 0.01 mm
        sx = 0.01 * m_pxPerMmX, sy = -0.01 * m_pxPerMmY;
        break;
    case 4: // MM_LOENGLISH, 0.01 in
        sx = 0.254 * m_pxPerMmX, sy = -0.254 * m_pxPerMmY;
        break;
    case 5: // MM_HIENGLISH, 0.001 in
        sx = 0.0254 * m_pxPerMmX, sy = -0.0254 * m_pxPerMmY;
        break;
    case 6: // MM_TWIPS
        sx = 25.4 / 1440 * m_pxPerMmX, sy = -25.4 / 1440 * m_pxPerMmY;
        break;
    case 7: // MM_ISOTROPIC: one scale, the smaller
    case 8: // MM_ANISOTROPIC
        sx = m_dc.vpExtX / m_dc.winExtX;
        sy = m_dc.vpExtY / m_dc.winExtY;
        if (m_dc.mapMode == 7) {
            const double s = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(s, sx);
            sy = std::copysign(s, sy);
        }
        break;
    default:
        break;
    }
    const QTransform page(sx, 0, 0, sy, m_dc.vpOrgX - m_dc.winOrgX * sx, m_dc.vpOrgY - m_dc.winOrgY * sy);
    const QTransform frame(m_frameScaleX, 0, 0, m_frameScaleY, m_target.x() - m_frameX * m_frameScaleX,
        m_target.y() - m_frameY * m_frameScaleY);
    m_mapping = m_dc.world * page * frame;
    if (m_renderer)
        m_renderer->setMapping(m_mapping.m11(), m_mapping.m22(), m_mapping.dx(), m_mapping.dy());
    m_mappingDirty = false;
}

void EmfPlayer::syncRenderer()
{
    if (m_mappingDirty)
        updateMapping();
    if (!m_renderer)
        return;
    if (m_clipDirty) {
        m_renderer->setClip(m_dc.clip);
        m_clipDirty = false;
    }
    m_renderer->setPen(m_dc.pen);
    m_renderer->setBrush(m_dc.brush);
    m_renderer->setFont(m_dc.font);
    m_renderer->setTextColor(m_dc.textColor);
    m_renderer->setBackground(m_dc.bkColor, m_dc.bkOpaque);
    m_renderer->setTextAlign(m_dc.textAlign);
    m_renderer->setWindingFill(m_dc.winding);
}

QRectF EmfPlayer::mapRect(double l, double t, double r, double b) const
{
    return m_mapping.mapRect(QRectF(QPointF(l, t), QPointF(r, b))).normalized();
}

QPolygonF EmfPlayer::points(
    const MetafileReader& r, qint64 countOffset, qint64 pointsOffset, bool small) const
{
    const quint32 count = r.u32(countOffset);
    const qint64 pointSize = small ? 4 : 8;
    r.need(pointsOffset, count, pointSize);
    QPolygonF result;
    result.reserve(count);
    for (quint32 i = 0; i < count; ++i) {
        const qint64 at = pointsOffset + i * pointSize;
        if (small)
            result.append(QPointF(r.i16(at), r.i16(at + 2)));
        else
            result.append(QPointF(r.i32(at), r.i32(at + 4)));
    }
    return result;
}

void EmfPlayer::polyPoly(const MetafileReader& r, bool small, bool polygon)
{
    const quint32 polys = r.u32(24);
    const quint32 total = r.u32(28);
    const qint64 pointSize = small ? 4 : 8;
    r.need(32, polys, 4);
    const qint64 pointsOffset = 32 + qint64(polys) * 4;
    r.need(pointsOffset, total, pointSize);
    qint64 sum = 0;
    for (quint32 i = 0; i < polys; ++i)
        sum += r.u32(32 + qint64(i) * 4);
    if (sum > total)
        throw MetafileError();
    if (!m_renderer || m_inPath)
        return;
    syncRenderer();
    std::vector<QPolygonF> shapes;
    qint64 at = pointsOffset;
    for (quint32 i = 0; i < polys; ++i) {
        const quint32 count = r.u32(32 + qint64(i) * 4);
        QPolygonF shape;
        shape.reserve(count);
        for (quint32 k = 0; k < count; ++k, at += pointSize)
            shape.append(small ? QPointF(r.i16(at), r.i16(at + 2)) : QPointF(r.i32(at), r.i32(at + 4)));
        if (polygon)
            shapes.push_back(shape);
        else
            m_renderer->polyline(shape);
    }
    if (polygon)
        m_renderer->polygons(shapes);
}

void EmfPlayer::text(const MetafileReader& r, bool wide)
{
    const double x = r.i32(36), y = r.i32(40);
    const quint32 count = r.u32(44);
    const quint32 offString = r.u32(48);
    const quint32 options = r.u32(52);
    const bool hasRect = !(options & EtoNoRect);
    std::optional<QRectF> rect;
    if (hasRect)
        rect = QRectF(QPointF(r.i32(56), r.i32(60)), QPointF(r.i32(64), r.i32(68)));
    const quint32 offDx = r.u32(hasRect ? 72 : 56);
    r.need(offString, count, wide ? 2 : 1);
    const qint64 dxStride = (options & EtoPdy) ? 8 : 4;
    if (offDx != 0)
        r.need(offDx, count, dxStride);
    if (!m_renderer || m_inPath)
        return;
    syncRenderer();

    QString string;
    if (wide) {
        string.resize(count);
        for (quint32 i = 0; i < count; ++i)
            string[i] = QChar(r.u16(offString + qint64(i) * 2));
    } else {
        string = decodeMetafileText(r.data() + offString, count, m_dc.font.charset);
    }
    std::vector<double> advances;
    if (offDx != 0) {
        advances.reserve(count);
        for (quint32 i = 0; i < count; ++i)
            advances.push_back(r.i32(offDx + qint64(i) * dxStride));
    }
    if (string.size() != qsizetype(count))
        advances.clear();
    const std::optional<QRectF> opaque = (options & EtoOpaque) ? rect : std::nullopt;
    const std::optional<QRectF> clip = (options & EtoClipped) ? rect : std::nullopt;
    // Glyph indices name glyphs of the writer's font, which this machine may not have: only the
    // background is drawn.
    if (options & EtoGlyphIndex)
        string.clear();
    double rx = x, ry = y;
    if (m_dc.textAlign & 1) { // TA_UPDATECP
        rx = m_dc.curX;
        ry = m_dc.curY;
    }
    m_renderer->text(rx, ry, string, advances, opaque, clip);
}

void EmfPlayer::pathPoints(const QPolygonF& points, bool continueFigure)
{
    if (points.isEmpty())
        return;
    if (!continueFigure || m_path.empty() || m_path.back().closed) {
        m_path.push_back(Figure { points, false });
        return;
    }
    Figure& figure = m_path.back();
    // A continued figure already holds the current position as its last point.
    figure.points += points.mid(1);
}

void EmfPlayer::drawPath(bool fill, bool stroke)
{
    std::vector<Figure> path;
    path.swap(m_path);
    if (!m_renderer || path.empty())
        return;
    syncRenderer();
    if (fill) {
        std::vector<QPolygonF> polygons;
        for (const Figure& figure : path)
            polygons.push_back(figure.points);
        if (!stroke) {
            GdiPen none;
            none.style = GdiPen::Null;
            m_renderer->setPen(none);
        }
        m_renderer->polygons(polygons);
        return;
    }
    if (stroke) {
        for (const Figure& figure : path) {
            QPolygonF points = figure.points;
            if (figure.closed && !points.isEmpty())
                points.append(points.first());
            // A stroked path draws its last point too: extend by one so the end-point rule keeps it.
            if (points.size() >= 2) {
                const QPointF d = points.last() - points[points.size() - 2];
                const double steps = std::max(std::abs(d.x()), std::abs(d.y()));
                if (steps > 0)
                    points.append(points.last() + d / steps / std::max(1e-9, std::abs(m_mapping.m11())));
            }
            m_renderer->polyline(points);
        }
    }
}

void EmfPlayer::record(quint32 type, const MetafileReader& r)
{
    auto draw = [this] {
        if (!m_renderer || m_inPath)
            return false;
        syncRenderer();
        return true;
    };
    switch (type) {
    case 2: // POLYBEZIER
    case 85: {
        const QPolygonF p = points(r, 24, 28, type == 85);
        if (m_inPath)
            pathPoints(flattenBeziers(p), false);
        else if (draw())
            m_renderer->polyline(flattenBeziers(p));
        break;
    }
    case 3: // POLYGON
    case 86: {
        const QPolygonF p = points(r, 24, 28, type == 86);
        if (m_inPath) {
            pathPoints(p, false);
            if (!m_path.empty())
                m_path.back().closed = true;
        } else if (draw())
            m_renderer->polygons({ p });
        break;
    }
    case 4: // POLYLINE
    case 87: {
        const QPolygonF p = points(r, 24, 28, type == 87);
        if (m_inPath)
            pathPoints(p, false);
        else if (draw())
            m_renderer->polyline(p);
        break;
    }
    case 5: // POLYBEZIERTO
    case 88:
    case 6: // POLYLINETO
    case 89: {
        QPolygonF p = points(r, 24, 28, type == 88 || type == 89);
        if (p.isEmpty())
            break;
        p.prepend(QPointF(m_dc.curX, m_dc.curY));
        m_dc.curX = p.last().x();
        m_dc.curY = p.last().y();
        if (m_inPath)
            pathPoints(type == 5 || type == 88 ? flattenBeziers(p) : p, true);
        else if (draw())
            m_renderer->polyline(type == 5 || type == 88 ? flattenBeziers(p) : p);
        break;
    }
    case 7: // POLYPOLYLINE
    case 90:
        polyPoly(r, type == 90, false);
        break;
    case 8: // POLYPOLYGON
    case 91:
        polyPoly(r, type == 91, true);
        break;
    case 9: // SETWINDOWEXTEX
    case 11: { // SETVIEWPORTEXTEX
        const double cx = r.i32(8), cy = r.i32(12);
        if (cx == 0 || cy == 0)
            break;
        (type == 9 ? m_dc.winExtX : m_dc.vpExtX) = cx;
        (type == 9 ? m_dc.winExtY : m_dc.vpExtY) = cy;
        m_mappingDirty = true;
        break;
    }
    case 10: // SETWINDOWORGEX
    case 12: // SETVIEWPORTORGEX
        (type == 10 ? m_dc.winOrgX : m_dc.vpOrgX) = r.i32(8);
        (type == 10 ? m_dc.winOrgY : m_dc.vpOrgY) = r.i32(12);
        m_mappingDirty = true;
        break;
    case EmrEof:
        m_ended = true;
        break;
    case 17: { // SETMAPMODE
        const quint32 mode = r.u32(8);
        if (mode >= 1 && mode <= 8) {
            m_dc.mapMode = int(mode);
            m_mappingDirty = true;
        }
        break;
    }
    case 18: // SETBKMODE
        m_dc.bkOpaque = r.u32(8) == 2;
        break;
    case 19: // SETPOLYFILLMODE
        m_dc.winding = r.u32(8) == 2;
        break;
    case 22: // SETTEXTALIGN
        m_dc.textAlign = r.u32(8);
        break;
    case 24: // SETTEXTCOLOR
        m_dc.textColor = r.u32(8) & 0xffffff;
        break;
    case 25: // SETBKCOLOR
        m_dc.bkColor = r.u32(8) & 0xffffff;
        break;
    case 27: // MOVETOEX
        m_dc.curX = r.i32(8);
        m_dc.curY = r.i32(12);
        if (m_inPath)
            m_path.push_back(Figure { QPolygonF { QPointF(m_dc.curX, m_dc.curY) }, false });
        break;
    case 29: // EXCLUDECLIPRECT: a hole in the clip region is not kept
        r.need(8, 16);
        break;
    case 30: { // INTERSECTCLIPRECT
        if (m_mappingDirty)
            updateMapping();
        const QRectF rect = mapRect(r.i32(8), r.i32(12), r.i32(16), r.i32(20));
        m_dc.clip = m_dc.clip ? m_dc.clip->intersected(rect) : rect;
        m_clipDirty = true;
        break;
    }
    case 31: // SCALEVIEWPORTEXTEX
    case 32: { // SCALEWINDOWEXTEX
        const double xNum = r.i32(8), xDen = r.i32(12), yNum = r.i32(16), yDen = r.i32(20);
        if (xNum == 0 || xDen == 0 || yNum == 0 || yDen == 0)
            break;
        double& ex = type == 31 ? m_dc.vpExtX : m_dc.winExtX;
        double& ey = type == 31 ? m_dc.vpExtY : m_dc.winExtY;
        ex = ex * xNum / xDen;
        ey = ey * yNum / yDen;
        m_mappingDirty = true;
        break;
    }
    case 33: // SAVEDC
        if (m_saved.size() < SavedLimit)
            m_saved.push_back(m_dc);
        break;
    case 34: { // RESTOREDC: negative is relative to the current level, positive an absolute level
        const qint64 n = r.i32(8);
        const auto depth = qint64(m_saved.size());
        qint64 level = n < 0 ? depth + n : n - 1;
        if (n == 0 || level < 0 || level >= depth)
            break;
        m_dc = m_saved[std::size_t(level)];
        m_saved.resize(std::size_t(level));
        m_mappingDirty = true;
        m_clipDirty = true;
        break;
    }
    case 35: { // SETWORLDTRANSFORM
        const QTransform t = readXform(r, 8);
        if (finiteTransform(t)) {
            m_dc.world = t;
            m_mappingDirty = true;
        }
        break;
    }
    case 36: { // MODIFYWORLDTRANSFORM
        const QTransform t = readXform(r, 8);
        const quint32 mode = r.u32(32);
        QTransform result = m_dc.world;
        if (mode == 1)
            result = QTransform();
        else if (mode == 2)
            result = t * m_dc.world;
        else if (mode == 3)
            result = m_dc.world * t;
        else if (mode == 4)
            result = t;
        if (finiteTransform(result)) {
            m_dc.world = result;
            m_mappingDirty = true;
        }
        break;
    }
    case 37: { // SELECTOBJECT
        const quint32 handle = r.u32(8);
        if (handle & 0x80000000u) {
            m_dc.selectStock(handle & 0x7fffffffu);
        } else if (handle < m_objects.size()) {
            const Object& object = m_objects[handle];
            if (object.kind == Object::Pen)
                m_dc.pen = object.pen;
            else if (object.kind == Object::Brush)
                m_dc.brush = object.brush;
            else if (object.kind == Object::Font)
                m_dc.font = object.font;
        }
        break;
    }
    case 38: { // CREATEPEN
        Object pen;
        pen.kind = Object::Pen;
        pen.pen.style = gdiPenStyle(r.u32(12));
        pen.pen.width = std::abs(double(r.i32(16)));
        pen.pen.color = r.u32(24) & 0xffffff;
        createObject(r.u32(8), pen);
        break;
    }
    case 39: { // CREATEBRUSHINDIRECT
        Object brush;
        brush.kind = Object::Brush;
        brush.brush.null = r.u32(12) == 1; // BS_NULL
        brush.brush.color = r.u32(16) & 0xffffff;
        r.need(20, 4);
        createObject(r.u32(8), brush);
        break;
    }
    case 40: { // DELETEOBJECT
        const quint32 handle = r.u32(8);
        if (handle != 0 && handle < m_objects.size())
            m_objects[handle] = Object {};
        break;
    }
    case 42: // ELLIPSE
    case 43: { // RECTANGLE
        const double l = r.i32(8), t = r.i32(12), rr = r.i32(16), b = r.i32(20);
        if (m_inPath) {
            QPolygonF shape;
            if (type == 43) {
                shape << QPointF(l, t) << QPointF(rr, t) << QPointF(rr, b) << QPointF(l, b);
            } else {
                for (int i = 0; i < 64; ++i) {
                    const double a = i * 2 * std::numbers::pi / 64;
                    shape << QPointF(
                        (l + rr) / 2 + (rr - l) / 2 * std::cos(a), (t + b) / 2 + (b - t) / 2 * std::sin(a));
                }
            }
            m_path.push_back(Figure { shape, true });
        } else if (draw()) {
            if (type == 42)
                m_renderer->ellipse(l, t, rr, b);
            else
                m_renderer->rectangle(l, t, rr, b);
        }
        break;
    }
    case 44: { // ROUNDRECT
        const double l = r.i32(8), t = r.i32(12), rr = r.i32(16), b = r.i32(20);
        const double cx = r.i32(24), cy = r.i32(28);
        if (draw())
            m_renderer->roundRect(l, t, rr, b, cx, cy);
        break;
    }
    case 54: { // LINETO
        const double x = r.i32(8), y = r.i32(12);
        if (m_inPath)
            pathPoints(QPolygonF { QPointF(m_dc.curX, m_dc.curY), QPointF(x, y) }, true);
        else if (draw())
            m_renderer->line(m_dc.curX, m_dc.curY, x, y);
        m_dc.curX = x;
        m_dc.curY = y;
        break;
    }
    case 59: // BEGINPATH
        m_inPath = true;
        m_path.clear();
        break;
    case 60: // ENDPATH
        m_inPath = false;
        break;
    case 68: // ABORTPATH
        m_inPath = false;
        m_path.clear();
        break;
    case 61: // CLOSEFIGURE
        if (m_inPath && !m_path.empty())
            m_path.back().closed = true;
        break;
    case 62: // FILLPATH
    case 63: // STROKEANDFILLPATH
    case 64: // STROKEPATH
        r.need(8, 16);
        if (!m_inPath)
            drawPath(type != 64, type != 62);
        break;
    case 67: // SELECTCLIPPATH: clipping to a path is not kept; the path is used up
        m_path.clear();
        break;
    case 75: { // EXTSELECTCLIPRGN
        const quint32 bytes = r.u32(8);
        const quint32 mode = r.u32(12);
        r.need(16, bytes);
        if (bytes == 0) {
            if (mode == 5) { // RGN_COPY without a region: no clipping
                m_dc.clip.reset();
                m_clipDirty = true;
            }
            break;
        }
        if (bytes < 32)
            throw MetafileError();
        const quint32 rects = r.u32(24);
        r.need(48, rects, 16);
        // The region's bounding box, in reference device pixels, stands for the region.
        const double bl = r.i32(32), bt = r.i32(36), br = r.i32(40), bb = r.i32(44);
        const QRectF box(QPointF(m_target.x() + (bl - m_frameX) * m_frameScaleX,
                             m_target.y() + (bt - m_frameY) * m_frameScaleY),
            QPointF(m_target.x() + (br - m_frameX) * m_frameScaleX,
                m_target.y() + (bb - m_frameY) * m_frameScaleY));
        if (mode == 5)
            m_dc.clip = box.normalized();
        else if (mode == 1) // RGN_AND
            m_dc.clip = m_dc.clip ? m_dc.clip->intersected(box.normalized()) : box.normalized();
        else if (mode == 2 && m_dc.clip) // RGN_OR
            m_dc.clip = m_dc.clip->united(box.normalized());
        m_clipDirty = true;
        break;
    }
    case 77: // STRETCHBLT
    case 76: { // BITBLT: without a source bitmap it fills with the brush or a fixed colour
        const double x = r.i32(24), y = r.i32(28), cx = r.i32(32), cy = r.i32(36);
        const quint32 rop = r.u32(40);
        const quint32 bmiBytes = r.u32(88);
        if (bmiBytes != 0) {
            const bool stretch = type == 77;
            decodeDib(r, r.u32(84), bmiBytes, r.u32(92), r.u32(96), r.u32(80), false);
            const qint64 sw = stretch ? r.i32(100) : qint64(cx), sh = stretch ? r.i32(104) : qint64(cy);
            if (draw())
                m_renderer->image(x, y, x + cx, y + cy,
                    sourcePart(decodeDib(r, r.u32(84), bmiBytes, r.u32(92), r.u32(96), r.u32(80), true),
                        r.i32(44), r.i32(48), sw, sh));
            break;
        }
        if (type == 77 || !draw())
            break;
        if (rop == 0x00F00021) // PATCOPY
            m_renderer->fillWithBrush(x, y, x + cx, y + cy);
        else if (rop == 0x00000042) // BLACKNESS
            m_renderer->fill(x, y, x + cx, y + cy, 0);
        else if (rop == 0x00FF0062) // WHITENESS
            m_renderer->fill(x, y, x + cx, y + cy, 0xffffff);
        break;
    }
    case 81: { // STRETCHDIBITS
        const double x = r.i32(24), y = r.i32(28);
        const qint64 srcX = r.i32(32), srcY = r.i32(36), srcWidth = r.i32(40), srcHeight = r.i32(44);
        const double cx = r.i32(72), cy = r.i32(76);
        decodeDib(r, r.u32(48), r.u32(52), r.u32(56), r.u32(60), r.u32(64), false);
        if (!draw())
            break;
        const QImage bitmap = decodeDib(r, r.u32(48), r.u32(52), r.u32(56), r.u32(60), r.u32(64), true);
        // The source rectangle counts rows from the bitmap's bottom.
        m_renderer->image(
            x, y, x + cx, y + cy, sourcePart(bitmap, srcX, bitmap.height() - srcY - srcHeight, srcWidth, srcHeight));
        break;
    }
    case 82: { // EXTCREATEFONTINDIRECTW
        r.need(12, 92);
        Object font;
        font.kind = Object::Font;
        font.font.height = r.i32(12);
        font.font.weight = r.i32(28);
        font.font.italic = r.u8(32) != 0;
        font.font.underline = r.u8(33) != 0;
        font.font.strikeOut = r.u8(34) != 0;
        font.font.charset = r.u8(35);
        font.font.pitchAndFamily = r.u8(39);
        QString face;
        for (int i = 0; i < 32; ++i) {
            const quint16 c = r.u16(40 + i * 2);
            if (c == 0)
                break;
            face.append(QChar(c));
        }
        font.font.face = face;
        createObject(r.u32(8), font);
        break;
    }
    case 83: // EXTTEXTOUTA
    case 84: // EXTTEXTOUTW
        text(r, type == 84);
        break;
    case 93: // CREATEMONOBRUSH
    case 94: { // CREATEDIBPATTERNBRUSHPT: the pattern is not drawn, a grey stands for it
        Object brush;
        brush.kind = Object::Brush;
        brush.brush.color = 0x808080;
        createObject(r.u32(8), brush);
        break;
    }
    case 95: { // EXTCREATEPEN
        Object pen;
        pen.kind = Object::Pen;
        const quint32 style = r.u32(28);
        pen.pen.style = r.u32(36) == 1 ? GdiPen::Null : gdiPenStyle(style);
        pen.pen.width = (style & 0x10000) ? double(r.u32(32)) : 0.0; // cosmetic pens are one pixel
        pen.pen.color = r.u32(40) & 0xffffff;
        createObject(r.u32(8), pen);
        break;
    }
    case 49: // CREATEPALETTE
    case 99: // CREATECOLORSPACE
    case 122: { // CREATECOLORSPACEW
        Object other;
        other.kind = Object::Other;
        createObject(r.u32(8), other);
        break;
    }
    default:
        // Arcs, paths, bitmaps, EMF+ comments and the rest are skipped.
        break;
    }
}

} // namespace emf
