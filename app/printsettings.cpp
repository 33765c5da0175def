#include "app/printsettings.h"

#include "platform/registry.h"

namespace app {

namespace {

const QString SettingsKey = QStringLiteral("Ustawienia");
const QString FormValue = QStringLiteral("Formularz");

} // namespace

printout::FormKind storedFormKind()
{
    const platform::Registry registry;
    if (registry.status() == platform::Registry::Status::Ok && registry.hasValue(SettingsKey, FormValue)
        && registry.readString(SettingsKey, FormValue) == QLatin1String("wplata"))
        return printout::FormKind::Deposit;
    return printout::FormKind::Transfer;
}

bool storeFormKind(printout::FormKind kind)
{
    platform::Registry registry;
    if (registry.status() == platform::Registry::Status::Unreadable)
        return false;
    const QString value
        = kind == printout::FormKind::Deposit ? QStringLiteral("wplata") : QStringLiteral("przelew");
    return registry.writeString(SettingsKey, FormValue, value) && registry.flush();
}

} // namespace app
