// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/fileamount.h"

#include "platform/regional.h"
#include "transfer/transferrecord.h"

#include <charconv>
#include <cmath>
#include <string>

namespace transfer {

namespace {

bool allDigits(QStringView s)
{
    for (QChar c : s) {
        if (c.unicode() < '0' || c.unicode() > '9')
            return false;
    }
    return true;
}

// Plain digits, or digits grouped in threes by one of the separators (the same one throughout, the first
// group one to three digits long); the digits without the separators. Empty text gives empty digits.
std::optional<QString> groupedDigits(QStringView s, QStringView separators)
{
    if (allDigits(s))
        return s.toString();
    QChar separator;
    for (QChar c : s) {
        if (c.unicode() < '0' || c.unicode() > '9') {
            separator = c;
            break;
        }
    }
    if (!separators.contains(separator))
        return std::nullopt;
    const QList<QStringView> groups = s.split(separator);
    QString digits;
    for (qsizetype i = 0; i < groups.size(); ++i) {
        const QStringView g = groups[i];
        const bool sized = i == 0 ? (g.size() >= 1 && g.size() <= 3) : g.size() == 3;
        if (!sized || !allDigits(g))
            return std::nullopt;
        digits += g;
    }
    return digits;
}

struct Reading {
    bool negative = false;
    QString integer;
    QString fraction;
};

std::optional<double> valueOf(const std::optional<Reading>& r)
{
    if (!r || (r->integer.isEmpty() && r->fraction.isEmpty()))
        return std::nullopt;
    const std::string text = (r->integer.isEmpty() ? QStringLiteral("0") : r->integer).toStdString() + '.'
        + (r->fraction.isEmpty() ? QStringLiteral("0") : r->fraction).toStdString();
    double v = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), v);
    if (res.ec != std::errc() || !std::isfinite(v))
        return std::nullopt;
    return r->negative ? -v : v;
}

// The sign, and the rest without blanks around it.
QStringView withoutSign(QStringView text, bool& negative)
{
    auto isBlank = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\u00A0' || c == u'\u202F'; };
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.mid(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    negative = text.startsWith(u'-');
    if (negative || text.startsWith(u'+'))
        text = text.mid(1);
    return text;
}

std::optional<Reading> polishReading(QStringView text)
{
    static const QString groupSeparators = QStringLiteral(" \u00A0\u202F.");
    Reading r;
    const QStringView body = withoutSign(text, r.negative);
    const qsizetype comma = body.indexOf(u',');
    if (comma >= 0) {
        const QStringView fraction = body.mid(comma + 1);
        if (!allDigits(fraction))
            return std::nullopt;
        const auto integer = groupedDigits(body.left(comma), groupSeparators);
        if (!integer)
            return std::nullopt;
        r.integer = *integer;
        r.fraction = fraction.toString();
        return r;
    }
    const qsizetype dot = body.indexOf(u'.');
    if (dot >= 0 && body.lastIndexOf(u'.') == dot) {
        const QStringView integer = body.left(dot), fraction = body.mid(dot + 1);
        if (allDigits(integer) && allDigits(fraction) && fraction.size() >= 1 && fraction.size() <= 2) {
            r.integer = integer.toString();
            r.fraction = fraction.toString();
            return r;
        }
    }
    const auto integer = groupedDigits(body, groupSeparators);
    if (!integer)
        return std::nullopt;
    r.integer = *integer;
    return r;
}

std::optional<Reading> dotReading(QStringView text)
{
    Reading r;
    const QStringView body = withoutSign(text, r.negative);
    const qsizetype dot = body.indexOf(u'.');
    if (dot >= 0 && body.lastIndexOf(u'.') != dot)
        return std::nullopt;
    const QStringView fraction = dot >= 0 ? body.mid(dot + 1) : QStringView();
    if (!allDigits(fraction))
        return std::nullopt;
    const auto integer = groupedDigits(dot >= 0 ? body.left(dot) : body, u",");
    if (!integer)
        return std::nullopt;
    r.integer = *integer;
    r.fraction = fraction.toString();
    return r;
}

} // namespace

FileAmount readFileAmount(const QString& text)
{
    bool negative = false;
    if (withoutSign(text, negative).isEmpty() && !negative)
        return {};
    if (platform::decimalSeparator() == QLatin1Char(',')) {
        if (const auto v = amountFromText(text))
            return { FileAmount::State::Read, v };
    }
    const std::optional<double> polish = valueOf(polishReading(text));
    const std::optional<double> dotted = valueOf(dotReading(text));
    if (polish && dotted && *polish != *dotted)
        return { FileAmount::State::Ambiguous, std::nullopt };
    if (polish || dotted)
        return { FileAmount::State::Read, polish ? polish : dotted };
    return { FileAmount::State::Unreadable, std::nullopt };
}

} // namespace transfer
