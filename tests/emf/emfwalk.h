// Test helper: the records of an EMF as (type, bytes) pairs, read with plain bounds checks.
#pragma once

#include <QByteArray>
#include <QtEndian>
#include <cstdint>
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

inline void putU32(QByteArray& bytes, qsizetype offset, std::uint32_t value)
{
    qToLittleEndian<quint32>(value, bytes.data() + offset);
}

} // namespace emftest
