// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/registry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStringDecoder>

namespace platform {

namespace {

// Qt writes INI files as UTF-8 text of blank lines, comments, [sections] and key=value lines.
// Anything else did not come from us and would be lost silently when QSettings rewrites the file.
bool looksLikeIni(const QByteArray& bytes)
{
    if (bytes.contains('\0'))
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return false;
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')))
            continue;
        if (line.contains(QLatin1Char('=')) && !line.startsWith(QLatin1Char('=')))
            continue;
        return false;
    }
    return true;
}

QString normalized(const QString& key)
{
    QString k = key;
    k.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (k.startsWith(QLatin1Char('/')))
        k.remove(0, 1);
    while (k.endsWith(QLatin1Char('/')))
        k.chop(1);
    return k;
}

} // namespace

QString Registry::filePath()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/przelew/registry.ini");
}

Registry::Registry()
{
    const QString path = filePath();
    QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        m_status = Status::Unreadable;
        m_detail = info.isDir() ? QCoreApplication::translate("platform", "Is a directory")
                                : QCoreApplication::translate("platform", "It is not a regular file");
    } else if (info.exists()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            m_status = Status::Unreadable;
            m_detail = file.errorString();
        } else if (!looksLikeIni(file.readAll())) {
            file.close();
            const QString aside = path + QStringLiteral(".corrupt");
            QFile::remove(aside);
            if (QFile::rename(path, aside)) {
                m_status = Status::Corrupt;
                m_detail = aside;
            } else {
                m_status = Status::Unreadable;
                m_detail
                    = QCoreApplication::translate("platform", "The file is damaged and cannot be renamed");
            }
        }
    }
    // What could not be read is never opened for writing either, so it is never overwritten.
    if (m_status != Status::Unreadable)
        m_settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
}

Registry::~Registry()
{
    flush();
}

bool Registry::keyExists(const QString& key) const
{
    if (!m_settings)
        return false;
    const QString k = normalized(key);
    m_settings->beginGroup(k);
    const bool exists = !m_settings->childKeys().isEmpty() || !m_settings->childGroups().isEmpty();
    m_settings->endGroup();
    return exists;
}

bool Registry::createKey(const QString& key)
{
    Q_UNUSED(key); // an INI file keeps a key only once it holds a value
    if (!m_settings)
        return false;
    const QFileInfo info(filePath());
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    if (info.exists() && (!info.isFile() || !info.isWritable()))
        return false;
    if (!info.exists() && !QFileInfo(info.absolutePath()).isWritable())
        return false;
    return m_settings->isWritable();
}

bool Registry::deleteKey(const QString& key)
{
    const QString k = normalized(key);
    if (!m_settings || k.isEmpty())
        return false;
    m_settings->remove(k);
    return true;
}

QStringList Registry::valueNames(const QString& key) const
{
    if (!m_settings)
        return {};
    m_settings->beginGroup(normalized(key));
    QStringList names = m_settings->childKeys();
    m_settings->endGroup();
    return names;
}

bool Registry::hasValue(const QString& key, const QString& name) const
{
    return m_settings && m_settings->contains(normalized(key) + QLatin1Char('/') + name);
}

QString Registry::readString(const QString& key, const QString& name) const
{
    if (!m_settings)
        return {};
    return m_settings->value(normalized(key) + QLatin1Char('/') + name).toString();
}

bool Registry::writeString(const QString& key, const QString& name, const QString& value)
{
    if (!m_settings)
        return false;
    m_settings->setValue(normalized(key) + QLatin1Char('/') + name, value);
    return true;
}

bool Registry::flush()
{
    if (!m_settings)
        return false;
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

} // namespace platform
