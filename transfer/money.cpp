// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/money.h"

#include <cmath>
#include <cstdlib>

namespace transfer {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\u00A0' || c == u'\u202F';
}

bool allDigits(QStringView s)
{
    for (QChar c : s) {
        if (c.unicode() < '0' || c.unicode() > '9')
            return false;
    }
    return true;
}

// Plain digits, or digits grouped in threes (the first group one to three long) by the separator, or by
// blanks when there is none; the digits without the separators.
std::optional<QString> groupedDigits(QStringView s, QChar separator)
{
    if (allDigits(s))
        return s.toString();
    QString digits;
    qsizetype groupLength = 0;
    bool first = true;
    for (QChar c : s) {
        const bool separates = separator.isNull() ? isBlank(c) : c == separator;
        if (separates) {
            if (first ? (groupLength < 1 || groupLength > 3) : groupLength != 3)
                return std::nullopt;
            first = false;
            groupLength = 0;
        } else if (c.unicode() >= '0' && c.unicode() <= '9') {
            digits += c;
            ++groupLength;
        } else {
            return std::nullopt;
        }
    }
    if (groupLength != 3)
        return std::nullopt;
    return digits;
}

// A number as its digits and how many of them follow the decimal separator (negative: zeros to add).
struct Digits {
    QString digits;
    qsizetype scale = 0;
};

using State = AmountReading::State;

// "1e3", "1,5E-2": plain digits with at most one decimal comma or point, then the exponent.
std::optional<Digits> exponentForm(QStringView body, qsizetype e)
{
    QStringView mantissa = body.left(e), exponent = body.mid(e + 1);
    const bool negative = exponent.startsWith(u'-');
    if (negative || exponent.startsWith(u'+'))
        exponent = exponent.mid(1);
    if (exponent.isEmpty() || exponent.size() > 4 || !allDigits(exponent))
        return std::nullopt;
    qsizetype separator = mantissa.indexOf(u',');
    if (separator < 0)
        separator = mantissa.indexOf(u'.');
    const QStringView integer = separator < 0 ? mantissa : mantissa.left(separator);
    const QStringView fraction = separator < 0 ? QStringView() : mantissa.mid(separator + 1);
    if (integer.size() + fraction.size() == 0 || !allDigits(integer) || !allDigits(fraction))
        return std::nullopt;
    const int shift = exponent.toInt();
    return Digits { integer.toString() + fraction.toString(), fraction.size() + (negative ? shift : -shift) };
}

// Without an exponent, or the state that refuses the text.
std::variant<Digits, State> groupedForm(QStringView body)
{
    const qsizetype commas = body.count(u','), points = body.count(u'.');
    QChar decimal, group;
    if (commas > 0 && points > 0) {
        // The later of the two is the decimal separator, written once.
        decimal = body.lastIndexOf(u',') > body.lastIndexOf(u'.') ? u',' : u'.';
        group = decimal == u',' ? u'.' : u',';
        if (body.count(decimal) != 1 || body.lastIndexOf(group) > body.indexOf(decimal))
            return State::Unreadable;
    } else if (commas == 1 || points == 1) {
        decimal = commas == 1 ? u',' : u'.';
        const qsizetype at = body.indexOf(decimal);
        const QStringView integer = body.left(at), fraction = body.mid(at + 1);
        if (fraction.size() == 3 && integer.size() >= 1 && integer.size() <= 3 && allDigits(integer)
            && allDigits(fraction))
            return State::Ambiguous;
    } else if (commas > 1 || points > 1) {
        group = commas > 1 ? u',' : u'.';
    }
    const qsizetype at = decimal.isNull() ? body.size() : body.indexOf(decimal);
    const QStringView fraction = decimal.isNull() ? QStringView() : body.mid(at + 1);
    const std::optional<QString> integer = groupedDigits(body.left(at), group);
    if (!integer || !allDigits(fraction) || integer->size() + fraction.size() == 0)
        return State::Unreadable;
    return Digits { *integer + fraction.toString(), fraction.size() };
}

} // namespace

std::optional<Money> Money::fromRecordValue(double value)
{
    if (!std::isfinite(value) || std::abs(value) > MaxAmount.toRecordValue() + 0.005)
        return std::nullopt;
    return fromGrosze(std::llround(value * 100.0));
}

QString Money::text(QChar decimalSeparator) const
{
    const std::uint64_t magnitude = m_grosze < 0 ? std::uint64_t(-m_grosze) : std::uint64_t(m_grosze);
    return QStringLiteral("%1%2%3%4")
        .arg(m_grosze < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 100)
        .arg(decimalSeparator)
        .arg(int(magnitude % 100), 2, 10, QLatin1Char('0'));
}

QString Money::groupedText() const
{
    QString s = text();
    const qsizetype digitsEnd = s.indexOf(u',');
    const qsizetype digitsStart = s.startsWith(u'-') ? 1 : 0;
    for (qsizetype i = digitsEnd - 3; i > digitsStart; i -= 3)
        s.insert(i, u' ');
    return s;
}

QString Money::shortText(QChar decimalSeparator) const
{
    QString s = text(decimalSeparator);
    while (s.endsWith(u'0') && s.contains(decimalSeparator))
        s.chop(1);
    if (s.endsWith(decimalSeparator))
        s.chop(1);
    return s;
}

AmountReading readAmount(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.mid(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    if (text.isEmpty())
        return {};
    const bool negative = text.startsWith(u'-');
    const QStringView body = negative || text.startsWith(u'+') ? text.mid(1) : text;

    Digits number;
    qsizetype e = body.indexOf(u'e', 0, Qt::CaseInsensitive);
    if (e >= 0) {
        const std::optional<Digits> read = exponentForm(body, e);
        if (!read)
            return { State::Unreadable, std::nullopt };
        number = *read;
    } else {
        const std::variant<Digits, State> read = groupedForm(body);
        if (const State* refused = std::get_if<State>(&read))
            return { *refused, std::nullopt };
        number = std::get<Digits>(read);
    }

    // As whole grosze: two decimals exactly, padded with zeros or cut where only zeros follow.
    QString grosze = number.digits;
    if (number.scale <= 2) {
        grosze += QString(2 - number.scale, u'0');
    } else {
        const QStringView cut = QStringView(grosze).right(std::min(grosze.size(), number.scale - 2));
        if (cut.count(u'0') != cut.size())
            return { State::TooManyDecimals, std::nullopt };
        grosze.chop(cut.size());
    }
    while (grosze.startsWith(u'0'))
        grosze.remove(0, 1);
    if (grosze.size() > 14)
        return { State::TooLarge, std::nullopt };
    const std::int64_t value = grosze.isEmpty() ? 0 : grosze.toLongLong();
    return { State::Read, Money::fromGrosze(negative ? -value : value) };
}

} // namespace transfer
