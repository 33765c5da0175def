// SPDX-License-Identifier: GPL-2.0-or-later
#include "emf/wmfplayer.h"

#include "emf/metafilereader.h"

#include <QPainter>
#include <cmath>

namespace emf {

namespace {

constexpr qint64 PlaceableSize = 22;
constexpr qint64 RecordsStart = PlaceableSize + 18;

} // namespace

WmfPlayer::WmfPlayer(const char* data, qint64 size)
    : MetafilePlayer(data, size)
{
}

void WmfPlayer::walk()
{
    const MetafileReader file(m_data, m_size);
    file.need(0, RecordsStart);
    // The placeable header's box is the window the picture is drawn from; the metafile may move it.
    const double left = file.i16(6), top = file.i16(8), right = file.i16(10), bottom = file.i16(12);
    m_dc.mapMode = 8;
    m_dc.winOrgX = left;
    m_dc.winOrgY = top;
    m_dc.winExtX = right != left ? right - left : 1;
    m_dc.winExtY = bottom != top ? bottom - top : 1;
    m_objects.assign(file.u16(32), Object {});

    qint64 offset = RecordsStart;
    while (offset < m_size && !m_ended) {
        file.need(offset, 6);
        const qint64 words = file.u32(offset);
        const quint16 function = file.u16(offset + 4);
        if (words < 3 || words > (m_size - offset) / 2)
            throw MetafileError();
        countRecord();
        record(function, MetafileReader(m_data + offset, words * 2));
        offset += words * 2;
    }
    // Writers often end the picture exactly with the last record: a missing end record is tolerated
    // as long as every record was whole.
}

void WmfPlayer::addObject(const Object& object)
{
    // WMF objects take the lowest free slot of the table.
    for (Object& slot : m_objects) {
        if (slot.kind == Object::None) {
            slot = object;
            return;
        }
    }
}

void WmfPlayer::syncRenderer()
{
    if (!m_renderer)
        return;
    const double sx = m_target.width() / m_dc.winExtX, sy = m_target.height() / m_dc.winExtY;
    m_renderer->setMapping(sx, sy, m_target.x() - m_dc.winOrgX * sx, m_target.y() - m_dc.winOrgY * sy);
    applyState();
}

void WmfPlayer::text(double x, double y, const MetafileReader& r, qint64 stringOffset, qint64 length,
    qint64 dxOffset, const std::optional<QRectF>& opaque, const std::optional<QRectF>& clip)
{
    r.need(stringOffset, length);
    std::vector<double> advances;
    // The advance array is optional: it is there when the record has room for it.
    if (dxOffset > 0 && dxOffset <= r.size() && (r.size() - dxOffset) / 2 >= length) {
        advances.reserve(std::size_t(length));
        for (qint64 i = 0; i < length; ++i)
            advances.push_back(r.i16(dxOffset + i * 2));
    }
    if (!m_renderer)
        return;
    syncRenderer();
    const QString string
        = symbolFontText(decodeMetafileText(r.data() + stringOffset, length, m_dc.font.charset), m_dc.font);
    if (string.size() != length)
        advances.clear();
    if (m_dc.textAlign & 1) { // TA_UPDATECP
        x = m_dc.curX;
        y = m_dc.curY;
    }
    m_renderer->text(x, y, string, advances, opaque, clip);
}

void WmfPlayer::record(quint16 function, const MetafileReader& r)
{
    auto draw = [this] {
        if (!m_renderer)
            return false;
        syncRenderer();
        return true;
    };
    auto polygon = [&r](qint64 countOffset) {
        const qint64 count = r.u16(countOffset);
        r.need(countOffset + 2, count, 4);
        QPolygonF points;
        points.reserve(count);
        for (qint64 i = 0; i < count; ++i)
            points.append(QPointF(r.i16(countOffset + 2 + i * 4), r.i16(countOffset + 4 + i * 4)));
        return points;
    };
    switch (function) {
    case 0x0000: // EOF
        m_ended = true;
        break;
    case 0x001E: // SAVEDC
        saveDc();
        break;
    case 0x0127: // RESTOREDC
        restoreDc(r.i16(6));
        break;
    case 0x0201: // SETBKCOLOR
        m_dc.bkColor = r.u32(6) & 0xffffff;
        break;
    case 0x0102: // SETBKMODE
        m_dc.bkOpaque = r.u16(6) == 2;
        break;
    case 0x0106: // SETPOLYFILLMODE
        m_dc.winding = r.u16(6) == 2;
        break;
    case 0x0209: // SETTEXTCOLOR
        m_dc.textColor = r.u32(6) & 0xffffff;
        break;
    case 0x012E: // SETTEXTALIGN
        m_dc.textAlign = r.u16(6);
        break;
    case 0x020B: // SETWINDOWORG
        m_dc.winOrgY = r.i16(6);
        m_dc.winOrgX = r.i16(8);
        break;
    case 0x020C: { // SETWINDOWEXT
        const double y = r.i16(6), x = r.i16(8);
        if (x != 0 && y != 0) {
            m_dc.winExtX = x;
            m_dc.winExtY = y;
        }
        break;
    }
    case 0x0214: // MOVETO
        m_dc.curY = r.i16(6);
        m_dc.curX = r.i16(8);
        break;
    case 0x0213: { // LINETO
        const double y = r.i16(6), x = r.i16(8);
        if (draw())
            m_renderer->line(m_dc.curX, m_dc.curY, x, y);
        m_dc.curX = x;
        m_dc.curY = y;
        break;
    }
    case 0x041B: // RECTANGLE
    case 0x0418: { // ELLIPSE
        const double b = r.i16(6), rr = r.i16(8), t = r.i16(10), l = r.i16(12);
        if (draw()) {
            if (function == 0x0418)
                m_renderer->ellipse(l, t, rr, b);
            else
                m_renderer->rectangle(l, t, rr, b);
        }
        break;
    }
    case 0x061C: { // ROUNDRECT
        const double h = r.i16(6), w = r.i16(8), b = r.i16(10), rr = r.i16(12), t = r.i16(14), l = r.i16(16);
        if (draw())
            m_renderer->roundRect(l, t, rr, b, w, h);
        break;
    }
    case 0x0325: { // POLYLINE
        const QPolygonF points = polygon(6);
        if (draw())
            m_renderer->polyline(points);
        break;
    }
    case 0x0324: { // POLYGON
        const QPolygonF points = polygon(6);
        if (draw())
            m_renderer->polygons({ points });
        break;
    }
    case 0x0538: { // POLYPOLYGON
        const qint64 polys = r.u16(6);
        r.need(8, polys, 2);
        qint64 total = 0;
        for (qint64 i = 0; i < polys; ++i)
            total += r.u16(8 + i * 2);
        const qint64 pointsOffset = 8 + polys * 2;
        r.need(pointsOffset, total, 4);
        if (!draw())
            break;
        std::vector<QPolygonF> shapes;
        qint64 at = pointsOffset;
        for (qint64 i = 0; i < polys; ++i) {
            QPolygonF shape;
            for (qint64 k = r.u16(8 + i * 2); k > 0; --k, at += 4)
                shape.append(QPointF(r.i16(at), r.i16(at + 2)));
            shapes.push_back(shape);
        }
        m_renderer->polygons(shapes);
        break;
    }
    case 0x0521: { // TEXTOUT
        const qint64 length = std::max<qint64>(0, r.i16(6));
        const qint64 padded = (length + 1) & ~qint64(1);
        r.need(8, padded + 4);
        const double y = r.i16(8 + padded), x = r.i16(10 + padded);
        text(x, y, r, 8, length, 0, std::nullopt, std::nullopt);
        break;
    }
    case 0x0A32: { // EXTTEXTOUT
        const double y = r.i16(6), x = r.i16(8);
        const qint64 length = std::max<qint64>(0, r.i16(10));
        const quint16 options = r.u16(12);
        qint64 at = 14;
        std::optional<QRectF> rect;
        if (options & 0x06) { // ETO_OPAQUE or ETO_CLIPPED
            rect = QRectF(QPointF(r.i16(14), r.i16(16)), QPointF(r.i16(18), r.i16(20)));
            at = 22;
        }
        const qint64 padded = (length + 1) & ~qint64(1);
        r.need(at, length);
        text(x, y, r, at, length, at + padded, (options & 0x02) ? rect : std::nullopt,
            (options & 0x04) ? rect : std::nullopt);
        break;
    }
    case 0x02FA: { // CREATEPENINDIRECT
        Object pen;
        pen.kind = Object::Pen;
        pen.pen.style = gdiPenStyle(r.u16(6));
        pen.pen.width = std::abs(double(r.i16(8)));
        pen.pen.color = r.u32(12) & 0xffffff;
        addObject(pen);
        break;
    }
    case 0x02FC: { // CREATEBRUSHINDIRECT
        Object brush;
        brush.kind = Object::Brush;
        brush.brush.null = r.u16(6) == 1;
        brush.brush.color = r.u32(8) & 0xffffff;
        if (r.u16(6) == 2 && r.u16(12) <= 5) // hatched
            brush.brush.hatch = r.u16(12);
        addObject(brush);
        break;
    }
    case 0x02FB: { // CREATEFONTINDIRECT
        Object font;
        font.kind = Object::Font;
        font.font.height = r.i16(6);
        font.font.escapement = r.i16(10);
        font.font.weight = r.i16(14);
        font.font.italic = r.u8(16) != 0;
        font.font.underline = r.u8(17) != 0;
        font.font.strikeOut = r.u8(18) != 0;
        font.font.charset = r.u8(19);
        font.font.pitchAndFamily = r.u8(23);
        qint64 length = 0;
        while (length < 32 && 24 + length < r.size() && r.u8(24 + length) != 0)
            ++length;
        font.font.face = decodeMetafileText(r.data() + 24, length, font.font.charset);
        addObject(font);
        break;
    }
    case 0x012D: // SELECTOBJECT
        selectObject(r.u16(6));
        break;
    case 0x01F0: { // DELETEOBJECT
        const quint16 index = r.u16(6);
        if (index < m_objects.size())
            m_objects[index] = Object {};
        break;
    }
    case 0x01F9: // CREATEPATTERNBRUSH
    case 0x0142: { // DIBCREATEPATTERNBRUSH: a grey stands for the pattern
        Object brush;
        brush.kind = Object::Brush;
        brush.brush.color = 0x808080;
        addObject(brush);
        break;
    }
    case 0x00F7: // CREATEPALETTE
    case 0x06FF: { // CREATEREGION
        Object other;
        other.kind = Object::Other;
        addObject(other);
        break;
    }
    case 0x0415: // EXCLUDECLIPRECT
    case 0x0416: { // INTERSECTCLIPRECT
        const double b = r.i16(6), rr = r.i16(8), t = r.i16(10), l = r.i16(12);
        const double sx = m_target.width() / m_dc.winExtX, sy = m_target.height() / m_dc.winExtY;
        const QRectF rect
            = QRectF(QPointF(m_target.x() + (l - m_dc.winOrgX) * sx, m_target.y() + (t - m_dc.winOrgY) * sy),
                QPointF(m_target.x() + (rr - m_dc.winOrgX) * sx, m_target.y() + (b - m_dc.winOrgY) * sy));
        combineClip(
            m_dc.clip, QRegion(clipPixels(rect)), function == 0x0416 ? 1 : 4, m_target.toAlignedRect());
        m_clipDirty = true;
        break;
    }
    case 0x012C: // SELECTCLIPREGION: back to the whole surface
        m_dc.clip.reset();
        m_clipDirty = true;
        break;
    default:
        // Bitmaps, escapes, arcs and the rest are skipped.
        break;
    }
}

} // namespace emf
