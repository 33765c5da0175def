// SPDX-License-Identifier: GPL-2.0-or-later
// What left the program goes into the transfer log: one entry a shown transfer with its source and form;
// a log that cannot be written is told once a run, and printing goes on.
#include "app/printlog.h"
#include "app/printservice.h"
#include "support/apptestsupport.h"
#include "support/heldlog.h"
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

// A preview's run logs the transfers of the pages that left, once each, on its form; and puts its own
// transfers back into the table before a print, whatever another preview wrote there since.
TEST_F(PrintLogTest, ARunLogsTheTransfersOfThePagesThatLeft)
{
    QTemporaryDir dir;
    transfer::TransferLog log(dir.filePath(QStringLiteral("przelew.sqlite")));
    PrintLog printLog(log);
    data::TDM2 dm;
    printout::TfrPrzelNew form(dm.mtPlat);
    std::vector<transfer::TransferEditorValues> transfers(3);
    const char* names[] = { "Alfa", "Beta", "Gamma" };
    for (std::size_t i = 0; i < transfers.size(); ++i) {
        transfers[i].recipientName = QString::fromLatin1(names[i]);
        transfers[i].amount = "1,5"_zl;
    }
    TransferRun run(dm, form, &printLog, transfers,
        { QStringLiteral("lista.csv, wiersz 2"), QStringLiteral("lista.csv, wiersz 3"),
            QStringLiteral("lista.csv, wiersz 4") },
        printout::FormKind::Deposit);
    TransferRun other(dm, form, &printLog, { transfers[0] }, {}, printout::FormKind::Transfer);
    other.restore();
    run.restore();
    EXPECT_EQ(dm.mtPlat.recordCount(), 3);
    EXPECT_EQ(form.formKind(), printout::FormKind::Deposit);

    run.output(QStringLiteral("druk"), QStringLiteral("PDF-3"), 2, 3); // pages 2-3 of 3 printed
    run.output(QStringLiteral("plik"), QStringLiteral("/tmp/x.pdf"), 1, 3);
    run.output(QStringLiteral("druk"), QStringLiteral("PDF-4"), 5, 6); // none of its pages
    const std::vector<transfer::LogEntry> entries = log.entries();
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[4].values.recipientName, QStringLiteral("Beta"));
    EXPECT_EQ(entries[4].target, QStringLiteral("PDF-3"));
    EXPECT_EQ(entries[4].form, QStringLiteral("wplata"));
    EXPECT_EQ(entries[4].source, QStringLiteral("lista.csv, wiersz 3"));
    EXPECT_EQ(entries[3].values.recipientName, QStringLiteral("Gamma"));
    EXPECT_EQ(entries[2].target, QStringLiteral("/tmp/x.pdf"));
    EXPECT_TRUE(errors.isEmpty());

    // A log that could not be opened: told once, whatever is printed after.
    QDir(dir.path()).mkdir(QStringLiteral("folder.sqlite"));
    transfer::TransferLog broken(dir.filePath(QStringLiteral("folder.sqlite")));
    PrintLog noLog(broken);
    noLog.output(
        { transfers[0] }, {}, printout::FormKind::Transfer, QStringLiteral("druk"), QStringLiteral("PDF-4"));
    noLog.output(
        { transfers[0] }, {}, printout::FormKind::Transfer, QStringLiteral("druk"), QStringLiteral("PDF-5"));
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
    testsupport::OtherProgram other(path);
    ASSERT_TRUE(other.isOpen());
    transfer::TransferEditorValues a;
    a.recipientName = QStringLiteral("Alfa");
    {
        PrintLog printLog(log);
        ASSERT_TRUE(other.hold());
        printLog.output(
            { a }, {}, printout::FormKind::Transfer, QStringLiteral("druk"), QStringLiteral("PDF-1"));
        EXPECT_EQ(printLog.pending(), 1u);
        ASSERT_TRUE(other.release());
        EXPECT_TRUE(printLog.flush());
        EXPECT_EQ(log.entries().size(), 1u);

        ASSERT_TRUE(other.hold());
        printLog.output(
            { a }, {}, printout::FormKind::Transfer, QStringLiteral("druk"), QStringLiteral("PDF-2"));
        EXPECT_TRUE(errors.isEmpty());
    } // the program ends with the log still held
    ASSERT_TRUE(other.release());
    ASSERT_EQ(errors.size(), 1);
    const QString kept = path + QStringLiteral(".niezapisane-1.csv");
    EXPECT_TRUE(errors[0].contains(kept)) << errors[0].toStdString();
    QFile file(kept);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("PDF-2"));
    EXPECT_EQ(log.entries().size(), 1u);
}
