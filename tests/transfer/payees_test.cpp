// SPDX-License-Identifier: GPL-2.0-or-later
// The payee book on a real log: what printing teaches it, the folded search, the known-account check,
// editing and merging, and its CSV both ways.
#include "transfer/csvexport.h"
#include "transfer/payees.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString Account = QStringLiteral("61 1090 1014 0000 0712 1981 2874");

transfer::LogEntry paid(const QString& name, const QString& account, const QString& title, int daysAgo)
{
    transfer::LogEntry e;
    e.when = QDateTime::currentDateTimeUtc().addDays(-daysAgo);
    e.how = QStringLiteral("druk");
    e.form = QStringLiteral("przelew");
    e.values.recipientName = name;
    e.values.recipientAccount = account;
    e.values.amount = transfer::Money::fromGrosze(100);
    e.values.title = title;
    return e;
}

class PayeeBookTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    transfer::TransferLog log { dir.filePath(QStringLiteral("przelew.sqlite")) };
    transfer::PayeeBook book { log };

    std::vector<QString> names(const std::vector<const transfer::Payee*>& payees)
    {
        std::vector<QString> out;
        for (const transfer::Payee* p : payees)
            out.push_back(p->name);
        return out;
    }
};

} // namespace

TEST(PayeeSearch, FoldsCaseDiacriticsAndBlanks)
{
    EXPECT_EQ(transfer::searchFolded(QStringLiteral("Łódź")), QStringLiteral("lodz"));
    EXPECT_EQ(transfer::searchFolded(QStringLiteral("  ZAKŁAD   Energetyczny ")),
        QStringLiteral("zaklad energetyczny"));
    EXPECT_EQ(transfer::searchFolded(QStringLiteral("Żółć ĘĄŚ")), QStringLiteral("zolc eas"));
}

// Each logged transfer adds its recipient or refreshes when it was last paid and for what; the newest
// comes first, and the search finds any part of a name or account.
TEST_F(PayeeBookTest, PrintingTeachesTheBookAndTheSearchFoldsLetters)
{
    ASSERT_TRUE(
        log.record({ paid(QStringLiteral("Spółdzielnia Łódź"), Account, QStringLiteral("Czynsz 10"), 40),
            paid(QStringLiteral("Energa"), QStringLiteral("PL12 1020 5558 1111 1111 1111 1111"),
                QStringLiteral("FV 1"), 3) }));
    ASSERT_EQ(book.payees().size(), 2u);
    EXPECT_EQ(book.payees().front().name, QStringLiteral("Energa"));
    // A later print makes its payee the newest, and what the book read before stays found.
    ASSERT_TRUE(
        log.record({ paid(QStringLiteral("Spółdzielnia Łódź"), Account, QStringLiteral("Czynsz 11"), 1),
            paid(QStringLiteral("Spółdzielnia Łódź"), Account, QStringLiteral("stary"), 90) }));
    ASSERT_EQ(book.payees().size(), 2u);
    const transfer::Payee& first = book.payees().front();
    EXPECT_EQ(first.name, QStringLiteral("Spółdzielnia Łódź"));
    EXPECT_EQ(first.offeredTitle(), QStringLiteral("Czynsz 11")); // an older payment refreshes nothing

    EXPECT_EQ(names(book.find(QStringLiteral("lodz"))), std::vector { QStringLiteral("Spółdzielnia Łódź") });
    EXPECT_EQ(names(book.find(QStringLiteral("SPOL"))), std::vector { QStringLiteral("Spółdzielnia Łódź") });
    EXPECT_EQ(names(book.find(QStringLiteral("5558"))), std::vector { QStringLiteral("Energa") });
    EXPECT_EQ(names(book.find(QString())),
        (std::vector { QStringLiteral("Spółdzielnia Łódź"), QStringLiteral("Energa") }));
    EXPECT_EQ(book.find(QStringLiteral("e"), 1).size(), 1u);

    // The account of a payee under another name is named; its own name, or an unknown account, is not.
    EXPECT_EQ(book.otherOwner(QStringLiteral("Inna firma"), QStringLiteral("61109010140000071219812874")),
        QStringLiteral("Spółdzielnia Łódź"));
    EXPECT_EQ(book.otherOwner(QStringLiteral("SPÓŁDZIELNIA  łódź"), Account), std::nullopt);
    EXPECT_EQ(book.otherOwner(QStringLiteral("Inna firma"), QStringLiteral("11 2222")), std::nullopt);
}

TEST_F(PayeeBookTest, EditedMergedAndRemoved)
{
    ASSERT_TRUE(log.record({ paid(QStringLiteral("Energa"), Account, QStringLiteral("FV 9"), 2) }));
    transfer::Payee typed { 0, QStringLiteral("ENERGA SA"), Account, QStringLiteral("5250008028"),
        QStringLiteral("Prąd"), QStringLiteral("licznik 7"), {}, {} };
    ASSERT_TRUE(book.save(typed)) << book.problem().toStdString();
    EXPECT_NE(typed.id, 0);
    transfer::Payee twin = typed;
    twin.id = 0;
    EXPECT_FALSE(book.save(twin));
    EXPECT_EQ(book.problem(), QStringLiteral("W książce jest już kontrahent o tej nazwie i tym rachunku"));

    // The logged one is kept; the typed one gives what it lacks and goes.
    const qlonglong logged = book.find(QStringLiteral("Energa")).front()->id == typed.id
        ? book.find(QStringLiteral("Energa")).back()->id
        : book.find(QStringLiteral("Energa")).front()->id;
    ASSERT_TRUE(book.merge(logged, typed.id)) << book.problem().toStdString();
    ASSERT_EQ(book.payees().size(), 1u);
    const transfer::Payee& merged = book.payees().front();
    EXPECT_EQ(merged.name, QStringLiteral("Energa"));
    EXPECT_EQ(merged.nip, QStringLiteral("5250008028"));
    EXPECT_EQ(merged.note, QStringLiteral("licznik 7"));
    EXPECT_EQ(merged.offeredTitle(), QStringLiteral("Prąd"));
    EXPECT_EQ(merged.lastTitle, QStringLiteral("FV 9"));

    ASSERT_TRUE(book.remove(merged.id));
    EXPECT_TRUE(book.payees().empty());
    EXPECT_EQ(log.entries().size(), 1u); // the history keeps its entry
}

TEST(PayeeCsv, ReadsBackWhatItWrites)
{
    const std::vector<transfer::Payee> payees {
        { 0, QStringLiteral("Wspólnota „Pod Lipami”; bud. 2"), Account, QStringLiteral("1234563218"),
            QStringLiteral("Czynsz"), QStringLiteral("lokal 4, \"B\""), {}, {} },
        { 0, QStringLiteral("Jan Żak"), QStringLiteral("PL12 1020 5558 1111 1111 1111 1111"), {}, {}, {}, {},
            {} },
    };
    const QByteArray csv = transfer::payeesCsv(payees);
    EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBFNazwa odbiorcy;Rachunek odbiorcy;NIP;"));
    EXPECT_EQ(transfer::readPayeesCsv(csv.toStdString()), payees);

    // A spreadsheet's own list, in code page 1250 with its own column names, comes in as well.
    const std::vector<transfer::Payee> read
        = transfer::readPayeesCsv("Odbiorca,Konto odbiorcy,Uwagi,Kwota\r\nZak\xb3"
                                  "ad,61 1090 1014 0000 0712 1981 2874,parter,12\r\n,,,\r\n");
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].name, QStringLiteral("Zakład"));
    EXPECT_EQ(read[0].note, QStringLiteral("parter"));
}

// A log from before the book: its recipients become the first payees, with their last payment.
TEST(PayeeBookMigration, RecipientsLoggedBeforeBecomePayees)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("przelew.sqlite"));
    {
        transfer::TransferLog log(path);
        ASSERT_TRUE(
            log.record({ paid(QStringLiteral("Alfa"), QStringLiteral("pl 61-1090"), QStringLiteral("A1"), 5),
                paid(QStringLiteral("Alfa"), QStringLiteral("pl 61-1090"), QStringLiteral("A2"), 2) }));
        QSqlQuery q(QSqlDatabase::database(log.connectionName()));
        ASSERT_TRUE(q.exec(QStringLiteral("DROP TABLE payee")));
        ASSERT_TRUE(q.exec(QStringLiteral("ALTER TABLE entry DROP COLUMN search")));
        ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA user_version=2")));
    }
    transfer::TransferLog log(path);
    transfer::PayeeBook book(log);
    ASSERT_EQ(book.payees().size(), 1u);
    EXPECT_EQ(book.payees().front().lastTitle, QStringLiteral("A2"));
    EXPECT_EQ(book.otherOwner(QStringLiteral("Beta"), QStringLiteral("611090")), QStringLiteral("Alfa"));
    // The history's search finds the entries logged before, folded as new ones are.
    EXPECT_EQ(log.entries({ QStringLiteral("ALFA"), {}, {} }).size(), 2u);
}
