// SPDX-License-Identifier: GPL-2.0-or-later
// The date editor's texts: the regional short date (with an optional time), the words ("Dzisiaj",
// "Jutro", weekday names, "bom", "eom", "now" ...) with an optional "+"/"-" and up to four digits of
// days, and the shown form of a date value.
#pragma once

#include <QString>
#include <optional>

namespace transfer {

// The date the text gives, as days from 30 December 1899, or nothing when it gives none. today is a
// whole day; now carries today's time of day.
std::optional<double> parseDateText(const QString& text, double today, double now);
std::optional<double> parseDateText(const QString& text);

// A date as a transfer file writes it, read the Polish way whatever the desktop's settings: day.month.year
// (a month also by its Polish name), year-month-day, or one of the date words.
std::optional<double> parseFileDateText(const QString& text, double today, double now);

// The regional short date, and after one space the long time when the time of day is not zero; empty
// for the no-date marker (-700000) and anything below it.
QString dateDisplayText(double days);

} // namespace transfer
