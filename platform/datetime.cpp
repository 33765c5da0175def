// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/datetime.h"

#include <cmath>

namespace platform {

namespace {
const QDate epoch(1899, 12, 30);
constexpr qint64 msPerDay = 86400000;

// Splits a day value into whole days and milliseconds of the day (0 .. msPerDay-1).
void split(double days, qint64& wholeDays, qint64& ms)
{
    // Far beyond any calendar date (or not a number): day 0, so nothing overflows.
    if (!std::isfinite(days) || std::fabs(days) > 1e9) {
        wholeDays = 0;
        ms = 0;
        return;
    }
    const double whole = std::trunc(days);
    ms = qint64(std::llround(std::fabs(days - whole) * double(msPerDay)));
    wholeDays = qint64(whole);
    if (ms >= msPerDay) {
        ms -= msPerDay;
        wholeDays += days < 0 ? -1 : 1;
    }
}

double join(qint64 wholeDays, qint64 ms)
{
    const double fraction = double(ms) / double(msPerDay);
    return wholeDays < 0 ? double(wholeDays) - fraction : double(wholeDays) + fraction;
}
} // namespace

double toDays(const QDate& date)
{
    return double(epoch.daysTo(date));
}

double toDays(const QDateTime& dateTime)
{
    const QTime t = dateTime.time();
    return join(epoch.daysTo(dateTime.date()), t.isValid() ? t.msecsSinceStartOfDay() : 0);
}

QDate dateOfDays(double days)
{
    qint64 whole = 0, ms = 0;
    split(days, whole, ms);
    return epoch.addDays(whole);
}

QDateTime fromDays(double days)
{
    qint64 whole = 0, ms = 0;
    split(days, whole, ms);
    return QDateTime(epoch.addDays(whole), QTime::fromMSecsSinceStartOfDay(int(ms)));
}

double roundToMillisecond(double days)
{
    if (!std::isfinite(days))
        return days;
    qint64 whole = 0, ms = 0;
    split(days, whole, ms);
    return join(whole, ms);
}

bool hasTimeOfDay(double days)
{
    qint64 whole = 0, ms = 0;
    split(days, whole, ms);
    return ms != 0;
}

double today()
{
    return toDays(QDate::currentDate());
}

double now()
{
    return toDays(QDateTime::currentDateTime());
}

} // namespace platform
