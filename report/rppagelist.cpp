// SPDX-License-Identifier: GPL-2.0-or-later
#include "report/rppagelist.h"

#include "emf/metafile.h"
#include "platform/datetime.h"
#include "report/rperror.h"
#include "report/rpstream.h"

#include <QCoreApplication>
#include <QtEndian>
#include <cstring>

namespace report {

static ERpError readError()
{
    return ERpError(QCoreApplication::translate("report", "Stream read error"));
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
    qToLittleEndian<qint32>(pageCount(), header + 8);
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
    const qint32 number = qint32(m_offsets.size()) + 1;
    try {
        if (number == 1)
            writeHeader();
        const qint64 start = m_stream->size();
        m_stream->seek(start);
        m_stream->writeInt32(number);
        const qint64 link = m_stream->pos();
        m_stream->writeInt32(qint32(link));
        m_stream->write(metafile.constData(), metafile.size());
        m_stream->writeInt32(qint32(start));
        const qint64 end = m_stream->pos();
        m_stream->seek(link);
        m_stream->writeInt32(qint32(end));
        m_stream->seek(end);
        m_offsets.push_back(start);
    } catch (...) {
        // A page that could not be stored whole is dropped, so the pages before it stay readable.
        try {
            m_stream->truncate(sizeBefore);
        } catch (...) { // NOLINT(bugprone-empty-catch): the first failure is the one to report
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
    if (!m_stream || n < 1 || n > pageCount())
        return std::nullopt;
    std::lock_guard streamGuard(m_stream->lock());
    return readPage(n);
}

QByteArray TRpPageList::readPage(int n)
{
    TRpStream& s = *m_stream;
    const std::size_t index = std::size_t(n) - 1;
    const qint64 start = m_offsets[index];
    // The record ends where its link points: the next record, or the end of the last readable one in a
    // file damaged after it.
    if (start < HeaderSize || start > s.size() - 8)
        throw readError();
    s.seek(start + 4);
    const qint64 end = s.readInt32();
    // The record is read in one go and checked again: a file changed under a loaded store reads as
    // damaged rather than as some other page.
    if (start < HeaderSize || end - start < 12 || end > s.size())
        throw readError();
    QByteArray record(end - start, Qt::Uninitialized);
    s.seek(start);
    s.readExact(record.data(), record.size());
    const char* bytes = record.constData();
    if (qFromLittleEndian<qint32>(bytes) != n || qFromLittleEndian<qint32>(bytes + 4) != end
        || qFromLittleEndian<qint32>(bytes + record.size() - 4) != start)
        throw readError();
    const qint64 room = record.size() - 12;
    const emf::MetafileInfo info = emf::inspectMetafile(bytes + 8, room);
    if (info.byteLength <= 0 || info.byteLength > room)
        throw readError();
    record.remove(0, 8);
    record.truncate(info.byteLength);
    return record;
}

} // namespace report
