// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

QString trimReason(QString reason)
{
    while (!reason.isEmpty() && (reason.back() == QLatin1Char('.') || reason.back().isSpace()))
        reason.chop(1);
    return reason;
}

// Closes the descriptor, and with it the open-file-description lock, on every way out.
struct Descriptor {
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

QString systemReasonText(int errorNumber)
{
    char buf[256];
    // The GNU strerror_r returns the text, which may or may not be in buf.
    const char* text = strerror_r(errorNumber, buf, sizeof buf);
    return trimReason(QString::fromLocal8Bit(text));
}

QString cannotOpenFileMessage(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("platform", "Cannot open file \"%1\". %2")
        .arg(path, trimReason(reason));
}

std::string readWholeFile(const QString& path, ShareMode mode)
{
    const QByteArray native = QFile::encodeName(path);
    auto fail
        = [&](const QString& reason) -> FileError { return FileError(cannotOpenFileMessage(path, reason)); };
    if (native.isEmpty())
        throw fail(systemReasonText(ENOENT));
    Descriptor d;
    // O_NONBLOCK: opening a named pipe must not wait for a writer.
    d.fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (d.fd < 0)
        throw fail(systemReasonText(errno));
    struct stat st { };
    if (::fstat(d.fd, &st) != 0)
        throw fail(systemReasonText(errno));
    if (S_ISDIR(st.st_mode))
        throw fail(systemReasonText(EISDIR));
    if (!S_ISREG(st.st_mode))
        throw fail(QCoreApplication::translate("platform", "It is not a regular file"));
    if (mode == ShareMode::DenyWrite) {
        struct flock lock { };
        lock.l_type = F_RDLCK;
        lock.l_whence = SEEK_SET;
        lock.l_start = 0;
        lock.l_len = 0; // the whole file, however it grows
        if (::fcntl(d.fd, F_OFD_SETLK, &lock) != 0) {
            if (errno == EAGAIN || errno == EACCES)
                throw fail(
                    QCoreApplication::translate("platform", "The file is being written by another program"));
            // A file system without locks (some network mounts) is read unlocked rather than refused.
        }
    }
    // Read straight into the result; a file that grows while read is taken to its end all the same.
    std::string bytes;
    size_t used = 0;
    bytes.resize(st.st_size > 0 ? size_t(st.st_size) : 65536);
    for (;;) {
        if (used == bytes.size())
            bytes.resize(bytes.size() * 2);
        const ssize_t n = ::read(d.fd, bytes.data() + used, bytes.size() - used);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw fail(systemReasonText(errno));
        }
        if (n == 0)
            break;
        used += size_t(n);
    }
    bytes.resize(used);
    return bytes;
}

QString tempFolder()
{
    return QDir::tempPath();
}

} // namespace platform
