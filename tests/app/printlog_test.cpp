// SPDX-License-Identifier: GPL-2.0-or-later
// What left the program goes into the transfer log: one entry a shown transfer with its source and form;
// a log that cannot be written is told once a run, and printing goes on.
#include "app/printlog.h"
#include "support/apptestsupport.h"
#include "support/money.h"

#include <QDir>
#include <QTemporaryDir>

using namespace app;

namespace {
class PrintLogTest : public AppTest { };
} // namespace

TEST_F(PrintLogTest, ShownTransfersAreLoggedWhenTheyLeave)
{
    QTemporaryDir dir;
    transfer::TransferLog log(dir.filePath(QStringLiteral("przelew.sqlite")));
    PrintLog printLog(log);
    transfer::TransferEditorValues a, b;
    a.recipientName = QStringLiteral("Alfa");
    a.amount = "1,5"_zl;
    b.recipientName = QStringLiteral("Beta");
    printLog.setShown({ a, b }, { QStringLiteral("lista.csv, wiersz 2") }, printout::FormKind::Deposit);
    printLog.output(QStringLiteral("druk"), QStringLiteral("PDF-3"));
    printLog.output(QStringLiteral("plik"), QStringLiteral("/tmp/x.pdf"));
    const std::vector<transfer::LogEntry> entries = log.entries();
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[3].values.recipientName, QStringLiteral("Alfa"));
    EXPECT_EQ(entries[3].target, QStringLiteral("PDF-3"));
    EXPECT_EQ(entries[3].form, QStringLiteral("wplata"));
    EXPECT_EQ(entries[3].source, QStringLiteral("lista.csv, wiersz 2"));
    EXPECT_EQ(entries[2].source, QString());
    EXPECT_TRUE(errors.isEmpty());

    // A log that could not be opened: told once, whatever is printed after.
    QDir(dir.path()).mkdir(QStringLiteral("folder.sqlite"));
    transfer::TransferLog broken(dir.filePath(QStringLiteral("folder.sqlite")));
    PrintLog noLog(broken);
    noLog.setShown({ a }, {}, printout::FormKind::Transfer);
    noLog.output(QStringLiteral("druk"), QStringLiteral("PDF-4"));
    noLog.output(QStringLiteral("druk"), QStringLiteral("PDF-5"));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("bez dziennika"))) << errors[0].toStdString();
}
