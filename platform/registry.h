// SPDX-License-Identifier: GPL-2.0-or-later
// The current user's registry: keys holding string values, kept in one INI file
// ($XDG_CONFIG_HOME/przelew/registry.ini, ~/.config when XDG_CONFIG_HOME is unset). A key is a path of
// names joined by "/" ("PropertiesStore1/eRachunekZleceniodawcy").
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QSettings;

namespace platform {

class Registry {
public:
    enum class Status { Ok, Unreadable, Corrupt };

    // Reads the file now. A damaged file (not UTF-8 text of sections and key=value lines) is renamed
    // to registry.ini.corrupt and the registry starts empty, so the next write loses nothing of it.
    // Changes reach the file at flush() or destruction.
    Registry();
    ~Registry();
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    static QString filePath();

    // Whether the file could be read when the registry was opened. A missing file is Ok (empty).
    Status status() const { return m_status; }
    // The system's reason when Unreadable; the new name of the damaged file when Corrupt.
    QString statusDetail() const { return m_detail; }

    // Open without creating: a key exists when it holds a value or a key.
    bool keyExists(const QString& key) const;
    // Creating makes the file writable-checked; false when the file or its folder cannot be written.
    bool createKey(const QString& key);
    // Deletes the key with every key and value below it; true also when there was nothing to delete.
    bool deleteKey(const QString& key);
    QStringList valueNames(const QString& key) const;
    bool hasValue(const QString& key, const QString& name) const;
    QString readString(const QString& key, const QString& name) const;
    bool writeString(const QString& key, const QString& name, const QString& value);

    // Writes pending changes; false when the file could not be written.
    bool flush();

private:
    std::unique_ptr<QSettings> m_settings;
    Status m_status = Status::Ok;
    QString m_detail;
};

} // namespace platform
