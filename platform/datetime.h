// SPDX-License-Identifier: GPL-2.0-or-later
// Points in time as days counted from 30 December 1899 (day 0) with the time of day as the fraction,
// and the clock. A value of -700000 means "no date" in the date editor; nothing at or below 0 is a date
// for the commands that read one.
#pragma once

#include <QDate>
#include <QDateTime>

namespace platform {

inline constexpr double NoDate = -700000.0;

// Whole days for a date, plus the time of day as a fraction. Negative values keep the fraction positive
// for the time of day: -1.25 is 29 December 1899, 06:00.
double toDays(const QDateTime& dateTime);
double toDays(const QDate& date);
QDateTime fromDays(double days);
QDate dateOfDays(double days);

// The value rounded to the millisecond, the precision the record keeps.
double roundToMillisecond(double days);
// Whether the value carries a time of day other than midnight (to the millisecond).
bool hasTimeOfDay(double days);

double today(); // today's date, no time of day
double now(); // today's date with the current time of day

} // namespace platform
