// SPDX-License-Identifier: GPL-2.0-or-later
// The byte stream of a page store: in memory up to a limit, then in a temporary file "RPF…" that is
// deleted when the stream is freed; or a report file read from a device. Every read, write and seek runs
// under the stream's lock.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <memory>
#include <mutex>

class QIODevice;

namespace report {

class TRpStream {
public:
    explicit TRpStream(qint64 memoryLimit);
    // A stream on an existing report file, opened for reading while other programs may read and write
    // it, and kept open until the stream is freed (the file is not deleted then). Raises ERpError
    // "Cannot open file "<name>". <reason>".
    static std::unique_ptr<TRpStream> openFile(const QString& fileName);
    // A read-only stream on an open, readable and seekable device (a file, a buffer in memory), kept
    // until the stream is freed.
    static std::unique_ptr<TRpStream> openDevice(std::unique_ptr<QIODevice> device);
    ~TRpStream();
    TRpStream(const TRpStream&) = delete;
    TRpStream& operator=(const TRpStream&) = delete;

    qint64 size() const;
    qint64 pos() const;
    void seek(qint64 position); // clamped to 0..size
    // Reads up to count bytes at the position; returns how many were read.
    qint64 read(char* data, qint64 count);
    // Writes at the position, growing the stream; raises ERpError "Stream write error" when the
    // temporary file cannot take the bytes.
    void write(const char* data, qint64 count);

    // Cuts the stream to a size (no larger than it is); a stream on a loaded file raises "Stream write
    // error".
    void truncate(qint64 size);

    // Exact reads and little-endian integers; a short read raises ERpError "Stream read error".
    void readExact(char* data, qint64 count);
    qint32 readInt32();
    void writeInt32(qint32 value);

    // Whether the bytes live on a device (the temporary file, a loaded file) rather than in memory.
    bool inFile() const { return m_file != nullptr; }
    // The temporary file's name while the stream lives in one, or the opened file's name; empty for
    // memory and other devices.
    QString fileName() const;

    std::recursive_mutex& lock() const { return m_lock; }

private:
    void spill();

    qint64 m_memoryLimit;
    QByteArray m_memory;
    std::unique_ptr<QIODevice> m_file;
    bool m_readOnly = false;
    qint64 m_pos = 0;
    qint64 m_size = 0;
    mutable std::recursive_mutex m_lock;
};

} // namespace report
