// SPDX-License-Identifier: GPL-2.0-or-later
// The transfer log on real SQLite files: the schema from an empty file, entries read back exactly, two
// writers at once, a folder that cannot be written, a damaged file, the history's filter and removal.
#include "support/heldlog.h"
#include "transfer/transferlog.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <time.h>

namespace {

transfer::LogEntry entry(const QString& recipient, double amount, const QString& title)
{
    transfer::LogEntry e;
    e.when = QDateTime::currentDateTimeUtc();
    e.how = QStringLiteral("druk");
    e.target = QStringLiteral("PDF-7");
    e.form = QStringLiteral("przelew");
    e.values.recipientName = recipient;
    e.values.recipientAccount = QStringLiteral("61 1090 1014 0000 0712 1981 2874");
    e.values.amount = transfer::Money::fromRecordValue(amount);
    e.values.payerName = QStringLiteral("Jan Kowalski");
    e.values.title = title;
    e.values.date = 46365; // 9.12.2026
    e.source = QStringLiteral("lista.csv, wiersz 2");
    return e;
}

int count(const transfer::TransferLog& log, const char* sql)
{
    QSqlQuery q(QSqlDatabase::database(log.connectionName()));
    return q.exec(QString::fromLatin1(sql)) && q.next() ? q.value(0).toInt() : -1;
}

} // namespace

TEST(TransferLog, AnEmptyFileGetsTheSchemaAndEntriesComeBackExactly)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dane/przelew.sqlite"));
    transfer::TransferLog log(path);
    ASSERT_TRUE(log.isOpen()) << log.problem().toStdString();
    EXPECT_EQ(count(log, "PRAGMA user_version"), transfer::TransferLog::schemaVersion());
    EXPECT_TRUE(log.record({ entry(QStringLiteral("Wspólnota „Łąka”"), 1234.56, QStringLiteral("Czynsz")),
        entry(QStringLiteral("Wspólnota „Łąka”"), 0.29, QStringLiteral("Odsetki")) }));
    const std::vector<transfer::LogEntry> back = log.entries();
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].values.title, QStringLiteral("Odsetki")); // newest first
    EXPECT_EQ(back[1].values.recipientName, QStringLiteral("Wspólnota „Łąka”"));
    EXPECT_EQ(back[1].values.amount, transfer::Money::fromGrosze(123456));
    EXPECT_EQ(back[0].values.amount, transfer::Money::fromGrosze(29));
    EXPECT_EQ(back[1].values.date, 46365);
    EXPECT_EQ(back[1].source, QStringLiteral("lista.csv, wiersz 2"));
    EXPECT_EQ(count(log, "SELECT amount_grosze FROM entry ORDER BY id LIMIT 1"), 123456);
    EXPECT_EQ(count(log, "SELECT count(*) FROM recipient"), 1); // one recipient, two transfers
    QSqlQuery mode(QSqlDatabase::database(log.connectionName()));
    ASSERT_TRUE(mode.exec(QStringLiteral("PRAGMA journal_mode")) && mode.next());
    EXPECT_EQ(mode.value(0).toString(), QStringLiteral("wal"));

    // Opened again, the schema is not run twice.
    transfer::TransferLog again(path);
    ASSERT_TRUE(again.isOpen()) << again.problem().toStdString();
    EXPECT_EQ(again.entries().size(), 2u);
}

// Two copies of the program write to one log, one transaction after the other.
TEST(TransferLog, TwoWritersAtOnce)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("przelew.sqlite"));
    transfer::TransferLog first(path), second(path);
    ASSERT_TRUE(first.isOpen() && second.isOpen());
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(first.record({ entry(QStringLiteral("A"), i, QStringLiteral("a")) }))
            << first.problem().toStdString();
        ASSERT_TRUE(second.record({ entry(QStringLiteral("B"), i, QStringLiteral("b")),
            entry(QStringLiteral("A"), i, QStringLiteral("c")) }))
            << second.problem().toStdString();
    }
    EXPECT_EQ(transfer::TransferLog(path).entries().size(), 60u);
}

// A log that cannot be opened (a file where its folder should be, a read-only file system, a folder in
// its place) leaves no log, says why, and refuses entries without harm: also as root.
TEST(TransferLog, APlaceThatCannotBeWrittenLeavesNoLogAndSaysWhy)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("plik")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("przelew.sqlite")));
    for (const QString& path : { dir.filePath(QStringLiteral("plik/przelew.sqlite")),
             QStringLiteral("/proc/przelew.sqlite"), dir.filePath(QStringLiteral("przelew.sqlite")) }) {
        transfer::TransferLog log(path);
        EXPECT_FALSE(log.isOpen()) << path.toStdString();
        // Our sentence first, then the library's own words for whoever must search for them.
        EXPECT_TRUE(log.problem().startsWith(QStringLiteral("Nie można"))) << log.problem().toStdString();
        EXPECT_FALSE(log.record({ entry(QStringLiteral("A"), 1, QStringLiteral("a")) }));
    }
    EXPECT_TRUE(transfer::TransferLog(dir.filePath(QStringLiteral("przelew.sqlite")))
                    .problem()
                    .endsWith(QStringLiteral(": SQLite: unable to open database file")));
}

// A damaged file is set aside (numbered, never deleted), a new log begun and the user told once: a file
// that is no database, one with a bad page inside, one cut short.
TEST(TransferLog, ADamagedFileIsSetAsideAndANewLogBegun)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("przelew.sqlite"));
    // A real log of many pages, its bytes kept to be damaged.
    {
        transfer::TransferLog log(path);
        std::vector<transfer::LogEntry> many;
        for (int i = 0; i < 400; ++i)
            many.push_back(entry(QStringLiteral("Odbiorca %1").arg(i), i, QString(200, QLatin1Char('t'))));
        ASSERT_TRUE(log.record(many));
        QSqlQuery(QSqlDatabase::database(log.connectionName()))
            .exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray good = file.readAll();
    file.close();
    ASSERT_GT(good.size(), 20 * 4096);
    QByteArray badPage = good;
    badPage.replace(9 * 4096, 4096, QByteArray(4096, '\x5a'));
    const QByteArray damaged[] = { QByteArray(4096, '\x5a'), badPage, good.left(good.size() / 2) };
    int n = 0;
    for (const QByteArray& bytes : damaged) {
        ++n;
        {
            QFile::remove(path + QStringLiteral("-wal"));
            QFile::remove(path + QStringLiteral("-shm"));
            QFile out(path);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(bytes);
        }
        transfer::TransferLog log(path);
        EXPECT_TRUE(log.isOpen()) << n << log.problem().toStdString();
        const std::optional<QString> notice = log.takeNotice();
        ASSERT_TRUE(notice) << n;
        EXPECT_TRUE(notice->contains(QStringLiteral("corrupt-%1").arg(n))) << notice->toStdString();
        EXPECT_FALSE(log.takeNotice()) << "told once";
        EXPECT_TRUE(QFile::exists(QStringLiteral("%1.corrupt-%2").arg(path).arg(n)));
        EXPECT_TRUE(log.entries().empty());
        EXPECT_TRUE(log.record({ entry(QStringLiteral("A"), 1, QStringLiteral("a")) }));
    }
}

// Another program holding the log past the wait keeps the entries out without loss: the write says it was
// busy, and the same entries go in once the log is free.
TEST(TransferLog, ALogHeldByAnotherProgramSaysItWasBusy)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("przelew.sqlite"));
    transfer::TransferLog log(path, 100);
    ASSERT_TRUE(log.isOpen());
    testsupport::OtherProgram other(path);
    ASSERT_TRUE(other.isOpen());
    ASSERT_TRUE(other.hold());
    EXPECT_FALSE(log.record({ entry(QStringLiteral("A"), 1, QStringLiteral("a")) }));
    EXPECT_TRUE(log.busy());
    ASSERT_TRUE(other.release());
    EXPECT_TRUE(log.record({ entry(QStringLiteral("A"), 1, QStringLiteral("a")) }));
    EXPECT_FALSE(log.busy());
}

// The same recipient account (however spaced), amount and title within 60 days is found, with its day.
TEST(TransferLog, ATransferPrintedLatelyIsFound)
{
    QTemporaryDir dir;
    transfer::TransferLog log(dir.filePath(QStringLiteral("przelew.sqlite")));
    transfer::LogEntry lately = entry(QStringLiteral("Alfa"), 120.5, QStringLiteral("FV 1"));
    lately.when = QDateTime::currentDateTimeUtc().addDays(-3);
    transfer::LogEntry long_ago = entry(QStringLiteral("Beta"), 99, QStringLiteral("FV 2"));
    long_ago.when = QDateTime::currentDateTimeUtc().addDays(-61);
    ASSERT_TRUE(log.record({ lately, long_ago }));
    struct Row {
        const char* name;
        const char* account;
        double amount;
        const char* title;
        bool found;
    };
    const Row rows[] = {
        { "the same", "61 1090 1014 0000 0712 1981 2874", 120.5, "FV 1", true },
        { "spaced otherwise", "61-1090-1014-0000-0712-1981-2874", 120.5, "FV 1", true },
        { "another amount", "61 1090 1014 0000 0712 1981 2874", 120.51, "FV 1", false },
        { "another title", "61 1090 1014 0000 0712 1981 2874", 120.5, "FV 1a", false },
        { "another account", "62 1090 1014 0000 0712 1981 2874", 120.5, "FV 1", false },
        { "older than 60 days", "61 1090 1014 0000 0712 1981 2874", 99, "FV 2", false },
    };
    for (const Row& r : rows) {
        transfer::TransferEditorValues v;
        v.recipientAccount = QString::fromLatin1(r.account);
        v.amount = transfer::Money::fromRecordValue(r.amount);
        v.title = QString::fromLatin1(r.title);
        const std::optional<QDateTime> when = log.printedBefore(v);
        EXPECT_EQ(when.has_value(), r.found) << r.name;
        if (when && r.found) {
            EXPECT_EQ(when->date(), lately.when.date()) << r.name;
        }
    }
}

// What the history lets through: a text in the name or title (Polish letters in any case), account (spaces
// and hyphens aside) or amount (typed with spaces or a dot), LIKE's wildcards taken as typed, and days
// counted in local time.
TEST(TransferLog, TheFilterFindsByTextAndLocalDaysAndRemovalForgetsUnusedRecipients)
{
    const QByteArray oldTz = qgetenv("TZ");
    qputenv("TZ", "Europe/Warsaw"); // local midnight is not UTC midnight
    tzset();
    QTemporaryDir dir;
    transfer::TransferLog log(dir.filePath(QStringLiteral("przelew.sqlite")));
    transfer::LogEntry a = entry(QStringLiteral("Alfa"), 1234.5, QStringLiteral("FV 2/2026"));
    a.when = QDateTime(QDate(2026, 11, 3), QTime(10, 0));
    transfer::LogEntry b = entry(QStringLiteral("Beta"), 20, QStringLiteral("Zwrot"));
    b.values.recipientAccount = QStringLiteral("12345678901234567890123456");
    b.when = QDateTime(QDate(2026, 11, 20), QTime(0, 30)); // 19 November in UTC
    b.values.payerName = QStringLiteral("Śmieciarnia Miejska");
    transfer::LogEntry c = entry(QStringLiteral("Gamma"), 99.99, QStringLiteral("FV_2 ŁÓDŹ"));
    c.when = QDateTime(QDate(2026, 12, 1), QTime(0, 10));
    ASSERT_TRUE(log.record({ a, b, c }));

    struct Row {
        const char* text;
        QDate from, to;
        QStringList names;
    } rows[] = {
        { "", {}, {}, { "Gamma", "Beta", "Alfa" } },
        { "alfa", {}, {}, { "Alfa" } },
        { "łódź", {}, {}, { "Gamma" } },
        { "lodz", {}, {}, { "Gamma" } }, // diacritics folded
        { "smieci", {}, {}, { "Beta" } }, // the payer's name too
        { "1 234.50", {}, {}, { "Alfa" } },
        { "99,9", {}, {}, { "Gamma" } },
        { "3456 7890", {}, {}, { "Beta" } },
        { "1090-1014", {}, {}, { "Gamma", "Alfa" } },
        { "V_2", {}, {}, { "Gamma" } },
        { "%", {}, {}, {} },
        { "", QDate(2026, 11, 20), QDate(2026, 11, 20), { "Beta" } },
        { "", QDate(2026, 11, 4), {}, { "Gamma", "Beta" } },
        { "", {}, QDate(2026, 11, 19), { "Alfa" } },
        { "FV", QDate(2026, 11, 1), QDate(2026, 11, 30), { "Alfa" } },
    };
    for (const Row& row : rows) {
        QStringList names;
        for (const transfer::LogEntry& e : log.entries({ QString::fromUtf8(row.text), row.from, row.to }))
            names << e.values.recipientName;
        EXPECT_EQ(names, row.names) << row.text << " " << row.from.toString().toStdString();
    }

    // The history's rows carry the ids that removal takes.
    QSqlQuery shown = log.historyQuery({ QStringLiteral("FV"), {}, {} });
    std::vector<qlonglong> ids;
    while (shown.next())
        ids.push_back(shown.value(0).toLongLong());
    ASSERT_EQ(ids.size(), 2u);
    ASSERT_TRUE(log.remove(ids)) << log.problem().toStdString();
    ASSERT_EQ(log.entries().size(), 1u);
    EXPECT_EQ(log.entries()[0].values.recipientName, QStringLiteral("Beta"));
    EXPECT_EQ(count(log, "SELECT count(*) FROM recipient"), 1);

    qputenv("TZ", oldTz);
    if (oldTz.isNull())
        qunsetenv("TZ");
    tzset();
}
