// SPDX-License-Identifier: GPL-2.0-or-later
// What left the program goes into the transfer log: one entry a shown transfer with its source and form;
// a log that cannot be written is told once a run, and printing goes on.
#include "app/printlog.h"
#include "support/apptestsupport.h"
#include "support/money.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
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

// A log another program holds keeps nothing out: the entries wait and go in once it is free, and what
// is still waiting when the program ends is saved beside the log, which the user is told.
TEST_F(PrintLogTest, EntriesWaitForALogAnotherProgramHolds)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("przelew.sqlite"));
    transfer::TransferLog log(path, 50);
    ASSERT_TRUE(log.isOpen());
    QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
    other.setDatabaseName(path);
    ASSERT_TRUE(other.open());
    QSqlQuery hold(other);
    transfer::TransferEditorValues a;
    a.recipientName = QStringLiteral("Alfa");
    {
        PrintLog printLog(log);
        printLog.setShown({ a }, {}, printout::FormKind::Transfer);
        ASSERT_TRUE(hold.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        printLog.output(QStringLiteral("druk"), QStringLiteral("PDF-1"));
        EXPECT_EQ(printLog.pending(), 1u);
        ASSERT_TRUE(hold.exec(QStringLiteral("COMMIT")));
        EXPECT_TRUE(printLog.flush());
        EXPECT_EQ(log.entries().size(), 1u);

        ASSERT_TRUE(hold.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        printLog.output(QStringLiteral("druk"), QStringLiteral("PDF-2"));
        EXPECT_TRUE(errors.isEmpty());
    } // the program ends with the log still held
    ASSERT_TRUE(hold.exec(QStringLiteral("COMMIT")));
    ASSERT_EQ(errors.size(), 1);
    const QString kept = path + QStringLiteral(".niezapisane-1.csv");
    EXPECT_TRUE(errors[0].contains(kept)) << errors[0].toStdString();
    QFile file(kept);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("PDF-2"));
    EXPECT_EQ(log.entries().size(), 1u);
    hold = QSqlQuery();
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("holder"));
}
