#include "app/transferfile.h"

#include <gtest/gtest.h>

TEST(TransferFile, Rows)
{
    struct Row {
        const char* name;
        std::string bytes;
        std::string TransferFileValues::*field;
        std::string expected;
    };
    using V = TransferFileValues;
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
        { "byte order mark hides the first key", "\xEF\xBB\xBFNDNazwa=A\nTytulem=T", &V::NDNazwa, "" },
        { "line after the byte order mark", "\xEF\xBB\xBFNDNazwa=A\nTytulem=T", &V::Tytulem, "T" },
        { "empty value counts as found", "Kwota=\nKwota=7", &V::Kwota, "" },
        { "line without = ignored", "Kwota\nKwota=7", &V::Kwota, "7" },
        { "Polish bytes kept", "WCNazwa=\xA3\xF3\x64\xBC", &V::WCNazwa, "\xA3\xF3\x64\xBC" },
        { "empty key", "=x\nNDKonto=3456 7890", &V::NDKonto, "3456 7890" },
    };
    for (const Row& r : rows)
        EXPECT_EQ(parseTransferFile(r.bytes).*(r.field), r.expected) << r.name;
}

TEST(TransferFile, AFileOfMillionsOfEmptyLinesIsWalkedInPlace)
{
    std::string bytes(5'000'000, '\n');
    bytes += "Tytulem=koniec";
    EXPECT_EQ(parseTransferFile(bytes).Tytulem, "koniec");
}
