// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/replacealltext.h"

#include <gtest/gtest.h>

TEST(ReplaceAllText, Rows)
{
    struct Row {
        const char* name;
        std::string pattern, replacement, source;
        bool caseSensitive;
        std::string expected;
    };
    const Row rows[] = {
        { "no overlap", "aa", "", "aaaa", true, "" },
        { "no overlap leaves the odd one", "aa", "", "aaa", true, "a" },
        { "empty pattern", "", "x", "abc", true, "abc" },
        { "empty source", "-", "", "", true, "" },
        { "no match", "-", "", "12 34", true, "12 34" },
        { "account hyphens", "-", "", "12-3456-7890", true, "1234567890" },
        { "longer replacement", "-", "<->", "a-b-", true, "a<->b<->" },
        { "pattern longer than source", "abcd", "", "abc", true, "abc" },
        { "case sensitive", "A", "x", "aA", true, "ax" },
        { "case folded", "A", "x", "aA", false, "xx" },
        { "only A to Z fold", "\xA5", "x", "\xB9\xA5", false, "\xB9x" }, // Ą and ą are different bytes
        { "match at the end", "34", "!", "1234", true, "12!" },
        { "tab and nbsp stay", " ", "",
            "1\t2\xA0"
            "3 4",
            true,
            "1\t2\xA0"
            "34" },
    };
    for (const Row& r : rows)
        EXPECT_EQ(transfer::ReplaceAllText(r.pattern, r.replacement, r.source, r.caseSensitive), r.expected)
            << r.name;
}

TEST(ReplaceAllText, TenThousandHyphensGoInThreeBatches)
{
    std::vector<std::size_t> batches;
    EXPECT_EQ(transfer::ReplaceAllText("-", "", std::string(10000, '-'), true, &batches), "");
    EXPECT_EQ(batches, (std::vector<std::size_t> { 4096, 4096, 1808 }));
}

TEST(ReplaceAllText, BatchesJoinWithoutLosingTheTextBetween)
{
    std::string source;
    std::string expected;
    for (int i = 0; i < 9000; ++i) {
        source += "ab-";
        expected += "ab+";
    }
    std::vector<std::size_t> batches;
    EXPECT_EQ(transfer::ReplaceAllText("-", "+", source, true, &batches), expected);
    EXPECT_EQ(batches, (std::vector<std::size_t> { 4096, 4096, 808 }));
}

TEST(FindText, PositionsCountFromOne)
{
    EXPECT_EQ(transfer::findText("aa", "aaaa", 1, true), 1u);
    EXPECT_EQ(transfer::findText("aa", "aaaa", 3, true), 3u);
    EXPECT_EQ(transfer::findText("aa", "aaaa", 4, true), 0u);
    EXPECT_EQ(transfer::findText("aa", "aaaa", -5, true), 1u);
    EXPECT_EQ(transfer::findText("a", "ba", 9, true), 0u);
    EXPECT_EQ(transfer::findText("", "ba", 1, true), 0u);
}
