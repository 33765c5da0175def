// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/propertiesstore.h"

#include "platform/error.h"
#include "platform/errordisplay.h"
#include "platform/registry.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace app {

TPropertiesStore::TPropertiesStore(QString storageName)
    : m_storageName(std::move(storageName))
{
}

void TPropertiesStore::report(const QString& message)
{
    if (m_failureShown)
        return;
    m_failureShown = true;
    // At the end of the program the window is already closed: the box then stands alone.
    QWidget* parent = m_editor && m_editor->window()->isVisible() ? m_editor->window() : nullptr;
    platform::showError(message, parent);
}

void TPropertiesStore::restore()
{
    if (!m_editor)
        return;
    platform::Registry registry;
    switch (registry.status()) {
    case platform::Registry::Status::Ok:
        break;
    case platform::Registry::Status::Unreadable:
        report(
            QCoreApplication::translate("app::TPropertiesStore", "Cannot read the registry file \"%1\". %2")
                .arg(platform::Registry::filePath(), registry.statusDetail()));
        return;
    case platform::Registry::Status::Corrupt:
        report(QCoreApplication::translate("app::TPropertiesStore",
            "The registry file \"%1\" was damaged and has been kept as \"%2\"; the payer "
            "account starts empty")
                   .arg(platform::Registry::filePath(), registry.statusDetail()));
        return;
    }
    if (!registry.keyExists(m_storageName))
        return;
    const QString key = m_storageName + QLatin1Char('/') + m_editor->objectName();
    if (!registry.keyExists(key))
        return;
    if (registry.valueNames(key).contains(QStringLiteral("Text")))
        m_editor->setText(registry.readString(key, QStringLiteral("Text")));
}

void TPropertiesStore::store()
{
    if (!m_editor)
        return;
    const QString failure
        = QCoreApplication::translate("app::TPropertiesStore", "Can't create the registry key: \\%1")
              .arg(m_storageName);
    platform::Registry registry;
    if (registry.status() == platform::Registry::Status::Unreadable)
        throw platform::Error(failure);
    // Nothing is deleted before it is certain that the new key can be written.
    if (!registry.createKey(m_storageName))
        throw platform::Error(failure);
    registry.deleteKey(m_storageName);
    const QString key = m_storageName + QLatin1Char('/') + m_editor->objectName();
    registry.writeString(key + QStringLiteral("/[ClassName]"), QStringLiteral("ClassName"),
        QStringLiteral("TPropertiesStoreComponent"));
    registry.writeString(key, QStringLiteral("Text"), m_editor->text());
    if (!registry.flush())
        throw platform::Error(failure);
}

void TPropertiesStore::storeAndReport()
{
    try {
        store();
    } catch (const platform::Error& e) {
        report(e.message());
    }
}

} // namespace app
