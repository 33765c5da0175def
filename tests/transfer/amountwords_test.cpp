// SPDX-License-Identifier: GPL-2.0-or-later
// The amount of a deposit in words: every teen, every hundred, the three forms of złoty and of each scale.
#include "transfer/amountwords.h"

#include <gtest/gtest.h>

TEST(AmountInWords, Table)
{
    struct Row {
        std::uint64_t zlote;
        int grosze;
        const char* words;
    };
    const Row rows[] = {
        { 0, 99, "zero złotych 99/100" },
        { 1, 0, "jeden złoty 00/100" },
        { 2, 0, "dwa złote 00/100" },
        { 3, 1, "trzy złote 01/100" },
        { 4, 0, "cztery złote 00/100" },
        { 5, 0, "pięć złotych 00/100" },
        { 6, 0, "sześć złotych 00/100" },
        { 7, 0, "siedem złotych 00/100" },
        { 8, 0, "osiem złotych 00/100" },
        { 9, 0, "dziewięć złotych 00/100" },
        { 10, 0, "dziesięć złotych 00/100" },
        { 11, 0, "jedenaście złotych 00/100" },
        { 12, 5, "dwanaście złotych 05/100" },
        { 13, 0, "trzynaście złotych 00/100" },
        { 14, 0, "czternaście złotych 00/100" },
        { 15, 0, "piętnaście złotych 00/100" },
        { 16, 0, "szesnaście złotych 00/100" },
        { 17, 0, "siedemnaście złotych 00/100" },
        { 18, 0, "osiemnaście złotych 00/100" },
        { 19, 0, "dziewiętnaście złotych 00/100" },
        { 20, 0, "dwadzieścia złotych 00/100" },
        { 21, 0, "dwadzieścia jeden złotych 00/100" },
        { 22, 0, "dwadzieścia dwa złote 00/100" },
        { 34, 10, "trzydzieści cztery złote 10/100" },
        { 45, 0, "czterdzieści pięć złotych 00/100" },
        { 58, 0, "pięćdziesiąt osiem złotych 00/100" },
        { 63, 0, "sześćdziesiąt trzy złote 00/100" },
        { 77, 0, "siedemdziesiąt siedem złotych 00/100" },
        { 89, 0, "osiemdziesiąt dziewięć złotych 00/100" },
        { 92, 0, "dziewięćdziesiąt dwa złote 00/100" },
        { 100, 0, "sto złotych 00/100" },
        { 112, 0, "sto dwanaście złotych 00/100" },
        { 122, 0, "sto dwadzieścia dwa złote 00/100" },
        { 200, 0, "dwieście złotych 00/100" },
        { 300, 0, "trzysta złotych 00/100" },
        { 400, 0, "czterysta złotych 00/100" },
        { 500, 0, "pięćset złotych 00/100" },
        { 600, 0, "sześćset złotych 00/100" },
        { 700, 0, "siedemset złotych 00/100" },
        { 800, 0, "osiemset złotych 00/100" },
        { 900, 0, "dziewięćset złotych 00/100" },
        { 1000, 0, "tysiąc złotych 00/100" },
        { 1001, 0, "tysiąc jeden złotych 00/100" },
        { 1234, 50, "tysiąc dwieście trzydzieści cztery złote 50/100" },
        { 2000, 0, "dwa tysiące złotych 00/100" },
        { 5000, 0, "pięć tysięcy złotych 00/100" },
        { 12000, 0, "dwanaście tysięcy złotych 00/100" },
        { 22000, 0, "dwadzieścia dwa tysiące złotych 00/100" },
        { 101000, 0, "sto jeden tysięcy złotych 00/100" },
        { 114002, 0, "sto czternaście tysięcy dwa złote 00/100" },
        { 1000000, 1, "milion złotych 01/100" },
        { 2000000, 0, "dwa miliony złotych 00/100" },
        { 5000000, 0, "pięć milionów złotych 00/100" },
        { 1001001, 0, "milion tysiąc jeden złotych 00/100" },
        { 13000000, 0, "trzynaście milionów złotych 00/100" },
        { 1000000000, 0, "miliard złotych 00/100" },
        { 3000000000, 0, "trzy miliardy złotych 00/100" },
        { 5000000000, 0, "pięć miliardów złotych 00/100" },
        { 999999999999, 99,
            "dziewięćset dziewięćdziesiąt dziewięć miliardów dziewięćset dziewięćdziesiąt dziewięć milionów "
            "dziewięćset dziewięćdziesiąt dziewięć tysięcy dziewięćset dziewięćdziesiąt dziewięć złotych "
            "99/100" },
    };
    for (const Row& row : rows) {
        const std::optional<QString> words = transfer::amountInWords(row.zlote, row.grosze);
        ASSERT_TRUE(words) << row.zlote;
        EXPECT_EQ(words->toStdString(), row.words) << row.zlote;
    }
}

TEST(AmountInWords, NothingBeyondTheScales)
{
    EXPECT_FALSE(transfer::amountInWords(transfer::MaxAmountInWords + 1, 0));
    EXPECT_FALSE(transfer::amountInWords(1, 100));
    EXPECT_FALSE(transfer::amountInWords(1, -1));
}
