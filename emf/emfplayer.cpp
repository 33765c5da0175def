// SPDX-License-Identifier: GPL-2.0-or-later
#include "emf/emfplayer.h"

#include "emf/metafilereader.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>
#include <uemf.h>

namespace emf {

namespace {

constexpr qint64 HeaderMinimum = 88;
constexpr quint32 EtoOpaque = 0x02;
constexpr quint32 EtoClipped = 0x04;
constexpr quint32 EtoGlyphIndex = 0x10;
constexpr quint32 EtoNoRect = 0x100;
constexpr quint32 EtoPdy = 0x2000;
// MODIFYWORLDTRANSFORM's mode that sets the transform outright; libUEMF names the other three.
constexpr quint32 MwtSet = 4;

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
    quint32 usage, bool build, bool mono = false, qint64 maxPixels = 64LL * 1024 * 1024)
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
    if (width <= 0 || height == 0 || width > 30000 || height > 30000 || width * height > maxPixels)
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
        // Some writers give fewer colours than they announce: those missing draw black.
        colours = std::min<qint64>(colours, (qint64(cbBmi) - headerSize) / 4);
    }
    if (!build)
        return {};
    QList<QRgb> palette;
    for (qint64 i = 0; i < colours; ++i)
        palette.append(0xff000000u | (bmi.u32(headerSize + i * 4) & 0xffffff));
    // A monochrome brush keeps its bits: 0 black, 1 white, coloured when drawn.
    if (mono && bits == 1)
        palette = { 0xff000000u, 0xffffffffu };
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

// The union of many regions, united in pairs so that thousands of them (one a scan line) cost n log n.
QRegion unitedRegion(std::vector<QRegion>& regions)
{
    for (std::size_t step = 1; step < regions.size(); step *= 2) {
        for (std::size_t i = 0; i + step < regions.size(); i += 2 * step)
            regions[i] = regions[i].united(regions[i + step]);
    }
    return regions.empty() ? QRegion() : regions.front();
}

// The pixels a path covers within a rectangle, as a region: the path is filled onto a mask and the mask's
// runs become the region.
QRegion pathRegion(const QPainterPath& path, const QRect& within)
{
    const QRect box = path.boundingRect().toAlignedRect().intersected(within);
    if (box.isEmpty())
        return {};
    QImage mask(box.size(), QImage::Format_Grayscale8);
    mask.fill(0);
    {
        QPainter painter(&mask);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.translate(-box.topLeft());
        painter.drawPath(path);
    }
    std::vector<QRegion> runs;
    for (int y = 0; y < mask.height(); ++y) {
        const uchar* row = mask.constScanLine(y);
        for (int x = 0; x < mask.width();) {
            if (row[x] < 128) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < mask.width() && row[x] >= 128)
                ++x;
            runs.emplace_back(box.left() + start, box.top() + y, x - start, 1);
        }
    }
    return unitedRegion(runs);
}

MetafileError emfPlusOnly()
{
    return MetafileError(QStringLiteral(
        "The metafile holds only EMF+ records, without the GDI drawing that other programs show"));
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
    : MetafilePlayer(data, size)
{
}

void EmfPlayer::walk()
{
    m_inPath = false;
    m_path.clear();
    m_mappingDirty = true;
    m_emfPlus = false;
    m_gdiRecords = 0;

    const MetafileReader file(m_data, m_size);
    const quint32 headerSize = file.u32(4);
    if (file.u32(0) != U_EMR_HEADER || headerSize < HeaderMinimum || headerSize % 4 != 0
        || headerSize > m_size)
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
    m_frameScaleX = m_target.width() / fw;
    m_frameScaleY = m_target.height() / fh;
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
        countRecord();
        if (type != U_EMR_EOF && type != U_EMR_COMMENT)
            ++m_gdiRecords;
        record(type, MetafileReader(m_data + offset, size));
        offset += size;
    }
    if (!m_ended)
        throw MetafileError();
    // A file that calls itself dual but has no GDI records draws nothing: as good as EMF+ only.
    if (m_emfPlus && m_gdiRecords == 0)
        throw emfPlusOnly();
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
    if (m_renderer) {
        const double sx = std::hypot(m_mapping.m11(), m_mapping.m12());
        const double sy
            = std::copysign(std::hypot(m_mapping.m21(), m_mapping.m22()), m_mapping.determinant());
        if ((m_mapping.m12() == 0 && m_mapping.m21() == 0) || !(sx > 0) || !(std::abs(sy) > 0)) {
            m_renderer->setMapping(m_mapping.m11(), m_mapping.m22(), m_mapping.dx(), m_mapping.dy());
            m_renderer->setTransform(QTransform());
        } else {
            // A turned or sheared world: the renderer scales, and the rest is a transform of the painter.
            m_renderer->setMapping(sx, sy, 0, 0);
            m_renderer->setTransform(QTransform::fromScale(1 / sx, 1 / sy) * m_mapping);
        }
    }
    m_mappingDirty = false;
}

void EmfPlayer::syncRenderer()
{
    if (m_mappingDirty)
        updateMapping();
    if (!m_renderer)
        return;
    applyState();
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
    string = symbolFontText(string, m_dc.font);
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
        polygons.reserve(path.size());
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
    switch (type) {
    case U_EMR_POLYBEZIER:
    case U_EMR_POLYGON:
    case U_EMR_POLYLINE:
    case U_EMR_POLYBEZIERTO:
    case U_EMR_POLYLINETO:
    case U_EMR_POLYBEZIER16:
    case U_EMR_POLYGON16:
    case U_EMR_POLYLINE16:
    case U_EMR_POLYBEZIERTO16:
    case U_EMR_POLYLINETO16:
        return polyRecord(type, r);
    case U_EMR_POLYPOLYLINE:
    case U_EMR_POLYPOLYLINE16:
        return polyPoly(r, type == U_EMR_POLYPOLYLINE16, false);
    case U_EMR_POLYPOLYGON:
    case U_EMR_POLYPOLYGON16:
        return polyPoly(r, type == U_EMR_POLYPOLYGON16, true);
    case U_EMR_ELLIPSE:
    case U_EMR_RECTANGLE:
    case U_EMR_ROUNDRECT:
    case U_EMR_LINETO:
        return shapeRecord(type, r);
    case U_EMR_SETWINDOWEXTEX:
    case U_EMR_SETVIEWPORTEXTEX:
    case U_EMR_SETWINDOWORGEX:
    case U_EMR_SETVIEWPORTORGEX:
    case U_EMR_SETMAPMODE:
    case U_EMR_SCALEVIEWPORTEXTEX:
    case U_EMR_SCALEWINDOWEXTEX:
    case U_EMR_SETWORLDTRANSFORM:
    case U_EMR_MODIFYWORLDTRANSFORM:
        return mappingRecord(type, r);
    case U_EMR_SETBKMODE:
    case U_EMR_SETPOLYFILLMODE:
    case U_EMR_SETTEXTALIGN:
    case U_EMR_SETTEXTCOLOR:
    case U_EMR_SETBKCOLOR:
    case U_EMR_MOVETOEX:
    case U_EMR_SAVEDC:
    case U_EMR_RESTOREDC:
        return stateRecord(type, r);
    case U_EMR_EXCLUDECLIPRECT:
    case U_EMR_INTERSECTCLIPRECT:
    case U_EMR_EXTSELECTCLIPRGN:
    case U_EMR_SELECTCLIPPATH:
        return clipRecord(type, r);
    case U_EMR_SELECTOBJECT:
    case U_EMR_DELETEOBJECT:
    case U_EMR_CREATEPEN:
    case U_EMR_EXTCREATEPEN:
    case U_EMR_CREATEBRUSHINDIRECT:
    case U_EMR_CREATEMONOBRUSH:
    case U_EMR_CREATEDIBPATTERNBRUSHPT:
    case U_EMR_EXTCREATEFONTINDIRECTW:
    case U_EMR_CREATEPALETTE:
    case U_EMR_CREATECOLORSPACE:
    case U_EMR_CREATECOLORSPACEW:
        return objectRecord(type, r);
    case U_EMR_BEGINPATH:
    case U_EMR_ENDPATH:
    case U_EMR_ABORTPATH:
    case U_EMR_CLOSEFIGURE:
    case U_EMR_FILLPATH:
    case U_EMR_STROKEANDFILLPATH:
    case U_EMR_STROKEPATH:
        return pathRecord(type, r);
    case U_EMR_BITBLT:
    case U_EMR_STRETCHBLT:
    case U_EMR_STRETCHDIBITS:
        return bitmapRecord(type, r);
    case U_EMR_EXTTEXTOUTA:
    case U_EMR_EXTTEXTOUTW:
        return text(r, type == U_EMR_EXTTEXTOUTW);
    case U_EMR_EOF:
        m_ended = true;
        return;
    case U_EMR_COMMENT:
        return commentRecord(r);
    default:
        // Arcs, EMF+ comments and the rest are skipped.
        return;
    }
}

void EmfPlayer::commentRecord(const MetafileReader& r)
{
    // An EMF+ header says whether GDI records follow to draw the same picture ("dual"); the EMF+ records
    // themselves are passed over, as GDI plays such a file. A file of EMF+ records only would draw
    // nothing here, so it is refused with a message rather than shown blank.
    constexpr quint32 EmfPlusIdentifier = 0x2B464D45; // "EMF+"
    constexpr quint16 EmfPlusHeaderType = 0x4001;
    constexpr quint16 EmfPlusDual = 0x0001;
    if (r.size() < 20 || r.u32(12) != EmfPlusIdentifier || r.u16(16) != EmfPlusHeaderType)
        return;
    m_emfPlus = true;
    if (!(r.u16(18) & EmfPlusDual))
        throw emfPlusOnly();
}

bool EmfPlayer::drawing()
{
    if (!m_renderer || m_inPath)
        return false;
    syncRenderer();
    return true;
}

void EmfPlayer::polyRecord(quint32 type, const MetafileReader& r)
{
    const bool small = type >= U_EMR_POLYBEZIER16;
    QPolygonF p = points(r, 24, 28, small);
    switch (type) {
    case U_EMR_POLYBEZIER:
    case U_EMR_POLYBEZIER16:
        if (m_inPath)
            pathPoints(flattenBeziers(p), false);
        else if (drawing())
            m_renderer->polyline(flattenBeziers(p));
        break;
    case U_EMR_POLYGON:
    case U_EMR_POLYGON16:
        if (m_inPath) {
            pathPoints(p, false);
            if (!m_path.empty())
                m_path.back().closed = true;
        } else if (drawing()) {
            m_renderer->polygons({ p });
        }
        break;
    case U_EMR_POLYLINE:
    case U_EMR_POLYLINE16:
        if (m_inPath)
            pathPoints(p, false);
        else if (drawing())
            m_renderer->polyline(p);
        break;
    default: { // the ...TO forms start at the current position and move it
        if (p.isEmpty())
            break;
        const bool bezier = type == U_EMR_POLYBEZIERTO || type == U_EMR_POLYBEZIERTO16;
        p.prepend(QPointF(m_dc.curX, m_dc.curY));
        m_dc.curX = p.last().x();
        m_dc.curY = p.last().y();
        if (m_inPath)
            pathPoints(bezier ? flattenBeziers(p) : p, true);
        else if (drawing())
            m_renderer->polyline(bezier ? flattenBeziers(p) : p);
        break;
    }
    }
}

void EmfPlayer::shapeRecord(quint32 type, const MetafileReader& r)
{
    if (type == U_EMR_LINETO) {
        const double x = r.i32(8), y = r.i32(12);
        if (m_inPath)
            pathPoints(QPolygonF { QPointF(m_dc.curX, m_dc.curY), QPointF(x, y) }, true);
        else if (drawing())
            m_renderer->line(m_dc.curX, m_dc.curY, x, y);
        m_dc.curX = x;
        m_dc.curY = y;
        return;
    }
    const double l = r.i32(8), t = r.i32(12), rr = r.i32(16), b = r.i32(20);
    if (type == U_EMR_ROUNDRECT) {
        const double cx = r.i32(24), cy = r.i32(28);
        if (drawing())
            m_renderer->roundRect(l, t, rr, b, cx, cy);
        return;
    }
    if (m_inPath) {
        QPolygonF shape;
        if (type == U_EMR_RECTANGLE) {
            shape << QPointF(l, t) << QPointF(rr, t) << QPointF(rr, b) << QPointF(l, b);
        } else {
            for (int i = 0; i < 64; ++i) {
                const double a = i * 2 * std::numbers::pi / 64;
                shape << QPointF(
                    (l + rr) / 2 + (rr - l) / 2 * std::cos(a), (t + b) / 2 + (b - t) / 2 * std::sin(a));
            }
        }
        m_path.push_back(Figure { shape, true });
    } else if (drawing()) {
        if (type == U_EMR_ELLIPSE)
            m_renderer->ellipse(l, t, rr, b);
        else
            m_renderer->rectangle(l, t, rr, b);
    }
}

void EmfPlayer::mappingRecord(quint32 type, const MetafileReader& r)
{
    switch (type) {
    case U_EMR_SETWINDOWEXTEX:
    case U_EMR_SETVIEWPORTEXTEX: {
        const double cx = r.i32(8), cy = r.i32(12);
        if (cx == 0 || cy == 0)
            return;
        const bool window = type == U_EMR_SETWINDOWEXTEX;
        (window ? m_dc.winExtX : m_dc.vpExtX) = cx;
        (window ? m_dc.winExtY : m_dc.vpExtY) = cy;
        break;
    }
    case U_EMR_SETWINDOWORGEX:
    case U_EMR_SETVIEWPORTORGEX: {
        const bool window = type == U_EMR_SETWINDOWORGEX;
        (window ? m_dc.winOrgX : m_dc.vpOrgX) = r.i32(8);
        (window ? m_dc.winOrgY : m_dc.vpOrgY) = r.i32(12);
        break;
    }
    case U_EMR_SETMAPMODE: {
        const quint32 mode = r.u32(8);
        if (mode < U_MM_TEXT || mode > U_MM_ANISOTROPIC)
            return;
        m_dc.mapMode = int(mode);
        break;
    }
    case U_EMR_SCALEVIEWPORTEXTEX:
    case U_EMR_SCALEWINDOWEXTEX: {
        const double xNum = r.i32(8), xDen = r.i32(12), yNum = r.i32(16), yDen = r.i32(20);
        if (xNum == 0 || xDen == 0 || yNum == 0 || yDen == 0)
            return;
        const bool viewport = type == U_EMR_SCALEVIEWPORTEXTEX;
        double& ex = viewport ? m_dc.vpExtX : m_dc.winExtX;
        double& ey = viewport ? m_dc.vpExtY : m_dc.winExtY;
        ex = ex * xNum / xDen;
        ey = ey * yNum / yDen;
        break;
    }
    case U_EMR_SETWORLDTRANSFORM: {
        const QTransform t = readXform(r, 8);
        if (!finiteTransform(t))
            return;
        m_dc.world = t;
        break;
    }
    case U_EMR_MODIFYWORLDTRANSFORM: {
        const QTransform t = readXform(r, 8);
        const quint32 mode = r.u32(32);
        QTransform result = m_dc.world;
        if (mode == U_MWT_IDENTITY)
            result = QTransform();
        else if (mode == U_MWT_LEFTMULTIPLY)
            result = t * m_dc.world;
        else if (mode == U_MWT_RIGHTMULTIPLY)
            result = m_dc.world * t;
        else if (mode == MwtSet)
            result = t;
        if (!finiteTransform(result))
            return;
        m_dc.world = result;
        break;
    }
    default:
        return;
    }
    m_mappingDirty = true;
}

void EmfPlayer::stateRecord(quint32 type, const MetafileReader& r)
{
    switch (type) {
    case U_EMR_SETBKMODE:
        m_dc.bkOpaque = r.u32(8) == U_OPAQUE;
        break;
    case U_EMR_SETPOLYFILLMODE:
        m_dc.winding = r.u32(8) == U_WINDING;
        break;
    case U_EMR_SETTEXTALIGN:
        m_dc.textAlign = r.u32(8);
        break;
    case U_EMR_SETTEXTCOLOR:
        m_dc.textColor = r.u32(8) & 0xffffff;
        break;
    case U_EMR_SETBKCOLOR:
        m_dc.bkColor = r.u32(8) & 0xffffff;
        break;
    case U_EMR_MOVETOEX:
        m_dc.curX = r.i32(8);
        m_dc.curY = r.i32(12);
        if (m_inPath)
            m_path.push_back(Figure { QPolygonF { QPointF(m_dc.curX, m_dc.curY) }, false });
        break;
    case U_EMR_SAVEDC:
        saveDc();
        break;
    case U_EMR_RESTOREDC:
        if (restoreDc(r.i32(8)))
            m_mappingDirty = true;
        break;
    default:
        break;
    }
}

void EmfPlayer::clipRecord(quint32 type, const MetafileReader& r)
{
    if (m_mappingDirty)
        updateMapping();
    const QRect whole = m_target.toAlignedRect();
    switch (type) {
    case U_EMR_EXCLUDECLIPRECT:
    case U_EMR_INTERSECTCLIPRECT: {
        const QRegion rect(clipPixels(mapRect(r.i32(8), r.i32(12), r.i32(16), r.i32(20))));
        combineClip(m_dc.clip, rect, type == U_EMR_INTERSECTCLIPRECT ? U_RGN_AND : U_RGN_DIFF, whole);
        break;
    }
    case U_EMR_SELECTCLIPPATH: {
        // The path, closed and filled by the fill mode, is the region; the path is used up.
        QPainterPath path;
        path.setFillRule(m_dc.winding ? Qt::WindingFill : Qt::OddEvenFill);
        for (const Figure& figure : m_path) {
            if (figure.points.size() >= 3)
                path.addPolygon(m_mapping.map(figure.points));
        }
        m_path.clear();
        combineClip(m_dc.clip, pathRegion(path, whole), r.u32(8), whole);
        break;
    }
    case U_EMR_EXTSELECTCLIPRGN: {
        const quint32 bytes = r.u32(8);
        const quint32 mode = r.u32(12);
        r.need(16, bytes);
        if (bytes == 0) {
            if (mode == U_RGN_COPY) // without a region: no clipping
                m_dc.clip.reset();
            break;
        }
        if (bytes < 32)
            throw MetafileError();
        const quint32 rects = r.u32(24);
        r.need(48, rects, 16);
        // The region's rectangles are in the reference device's pixels, outside any mapping.
        const auto deviceX = [&](double x) { return m_target.x() + (x - m_frameX) * m_frameScaleX; };
        const auto deviceY = [&](double y) { return m_target.y() + (y - m_frameY) * m_frameScaleY; };
        std::vector<QRegion> pieces;
        pieces.reserve(rects);
        for (quint32 i = 0; i < rects; ++i) {
            const qint64 at = 48 + qint64(i) * 16;
            const QRect piece = clipPixels(QRectF(QPointF(deviceX(r.i32(at)), deviceY(r.i32(at + 4))),
                QPointF(deviceX(r.i32(at + 8)), deviceY(r.i32(at + 12)))));
            if (!piece.isEmpty())
                pieces.emplace_back(piece);
        }
        combineClip(m_dc.clip, unitedRegion(pieces), mode, whole);
        break;
    }
    default:
        return;
    }
    m_clipDirty = true;
}

void EmfPlayer::objectRecord(quint32 type, const MetafileReader& r)
{
    const quint32 handle = r.u32(8);
    Object object;
    switch (type) {
    case U_EMR_SELECTOBJECT:
        if (handle & U_STOCK_OBJECT) {
            m_dc.selectStock(handle & ~U_STOCK_OBJECT);
        } else {
            selectObject(handle);
        }
        return;
    case U_EMR_DELETEOBJECT:
        if (handle != 0 && handle < m_objects.size())
            m_objects[handle] = Object {};
        return;
    case U_EMR_CREATEPEN:
        object.kind = Object::Pen;
        object.pen.style = gdiPenStyle(r.u32(12));
        object.pen.width = std::abs(double(r.i32(16)));
        object.pen.color = r.u32(24) & 0xffffff;
        break;
    case U_EMR_EXTCREATEPEN: {
        object.kind = Object::Pen;
        const quint32 style = r.u32(28);
        object.pen.style = r.u32(36) == U_BS_NULL ? GdiPen::Null : gdiPenStyle(style);
        // Cosmetic pens are one pixel wide.
        object.pen.width = (style & U_PS_GEOMETRIC) ? double(r.u32(32)) : 0.0;
        object.pen.color = r.u32(40) & 0xffffff;
        break;
    }
    case U_EMR_CREATEBRUSHINDIRECT:
        object.kind = Object::Brush;
        object.brush.null = r.u32(12) == U_BS_NULL;
        object.brush.color = r.u32(16) & 0xffffff;
        if (r.u32(12) == U_BS_HATCHED && r.u32(20) <= U_HS_DIAGCROSS)
            object.brush.hatch = int(r.u32(20));
        break;
    case U_EMR_CREATEMONOBRUSH:
    case U_EMR_CREATEDIBPATTERNBRUSHPT: {
        // The bitmap, repeated; a monochrome one draws in the text and background colours. A pattern that
        // cannot be read leaves a grey, as a reader of the picture would guess its tone.
        object.kind = Object::Brush;
        object.brush.color = 0x808080;
        const bool mono = type == U_EMR_CREATEMONOBRUSH;
        const quint32 usage = mono ? 0 : r.u32(12);
        // A brush's pattern is a tile: one larger than a quarter of a megapixel stays grey.
        constexpr qint64 TileLimit = 512 * 512;
        decodeDib(r, r.u32(16), r.u32(20), r.u32(24), r.u32(28), usage, false, mono, TileLimit);
        if (m_renderer) {
            object.brush.pattern
                = decodeDib(r, r.u32(16), r.u32(20), r.u32(24), r.u32(28), usage, true, mono, TileLimit);
            object.brush.mono = mono && !object.brush.pattern.isNull();
        }
        break;
    }
    case U_EMR_EXTCREATEFONTINDIRECTW: {
        r.need(12, 92);
        object.kind = Object::Font;
        object.font.height = r.i32(12);
        object.font.escapement = r.i32(20);
        object.font.weight = r.i32(28);
        object.font.italic = r.u8(32) != 0;
        object.font.underline = r.u8(33) != 0;
        object.font.strikeOut = r.u8(34) != 0;
        object.font.charset = r.u8(35);
        object.font.pitchAndFamily = r.u8(39);
        for (int i = 0; i < 32; ++i) {
            const quint16 c = r.u16(40 + i * 2);
            if (c == 0)
                break;
            object.font.face.append(QChar(c));
        }
        break;
    }
    default: // palettes and colour spaces take a handle and draw nothing
        object.kind = Object::Other;
        break;
    }
    createObject(handle, object);
}

void EmfPlayer::pathRecord(quint32 type, const MetafileReader& r)
{
    switch (type) {
    case U_EMR_BEGINPATH:
        m_inPath = true;
        m_path.clear();
        break;
    case U_EMR_ENDPATH:
        m_inPath = false;
        break;
    case U_EMR_ABORTPATH:
        m_inPath = false;
        m_path.clear();
        break;
    case U_EMR_CLOSEFIGURE:
        if (m_inPath && !m_path.empty())
            m_path.back().closed = true;
        break;
    default: // FILLPATH, STROKEANDFILLPATH, STROKEPATH
        r.need(8, 16);
        if (!m_inPath)
            drawPath(type != U_EMR_STROKEPATH, type != U_EMR_FILLPATH);
        break;
    }
}

void EmfPlayer::bitmapRecord(quint32 type, const MetafileReader& r)
{
    if (type == U_EMR_STRETCHDIBITS) {
        const double x = r.i32(24), y = r.i32(28);
        const qint64 srcX = r.i32(32), srcY = r.i32(36), srcWidth = r.i32(40), srcHeight = r.i32(44);
        const double cx = r.i32(72), cy = r.i32(76);
        decodeDib(r, r.u32(48), r.u32(52), r.u32(56), r.u32(60), r.u32(64), false);
        if (!drawing())
            return;
        const QImage bitmap = decodeDib(r, r.u32(48), r.u32(52), r.u32(56), r.u32(60), r.u32(64), true);
        // The source rectangle counts rows from the bitmap's bottom.
        m_renderer->image(x, y, x + cx, y + cy,
            sourcePart(bitmap, srcX, bitmap.height() - srcY - srcHeight, srcWidth, srcHeight));
        return;
    }
    // BITBLT and STRETCHBLT: without a source bitmap they fill with the brush or a fixed colour.
    const double x = r.i32(24), y = r.i32(28), cx = r.i32(32), cy = r.i32(36);
    const quint32 rop = r.u32(40);
    const quint32 bmiBytes = r.u32(88);
    const bool stretch = type == U_EMR_STRETCHBLT;
    if (bmiBytes != 0) {
        decodeDib(r, r.u32(84), bmiBytes, r.u32(92), r.u32(96), r.u32(80), false);
        const qint64 sw = stretch ? r.i32(100) : qint64(cx), sh = stretch ? r.i32(104) : qint64(cy);
        if (drawing())
            m_renderer->image(x, y, x + cx, y + cy,
                sourcePart(decodeDib(r, r.u32(84), bmiBytes, r.u32(92), r.u32(96), r.u32(80), true),
                    r.i32(44), r.i32(48), sw, sh));
        return;
    }
    if (stretch || !drawing())
        return;
    if (rop == U_PATCOPY)
        m_renderer->fillWithBrush(x, y, x + cx, y + cy);
    else if (rop == U_BLACKNESS)
        m_renderer->fill(x, y, x + cx, y + cy, 0);
    else if (rop == U_WHITENESS)
        m_renderer->fill(x, y, x + cx, y + cy, 0xffffff);
}

} // namespace emf
