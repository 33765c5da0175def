// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/regional.h"
#include "support/localetest.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace platform;

namespace {
class Regional : public LocaleTest<QLocale::Polish, QLocale::Poland> { };
} // namespace

TEST_F(Regional, PolishSettings)
{
    EXPECT_EQ(decimalSeparator(), QChar(','));
    EXPECT_EQ(thousandsSeparator(), QChar(0x00A0));
    EXPECT_EQ(shortDateFormat(), QStringLiteral("d.MM.yyyy"));
    EXPECT_EQ(dateSeparator(), QChar('.'));
    EXPECT_EQ(longTimeFormat(), QStringLiteral("HH:mm:ss"));
}

TEST_F(Regional, FormatFixedRoundsHalvesAwayFromZero)
{
    struct Row {
        double value;
        const char* expected;
    };
    const Row rows[] = {
        { 0, "0,00" },
        { 12.5, "12,50" },
        { 0.125, "0,13" },
        { -0.125, "-0,13" },
        { 1.005, "1,00" },
        { 2.675, "2,67" },
        { 0.004, "0,00" },
        { -0.004, "0,00" },
        { 0.005, "0,01" },
        { 99.995, "100,00" },
        { 1234567.891, "1234567,89" },
        { 1e15, "1000000000000000,00" },
        { 0.0049999, "0,00" },
    };
    for (const Row& r : rows)
        EXPECT_EQ(formatFixed(r.value, 2), QString::fromLatin1(r.expected)) << r.value;
}

TEST_F(Regional, FormatGeneralIsShortest)
{
    EXPECT_EQ(formatGeneral(1234.5), QStringLiteral("1234,5"));
    EXPECT_EQ(formatGeneral(12), QStringLiteral("12"));
    EXPECT_EQ(formatGeneral(0.1 + 0.2), QStringLiteral("0,3"));
    EXPECT_EQ(formatGeneral(1e20), QStringLiteral("1E20"));
    EXPECT_EQ(formatGeneral(-2.5e-7), QStringLiteral("-2,5E-7"));
}

TEST_F(Regional, ParseDecimalRows)
{
    struct Row {
        const char* name;
        const char* text;
        std::optional<double> expected;
    };
    const Row rows[] = {
        { "plain", "1234,5", 1234.5 },
        { "blanks around", "  12,25 ", 12.25 },
        { "sign", "-3", -3.0 },
        { "plus", "+3,5", 3.5 },
        { "exponent", "1,5E3", 1500.0 },
        { "lower exponent with sign", "2e-2", 0.02 },
        { "separator last", "12,", 12.0 },
        { "separator first", ",5", 0.5 },
        { "point is no separator", "1234.5", std::nullopt },
        { "empty", "", std::nullopt },
        { "sign alone", "-", std::nullopt },
        { "exponent without digits", "1E", std::nullopt },
        { "two separators", "1,2,3", std::nullopt },
        { "letters", "12zł", std::nullopt },
        { "overflow", "1E999", std::nullopt },
    };
    for (const Row& r : rows) {
        const auto v = parseDecimal(QString::fromUtf8(r.text));
        EXPECT_EQ(v.has_value(), r.expected.has_value()) << r.name;
        if (v && r.expected) {
            EXPECT_DOUBLE_EQ(*v, *r.expected) << r.name;
        }
    }
}

TEST_F(Regional, DecimalsAfterSeparatorIgnoreTheExponent)
{
    EXPECT_EQ(decimalsAfterSeparator(QStringLiteral("1,25"), ','), 2);
    EXPECT_EQ(decimalsAfterSeparator(QStringLiteral("1,2E10"), ','), 1);
    EXPECT_EQ(decimalsAfterSeparator(QStringLiteral("125"), ','), 0);
}
