#include "report/rppagelist.h"

#include "emf/metafile.h"
#include "platform/datetime.h"
#include "report/rperror.h"
#include "report/rpstream.h"

#include <QtEndian>
#include <cstring>

namespace report {

static ERpError readError()
{
    return ERpError(QStringLiteral("Stream read error"));
}

void TRpPageList::setStream(TRpStream* stream)
{
    std::lock_guard guard(m_lock);
    m_stream = stream;
}

void TRpPageList::writeHeader()
{
    char header[HeaderSize];
    std::memset(header, 0, sizeof header);
    qToLittleEndian<quint16>(3, header);
    qToLittleEndian<quint16>(350, header + 2);
    qToLittleEndian<qint32>(m_pageCount, header + 8);
    qToLittleEndian<double>(platform::now(), header + 16);
    header[25] = 0; // pages are stored uncompressed
    m_stream->seek(0);
    m_stream->write(header, HeaderSize);
}

void TRpPageList::addPage(const QByteArray& metafile)
{
    std::lock_guard guard(m_lock);
    if (!m_stream)
        return;
    std::lock_guard streamGuard(m_stream->lock());
    const qint64 sizeBefore = m_stream->size();
    ++m_pageCount;
    try {
        if (m_pageCount == 1)
            writeHeader();
        const qint64 start = m_stream->size();
        m_stream->seek(start);
        m_stream->writeInt32(m_pageCount);
        const qint64 link = m_stream->pos();
        m_stream->writeInt32(qint32(link));
        m_stream->write(metafile.constData(), metafile.size());
        m_stream->writeInt32(qint32(start));
        const qint64 end = m_stream->pos();
        m_stream->seek(link);
        m_stream->writeInt32(qint32(end));
        m_stream->seek(end);
    } catch (...) {
        // A page that could not be stored whole is dropped, so the pages before it stay readable.
        --m_pageCount;
        try {
            m_stream->truncate(sizeBefore);
        } catch (...) {
        }
        throw;
    }
}

void TRpPageList::finish()
{
    std::lock_guard guard(m_lock);
    if (!m_stream)
        return;
    std::lock_guard streamGuard(m_stream->lock());
    writeHeader();
}

std::optional<QByteArray> TRpPageList::pageAt(int n)
{
    std::lock_guard guard(m_lock);
    if (!m_stream || n < 1 || n > m_pageCount)
        return std::nullopt;
    std::lock_guard streamGuard(m_stream->lock());
    seekToPage(n);
    return readPageBytes();
}

void TRpPageList::seekToPage(int n)
{
    TRpStream& s = *m_stream;
    const qint64 size = s.size();
    // A record is at least its three numbers; offsets outside the records are a damaged store.
    const auto checkedRecord = [&](qint64 offset) {
        if (offset < HeaderSize || offset > size - 12)
            throw readError();
        return offset;
    };
    const auto lastRecord = [&] {
        s.seek(size - 4);
        return checkedRecord(s.readInt32());
    };
    if (n == 1) {
        s.seek(checkedRecord(HeaderSize));
        return;
    }
    if (n == m_pageCount) {
        s.seek(lastRecord());
        return;
    }
    if (s.pos() >= size || s.pos() < HeaderSize)
        s.seek(lastRecord());
    // Each step moves one record; a store with more steps than pages links in a circle.
    for (int steps = 0; steps <= m_pageCount + 1; ++steps) {
        const qint64 start = s.pos();
        const qint32 page = s.readInt32();
        if (page == n) {
            s.seek(start);
            return;
        }
        if (page < n) {
            const qint64 next = s.readInt32();
            if (next <= start)
                throw readError();
            s.seek(checkedRecord(next));
        } else {
            if (start - 4 < HeaderSize)
                throw readError();
            s.seek(start - 4);
            const qint64 previous = s.readInt32();
            if (previous >= start)
                throw readError();
            s.seek(checkedRecord(previous));
        }
    }
    throw readError();
}

QByteArray TRpPageList::readPageBytes()
{
    TRpStream& s = *m_stream;
    const qint64 start = s.pos();
    s.readInt32(); // page number
    const qint64 next = s.readInt32();
    // The metafile may run at most to the record's trailing offset.
    const qint64 room = (next > start + 12 && next <= s.size() ? next : s.size()) - s.pos() - 4;
    if (room <= 0)
        throw readError();
    QByteArray bytes(room, Qt::Uninitialized);
    s.readExact(bytes.data(), room);
    const emf::MetafileInfo info = emf::inspectMetafile(bytes.constData(), room);
    if (info.byteLength <= 0 || info.byteLength > room)
        throw readError();
    bytes.truncate(info.byteLength);
    s.seek(start + 8 + info.byteLength);
    s.readInt32(); // the record's own start
    return bytes;
}

} // namespace report
