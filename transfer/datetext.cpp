// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/datetext.h"

#include "platform/datetime.h"
#include "platform/regional.h"

#include <QDate>
#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <vector>

namespace transfer {

namespace {

enum class Word { Today, Yesterday, Tomorrow, Weekday, WeekDayNumber, Bom, Eom, Now };

struct DateWord {
    const char* text; // UTF-8
    Word kind;
    int number; // weekday (Sunday 0) or day of the week (first = 0)
};

const std::vector<DateWord>& wordsLongestFirst()
{
    static const std::vector<DateWord> words = [] {
        std::vector<DateWord> w {
            { "Dzisiaj", Word::Today, 0 },
            { "Wczoraj", Word::Yesterday, 0 },
            { "Jutro", Word::Tomorrow, 0 },
            { "Niedziela", Word::Weekday, 0 },
            { "Poniedziałek", Word::Weekday, 1 },
            { "Poniediałek", Word::Weekday, 1 }, // the spelling the program always knew
            { "Wtorek", Word::Weekday, 2 },
            { "Środa", Word::Weekday, 3 },
            { "Czwartek", Word::Weekday, 4 },
            { "Piątek", Word::Weekday, 5 },
            { "Sobota", Word::Weekday, 6 },
            { "Pierwszy", Word::WeekDayNumber, 0 },
            { "Drugi", Word::WeekDayNumber, 1 },
            { "Trzeci", Word::WeekDayNumber, 2 },
            { "Czwarty", Word::WeekDayNumber, 3 },
            { "Piąty", Word::WeekDayNumber, 4 },
            { "Szósty", Word::WeekDayNumber, 5 },
            { "Siódmy", Word::WeekDayNumber, 6 },
            { "bom", Word::Bom, 0 },
            { "eom", Word::Eom, 0 },
            { "now", Word::Now, 0 },
        };
        std::stable_sort(w.begin(), w.end(), [](const DateWord& a, const DateWord& b) {
            return QString::fromUtf8(a.text).size() > QString::fromUtf8(b.text).size();
        });
        return w;
    }();
    return words;
}

// "+3", "- 12" or nothing; false for anything else.
bool parseDayOffset(QString rest, int& offset)
{
    rest = rest.trimmed();
    offset = 0;
    if (rest.isEmpty())
        return true;
    const QChar sign = rest.at(0);
    if (sign != QLatin1Char('+') && sign != QLatin1Char('-'))
        return false;
    const QString digits = rest.mid(1).trimmed();
    if (digits.isEmpty() || digits.size() > 4)
        return false;
    for (QChar c : digits) {
        if (c.unicode() < '0' || c.unicode() > '9')
            return false;
    }
    offset = digits.toInt() * (sign == QLatin1Char('-') ? -1 : 1);
    return true;
}

std::optional<double> parseWord(const QString& text, double today, double now)
{
    const QDate day = platform::dateOfDays(today);
    for (const DateWord& w : wordsLongestFirst()) {
        const QString word = QString::fromUtf8(w.text);
        if (!text.startsWith(word, Qt::CaseInsensitive))
            continue;
        int offset = 0;
        if (!parseDayOffset(text.mid(word.size()), offset))
            return std::nullopt;
        const int sundayBased = day.dayOfWeek() % 7; // Qt counts Monday 1 .. Sunday 7
        double value = today;
        switch (w.kind) {
        case Word::Today:
            break;
        case Word::Yesterday:
            value = today - 1;
            break;
        case Word::Tomorrow:
            value = today + 1;
            break;
        case Word::Weekday:
            value = today + (w.number - sundayBased + 7) % 7;
            break;
        case Word::WeekDayNumber:
            value = today - sundayBased + w.number;
            break;
        case Word::Bom:
            value = platform::toDays(QDate(day.year(), day.month(), 1));
            break;
        case Word::Eom:
            value = platform::toDays(QDate(day.year(), day.month(), day.daysInMonth()));
            break;
        case Word::Now:
            value = now;
            break;
        }
        return value + offset;
    }
    return std::nullopt;
}

// How a short date is written: the order of its fields, their separator, the month names.
struct DateConvention {
    QString format;
    QChar separator;
    QLocale locale;
};

DateConvention desktopConvention()
{
    return { platform::shortDateFormat(), platform::dateSeparator(), QLocale() };
}

DateConvention polishConvention()
{
    const QLocale polish = platform::polishLocale();
    return { platform::shortDateFormat(polish), QLatin1Char('.'), polish };
}

int monthFromName(const QString& name, const QLocale& locale)
{
    for (int m = 1; m <= 12; ++m) {
        for (auto format : { QLocale::LongFormat, QLocale::ShortFormat }) {
            if (name.compare(locale.monthName(m, format), Qt::CaseInsensitive) == 0
                || name.compare(locale.standaloneMonthName(m, format), Qt::CaseInsensitive) == 0)
                return m;
        }
    }
    return 0;
}

bool allDigits(const QString& s)
{
    if (s.isEmpty())
        return false;
    for (QChar c : s) {
        if (c.unicode() < '0' || c.unicode() > '9')
            return false;
    }
    return true;
}

// Hours and minutes, with optional seconds, as a fraction of a day.
std::optional<double> parseTime(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    int values[3] = { 0, 0, 0 };
    for (int i = 0; i < parts.size(); ++i) {
        if (!allDigits(parts[i]) || parts[i].size() > 2)
            return std::nullopt;
        values[i] = parts[i].toInt();
    }
    if (values[0] > 23 || values[1] > 59 || values[2] > 59)
        return std::nullopt;
    return (values[0] * 3600 + values[1] * 60 + values[2]) / 86400.0;
}

std::optional<double> parseShortDate(const QString& text, double today, const DateConvention& convention)
{
    QString datePart = text;
    double timeOfDay = 0;
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    if (blank >= 0) {
        datePart = text.left(blank);
        const auto t = parseTime(text.mid(blank + 1).trimmed());
        if (!t)
            return std::nullopt;
        timeOfDay = *t;
    }
    // The order of day, month and year as the short date format has it.
    const QString& format = convention.format;
    const qsizetype d = format.indexOf(QLatin1Char('d'));
    const qsizetype m = format.indexOf(QLatin1Char('M'));
    const qsizetype y = format.indexOf(QLatin1Char('y'));
    if (d < 0 || m < 0 || y < 0)
        return std::nullopt;
    std::vector<std::pair<qsizetype, char>> order { { d, 'd' }, { m, 'm' }, { y, 'y' } };
    std::sort(order.begin(), order.end());

    const QStringList parts = datePart.split(convention.separator);
    if (parts.size() != 2 && parts.size() != 3)
        return std::nullopt;
    const QDate current = platform::dateOfDays(today);
    int day = 0, month = 0, year = current.year();
    int index = 0;
    for (const auto& [pos, field] : order) {
        Q_UNUSED(pos);
        if (field == 'y' && parts.size() == 2)
            continue; // day and month alone: this year
        if (index >= parts.size())
            return std::nullopt;
        const QString& part = parts[index++];
        if (field == 'd') {
            if (!allDigits(part) || part.size() > 2)
                return std::nullopt;
            day = part.toInt();
        } else if (field == 'm') {
            if (allDigits(part) && part.size() <= 2)
                month = part.toInt();
            else
                month = monthFromName(part, convention.locale);
            if (month == 0)
                return std::nullopt;
        } else {
            if (!allDigits(part) || (part.size() != 2 && part.size() != 4))
                return std::nullopt;
            year = part.toInt();
            if (part.size() == 2) {
                // Two digits fall within fifty years before or after this year.
                const int threshold = current.year() - 50;
                year += threshold / 100 * 100;
                if (year < threshold)
                    year += 100;
            }
        }
    }
    if (index != parts.size())
        return std::nullopt;
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return platform::toDays(date) + timeOfDay;
}

// Year, month and day joined by hyphens, as machines write dates.
std::optional<double> parseIsoDate(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('-'));
    if (parts.size() != 3 || parts[0].size() != 4 || !allDigits(parts[0]))
        return std::nullopt;
    for (int i = 1; i < 3; ++i) {
        if (!allDigits(parts[i]) || parts[i].size() > 2)
            return std::nullopt;
    }
    const QDate date(parts[0].toInt(), parts[1].toInt(), parts[2].toInt());
    if (!date.isValid())
        return std::nullopt;
    return platform::toDays(date);
}

std::optional<double> parseWithConvention(
    const QString& text, double today, double now, const DateConvention& convention)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    if (trimmed.at(0).isLetter()) {
        if (auto v = parseWord(trimmed, today, now))
            return v;
    }
    return parseShortDate(trimmed, today, convention);
}

} // namespace

std::optional<double> parseDateText(const QString& text, double today, double now)
{
    return parseWithConvention(text, today, now, desktopConvention());
}

std::optional<double> parseFileDateText(const QString& text, double today, double now)
{
    if (auto iso = parseIsoDate(text.trimmed()))
        return iso;
    return parseWithConvention(text, today, now, polishConvention());
}

std::optional<double> parseDateText(const QString& text)
{
    return parseDateText(text, platform::today(), platform::now());
}

QString dateDisplayText(double days)
{
    if (days <= platform::NoDate + 0.5 || !std::isfinite(days))
        return QString();
    const QDateTime dt = platform::fromDays(days);
    QString text = QLocale().toString(dt.date(), platform::shortDateFormat());
    if (platform::hasTimeOfDay(days))
        text += QLatin1Char(' ') + QLocale().toString(dt.time(), platform::longTimeFormat());
    return text;
}

} // namespace transfer
