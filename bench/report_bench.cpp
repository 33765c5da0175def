// SPDX-License-Identifier: GPL-2.0-or-later
// Report generation: one page of a synthetic report shaped like the transfer printout (four copies of
// 25 shapes and 25 captions, 48 data labels filled by the band's handler, 4 data texts) generated from a
// one-record data set into a fresh page store, recorded as an EMF; and fetching a page back.
#include "report/rpband.h"
#include "report/rpdataset.h"
#include "report/rpdbtext.h"
#include "report/rplabel.h"
#include "report/rpprinter.h"
#include "report/rpreport.h"
#include "report/rpshape.h"
#include "support/transferpage.h"

#include <benchmark/benchmark.h>
#include <string>

using namespace report;

namespace {

class OneRecord : public TRpDataSet, public TRpField {
public:
    bool active() const override { return true; }
    void first() override { m_eof = false; }
    void next() override { m_eof = true; }
    bool eof() const override { return m_eof; }
    int recordCount() const override { return 1; }
    TRpField* findField(const std::string& name) override { return name == "Data" ? this : nullptr; }
    std::string displayText() const override { return "09.12.2026"; }

private:
    bool m_eof = false;
};

struct SyntheticReport {
    TRpReport rp;
    OneRecord data;
    std::vector<TRpLabel*> values;

    SyntheticReport()
    {
        testsupport::setTransferPage(rp, 96);
        rp.DataSet = &data;
        TRpBand* band = rp.addBand("DetailBand1");
        band->setLayoutSize(1070, 749);
        const TColor frames[] = { clRed, clBlack, 25600, 10790143 };
        for (int copy = 0; copy < 4; ++copy) {
            const int ox = (copy % 2) * 533, oy = (copy / 2) * 374;
            for (int i = 0; i < 25; ++i) {
                auto* shape = band->add<TRpShape>("RpShape" + std::to_string(copy * 100 + i));
                shape->setLayoutBounds(ox + 24, oy + 8 + i * 12, i % 3 == 0 ? 489 : 128, i % 5 == 0 ? 1 : 20);
                shape->Shape = i % 5 == 0 ? rpsHorLine : rpsRectangle;
                shape->Pen.Color = frames[copy];
                shape->Pen.Style = i % 4 == 1 ? psClear : psSolid;
                shape->Brush.Color = i == 0 ? clSilver : clWhite;
            }
            for (int i = 0; i < 25; ++i) {
                auto* label = band->add<TRpLabel>("RpLabel" + std::to_string(copy * 100 + i));
                label->setLayoutBounds(ox + 27, oy + 8 + i * 12, 64, 11);
                label->FontSize = i % 2 ? 6 : 8;
                label->Transparent = i % 3 == 0;
                label->setCaption(i % 2 ? " nazwa zleceniodawcy cd. "
                                        : " tytu\xb3"
                                          "em ");
            }
            for (int i = 0; i < 12; ++i) {
                auto* value = band->add<TRpLabel>("lValue" + std::to_string(copy * 100 + i));
                value->setLayoutBounds(ox + 30, oy + 16 + i * 24, 400, 16);
                value->Font.Name = QStringLiteral("Arial");
                value->FontSize = 10;
                value->Font.Bold = true;
                values.push_back(value);
            }
            auto* date = band->add<TRpDBText>("tData" + std::to_string(copy + 1));
            date->setLayoutBounds(ox + 400, oy + 300, 80, 16);
            date->DataSet = &data;
            date->DataField = "Data";
            date->FontSize = 10;
        }
        band->BeforePrint = [this](TRpBand*, bool&) {
            for (TRpLabel* value : values)
                value->setCaption("P R Z E D S I \xca B I O R S T W O   \xa3\xd3\xaf  ");
        };
    }
};

void BM_ReportPageIntoStore(benchmark::State& state)
{
    SyntheticReport report;
    std::size_t bytes = 0;
    for (auto _ : state) {
        TRpPrinter target(TRpPrinterDestination::PageStore, 96);
        report.rp.GenerateReport(target);
        bytes = std::size_t(target.stream()->size());
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["store_bytes"] = double(bytes);
}
BENCHMARK(BM_ReportPageIntoStore)->Unit(benchmark::kMillisecond);

void BM_PageAtFromStore(benchmark::State& state)
{
    SyntheticReport report;
    report.rp.DataSet = nullptr; // PrintIfEmpty: one band per run
    TRpPrinter target(TRpPrinterDestination::PageStore, 96);
    target.OpenDocument();
    const int pages = int(state.range(0));
    for (int n = 0; n < pages; ++n)
        target.NextPage();
    target.CloseDocument();
    int n = 0;
    for (auto _ : state) {
        // Alternate far pages, so each fetch walks the links.
        n = n == 2 ? pages - 1 : 2;
        benchmark::DoNotOptimize(target.PageAt(n));
    }
}
BENCHMARK(BM_PageAtFromStore)->Arg(3)->Arg(100)->Arg(5000)->Arg(10000)->Unit(benchmark::kMicrosecond);

} // namespace
