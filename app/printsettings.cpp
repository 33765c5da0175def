// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/printsettings.h"

#include "platform/registry.h"

#include <cmath>
#include <optional>

namespace app {

namespace {

const QString SettingsKey = QStringLiteral("Ustawienia");
const QString FormValue = QStringLiteral("Formularz");

} // namespace

printout::FormKind storedFormKind()
{
    const platform::Registry registry;
    if (registry.status() == platform::Registry::Status::Ok && registry.hasValue(SettingsKey, FormValue)
        && printout::formKindNamed(registry.readString(SettingsKey, FormValue))
            == printout::FormKind::Deposit)
        return printout::FormKind::Deposit;
    return printout::FormKind::Transfer;
}

bool storeFormKind(printout::FormKind kind)
{
    platform::Registry registry;
    if (registry.status() == platform::Registry::Status::Unreadable)
        return false;
    return registry.writeString(SettingsKey, FormValue, printout::formKindName(kind)) && registry.flush();
}

namespace {

QString calibrationKey(const QString& queue)
{
    return QStringLiteral("Kalibracja/") + queue;
}

// Tenths of a millimetre as the file keeps them: millimetres with one decimal and a point ("-1.5").
QString millimetres(long double tenths)
{
    return QString::number(double(tenths) / 10.0, 'f', 1);
}

std::optional<long double> tenths(const QString& text)
{
    bool ok = false;
    const double mm = text.toDouble(&ok);
    if (!ok || std::abs(mm) > 100)
        return std::nullopt;
    return std::round(mm * 10);
}

} // namespace

report::TRpPlacement storedCalibration(const QString& queue)
{
    const platform::Registry registry;
    const QString key = calibrationKey(queue);
    if (queue.isEmpty() || registry.status() != platform::Registry::Status::Ok || !registry.keyExists(key))
        return {};
    const std::optional<long double> x = tenths(registry.readString(key, QStringLiteral("PrzesuniecieX")));
    const std::optional<long double> y = tenths(registry.readString(key, QStringLiteral("PrzesuniecieY")));
    const std::optional<int> scale = report::scalePermille(registry.readString(key, QStringLiteral("Skala")));
    if (!x || !y || !scale)
        return {};
    return report::TRpPlacement { *x, *y, *scale };
}

bool storeCalibration(const QString& queue, const report::TRpPlacement& calibration)
{
    platform::Registry registry;
    if (queue.isEmpty() || registry.status() == platform::Registry::Status::Unreadable)
        return false;
    const QString key = calibrationKey(queue);
    return registry.writeString(key, QStringLiteral("PrzesuniecieX"), millimetres(calibration.OffsetX))
        && registry.writeString(key, QStringLiteral("PrzesuniecieY"), millimetres(calibration.OffsetY))
        && registry.writeString(key, QStringLiteral("Skala"), report::scaleText(calibration.ScalePermille))
        && registry.flush();
}

} // namespace app
