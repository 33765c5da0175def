// SPDX-License-Identifier: GPL-2.0-or-later
// The transfer order itself: the record filled as the print command fills it and the one page generated
// into a page store, then that page played onto a screen-sized and a 600-dpi image.
#include "data/dm2.h"
#include "emf/metafile.h"
#include "platform/files.h"
#include "printout/frprzelnew.h"
#include "report/rpprinter.h"
#include "transfer/transferfile.h"
#include "transfer/transferrecord.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

transfer::TransferEditorValues sampleValues()
{
    transfer::TransferEditorValues values = transfer::editorValuesFromFile(transfer::parseTransferFile(
        platform::readWholeFile(QStringLiteral(PRZELEW_BENCH_DATA "/transfers/sample.txt"))));
    values.payerAccount = QStringLiteral("12 1020 5558 0000 1234 5678 9012");
    return values;
}

void BM_TransferPageGenerated(benchmark::State& state)
{
    data::TDM2 dm;
    printout::TfrPrzelNew form(dm.mtPlat);
    const transfer::TransferEditorValues values = sampleValues();
    qint64 bytes = 0;
    for (auto _ : state) {
        transfer::writeTransferRecord(dm, values);
        report::TRpPrinter store(report::TRpPrinterDestination::PageStore, 96);
        form.rp.GenerateReport(store);
        bytes = store.PageAt(1)->bytes.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["emf_bytes"] = double(bytes);
}
BENCHMARK(BM_TransferPageGenerated)->Unit(benchmark::kMillisecond);

// Many transfers, a page each, into one page store (which spills to its temporary file): the batch's
// cost per page beside the single page above.
void BM_TransferPagesGenerated(benchmark::State& state)
{
    data::TDM2 dm;
    printout::TfrPrzelNew form(dm.mtPlat);
    form.DetailBand1->ForceNewPage = true;
    const std::vector<transfer::TransferEditorValues> transfers(std::size_t(state.range(0)), sampleValues());
    for (auto _ : state) {
        transfer::writeTransferRecords(dm, transfers);
        report::TRpPrinter store(report::TRpPrinterDestination::PageStore, 96);
        form.rp.GenerateReport(store);
        benchmark::DoNotOptimize(store.PagesStarted());
    }
    state.counters["pages"] = double(state.range(0));
}
BENCHMARK(BM_TransferPagesGenerated)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_TransferPagePlayed(benchmark::State& state)
{
    data::TDM2 dm;
    printout::TfrPrzelNew form(dm.mtPlat);
    transfer::writeTransferRecord(dm, sampleValues());
    report::TRpPrinter store(report::TRpPrinterDestination::PageStore, 96);
    form.rp.GenerateReport(store);
    const QByteArray page = store.PageAt(1)->bytes;
    const int dpi = int(state.range(0));
    QImage image(QSize(1123, 794) * dpi / 96, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        emf::playMetafile(page, painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    }
}
BENCHMARK(BM_TransferPagePlayed)->Arg(96)->Arg(600)->Unit(benchmark::kMillisecond);

} // namespace
