// SPDX-License-Identifier: GPL-2.0-or-later
// The command line at work on a batch: przelew-render turns a one-row CSV and an N-row CSV into PDFs, each
// in a process of its own as a user runs it, timed from start to exit, one after the other in every
// iteration. The counters give both times, how many times longer the batch takes, and the batch's peak
// memory. The same for N structured invoices, one file each, beside the N-row CSV: what an invoice costs
// a page more than a CSV row.
#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
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

// N invoices of the FA(3) schema, each its own file, as a bookkeeper's folder holds them.
QStringList writeInvoices(const QString& folder, int count)
{
    QStringList paths;
    for (int n = 0; n < count; ++n) {
        const QByteArray number = QByteArray::number(n);
        const QByteArray xml
            = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<Faktura xmlns=\"http://crd.gov.pl/wzor/2025/06/25/13775/\">\n"
              "<Naglowek><KodFormularza kodSystemowy=\"FA (3)\" wersjaSchemy=\"1-0E\">FA</KodFormularza>"
              "<WariantFormularza>3</WariantFormularza><DataWytworzeniaFa>2026-11-02T08:00:00Z"
              "</DataWytworzeniaFa></Naglowek>\n"
              "<Podmiot1><DaneIdentyfikacyjne><NIP>1132853869</NIP><Nazwa>Dostawca "
            + number
            + " sp. z o.o.</Nazwa></DaneIdentyfikacyjne><Adres><KodKraju>PL</KodKraju><AdresL1>ul. Długa "
            + number
            + "</AdresL1><AdresL2>00-001 Warszawa</AdresL2></Adres></Podmiot1>\n"
              "<Podmiot2><DaneIdentyfikacyjne><NIP>7251801126</NIP><Nazwa>Firma Płatnik S.A.</Nazwa>"
              "</DaneIdentyfikacyjne><Adres><KodKraju>PL</KodKraju><AdresL1>ul. Krótka 1</AdresL1></Adres>"
              "</Podmiot2>\n<Fa><KodWaluty>PLN</KodWaluty><P_1>2026-11-02</P_1><P_2>FV/"
            + number + "/2026</P_2><P_13_1>100.00</P_13_1><P_14_1>23.00</P_14_1><P_15>"
            + QByteArray::number(n + 1)
            + ".50</P_15><Adnotacje><P_16>2</P_16><P_17>2</P_17><P_18>2</P_18><P_18A>2</P_18A></Adnotacje>"
              "<RodzajFaktury>VAT</RodzajFaktury><Platnosc><TerminPlatnosci><Termin>2099-01-15</Termin>"
              "</TerminPlatnosci><FormaPlatnosci>6</FormaPlatnosci><RachunekBankowy><NrRB>"
              "61109010140000071219812874</NrRB></RachunekBankowy></Platnosc></Fa></Faktura>\n";
        const QString path = QStringLiteral("%1/faktura-%2.xml").arg(folder).arg(n);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(xml) != xml.size())
            std::abort();
        paths << path;
    }
    return paths;
}

Run render(const QStringList& inputs, const QString& output)
{
    std::vector<std::string> args { PRZELEW_RENDER };
    args.reserve(std::size_t(inputs.size()) + 2);
    for (const QString& input : inputs)
        args.push_back(input.toStdString());
    args.push_back(output.toStdString());
    std::vector<char*> argv;
    argv.reserve(args.size() + 1);
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
        const Run single = render({ one }, dir.filePath(QStringLiteral("one.pdf")));
        const Run batch = render({ many }, dir.filePath(QStringLiteral("many.pdf")));
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

// N invoices against an N-row CSV, both to an N-page PDF: the time per page of each, and what reading an
// invoice adds to a page.
void BM_RenderInvoicesToPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    const int count = int(state.range(0));
    const QString csv = dir.filePath(QStringLiteral("many.csv"));
    writeCsv(csv, count);
    const QStringList invoices = writeInvoices(dir.path(), count);
    double csvSeconds = 0, invoiceSeconds = 0, peak = 0;
    for (auto _ : state) {
        const Run rows = render({ csv }, dir.filePath(QStringLiteral("csv.pdf")));
        const Run read = render(invoices, dir.filePath(QStringLiteral("invoices.pdf")));
        state.SetIterationTime(read.seconds);
        csvSeconds += rows.seconds;
        invoiceSeconds += read.seconds;
        peak = std::max(peak, read.peakMiB);
    }
    const double n = double(state.iterations()) * count;
    state.counters["invoice_page_ms"] = invoiceSeconds / n * 1000;
    state.counters["csv_page_ms"] = csvSeconds / n * 1000;
    state.counters["invoice_more_ms"] = (invoiceSeconds - csvSeconds) / n * 1000;
    state.counters["peak_MiB"] = peak;
}
BENCHMARK(BM_RenderInvoicesToPdf)->Arg(1000)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
