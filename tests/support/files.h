// SPDX-License-Identifier: GPL-2.0-or-later
// Files for tests: whole-file reading and writing, and a named file in a test's temporary folder.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace testsupport {

inline QByteArray readFile(const QString& name)
{
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

inline void writeFile(const QString& name, const QByteArray& bytes)
{
    QFile f(name);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

// Writes the bytes to the named file of the folder and gives its path.
inline QString writeFileIn(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    writeFile(path, bytes);
    return path;
}

} // namespace testsupport
