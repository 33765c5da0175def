// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/dm2.h"
#include "support/apptestsupport.h"
#include "transfer/transferrecord.h"

namespace {
class TransferRecordTest : public AppTest { };
} // namespace

TEST_F(TransferRecordTest, FileValuesBecomeEditorValues)
{
    transfer::TransferFileValues file;
    file.NDKONTOKONTR = "12";
    file.NDKonto = "3456 7890";
    file.Kwota = "1\xA0"
                 "234,5"; // the Polish thousands separator is byte 0xA0
    file.Tytulem = std::string(40000, 't');
    file.Data = "2024-13-45";
    const transfer::TransferEditorValues v = transfer::editorValuesFromFile(file);
    EXPECT_EQ(v.recipientAccount, QStringLiteral("12 3456 7890"));
    EXPECT_EQ(v.amount, transfer::Money::fromGrosze(123450));
    EXPECT_EQ(v.title.size(), 40000); // whole, however long
    EXPECT_EQ(v.date, platform::today());
    EXPECT_EQ(v.payerAccount, QString()); // never in the file
}

TEST_F(TransferRecordTest, ValuesBecomeOneRecord)
{
    data::TDM2 dm;
    transfer::TransferEditorValues v;
    v.recipientAccount = QStringLiteral("12-3456");
    v.payerAccount = QStringLiteral("PL 12-34");
    v.title = QStringLiteral("Zapłata");
    v.date = 0; // 30 December 1899 is no date
    transfer::writeTransferRecord(dm, v);
    transfer::writeTransferRecord(dm, v);
    EXPECT_EQ(dm.mtPlat.recordCount(), 1);
    EXPECT_EQ(dm.mtPlatNDKONTOKONTR->asString(), "12");
    EXPECT_EQ(dm.mtPlatNDKonto->asString(), "3456");
    EXPECT_EQ(dm.mtPlatTytulem->asString(),
        "Zap\xB3"
        "ata");
    EXPECT_TRUE(dm.mtPlatData->isNull());
    EXPECT_EQ(dm.mtPlatKwota->asFloat(), 0.0);
    EXPECT_FALSE(dm.mtPlatKwota->isNull());
}

// The recipient account splits into check digits and the rest once an IBAN's "PL" is gone; a payer
// account that is an NRB prints as its 26 digits, anything else as typed.
TEST_F(TransferRecordTest, AccountsAsTheFormPrintsThem)
{
    struct Row {
        const char* recipient;
        const char* checkDigits;
        const char* rest;
        const char* payer;
        const char* payerPrinted;
    };
    const Row rows[] = {
        { "12 3456-7890 1234 5678 9012 3456", "12", "345678901234567890123456", "PL 12-34", "PL 12-34" },
        { "PL61 1090 1014 0000 0712 1981 2874", "61", "109010140000071219812874",
            "61 1090 1014 0000 0712 1981 2874", "61109010140000071219812874" },
        { " PL61 1090 1014 0000 0712 1981 2874", "61", "109010140000071219812874",
            "PL61-1090-1014-0000-0712-1981-2874", "61109010140000071219812874" },
        { "pl12-3456", "12", "3456", "12 3456", "12 3456" },
        { "PLAC 5", "PL", "AC5", "", "" },
    };
    for (const Row& r : rows) {
        data::TDM2 dm;
        transfer::TransferEditorValues v;
        v.recipientAccount = QString::fromLatin1(r.recipient);
        v.payerAccount = QString::fromLatin1(r.payer);
        transfer::writeTransferRecord(dm, v);
        EXPECT_EQ(dm.mtPlatNDKONTOKONTR->asString(), r.checkDigits) << r.recipient;
        EXPECT_EQ(dm.mtPlatNDKonto->asString(), r.rest) << r.recipient;
        EXPECT_EQ(dm.mtPlatWCKonto->asString(), r.payerPrinted) << r.payer;
    }
}

TEST(TransferTotal, CountsInPolishAndSumsToTheGrosz)
{
    struct Row {
        std::size_t count;
        std::int64_t grosze; // each
        const char* said;
    };
    const Row rows[] = {
        { 0, 0, "Razem: 0 przelewów, 0,00 zł" },
        { 1, 123456789, "Razem: 1 przelew, 1 234 567,89 zł" },
        { 3, 1, "Razem: 3 przelewy, 0,03 zł" },
        { 12, 100000, "Razem: 12 przelewów, 12 000,00 zł" },
        { 22, 50, "Razem: 22 przelewy, 11,00 zł" },
        { 25, 99999999999999, "Razem: 25 przelewów, 24 999 999 999 999,75 zł" },
    };
    for (const Row& r : rows) {
        transfer::TransferEditorValues v;
        v.amount = transfer::Money::fromGrosze(r.grosze);
        EXPECT_EQ(transfer::totalText(std::vector(r.count, v)).toStdString(), r.said) << r.count;
    }
}
