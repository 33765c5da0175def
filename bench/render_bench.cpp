// SPDX-License-Identifier: GPL-2.0-or-later
// The command line at work on a batch: przelew-render turns a one-row CSV and an N-row CSV into PDFs, each
// in a process of its own as a user runs it, timed from start to exit, one after the other in every
// iteration. The counters give both times, how many times longer the batch takes, and the batch's peak
// memory.
#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

void writeCsv(const QString& path, int rows)
{
    QByteArray text = "NDNazwa;NDKONTOKONTR;NDKonto;Kwota;WCNazwa;Tytulem;Data\n";
    for (int row = 0; row < rows; ++row) {
        text += "Dostawca " + QByteArray::number(row) + " sp. z o.o.;61;1090 1014 0000 0712 1981 2874;"
            + QByteArray::number(row + 1) + ",50;Firma Płatnik S.A.;Faktura FV/" + QByteArray::number(row)
            + "/2026;09.12.2026\n";
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        std::abort();
}

struct Run {
    double seconds = 0;
    double peakMiB = 0;
};

Run render(const QString& input, const QString& output)
{
    std::vector<std::string> args { PRZELEW_RENDER, input.toStdString(), output.toStdString() };
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        std::abort();
    int status = 0;
    rusage usage {};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::abort();
    return Run { double(timer.nsecsElapsed()) / 1e9, double(usage.ru_maxrss) / 1024.0 };
}

void BM_RenderCsvToPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString one = dir.filePath(QStringLiteral("one.csv")),
                  many = dir.filePath(QStringLiteral("many.csv"));
    writeCsv(one, 1);
    writeCsv(many, int(state.range(0)));
    double oneSeconds = 0, manySeconds = 0, peak = 0;
    for (auto _ : state) {
        const Run single = render(one, dir.filePath(QStringLiteral("one.pdf")));
        const Run batch = render(many, dir.filePath(QStringLiteral("many.pdf")));
        state.SetIterationTime(batch.seconds);
        oneSeconds += single.seconds;
        manySeconds += batch.seconds;
        peak = std::max(peak, batch.peakMiB);
    }
    const double n = double(state.iterations());
    state.counters["one_row_s"] = oneSeconds / n;
    state.counters["rows_s"] = manySeconds / n;
    state.counters["times_one_row"] = manySeconds / oneSeconds;
    state.counters["peak_MiB"] = peak;
}
BENCHMARK(BM_RenderCsvToPdf)->Arg(1000)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
