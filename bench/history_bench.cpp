// SPDX-License-Identifier: GPL-2.0-or-later
// The history window and the log on a long log: 100 000 logged transfers, the window made and its first
// screen of rows read, as the user sees it open; the log opened and checked; a look for a transfer printed
// before.
#include "app/historywindow.h"

#include <QLineEdit>
#include <QSqlQueryModel>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// One log for every run of the benchmark: filling it takes longer than what is measured.
transfer::TransferLog& longLog(int rows)
{
    static QTemporaryDir dir;
    static transfer::TransferLog log(dir.filePath(QStringLiteral("przelew.sqlite")));
    static int filled = 0;
    if (filled < rows) {
        std::vector<transfer::LogEntry> entries;
        const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-400);
        for (int i = filled; i < rows; ++i) {
            transfer::LogEntry e;
            e.when = start.addSecs(qint64(i) * 300);
            e.how = QStringLiteral("druk");
            e.target = QStringLiteral("Biuro-%1").arg(i);
            e.form = QStringLiteral("przelew");
            e.values.recipientName = QStringLiteral("Odbiorca %1 sp. z o.o.").arg(i % 700);
            e.values.recipientAccount
                = QStringLiteral("61 1090101400000712198128%1").arg(i % 100, 2, 10, QLatin1Char('0'));
            e.values.amount = transfer::Money::fromGrosze(std::int64_t(i % 100000) * 100 + 25);
            e.values.payerName = QStringLiteral("Zleceniodawca");
            e.values.title = QStringLiteral("Faktura %1/2026").arg(i);
            e.values.date = 46365;
            entries.push_back(e);
        }
        log.record(entries);
        filled = rows;
    }
    return log;
}

void BM_HistoryWindowOpened(benchmark::State& state)
{
    transfer::TransferLog& log = longLog(int(state.range(0)));
    for (auto _ : state) {
        app::HistoryWindow window(log);
        QSqlQueryModel* model = window.model();
        // The first screen: about thirty rows of every column.
        for (int row = 0; row < 30; ++row) {
            for (int column = 0; column < app::HistoryWindow::ColumnCount; ++column)
                benchmark::DoNotOptimize(model->index(row, column).data());
        }
        benchmark::DoNotOptimize(window.table()->columnWidth(app::HistoryWindow::Title));
    }
}
BENCHMARK(BM_HistoryWindowOpened)->Arg(100000)->Unit(benchmark::kMillisecond);

// The same window with a search typed: every row is looked at until a screen is found.
void BM_HistorySearched(benchmark::State& state)
{
    transfer::TransferLog& log = longLog(int(state.range(0)));
    app::HistoryWindow window(log);
    int n = 0;
    for (auto _ : state) {
        window.search()->setText(QStringLiteral("Odbiorca %1 sp").arg(++n % 700));
        benchmark::DoNotOptimize(window.model()->index(0, app::HistoryWindow::Title).data());
    }
}
BENCHMARK(BM_HistorySearched)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

// The log opened as the program first uses it, every page of it checked; and the look for a transfer
// printed before, as a batch row or a print asks it.
void BM_LogOpenedAndChecked(benchmark::State& state)
{
    const QString path = longLog(int(state.range(0))).path();
    for (auto _ : state) {
        transfer::TransferLog log(path);
        benchmark::DoNotOptimize(log.isOpen());
    }
}
BENCHMARK(BM_LogOpenedAndChecked)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_PrintedBefore(benchmark::State& state)
{
    transfer::TransferLog& log = longLog(int(state.range(0)));
    transfer::TransferEditorValues v;
    v.recipientAccount = QStringLiteral("61 1090 1014 0000 0712 1981 2817");
    v.amount = transfer::Money::fromGrosze(1725);
    v.title = QStringLiteral("Faktura 99917/2026");
    for (auto _ : state)
        benchmark::DoNotOptimize(log.printedBefore(v));
}
BENCHMARK(BM_PrintedBefore)->Arg(100000)->Unit(benchmark::kMicrosecond);
