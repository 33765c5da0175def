// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/files.h"
#include "support/files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace platform;

namespace {

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    return testsupport::writeFileIn(dir, name, bytes);
}

QString errorOf(const QString& path)
{
    try {
        readWholeFile(path);
    } catch (const FileError& e) {
        return e.message();
    }
    return QString();
}

} // namespace

TEST(Files, ReadsEveryByte)
{
    QTemporaryDir dir;
    QByteArray bytes("a\0b\r\n\xff", 6);
    const QString path = writeFile(dir, QStringLiteral("t.txt"), bytes);
    EXPECT_EQ(readWholeFile(path), std::string(bytes.constData(), 6));
    EXPECT_EQ(readWholeFile(writeFile(dir, QStringLiteral("empty.txt"), QByteArray())), std::string());
}

TEST(Files, OpenErrorsNameTheFileAndTheReason)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("brak.txt"));
    EXPECT_EQ(
        errorOf(missing), QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(missing));
    EXPECT_EQ(errorOf(dir.path()), QStringLiteral("Cannot open file \"%1\". Is a directory").arg(dir.path()));
    EXPECT_EQ(errorOf(QString()), QStringLiteral("Cannot open file \"\". No such file or directory"));
}

TEST(Files, APipeOrDeviceIsRefusedInsteadOfWaitedOn)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(errorOf(fifo), QStringLiteral("Cannot open file \"%1\". It is not a regular file").arg(fifo));
    EXPECT_TRUE(errorOf(QStringLiteral("/dev/zero")).endsWith(QStringLiteral("It is not a regular file")));
}

TEST(Files, AWriterHoldingTheFileKeepsReadersOut)
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("busy.txt"), "Kwota=1");
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR);
    ASSERT_GE(fd, 0);
    struct flock lock { };
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    ASSERT_EQ(::fcntl(fd, F_OFD_SETLK, &lock), 0);
    EXPECT_EQ(errorOf(path),
        QStringLiteral("Cannot open file \"%1\". The file is being written by another program").arg(path));
    EXPECT_EQ(readWholeFile(path, ShareMode::DenyNone), "Kwota=1");
    ::close(fd);
    EXPECT_EQ(readWholeFile(path), "Kwota=1");
}

TEST(Files, ReasonTextHasNoTrailingDotsOrBlanks)
{
    EXPECT_EQ(systemReasonText(ENOENT), QStringLiteral("No such file or directory"));
    EXPECT_EQ(cannotOpenFileMessage(QStringLiteral("/a"), QStringLiteral("Access denied. . ")),
        QStringLiteral("Cannot open file \"/a\". Access denied"));
    EXPECT_EQ(tempFolder(), QDir::tempPath());
}
