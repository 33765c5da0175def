// SPDX-License-Identifier: GPL-2.0-or-later
// Bounds-checked little-endian reads over one metafile record: every read is checked against the
// record's size in 64-bit arithmetic and a read past its end throws MetafileError.
#pragma once

#include "emf/metafile.h"

#include <QtEndian>
#include <cstring>

namespace emf {

class MetafileReader {
public:
    MetafileReader(const char* data, qint64 size)
        : m_data(reinterpret_cast<const uchar*>(data))
        , m_size(size)
    {
    }

    qint64 size() const { return m_size; }
    const char* data() const { return reinterpret_cast<const char*>(m_data); }

    // Throws unless count items of itemSize bytes lie within the record from offset on.
    void need(qint64 offset, qint64 count, qint64 itemSize = 1) const
    {
        if (offset < 0 || count < 0 || itemSize < 0 || offset > m_size)
            throw MetafileError();
        if (itemSize != 0 && count > (m_size - offset) / itemSize)
            throw MetafileError();
    }

    quint32 u32(qint64 offset) const
    {
        need(offset, 4);
        return qFromLittleEndian<quint32>(m_data + offset);
    }
    qint32 i32(qint64 offset) const { return qint32(u32(offset)); }
    quint16 u16(qint64 offset) const
    {
        need(offset, 2);
        return qFromLittleEndian<quint16>(m_data + offset);
    }
    qint16 i16(qint64 offset) const { return qint16(u16(offset)); }
    quint8 u8(qint64 offset) const
    {
        need(offset, 1);
        return m_data[offset];
    }
    float f32(qint64 offset) const
    {
        const quint32 bits = u32(offset);
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

private:
    const uchar* m_data;
    qint64 m_size;
};

} // namespace emf
