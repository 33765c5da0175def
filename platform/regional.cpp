// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/regional.h"

#include <QLocale>
#include <QRegularExpression>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace platform {

QChar decimalSeparator()
{
    const QString s = QLocale().decimalPoint();
    return s.isEmpty() ? QChar('.') : s.at(0);
}

QChar thousandsSeparator()
{
    const QString s = QLocale().groupSeparator();
    return s.isEmpty() ? QChar(' ') : s.at(0);
}

QString shortDateFormat()
{
    return shortDateFormat(QLocale());
}

QString shortDateFormat(const QLocale& locale)
{
    return locale.dateFormat(QLocale::ShortFormat);
}

QChar dateSeparator()
{
    for (QChar c : shortDateFormat()) {
        if (!c.isLetter() && c != QLatin1Char('\''))
            return c;
    }
    return QChar('.');
}

QString longTimeFormat()
{
    return longTimeFormat(QLocale());
}

QLocale polishLocale()
{
    return QLocale(QLocale::Polish, QLocale::Poland);
}

QString longTimeFormat(const QLocale& locale)
{
    QString format = locale.timeFormat(QLocale::LongFormat);
    // Drop the zone field with the blanks that join it to the rest.
    format.remove(QRegularExpression(QStringLiteral("\\s*t+\\s*")));
    return format.trimmed();
}

QString formatFixed(double value, int decimals)
{
    if (!std::isfinite(value))
        return QString::number(value);
    // 18 significant digits in decimal (locale-free), then round half away from zero at the wanted place.
    char buf[64];
    const auto res
        = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 17);
    const std::string s(buf, res.ptr);
    const auto ePos = s.find('e');
    const std::string digits = s.substr(0, 1) + s.substr(2, ePos - 2);
    const int exponent = std::atoi(s.c_str() + ePos + 1);
    // digits[i] weighs 10^(exponent - i); the kept ones weigh at least 10^-decimals.
    const int keep = exponent + 1 + decimals;
    std::string kept; // the value in units of 10^-decimals
    if (keep < 0) {
        kept = "0";
    } else if (keep == 0) {
        kept = digits[0] >= '5' ? "1" : "0";
    } else if (size_t(keep) < digits.size()) {
        kept = digits.substr(0, size_t(keep));
        if (digits[size_t(keep)] >= '5') {
            int i = keep - 1;
            while (i >= 0 && kept[size_t(i)] == '9')
                kept[size_t(i--)] = '0';
            if (i < 0)
                kept.insert(kept.begin(), '1');
            else
                ++kept[size_t(i)];
        }
    } else {
        kept = digits + std::string(size_t(keep) - digits.size(), '0');
    }
    while (kept.size() < size_t(decimals) + 1)
        kept.insert(kept.begin(), '0');
    std::string intPart = kept.substr(0, kept.size() - size_t(decimals));
    const std::string frac = kept.substr(kept.size() - size_t(decimals));
    const auto nz = intPart.find_first_not_of('0');
    intPart = nz == std::string::npos ? "0" : intPart.substr(nz);
    QString out = QString::fromStdString(intPart);
    if (decimals > 0)
        out += decimalSeparator() + QString::fromStdString(frac);
    if (value < 0 && kept.find_first_not_of('0') != std::string::npos)
        out.prepend(QLatin1Char('-'));
    return out;
}

QString formatGeneral(double value)
{
    if (!std::isfinite(value))
        return QString::number(value);
    // Locale-free: the C library would write the process locale's separator.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    QString s = QString::fromLatin1(buf, res.ptr - buf).toUpper();
    // "%G" writes "1.5E+20"; keep the exponent short ("1,5E20", "1E-5").
    const qsizetype e = s.indexOf(QLatin1Char('E'));
    if (e >= 0) {
        QString mant = s.left(e);
        QString exp = s.mid(e + 1);
        const bool negative = exp.startsWith(QLatin1Char('-'));
        exp.remove(0, 1);
        while (exp.size() > 1 && exp.startsWith(QLatin1Char('0')))
            exp.remove(0, 1);
        s = mant + QLatin1Char('E') + (negative ? QStringLiteral("-") : QString()) + exp;
    }
    s.replace(QLatin1Char('.'), decimalSeparator());
    return s;
}

std::optional<double> parseDecimal(const QString& text, QChar decimalSep)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto isBlank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    while (i < n && isBlank(text.at(i)))
        ++i;
    std::string c;
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
        c.push_back(char(text.at(i++).unicode()));
    // Copies the digits that follow and counts them.
    auto copyDigits = [&] {
        int count = 0;
        for (; i < n && text.at(i).unicode() >= '0' && text.at(i).unicode() <= '9'; ++count)
            c.push_back(char(text.at(i++).unicode()));
        return count;
    };
    int mantissaDigits = copyDigits();
    if (i < n && text.at(i) == decimalSep) {
        ++i;
        c.push_back('.');
        mantissaDigits += copyDigits();
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < n && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        ++i;
        c.push_back('e');
        if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
            c.push_back(char(text.at(i++).unicode()));
        if (copyDigits() == 0)
            return std::nullopt;
    }
    while (i < n && isBlank(text.at(i)))
        ++i;
    if (i != n)
        return std::nullopt;
    double v = 0;
    const char* first = c.c_str();
    if (*first == '+')
        ++first;
    const auto res = std::from_chars(first, c.c_str() + c.size(), v);
    if (res.ec != std::errc() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<double> parseDecimal(const QString& text)
{
    return parseDecimal(text, decimalSeparator());
}

int decimalsAfterSeparator(const QString& text, QChar decimalSep)
{
    const qsizetype sep = text.indexOf(decimalSep);
    if (sep < 0)
        return 0;
    int count = 0;
    for (qsizetype i = sep + 1; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('e') || c == QLatin1Char('E'))
            break;
        if (c.isDigit())
            ++count;
    }
    return count;
}

} // namespace platform
