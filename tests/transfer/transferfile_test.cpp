// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/transferfile.h"

#include <gtest/gtest.h>

TEST(TransferFile, Rows)
{
    struct Row {
        const char* name;
        std::string bytes;
        std::string transfer::TransferFileValues::*field;
        std::string expected;
    };
    using V = transfer::TransferFileValues;
    const Row rows[] = {
        { "first matching key wins, any case", "NDNAZWA=Firma\nndnazwa=Inna\n", &V::NDNazwa, "Firma" },
        { "blank before = is part of the key", "NDNazwa =Firma\n", &V::NDNazwa, "" },
        { "value keeps further =", "Tytulem=Faktura=12", &V::Tytulem, "Faktura=12" },
        { "nothing trimmed", "WCNazwa=  Jan  \r\n", &V::WCNazwa, "  Jan  " },
        { "CR only ends lines", "NDNazwa=A\rTytulem=B\rKwota=1", &V::Tytulem, "B" },
        { "CR LF is one line end", "Kwota=5\r\nData=1.02.2024\r\n", &V::Data, "1.02.2024" },
        { "LF CR gives an empty line", "Kwota=5\n\rData=x", &V::Data, "x" },
        { "NUL ends the text", std::string("Kwota=5\0\nData=x", 15), &V::Data, "" },
        { "NUL inside a value cuts it",
            std::string("Kwota=5\0"
                        "0",
                9),
            &V::Kwota, "5" },
        { "byte order mark is no part of the first key", "\xEF\xBB\xBFNDNazwa=A\nTytulem=T", &V::NDNazwa,
            "A" },
        { "line after the byte order mark", "\xEF\xBB\xBFNDNazwa=A\nTytulem=T", &V::Tytulem, "T" },
        { "empty value counts as found", "Kwota=\nKwota=7", &V::Kwota, "" },
        { "line without = ignored", "Kwota\nKwota=7", &V::Kwota, "7" },
        { "Polish bytes kept", "WCNazwa=\xA3\xF3\x64\xBC", &V::WCNazwa, "\xA3\xF3\x64\xBC" },
        { "empty key", "=x\nNDKonto=3456 7890", &V::NDKonto, "3456 7890" },
    };
    for (const Row& r : rows)
        EXPECT_EQ(transfer::parseTransferFile(r.bytes).*(r.field), r.expected) << r.name;
}

TEST(TransferFile, AFileOfMillionsOfEmptyLinesIsWalkedInPlace)
{
    std::string bytes(5'000'000, '\n');
    bytes += "Tytulem=koniec";
    EXPECT_EQ(transfer::parseTransferFile(bytes).Tytulem, "koniec");
}

TEST(TransferFile, EncodingKeysAndLines)
{
    struct Row {
        const char* name;
        std::string bytes;
        bool utf8;
        int keysFound;
        int kwotaLine;
        int dataLine;
    };
    const Row rows[] = {
        { "code page 1250 letters", "NDNazwa=\xA3\xF3\x64\x9F\nKwota=1", false, 2, 2, 0 },
        { "UTF-8 letters", "NDNazwa=\xC5\x81\xC3\xB3\x64\xC5\xBA\nKwota=1", true, 2, 2, 0 },
        { "UTF-8 byte order mark, ASCII only",
            "\xEF\xBB\xBF"
            "Data=1.02.2024",
            true, 1, 0, 1 },
        { "plain ASCII stays code page 1250", "Kwota=5\r\n\r\nData=x", false, 2, 1, 3 },
        // 0xF3 (ó) followed by a letter is no UTF-8 sequence.
        { "code page 1250 that starts like UTF-8", "Tytulem=\xF3w", false, 1, 0, 0 },
        // CR LF is one line end, LF CR two; a later duplicate key keeps the first line.
        { "line numbers", "a\n\rKwota=1\r\nKwota=2\rData=3", false, 2, 3, 5 },
        { "no keys", "nothing here\nNDNazwa =x", false, 0, 0, 0 },
        // Code page 1250 capitals that pair into well-formed UTF-8 read as Cyrillic or phonetic symbols.
        { "code page 1250 RÓŻA",
            "NDNazwa=R\xD3\xAF"
            "A KOWALSKA",
            false, 1, 0, 0 },
        { "code page 1250 SPÓŁKA", "NDNazwa=SP\xD3\xA3KA", false, 1, 0, 0 },
        { "code page 1250 GĘŚ", "Tytulem=G\xCA\x8C", false, 1, 0, 0 },
        { "UTF-8 quotes, dash, no-break spaces",
            "Tytulem=\xE2\x80\x9E"
            "FV\xE2\x80\x9D \xE2\x80\x93 1\xC2\xA0"
            "000\xE2\x80\xAF\xE2\x82\xAC",
            true, 1, 0, 0 },
        { "UTF-8 decomposed ó",
            "NDNazwa=Zo\xCC\x81"
            "fia",
            true, 1, 0, 0 },
        { "a mark that composes with nothing", "NDNazwa=P\xCC\x8A", false, 1, 0, 0 },
        { "UTF-8 Cyrillic", "NDNazwa=\xD0\x96", false, 1, 0, 0 },
        { "UTF-8 C1 control", "NDNazwa=a\xC2\x81", false, 1, 0, 0 },
        { "UTF-8 replacement character", "NDNazwa=a\xEF\xBF\xBD", false, 1, 0, 0 },
    };
    for (const Row& r : rows) {
        const transfer::TransferFileValues v = transfer::parseTransferFile(r.bytes);
        EXPECT_EQ(v.utf8, r.utf8) << r.name;
        EXPECT_EQ(v.keysFound, r.keysFound) << r.name;
        EXPECT_EQ(v.KwotaLine, r.kwotaLine) << r.name;
        EXPECT_EQ(v.DataLine, r.dataLine) << r.name;
    }
}

TEST(TransferFile, DecodeFileText)
{
    struct Row {
        const char* name;
        std::string bytes;
        bool utf8;
        QString text;
    };
    const Row rows[] = {
        { "decomposed letters compose",
            "Zo\xCC\x81"
            "fia z\xCC\x87"
            "e\xCC\xA8",
            true, QStringLiteral("Zófia żę") },
        { "bytes that are not UTF-8",
            "a\xF3"
            "b",
            true, QStringLiteral("a\uFFFDb") },
        { "code page 1250", "\xA3\xF3\x64\x9F", false, QStringLiteral("Łódź") },
        { "bytes code page 1250 leaves undefined", "\x81\x83\x88\x90\x98\x80", false,
            QStringLiteral("\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD€") },
    };
    for (const Row& r : rows)
        EXPECT_EQ(transfer::decodeFileText(r.bytes, r.utf8), r.text) << r.name;
}
