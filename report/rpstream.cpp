// SPDX-License-Identifier: GPL-2.0-or-later
#include "report/rpstream.h"

#include "platform/files.h"
#include "report/rperror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <algorithm>
#include <cstring>

namespace report {

static ERpError readError()
{
    return ERpError(QCoreApplication::translate("report", "Stream read error"));
}

static ERpError writeError()
{
    return ERpError(QCoreApplication::translate("report", "Stream write error"));
}

TRpStream::TRpStream(qint64 memoryLimit)
    : m_memoryLimit(memoryLimit)
{
}

TRpStream::~TRpStream() = default; // QTemporaryFile removes its file

std::unique_ptr<TRpStream> TRpStream::openFile(const QString& fileName)
{
    const QString fullName = QFileInfo(fileName).absoluteFilePath();
    // A folder or a pipe is no report file, and reading a pipe could wait forever.
    if (QFileInfo(fileName).exists() && !QFileInfo(fileName).isFile())
        throw ERpError(platform::cannotOpenFileMessage(
            fullName, QCoreApplication::translate("report", "Not a regular file")));
    auto file = std::make_unique<QFile>(fileName);
    if (!file->open(QIODevice::ReadOnly))
        throw ERpError(platform::cannotOpenFileMessage(fullName, file->errorString()));
    return openDevice(std::move(file));
}

std::unique_ptr<TRpStream> TRpStream::openDevice(std::unique_ptr<QIODevice> device)
{
    if (!device || !device->isReadable() || device->isSequential())
        throw readError();
    auto stream = std::make_unique<TRpStream>(0);
    stream->m_size = device->size();
    stream->m_file = std::move(device);
    stream->m_readOnly = true;
    return stream;
}

qint64 TRpStream::size() const
{
    std::lock_guard guard(m_lock);
    return m_size;
}

qint64 TRpStream::pos() const
{
    std::lock_guard guard(m_lock);
    return m_pos;
}

void TRpStream::seek(qint64 position)
{
    std::lock_guard guard(m_lock);
    m_pos = std::clamp<qint64>(position, 0, m_size);
}

qint64 TRpStream::read(char* data, qint64 count)
{
    std::lock_guard guard(m_lock);
    const qint64 n = std::clamp<qint64>(m_size - m_pos, 0, std::max<qint64>(count, 0));
    if (n == 0)
        return 0;
    if (m_file) {
        if (!m_file->seek(m_pos) || m_file->read(data, n) != n)
            throw readError();
    } else {
        std::memcpy(data, m_memory.constData() + m_pos, std::size_t(n));
    }
    m_pos += n;
    return n;
}

void TRpStream::write(const char* data, qint64 count)
{
    std::lock_guard guard(m_lock);
    if (count <= 0)
        return;
    if (m_readOnly)
        throw writeError();
    if (m_file) {
        if (!m_file->seek(m_pos) || m_file->write(data, count) != count)
            throw writeError();
    } else {
        if (m_pos + count > m_memory.size())
            m_memory.resize(m_pos + count);
        std::memcpy(m_memory.data() + m_pos, data, std::size_t(count));
    }
    m_pos += count;
    m_size = std::max(m_size, m_pos);
    if (!m_file && m_size > m_memoryLimit)
        spill();
}

void TRpStream::truncate(qint64 size)
{
    std::lock_guard guard(m_lock);
    if (m_readOnly)
        throw writeError();
    size = std::clamp<qint64>(size, 0, m_size);
    if (m_file) {
        auto* file = qobject_cast<QFileDevice*>(m_file.get());
        if (!file || !file->resize(size))
            throw writeError();
    } else {
        m_memory.truncate(size);
    }
    m_size = size;
    m_pos = std::min(m_pos, size);
}

void TRpStream::spill()
{
    auto file
        = std::make_unique<QTemporaryFile>(QDir(QDir::tempPath()).filePath(QStringLiteral("RPFXXXXXX")));
    if (!file->open())
        throw ERpError(QCoreApplication::translate("report", "Cannot create file \"%1\". %2")
                           .arg(file->fileTemplate(), file->errorString()));
    // A full disk must not leave a shortened store behind a stream that believes it holds every page.
    if (file->write(m_memory.constData(), m_size) != m_size || !file->flush())
        throw writeError();
    m_file = std::move(file);
    m_memory = QByteArray();
}

void TRpStream::readExact(char* data, qint64 count)
{
    std::lock_guard guard(m_lock);
    if (read(data, count) != count)
        throw readError();
}

qint32 TRpStream::readInt32()
{
    unsigned char bytes[4];
    readExact(reinterpret_cast<char*>(bytes), 4);
    return qint32(
        quint32(bytes[0]) | (quint32(bytes[1]) << 8) | (quint32(bytes[2]) << 16) | (quint32(bytes[3]) << 24));
}

void TRpStream::writeInt32(qint32 value)
{
    const quint32 v = quint32(value);
    const char bytes[4]
        = { char(v & 0xff), char((v >> 8) & 0xff), char((v >> 16) & 0xff), char((v >> 24) & 0xff) };
    write(bytes, 4);
}

QString TRpStream::fileName() const
{
    std::lock_guard guard(m_lock);
    const auto* file = qobject_cast<const QFile*>(m_file.get());
    return file ? file->fileName() : QString();
}

} // namespace report
