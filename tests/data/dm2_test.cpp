#include "data/dm2.h"
#include "platform/datetime.h"
#include "platform/error.h"

#include <QLocale>
#include <gtest/gtest.h>

using data::FieldType;
using data::TDM2;
using data::TMemTable;

namespace {
class Dm2 : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        dm.mtPlat.open();
        dm.mtPlat.insert();
    }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
    TDM2 dm;
};
} // namespace

TEST(Dm2Fields, SeventeenFieldsInOrderWithTheirSizes)
{
    TDM2 dm;
    struct Row {
        const char* name;
        FieldType type;
        int size;
        const char* label;
        bool visible;
    };
    const Row rows[] = {
        { "Data", FieldType::DateTime, 0, "Data", true },
        { "Kwota", FieldType::Float, 0, "Kwota", true },
        { "WCId", FieldType::Integer, 0, "WCId", false },
        { "WCNazwa", FieldType::String, 128, "W cięż. nazwa", true },
        { "WCMiasto", FieldType::String, 100, "Kod poczt i miasto", true },
        { "WCAdres", FieldType::String, 100, "W cięż. adres", true },
        { "WCBank", FieldType::String, 100, "W ciężar bank", true },
        { "WCKONTOKONTR", FieldType::String, 2, "WCKL", true },
        { "WCKonto", FieldType::String, 50, "W ciężar konto", true },
        { "NDId", FieldType::Integer, 0, "NDId", false },
        { "NDNazwa", FieldType::String, 128, "Na dobro Nazwa", true },
        { "NDMiasto", FieldType::String, 100, "Na dobro Miasto", true },
        { "NDAdres", FieldType::String, 100, "Na dobro Adres", true },
        { "NDBank", FieldType::String, 100, "Na dobro Bank", true },
        { "NDKONTOKONTR", FieldType::String, 2, "NDKL", true },
        { "NDKonto", FieldType::String, 50, "Na dobro Konto", true },
        { "Tytulem", FieldType::String, 255, "Tytułem", true },
    };
    ASSERT_EQ(dm.mtPlat.fieldCount(), 17);
    for (int i = 0; i < 17; ++i) {
        const data::TField& f = dm.mtPlat.field(i);
        EXPECT_EQ(f.fieldName(), rows[i].name);
        EXPECT_EQ(f.dataType(), rows[i].type) << rows[i].name;
        EXPECT_EQ(f.size(), rows[i].size) << rows[i].name;
        EXPECT_EQ(f.displayLabel(), QString::fromUtf8(rows[i].label)) << rows[i].name;
        EXPECT_EQ(f.visible(), rows[i].visible) << rows[i].name;
    }
    EXPECT_EQ(dm.mtPlatKwota->displayFormat(), QStringLiteral("0.00"));
    EXPECT_EQ(dm.mtPlatNDKONTOKONTR->origin(), QStringLiteral("DB.Platnosc.NDKONTOKONTR"));
    EXPECT_EQ(dm.mtPlatData->displayWidth(), 12);
    EXPECT_EQ(&dm.mtPlat.fieldByName("ndkonto"), dm.mtPlatNDKonto);
    EXPECT_FALSE(dm.mtPlat.isOpen());
}

TEST_F(Dm2, TextsAreCutToTheirSizeAndStopAtNul)
{
    struct Row {
        const char* name;
        data::TField* field;
        std::string written;
        std::string read;
    };
    const std::string long130(130, 'x');
    const Row rows[] = {
        { "130 into 128", dm.mtPlatNDNazwa, long130, std::string(128, 'x') },
        { "exactly 2", dm.mtPlatNDKONTOKONTR, "12", "12" },
        { "3 into 2", dm.mtPlatNDKONTOKONTR, "123", "12" },
        { "NUL ends the text", dm.mtPlatTytulem, std::string("ab\0cd", 5), "ab" },
        { "Polish bytes kept", dm.mtPlatWCNazwa, "\xA3\xF3\x64\xBC", "\xA3\xF3\x64\xBC" },
        { "51 into 50", dm.mtPlatNDKonto, std::string(51, '7'), std::string(50, '7') },
        { "empty", dm.mtPlatWCKonto, "", "" },
    };
    for (const Row& r : rows) {
        r.field->setAsString(r.written);
        EXPECT_EQ(r.field->asString(), r.read) << r.name;
    }
}

TEST_F(Dm2, FieldsWithoutValue)
{
    EXPECT_TRUE(dm.mtPlatKwota->isNull());
    EXPECT_EQ(dm.mtPlatKwota->asFloat(), 0.0);
    EXPECT_EQ(dm.mtPlatWCKONTOKONTR->asString(), "");
    EXPECT_EQ(dm.mtPlatData->displayText(), "");
    dm.mtPlat.post();
    EXPECT_EQ(dm.mtPlatWCKONTOKONTR->asString(), "");
    EXPECT_EQ(dm.mtPlatKwota->displayText(), "");
}

TEST_F(Dm2, DataKeepsTheMillisecondAndShowsTimeOnlyWhenThereIsOne)
{
    const double day = platform::toDays(QDate(2024, 1, 15));
    dm.mtPlatData->setAsDateTime(day);
    EXPECT_EQ(dm.mtPlatData->displayText(), "15.01.2024");
    dm.mtPlatData->setAsDateTime(
        platform::toDays(QDateTime(QDate(2024, 1, 15), QTime(9, 5, 7, 250))) + 0.3 / 86400000.0);
    EXPECT_EQ(platform::fromDays(dm.mtPlatData->asDateTime()).time(), QTime(9, 5, 7, 250));
    EXPECT_EQ(dm.mtPlatData->displayText(), "15.01.2024 09:05:07");
}

TEST_F(Dm2, AmountIsStoredUnchangedAndShownWithTwoDecimals)
{
    dm.mtPlatKwota->setAsFloat(1234.5);
    EXPECT_EQ(dm.mtPlatKwota->asFloat(), 1234.5);
    EXPECT_EQ(dm.mtPlatKwota->displayText(), "1234,50");
    dm.mtPlatKwota->setAsFloat(0.1 + 0.2);
    EXPECT_EQ(dm.mtPlatKwota->asFloat(), 0.1 + 0.2);
}

TEST(Dm2States, PrintingTwiceLeavesOneRecordOfTheSecondPrint)
{
    TDM2 dm;
    TMemTable& t = dm.mtPlat;
    for (const char* name : { "Pierwszy", "Drugi" }) {
        if (t.isOpen())
            t.close();
        t.open();
        EXPECT_EQ(t.recordCount(), 0);
        t.insert();
        EXPECT_EQ(t.state(), TMemTable::State::Insert);
        dm.mtPlatNDNazwa->setAsString(name);
        t.post();
        EXPECT_EQ(t.state(), TMemTable::State::Browse);
    }
    EXPECT_EQ(t.recordCount(), 1);
    t.first();
    EXPECT_FALSE(t.eof());
    EXPECT_EQ(dm.mtPlatNDNazwa->asString(), "Drugi");
    t.next();
    EXPECT_TRUE(t.eof());
}

TEST(Dm2States, RecordsKeepPostingOrderAndCloseDropsThem)
{
    TDM2 dm;
    TMemTable& t = dm.mtPlat;
    t.open();
    for (const char* name : { "a", "b", "c" }) {
        t.insert();
        dm.mtPlatNDNazwa->setAsString(name);
        t.post();
    }
    t.insert(); // dropped by close
    std::string seen;
    t.cancel();
    for (t.first(); !t.eof(); t.next())
        seen += dm.mtPlatNDNazwa->asString();
    EXPECT_EQ(seen, "abc");
    t.close();
    EXPECT_FALSE(t.isOpen());
    EXPECT_EQ(t.recordCount(), 0);
    EXPECT_TRUE(t.eof());
    EXPECT_EQ(dm.mtPlatNDNazwa->asString(), "");
}

TEST(Dm2States, WritingOutsideAnInsertIsRefused)
{
    TDM2 dm;
    EXPECT_THROW(dm.mtPlat.insert(), platform::Error); // closed
    dm.mtPlat.open();
    EXPECT_THROW(dm.mtPlatNDNazwa->setAsString("x"), platform::Error);
    EXPECT_THROW(dm.mtPlat.post(), platform::Error);
}
