// SPDX-License-Identifier: GPL-2.0-or-later
// The user's regional settings as the program reads them (QLocale(), which follows LANG / LC_* unless a
// default was set), and the number forms that the amount editor and the printout share.
#pragma once

#include <QChar>
#include <QLocale>
#include <QString>
#include <optional>

namespace platform {

QChar decimalSeparator();
// Polish settings give U+00A0; Qt's own grouping is never used, only this character.
QChar thousandsSeparator();
// "d.MM.yyyy" under Polish settings.
QString shortDateFormat();
QString shortDateFormat(const QLocale& locale);
// The first character of the short date format that is no letter ("." under Polish settings).
QChar dateSeparator();
// The long time format without any time-zone field ("HH:mm:ss" under Polish settings).
QString longTimeFormat();
QString longTimeFormat(const QLocale& locale);

// Polish settings, whatever the desktop's: what a Polish bank form is printed with and what a transfer
// file written for one is read with.
QLocale polishLocale();

// The "0.00" form: fixed decimals, the regional decimal separator, no thousands separator; halves are
// rounded away from zero on the number's 18 significant digits, as a user reading decimals expects.
QString formatFixed(double value, int decimals = 2);
// The shortest general form with up to 15 significant digits and the regional decimal separator
// ("1234,5").
QString formatGeneral(double value);

// A decimal number written with the given decimal separator: blanks before and after, an optional sign,
// digits with at most one separator (a digit on at least one side), an optional exponent "E"/"e" with
// an optional sign and at least one digit. Anything else gives no number.
std::optional<double> parseDecimal(const QString& text, QChar decimalSep);
std::optional<double> parseDecimal(const QString& text);

// How many digits follow the decimal separator, not counting an exponent part.
int decimalsAfterSeparator(const QString& text, QChar decimalSep);

} // namespace platform
