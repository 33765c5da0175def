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
    EXPECT_EQ(v.amount.value_or(0), 1234.5);
    EXPECT_EQ(size_t(v.title.size()), transfer::EditorTextLimit);
    EXPECT_EQ(v.date, platform::today());
    EXPECT_EQ(v.payerAccount, QString()); // never in the file
}

TEST_F(TransferRecordTest, ValuesBecomeOneRecord)
{
    data::TDM2 dm;
    transfer::TransferEditorValues v;
    v.recipientAccount = QStringLiteral("PL12-3456");
    v.payerAccount = QStringLiteral("PL 12-34");
    v.title = QStringLiteral("Zapłata");
    v.date = 0; // 30 December 1899 is no date
    transfer::writeTransferRecord(dm, v);
    transfer::writeTransferRecord(dm, v);
    EXPECT_EQ(dm.mtPlat.recordCount(), 1);
    EXPECT_EQ(dm.mtPlatNDKONTOKONTR->asString(), "PL");
    EXPECT_EQ(dm.mtPlatNDKonto->asString(), "123456");
    EXPECT_EQ(dm.mtPlatWCKonto->asString(), "PL 12-34");
    EXPECT_EQ(dm.mtPlatTytulem->asString(),
        "Zap\xB3"
        "ata");
    EXPECT_TRUE(dm.mtPlatData->isNull());
    EXPECT_EQ(dm.mtPlatKwota->asFloat(), 0.0);
    EXPECT_FALSE(dm.mtPlatKwota->isNull());
}
