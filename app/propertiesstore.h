// SPDX-License-Identifier: GPL-2.0-or-later
// The property store of the main window: keeps the text of one editor in the current user's registry
// under the key PropertiesStore1\<editor name>, value "Text", restored at creation and stored at the end.
#pragma once

#include <QString>

class QLineEdit;

namespace app {

class TPropertiesStore {
public:
    explicit TPropertiesStore(QString storageName);
    TPropertiesStore(const TPropertiesStore&) = delete;
    TPropertiesStore& operator=(const TPropertiesStore&) = delete;

    // The editor whose "Text" is kept; its object name names the key below the store's key.
    void setComponent(QLineEdit* editor) { m_editor = editor; }

    const QString& storageName() const { return m_storageName; }

    // Restores the editor's text when the key and value are there. A registry file that cannot be read
    // is reported once (through the error display) and leaves the editor empty.
    void restore();
    // Replaces everything below the store's key with the editor's text. Raises
    // "Can't create the registry key: \<storage name>" when the key cannot be created or written.
    void store();
    // store(), with a failure shown through the error display unless a failure was shown already.
    void storeAndReport();

private:
    void report(const QString& message);

    QString m_storageName;
    QLineEdit* m_editor = nullptr;
    bool m_failureShown = false;
};

} // namespace app
