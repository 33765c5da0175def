// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/cp1250.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Cp1250, PolishLettersAreOneByteEach)
{
    const std::string bytes = toCp1250(QStringLiteral("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ"));
    EXPECT_EQ(bytes, "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF");
    EXPECT_EQ(fromCp1250(bytes), QStringLiteral("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ"));
}

TEST(Cp1250, EveryByteSurvivesARoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(char(b));
    const QString text = fromCp1250(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(toCp1250(text), all);
}

TEST(Cp1250, CharactersOutsideTheCodePageBecomeOneQuestionMark)
{
    EXPECT_EQ(toCp1250(QStringLiteral("a€b")),
        "a\x80"
        "b"); // the euro sign is in the code page
    EXPECT_EQ(toCp1250(QStringLiteral("ж")), "?");
    EXPECT_EQ(
        toCp1250(QString::fromUtf8("x\xF0\x9F\x98\x80y")), "x?y"); // one character beyond the basic plane
    EXPECT_EQ(cp1250Byte(QChar(0x00A0)), 0xA0);
    EXPECT_EQ(toCp1250(QStringLiteral("a\uFFFD")), "a?");
}

TEST(Cp1250, FileTextGivesNoControlForAnUndefinedByte)
{
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, char(b));
        const bool undefined = b == 0x81 || b == 0x83 || b == 0x88 || b == 0x90 || b == 0x98;
        EXPECT_EQ(fromCp1250Text(byte), undefined ? QString(QChar(0xFFFD)) : fromCp1250(byte)) << b;
    }
}

TEST(Cp1250, WellFormedUtf8)
{
    struct Row {
        const char* name;
        std::string bytes;
        bool wellFormed;
    };
    const Row rows[] = {
        { "ASCII", "Kwota=5", true },
        { "Polish letters", "\xC5\x81\xC3\xB3\x64\xC5\xBA", true },
        { "four bytes", "\xF0\x9F\x98\x80", true },
        { "code page 1250 Łódź", "\xA3\xF3\x64\x9F", false },
        { "overlong slash", "\xC0\xAF", false },
        { "overlong three bytes", "\xE0\x80\xAF", false },
        { "surrogate", "\xED\xA0\x80", false },
        { "past U+10FFFF", "\xF4\x90\x80\x80", false },
        { "cut at the end", "ab\xC5", false },
        { "lone continuation", "\x80", false },
    };
    for (const Row& r : rows)
        EXPECT_EQ(isWellFormedUtf8(r.bytes), r.wellFormed) << r.name;
}
