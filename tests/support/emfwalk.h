// SPDX-License-Identifier: GPL-2.0-or-later
// Test helper: the records of an EMF as (type, bytes) pairs, read with plain bounds checks, and what a
// recorded page draws: its texts where they stand, its lines with their pens' colours, its other shapes.
#pragma once

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QtEndian>
#include <cstdint>
#include <map>
#include <vector>

namespace emftest {

struct Record {
    std::uint32_t type = 0;
    QByteArray bytes;
    std::uint32_t u32(int offset) const { return qFromLittleEndian<quint32>(bytes.constData() + offset); }
    std::int32_t i32(int offset) const { return qint32(u32(offset)); }
    std::uint16_t u16(int offset) const { return qFromLittleEndian<quint16>(bytes.constData() + offset); }
};

inline std::vector<Record> records(const QByteArray& emf)
{
    std::vector<Record> result;
    qsizetype offset = 0;
    while (offset + 8 <= emf.size()) {
        Record record;
        record.type = qFromLittleEndian<quint32>(emf.constData() + offset);
        const auto size = qsizetype(qFromLittleEndian<quint32>(emf.constData() + offset + 4));
        if (size < 8 || offset + size > emf.size())
            break;
        record.bytes = emf.mid(offset, size);
        result.push_back(record);
        offset += size;
    }
    return result;
}

struct PageText {
    QPoint at; // the reference point, device pixels
    QString text;
};
struct PageLine {
    QPoint from, to;
    std::uint32_t colour; // COLORREF of the pen: 0x00BBGGRR
};
struct PageDrawing {
    std::vector<PageText> texts;
    std::vector<PageLine> lines;
    int filledShapes = 0; // rectangles, ellipses and bitmap fills
};

inline PageDrawing drawing(const QByteArray& emf)
{
    constexpr std::uint32_t Rectangle = 43, Ellipse = 42, BitBlt = 76, CreatePen = 38, SelectObject = 37,
                            MoveTo = 27, LineTo = 54, ExtTextOutW = 84;
    PageDrawing page;
    std::map<std::uint32_t, std::uint32_t> penColours; // by handle
    std::uint32_t pen = 0;
    QPoint position;
    for (const Record& r : records(emf)) {
        switch (r.type) {
        case Rectangle:
        case Ellipse:
        case BitBlt:
            ++page.filledShapes;
            break;
        case CreatePen:
            penColours[r.u32(8)] = r.u32(24);
            break;
        case SelectObject:
            if (auto found = penColours.find(r.u32(8)); found != penColours.end())
                pen = found->second;
            break;
        case MoveTo:
            position = QPoint(r.i32(8), r.i32(12));
            break;
        case LineTo: {
            const QPoint to(r.i32(8), r.i32(12));
            page.lines.push_back({ position, to, pen });
            position = to;
            break;
        }
        case ExtTextOutW: {
            const auto chars = qsizetype(r.u32(44));
            const auto offset = qsizetype(r.u32(48));
            if (offset + chars * 2 <= r.bytes.size())
                page.texts.push_back({ QPoint(r.i32(36), r.i32(40)),
                    QString::fromUtf16(
                        reinterpret_cast<const char16_t*>(r.bytes.constData() + offset), chars) });
            break;
        }
        default:
            break;
        }
    }
    return page;
}

inline void putU32(QByteArray& bytes, qsizetype offset, std::uint32_t value)
{
    qToLittleEndian<quint32>(value, bytes.data() + offset);
}

} // namespace emftest
