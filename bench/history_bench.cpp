// SPDX-License-Identifier: GPL-2.0-or-later
// The history window on a long log: 100 000 logged transfers, the window made and its first screen of
// rows read, as the user sees it open.
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
