// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/amountwords.h"

#include <QStringList>
#include <array>

namespace transfer {

namespace {

constexpr std::array<const char*, 10> Units
    = { "", "jeden", "dwa", "trzy", "cztery", "pięć", "sześć", "siedem", "osiem", "dziewięć" };
constexpr std::array<const char*, 10> Teens = { "dziesięć", "jedenaście", "dwanaście", "trzynaście",
    "czternaście", "piętnaście", "szesnaście", "siedemnaście", "osiemnaście", "dziewiętnaście" };
constexpr std::array<const char*, 10> Tens = { "", "", "dwadzieścia", "trzydzieści", "czterdzieści",
    "pięćdziesiąt", "sześćdziesiąt", "siedemdziesiąt", "osiemdziesiąt", "dziewięćdziesiąt" };
constexpr std::array<const char*, 10> Hundreds = { "", "sto", "dwieście", "trzysta", "czterysta", "pięćset",
    "sześćset", "siedemset", "osiemset", "dziewięćset" };

// A noun after a number: one, a few (2-4 but not 12-14, by the last two digits) or many.
struct Forms {
    const char* one;
    const char* few;
    const char* many;
};

constexpr Forms Zloty { "złoty", "złote", "złotych" };
// Thousands, millions, billions.
constexpr std::array<Forms, 3> Scales { { { "tysiąc", "tysiące", "tysięcy" },
    { "milion", "miliony", "milionów" }, { "miliard", "miliardy", "miliardów" } } };

const char* form(const Forms& forms, std::uint64_t n)
{
    if (n == 1)
        return forms.one;
    const std::uint64_t lastTwo = n % 100, last = n % 10;
    if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14))
        return forms.few;
    return forms.many;
}

// 1..999 in words.
void appendGroup(QStringList& words, int n)
{
    if (n >= 100)
        words << QString::fromUtf8(Hundreds[std::size_t(n / 100)]);
    const int rest = n % 100;
    if (rest >= 10 && rest < 20) {
        words << QString::fromUtf8(Teens[std::size_t(rest - 10)]);
        return;
    }
    if (rest >= 20)
        words << QString::fromUtf8(Tens[std::size_t(rest / 10)]);
    if (rest % 10 != 0)
        words << QString::fromUtf8(Units[std::size_t(rest % 10)]);
}

} // namespace

std::optional<QString> amountInWords(std::uint64_t zlote, int grosze)
{
    if (zlote > MaxAmountInWords || grosze < 0 || grosze > 99)
        return std::nullopt;
    QStringList words;
    if (zlote == 0)
        words << QStringLiteral("zero");
    // From billions down: a group of one at a scale is the scale's noun alone ("tysiąc", not "jeden
    // tysiąc").
    std::uint64_t divisor = 1'000'000'000;
    for (int scale = int(Scales.size()) - 1; scale >= 0; --scale, divisor /= 1000) {
        const auto group = int(zlote / divisor % 1000);
        if (group == 0)
            continue;
        if (group != 1)
            appendGroup(words, group);
        words << QString::fromUtf8(form(Scales[std::size_t(scale)], std::uint64_t(group)));
    }
    if (const auto units = int(zlote % 1000); units != 0)
        appendGroup(words, units);
    words << QString::fromUtf8(form(Zloty, zlote));
    return words.join(QLatin1Char(' ')) + QStringLiteral(" %1/100").arg(grosze, 2, 10, QLatin1Char('0'));
}

} // namespace transfer
