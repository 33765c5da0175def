// SPDX-License-Identifier: GPL-2.0-or-later
// The payee book with 10 000 payees: the suggestions for three typed letters (found by many payees, by
// few, by none, which reads the whole book), the same after a print taught the book a payee, the book
// read whole, and its window opened.
#include "app/payeewindow.h"
#include "transfer/payees.h"

#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

transfer::TransferLog& bookLog()
{
    static QTemporaryDir dir;
    static transfer::TransferLog log(dir.filePath(QStringLiteral("przelew.sqlite")));
    static bool filled = false;
    if (!filled) {
        const QStringList first { QStringLiteral("Zakład"), QStringLiteral("Spółdzielnia"),
            QStringLiteral("Wspólnota"), QStringLiteral("Przedsiębiorstwo"), QStringLiteral("Jan"),
            QStringLiteral("Anna") };
        const QStringList last { QStringLiteral("Kowalski"), QStringLiteral("Łódź"), QStringLiteral("Żak"),
            QStringLiteral("Energetyczny"), QStringLiteral("Nowak"), QStringLiteral("Wiśniewska"),
            QStringLiteral("Mieszkaniowa") };
        std::vector<transfer::LogEntry> entries;
        const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-400);
        for (int i = 0; i < 10000; ++i) {
            transfer::LogEntry e;
            e.when = start.addSecs(qint64(i) * 600);
            e.how = QStringLiteral("druk");
            e.form = QStringLiteral("przelew");
            e.values.recipientName
                = QStringLiteral("%1 %2 %3").arg(first[i % first.size()], last[(i / 7) % last.size()]).arg(i);
            e.values.recipientAccount
                = QStringLiteral("61 1090 1014 0000 0712 1981 %1").arg(i, 4, 10, QLatin1Char('0'));
            e.values.amount = transfer::Money::fromGrosze(100);
            e.values.title = QStringLiteral("Czynsz %1").arg(i);
            entries.push_back(e);
        }
        log.record(entries);
        filled = true;
    }
    return log;
}

void BM_PayeeSuggestions(benchmark::State& state)
{
    transfer::PayeeBook book(bookLog());
    const QString typed[] = { QStringLiteral("kow"), QStringLiteral("9999"), QStringLiteral("xyz") };
    const QString& text = typed[state.range(0)];
    benchmark::DoNotOptimize(book.payees().size());
    for (auto _ : state)
        benchmark::DoNotOptimize(book.find(text, 12));
}
BENCHMARK(BM_PayeeSuggestions)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// The check a batch row or the main window's account field makes as the values change.
void BM_PayeeOtherOwner(benchmark::State& state)
{
    transfer::PayeeBook book(bookLog());
    benchmark::DoNotOptimize(book.payees().size());
    for (auto _ : state)
        benchmark::DoNotOptimize(
            book.otherOwner(QStringLiteral("Ktoś"), QStringLiteral("61 1090 1014 0000 0712 1981 0042")));
}
BENCHMARK(BM_PayeeOtherOwner)->Unit(benchmark::kMicrosecond);

// The whole book, as when the program starts.
void BM_PayeeBookRead(benchmark::State& state)
{
    transfer::TransferLog& log = bookLog();
    for (auto _ : state) {
        transfer::PayeeBook book(log);
        benchmark::DoNotOptimize(book.payees().size());
    }
}
BENCHMARK(BM_PayeeBookRead)->Unit(benchmark::kMillisecond);

// The suggestions of the first letters typed after a print taught the book a payee.
void BM_PayeeSuggestionsAfterAPrint(benchmark::State& state)
{
    transfer::TransferLog& log = bookLog();
    transfer::PayeeBook book(log);
    benchmark::DoNotOptimize(book.payees().size());
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        transfer::LogEntry e;
        e.when = QDateTime::currentDateTimeUtc();
        e.how = QStringLiteral("druk");
        e.form = QStringLiteral("przelew");
        e.values.recipientName = QStringLiteral("Nowy dostawca %1").arg(++n);
        e.values.amount = transfer::Money::fromGrosze(100);
        log.record({ e });
        state.ResumeTiming();
        benchmark::DoNotOptimize(book.find(QStringLiteral("kow"), 12));
    }
}
BENCHMARK(BM_PayeeSuggestionsAfterAPrint)->Unit(benchmark::kMillisecond);

// The payee window opened on the book, as the user sees it: the whole book read (as at the program's
// first use of it) and the first screen of rows drawn from the model.
void BM_PayeeWindowOpened(benchmark::State& state)
{
    transfer::TransferLog& log = bookLog();
    for (auto _ : state) {
        transfer::PayeeBook book(log);
        app::PayeeWindow window(book);
        for (int row = 0; row < 30; ++row) {
            for (int column = 0; column < app::PayeeTableModel::ColumnCount; ++column)
                benchmark::DoNotOptimize(window.model()->index(row, column).data());
        }
        benchmark::DoNotOptimize(window.table()->columnWidth(0));
    }
}
BENCHMARK(BM_PayeeWindowOpened)->Unit(benchmark::kMillisecond);

} // namespace
