// SPDX-License-Identifier: GPL-2.0-or-later
#include "printout/funkcje.h"

#include <cmath>
#include <gtest/gtest.h>

using printout::amountText;
using printout::piece;
using printout::SpaceLetters;

namespace {

struct SpaceRow {
    const char* name;
    std::string text;
    int count;
    bool upper;
    std::string expected;
};

class SpaceLettersRows : public testing::TestWithParam<SpaceRow> { };

TEST_P(SpaceLettersRows, SpacesEveryCharacter)
{
    const SpaceRow& row = GetParam();
    EXPECT_EQ(SpaceLetters(row.text, row.count, row.upper), row.expected);
}

// "\xB3" is ł and "\xA3" is Ł in code page 1250; "\xEA" is ę.
INSTANTIATE_TEST_SUITE_P(Funkcje, SpaceLettersRows,
    testing::Values(SpaceRow { "ThreeCharacters", "AB1", 2, false, "A  B  1  " },
        SpaceRow { "EmptyText", "", 2, false, "" }, SpaceRow { "CountZero", "abc", 0, false, "abc" },
        SpaceRow { "NegativeCount", "abc", -3, false, "abc" },
        SpaceRow { "CountOne", "xy", 1, false, "x y " },
        SpaceRow { "UpperOnlyAsciiLetters", "a\xB3\xEA-z", 1, true, "A \xB3 \xEA - Z " },
        SpaceRow { "UpperKeepsCapitals",
            "\xA3"
            "Ab",
            0, true,
            "\xA3"
            "AB" },
        SpaceRow { "SpacesAndDashesAreCharacters", "1 -", 2, false, "1     -  " },
        SpaceRow { "NulIsACharacter", std::string("a\0b", 3), 1, false, std::string("a \0 b ", 6) }),
    [](const testing::TestParamInfo<SpaceRow>& info) { return std::string(info.param.name); });

TEST(SpaceLetters, LengthIsTextTimesCountPlusOne)
{
    const std::string text(255, 'x');
    EXPECT_EQ(SpaceLetters(text, 2, false).size(), 765u);
}

struct PieceRow {
    const char* name;
    std::string text;
    int first, last;
    std::string expected;
};

class PieceRows : public testing::TestWithParam<PieceRow> { };

TEST_P(PieceRows, CutsCharactersFirstToLast)
{
    const PieceRow& row = GetParam();
    EXPECT_EQ(piece(row.text, row.first, row.last), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Funkcje, PieceRows,
    testing::Values(PieceRow { "Whole", "abcdef", 1, 6, "abcdef" },
        PieceRow { "Middle", "abcdef", 2, 4, "bcd" }, PieceRow { "EndsEarly", "abcdef", 4, 27, "def" },
        PieceRow { "StartsPastEnd", "abc", 4, 8, "" }, PieceRow { "StartsAtLast", "abc", 3, 8, "c" },
        PieceRow { "Empty", "", 1, 27, "" },
        PieceRow { "SecondLineOfExactly27", std::string(27, 'n'), 28, 54, "" }),
    [](const testing::TestParamInfo<PieceRow>& info) { return std::string(info.param.name); });

struct AmountRow {
    const char* name;
    double amount;
    const char* separator;
    std::string expected;
};

class AmountRows : public testing::TestWithParam<AmountRow> { };

TEST_P(AmountRows, FormatsWithTwoDecimals)
{
    const AmountRow& row = GetParam();
    EXPECT_EQ(amountText(row.amount, row.separator), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Funkcje, AmountRows,
    testing::Values(AmountRow { "Zero", 0.0, ",", "0,00" }, AmountRow { "NegativeZero", -0.0, ",", "0,00" },
        AmountRow { "OneEighthRoundsUp", 0.125, ",", "0,13" },
        AmountRow { "HalfCentRoundsUp", 0.005, ",", "0,01" },
        AmountRow { "HeldBelowHalfStaysDown", 2.675, ",", "2,67" },
        AmountRow { "HeldBelowHalfStaysDown2", 1.005, ",", "1,00" },
        AmountRow { "PaddedDecimals", 1234.5, ",", "1234,50" },
        AmountRow { "PointSeparator", 1234.5, ".", "1234.50" },
        AmountRow { "NegativeWithMinus", -3.5, ",", "-3,50" },
        AmountRow { "NegativeRoundsAwayFromZero", -0.125, ",", "-0,13" },
        AmountRow { "NegativeRoundingToZeroHasNoMinus", -0.001, ",", "0,00" },
        AmountRow { "CarryIntoIntegerPart", 9.996, ",", "10,00" },
        AmountRow { "CarryAllNines", 999.999, ",", "1000,00" },
        AmountRow { "NoGrouping", 1234567.89, ",", "1234567,89" },
        AmountRow { "SmallFraction", 0.01, ",", "0,01" }, AmountRow { "Tiny", 1e-300, ",", "0,00" },
        AmountRow { "BeyondEighteenDigits", 1e20, ",", "100000000000000000000,00" },
        // 16 integer digits leave two decimals inside the 18 significant digits, so the .xx5 tie is
        // settled there (to even) and never reaches the third-decimal rule.
        AmountRow { "EighteenDigitsFirst", 1000000000000000.625, ",", "1000000000000000,62" },
        AmountRow { "NotANumber", std::nan(""), ",", "NAN" },
        AmountRow { "Infinite", -INFINITY, ",", "-INF" }),
    [](const testing::TestParamInfo<AmountRow>& info) { return std::string(info.param.name); });

TEST(AmountText, HugeAmountKeepsEveryIntegerDigit)
{
    const std::string text = amountText(1e308, ",");
    EXPECT_EQ(text.size(), 309u + 3u);
    EXPECT_EQ(text.substr(0, 2), "10");
    EXPECT_EQ(text.substr(text.size() - 3), ",00");
}

} // namespace
