// SPDX-License-Identifier: GPL-2.0-or-later
// Page generation: the worked pixel examples of the transfer printout's page, the record loop, the band's
// veto, the new-page rule, notifications, cancel and the exception path.
#include "fakecanvas.h"
#include "report/rpdbtext.h"
#include "report/rperror.h"
#include "report/rpprinter.h"
#include "report/rpunits.h"
#include "support/syntheticreport.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

using namespace report;
using namespace reporttest;

namespace {

struct GenRun {
    TRpReport rp;
    TRpBand* band = nullptr;
    LoggingRecorderFactory recorder;
    std::unique_ptr<TRpPrinter> target;

    explicit GenRun(int ppi = 96)
    {
        band = buildTestReport(rp, ppi);
        target = std::make_unique<TRpPrinter>(TRpPrinterDestination::PageStore, ppi);
        target->setRecorderFactory(recorder.factory());
    }
    void generate() { rp.GenerateReport(*target); }
    const std::vector<Call>& calls(int page = 0) const { return recorder.pages.at(page)->calls; }
    std::vector<Call> callsOf(const QString& op, int page = 0) const
    {
        std::vector<Call> out;
        for (const Call& call : calls(page)) {
            if (call.op == op)
                out.push_back(call);
        }
        return out;
    }
};

TEST(Generation, OnePageOfA4LandscapeWithTheWhiteBandRectangle)
{
    GenRun run;
    run.generate();
    ASSERT_EQ(run.recorder.pages.size(), 1u);
    EXPECT_EQ(run.recorder.pages[0]->width, 1123);
    EXPECT_EQ(run.recorder.pages[0]->height, 794);
    const Call& first = run.calls().front();
    EXPECT_EQ(first.op, "fillRect");
    EXPECT_EQ((std::array { first.a, first.b, first.c, first.d }), (std::array { 26, 23, 1096, 772 }));
    EXPECT_EQ(first.brush.color, platform::rgb(255, 255, 255));
    EXPECT_FALSE(first.brush.clear);
    EXPECT_EQ(run.target->status(), TRpPrinterStatus::Finished);
    EXPECT_EQ(run.target->PagesStarted(), 1);
    EXPECT_EQ(run.target->PagesAvailable(), 1);
    EXPECT_EQ(run.rp.pageCount(), 1);
    EXPECT_TRUE(run.rp.available());
    EXPECT_TRUE(run.target->PageAt(1).has_value());
    EXPECT_FALSE(run.target->PageAt(2).has_value());
    EXPECT_FALSE(run.target->PageAt(0).has_value());
}

TEST(Generation, AtHundredTwentyPpiThePageAndBandScale)
{
    GenRun run(120);
    run.generate();
    ASSERT_EQ(run.recorder.pages.size(), 1u);
    EXPECT_EQ(run.recorder.pages[0]->width, 1403);
    EXPECT_EQ(run.recorder.pages[0]->height, 992);
    const Call& band = run.calls().front();
    // 70 x 120/254 = 33.07, 60 x 120/254 = 28.35, 2901.04 x 120/254 = 1370.57, 2041.73 x 120/254 = 964.6
    EXPECT_EQ((std::array { band.a, band.b, band.c, band.d }), (std::array { 33, 28, 1371, 965 }));
    // The silver frame: each edge mapped on its own, (1543.70, 81.17)-(2837.51, 872.27) native.
    const auto rects = run.callsOf("rectangle");
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(
        (std::array { rects[0].a, rects[0].b, rects[0].c, rects[0].d }), (std::array { 729, 38, 1341, 412 }));
    EXPECT_EQ(rects[0].pen.width, 1); // still one device pixel
}

// Every layout position of the band maps to device pixel (L + 26, T + 23) at 96 ppi.
TEST(Generation, EveryLayoutPositionLandsAtPlus26Plus23)
{
    TRpPrinter target(TRpPrinterDestination::PageStore, 96);
    for (int l = 0; l <= 1070; ++l)
        ASSERT_EQ(target.DeviceX(70 + layoutToNative(l)), l + 26) << "L = " << l;
    for (int t = 0; t <= 749; ++t)
        ASSERT_EQ(target.DeviceY(60 + layoutToNative(t)), t + 23) << "T = " << t;
}

TEST(Generation, TheSilverFrameOfCopyB)
{
    GenRun run;
    run.generate();
    const auto rects = run.callsOf("rectangle");
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(
        (std::array { rects[0].a, rects[0].b, rects[0].c, rects[0].d }), (std::array { 583, 31, 1072, 330 }));
    EXPECT_EQ(rects[0].brush.color, platform::rgb(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(rects[0].pen, (platform::Pen { 0, 1, platform::PenStyle::Solid }));
}

TEST(Generation, TheFirstCaptionOfCopyBFillsItsBoxAndDrawsAtItsCorner)
{
    GenRun run;
    auto* caption = run.band->find<TRpLabel>("RpLabel14");
    EXPECT_EQ(caption->screenBounds(), QRect(560, 8, 64, 11)); // measured width unchanged
    run.generate();
    const auto fills = run.callsOf("fillRect");
    ASSERT_EQ(fills.size(), 2u); // band, then the caption's background
    EXPECT_EQ(
        (std::array { fills[1].a, fills[1].b, fills[1].c, fills[1].d }), (std::array { 586, 31, 650, 42 }));
    const auto texts = run.callsOf("textOut");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].a, 586);
    EXPECT_EQ(texts[0].b, 31);
    EXPECT_EQ(texts[0].text, "   nazwa odbiorcy   ");
    EXPECT_EQ(texts[0].align, platform::TextAlign::Left);
    EXPECT_EQ(texts[0].font.pointSize, 6);
    EXPECT_EQ(texts[0].font.face, "Arial");
    EXPECT_EQ(texts[0].font.charset, 238);
    // The component order is kept: band, frame, caption background, caption text.
    EXPECT_EQ(run.calls()[1].op, "rectangle");
}

TEST(Generation, AHorizontalLineOneLayoutUnitHighLiesOnRowTPlus23)
{
    GenRun run;
    auto* line = run.band->add<TRpShape>("RpShape99");
    line->setLayoutBounds(100, 40, 200, 1);
    line->Shape = rpsHorLine;
    line->Pen.Width = 3;
    auto* vertical = run.band->add<TRpShape>("RpShape100");
    vertical->setLayoutBounds(300, 10, 3, 50);
    vertical->Shape = rpsVertLine;
    vertical->Pen.Style = psDot;
    run.generate();
    const auto lines = run.callsOf("line");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(
        (std::array { lines[0].a, lines[0].b, lines[0].c, lines[0].d }), (std::array { 126, 63, 326, 63 }));
    EXPECT_EQ(lines[0].pen.width, 3); // pen widths are device pixels, never scaled
    // x through the middle of a 3-unit box: 70 + 301.5 x 254/96 = 867.7 native, pixel 327.98 -> 328
    EXPECT_EQ(
        (std::array { lines[1].a, lines[1].b, lines[1].c, lines[1].d }), (std::array { 328, 33, 328, 83 }));
    EXPECT_EQ(lines[1].pen.style, platform::PenStyle::Dot);
}

TEST(Generation, AClearPenAndAnEllipse)
{
    GenRun run;
    auto* box = run.band->add<TRpShape>("RpShape24");
    box->setLayoutBounds(25, 14, 487, 20);
    box->Pen.Style = psClear;
    auto* circle = run.band->add<TRpShape>("RpShape60");
    circle->setLayoutBounds(10, 10, 40, 40);
    circle->Shape = rpsCircle;
    run.generate();
    const auto rects = run.callsOf("rectangle");
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[1].pen.style, platform::PenStyle::Clear);
    EXPECT_EQ(
        (std::array { rects[1].a, rects[1].b, rects[1].c, rects[1].d }), (std::array { 51, 37, 538, 57 }));
    const auto ellipses = run.callsOf("ellipse");
    ASSERT_EQ(ellipses.size(), 1u);
    EXPECT_EQ((std::array { ellipses[0].a, ellipses[0].b, ellipses[0].c, ellipses[0].d }),
        (std::array { 36, 33, 76, 73 }));
}

TEST(Generation, DisabledComponentsAndADisabledBandDrawNothing)
{
    GenRun run;
    run.band->find<TRpShape>("RpShape12")->Enabled = false;
    run.generate();
    EXPECT_TRUE(run.callsOf("rectangle").empty());

    GenRun off;
    off.band->Enabled = false;
    bool called = false;
    off.band->BeforePrint = [&](TRpBand*, bool&) { called = true; };
    off.generate();
    EXPECT_FALSE(called); // a disabled band is not asked
    EXPECT_TRUE(off.recorder.pages.empty());
}

TEST(Generation, BeforePrintVetoesTheBand)
{
    GenRun run;
    TRpBand* sender = nullptr;
    run.band->BeforePrint = [&](TRpBand* band, bool& printBand) {
        sender = band;
        EXPECT_TRUE(printBand);
        printBand = false;
    };
    run.generate();
    EXPECT_EQ(sender, run.band);
    EXPECT_TRUE(run.recorder.pages.empty());
    EXPECT_EQ(run.target->PagesStarted(), 0);
    // No page was stored, so none is announced as available.
    EXPECT_EQ(run.target->PagesAvailable(), 0);
    EXPECT_EQ(run.target->status(), TRpPrinterStatus::Finished);
}

TEST(Generation, BeforePrintSetsCaptionsBeforeTheComponentsDraw)
{
    GenRun run;
    run.band->BeforePrint = [](TRpBand* band, bool&) { band->find<TRpLabel>("RpLabel14")->setCaption("X"); };
    run.generate();
    const auto texts = run.callsOf("textOut");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "X");
}

struct DataRow {
    const char* name;
    bool hasDataSet;
    bool active;
    int records;
    bool printIfEmpty;
    int pages;
    int beforePrintCalls;
};

class RecordLoop : public ::testing::TestWithParam<DataRow> { };

TEST_P(RecordLoop, PagesAndBandPrints)
{
    const DataRow& row = GetParam();
    GenRun run;
    std::vector<std::map<std::string, std::string>> rows(
        std::size_t(row.records), { { "Data", "2026-12-09" } });
    RowsDataSet data({ "Data" }, rows);
    data.isActive = row.active;
    if (row.hasDataSet)
        run.rp.DataSet = &data;
    run.rp.PrintIfEmpty = row.printIfEmpty;
    int calls = 0;
    run.band->BeforePrint = [&](TRpBand*, bool&) { ++calls; };
    run.generate();
    EXPECT_EQ(int(run.recorder.pages.size()), row.pages);
    EXPECT_EQ(run.target->PagesStarted(), row.pages);
    EXPECT_EQ(calls, row.beforePrintCalls);
}

INSTANTIATE_TEST_SUITE_P(Generation, RecordLoop,
    ::testing::Values(DataRow { "OneRecord", true, true, 1, true, 1, 1 },
        DataRow { "EmptyActivePrintIfEmpty", true, true, 0, true, 1, 1 },
        DataRow { "EmptyActiveNoPrintIfEmpty", true, true, 0, false, 0, 0 },
        DataRow { "InactivePrintIfEmpty", true, false, 3, true, 1, 1 },
        DataRow { "InactiveNoPrintIfEmpty", true, false, 3, false, 0, 0 },
        DataRow { "NoDataSetPrintIfEmpty", false, true, 0, true, 1, 1 },
        DataRow { "NoDataSetNoPrintIfEmpty", false, true, 0, false, 0, 0 },
        // The band is taller than the printable height, so later records print below on the same page.
        DataRow { "ThreeRecordsOnePage", true, true, 3, true, 1, 3 }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Generation, ASecondRecordPrintsBelowTheFirstOnTheSamePage)
{
    GenRun run;
    RowsDataSet data({}, { {}, {} });
    run.rp.DataSet = &data;
    run.generate();
    ASSERT_EQ(run.recorder.pages.size(), 1u);
    std::vector<Call> bandFills;
    for (const Call& call : run.callsOf("fillRect")) {
        if (call.a == 26 && call.c == 1096)
            bandFills.push_back(call);
    }
    ASSERT_EQ(bandFills.size(), 2u);
    EXPECT_EQ(bandFills[1].b, 772); // y = 2042: 2042 x 96/254 = 771.78
}

TEST(Generation, BandsThatFitBeginANewPageWhenThePageIsFull)
{
    GenRun run;
    run.band->setLayoutSize(1070, 300); // 793.75 native: two fit on 1963.8, the third begins page 2
    RowsDataSet data({}, std::vector<std::map<std::string, std::string>>(5));
    run.rp.DataSet = &data;
    run.generate();
    EXPECT_EQ(run.recorder.pages.size(), 3u);
    EXPECT_EQ(run.target->PagesStarted(), 3);
    EXPECT_EQ(run.target->PagesAvailable(), 3);
    for (int n = 1; n <= 3; ++n)
        EXPECT_TRUE(run.target->PageAt(n).has_value()) << n;
}

// A band that forces a new page prints one record a page, each at the top of its page, however much room
// the page has left.
TEST(Generation, ABandThatForcesANewPagePrintsOneRecordAPage)
{
    GenRun run;
    run.band->setLayoutSize(1070, 300); // two would fit on a page
    run.band->ForceNewPage = true;
    RowsDataSet data({}, std::vector<std::map<std::string, std::string>>(3));
    run.rp.DataSet = &data;
    run.generate();
    ASSERT_EQ(run.recorder.pages.size(), 3u);
    for (int page = 0; page < 3; ++page) {
        std::vector<int> bandTops;
        for (const Call& call : run.callsOf("fillRect", page)) {
            if (call.a == 26 && call.c == 1096)
                bandTops.push_back(call.b);
        }
        EXPECT_EQ(bandTops, (std::vector<int> { 23 })) << "page " << page + 1;
    }
}

TEST(Generation, NotificationsAreQueuedToTheClient)
{
    GenRun run;
    NotificationClient client;
    run.target->setClient(&client);
    RowsDataSet data({}, std::vector<std::map<std::string, std::string>>(4));
    run.rp.DataSet = &data;
    run.band->setLayoutSize(1070, 300);
    run.band->BeforePrint = [&](TRpBand*, bool&) {
        // Handlers run while generating; the notifications of earlier pages have not arrived yet unless
        // the loop let events run.
    };
    run.generate();
    // The run processed events at its checkpoints, so progress up to 75 may have arrived; the last
    // page-available notification is still queued.
    ASSERT_FALSE(client.pagesAvailable.empty());
    EXPECT_LT(client.pagesAvailable.back(), 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(client.pagesAvailable, (std::vector<int> { 1, 2 }));
    EXPECT_EQ(client.progress, (std::vector<int> { 25, 50, 75, 100 }));
}

TEST(Generation, NoNotificationIsDeliveredSynchronously)
{
    GenRun run;
    NotificationClient client;
    run.target->setClient(&client);
    run.target->OpenDocument();
    run.target->setProgress(40);
    run.target->NextPage();
    run.target->NextPage();
    EXPECT_TRUE(client.progress.empty());
    EXPECT_TRUE(client.pagesAvailable.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(client.progress, (std::vector<int> { 40 }));
    EXPECT_EQ(client.pagesAvailable, (std::vector<int> { 1 }));
}

TEST(Generation, ARecordCountThatFailsCountsOne)
{
    GenRun run;
    NotificationClient client;
    run.target->setClient(&client);
    RowsDataSet data({}, std::vector<std::map<std::string, std::string>>(2));
    data.recordCountThrows = true;
    run.rp.DataSet = &data;
    run.generate();
    QCoreApplication::processEvents();
    EXPECT_EQ(client.progress, (std::vector<int> { 100, 200 }));
}

TEST(Generation, AnExceptionEndsTheDocumentAndTheReportIsAvailableAgain)
{
    GenRun run;
    RowsDataSet data({}, std::vector<std::map<std::string, std::string>>(2));
    run.rp.DataSet = &data;
    int calls = 0;
    run.band->BeforePrint = [&](TRpBand*, bool&) {
        if (++calls == 2)
            throw ERpError(QStringLiteral("handler failed"));
    };
    EXPECT_THROW(run.generate(), ERpError);
    EXPECT_TRUE(run.rp.available());
    EXPECT_EQ(run.target->status(), TRpPrinterStatus::Finished);
    EXPECT_EQ(run.target->PagesAvailable(), 1); // the page drawn so far is stored and announced
    EXPECT_TRUE(run.target->PageAt(1).has_value());
    EXPECT_FALSE(run.band->find<TRpLabel>("RpLabel14")->printing());

    // A later run on a fresh target works.
    calls = 10;
    TRpPrinter second(TRpPrinterDestination::PageStore, 96);
    second.setRecorderFactory(run.recorder.factory());
    run.rp.GenerateReport(second);
    EXPECT_EQ(second.PagesAvailable(), 1);
}

TEST(Generation, CancelStopsBeforeTheNextRecordAndAbortsTheDocument)
{
    GenRun run;
    NotificationClient client;
    run.target->setClient(&client);
    RowsDataSet data({}, std::vector<std::map<std::string, std::string>>(3));
    run.rp.DataSet = &data;
    int calls = 0;
    run.band->BeforePrint = [&](TRpBand*, bool&) {
        ++calls;
        run.rp.cancelGeneration(); // what the preview-closed notification does while generating
    };
    run.generate();
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(run.rp.cancelled());
    EXPECT_TRUE(run.rp.available());
    EXPECT_TRUE(run.target->cancelled());
    EXPECT_EQ(run.target->status(), TRpPrinterStatus::Finished);
    EXPECT_EQ(run.target->PagesAvailable(), 0); // aborting announces nothing
    EXPECT_EQ(run.target->pageList().pageCount(), 1); // but keeps the open page
    QCoreApplication::processEvents();
    EXPECT_TRUE(client.pagesAvailable.empty());
}

TEST(Generation, ATargetCancelStopsTheLoopButClosesTheDocument)
{
    GenRun run;
    RowsDataSet data({}, std::vector<std::map<std::string, std::string>>(3));
    run.rp.DataSet = &data;
    int calls = 0;
    run.band->BeforePrint = [&](TRpBand*, bool&) {
        ++calls;
        run.target->RequestCancel(); // the progress window's Cancel button
    };
    run.generate();
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(run.rp.cancelled());
    EXPECT_EQ(run.target->PagesAvailable(), 1); // closed normally: what was drawn is kept
}

TEST(Generation, ASecondGenerateWhileRunningDoesNothing)
{
    GenRun run;
    int inner = 0;
    run.band->BeforePrint = [&](TRpBand*, bool&) {
        TRpPrinter other(TRpPrinterDestination::PageStore, 96);
        run.rp.GenerateReport(other);
        inner = other.PagesStarted();
        EXPECT_EQ(other.status(), TRpPrinterStatus::Ready);
    };
    run.generate();
    EXPECT_EQ(inner, 0);
    EXPECT_EQ(run.target->PagesAvailable(), 1);
}

TEST(Generation, TargetStateErrors)
{
    TRpPrinter target(TRpPrinterDestination::PageStore, 96);
    try {
        target.NextPage();
        FAIL() << "NextPage before OpenDocument";
    } catch (const ERpError& e) {
        EXPECT_EQ(e.message(), "Illegal call to NewPage");
    }
    target.OpenDocument();
    try {
        target.OpenDocument();
        FAIL() << "OpenDocument twice";
    } catch (const ERpError& e) {
        EXPECT_EQ(e.message(), "RpPrinter not ready");
    }
    GenRun run;
    run.generate();
    EXPECT_THROW(run.rp.GenerateReport(*run.target), ERpError); // a used target is not ready
    EXPECT_TRUE(run.rp.available());
}

TEST(Generation, UnitsAreNativeDuringTheRunAndRestoredAfter)
{
    GenRun run;
    run.rp.setUnits(TRpUnit::MM);
    TRpUnit during = TRpUnit::MM;
    run.band->BeforePrint = [&](TRpBand*, bool&) { during = run.rp.Units(); };
    run.generate();
    EXPECT_EQ(during, TRpUnit::Native);
    EXPECT_EQ(run.rp.Units(), TRpUnit::MM);
    EXPECT_DOUBLE_EQ(double(run.rp.toUnits(run.rp.Page.topMargin())), 6.0);
}

struct PaperRow {
    const char* name;
    TRpPaperSize paper;
    TRpOrientation orientation;
    long double customWidth;
    long double customLength;
    int widthPx;
    int heightPx;
};

class PageSizes : public ::testing::TestWithParam<PaperRow> { };

TEST_P(PageSizes, ThePageCanvasTakesThePaperInItsOrientation)
{
    const PaperRow& row = GetParam();
    GenRun run;
    run.rp.Page.setPaperSize(row.paper);
    run.rp.Page.setOrientation(row.orientation);
    run.rp.Page.setWidth(row.customWidth);
    run.rp.Page.setLength(row.customLength);
    run.band->setLayoutSize(100, 100);
    run.generate();
    ASSERT_EQ(run.recorder.pages.size(), 1u);
    EXPECT_EQ(run.recorder.pages[0]->width, row.widthPx);
    EXPECT_EQ(run.recorder.pages[0]->height, row.heightPx);
}

INSTANTIATE_TEST_SUITE_P(Generation, PageSizes,
    ::testing::Values(PaperRow { "A4Portrait", TRpPaperSize::A4, poPortrait, 0, 0, 794, 1123 },
        PaperRow { "A4Landscape", TRpPaperSize::A4, poLandscape, 0, 0, 1123, 794 },
        PaperRow { "A5Landscape", TRpPaperSize::A5, poLandscape, 0, 0, 794, 559 },
        // Ledger is wider than long even in portrait.
        PaperRow { "LedgerPortrait", TRpPaperSize::Ledger, poPortrait, 0, 0, 1632, 1056 },
        PaperRow { "CustomWidePortrait", TRpPaperSize::Custom, poPortrait, 2540, 1270, 960, 480 },
        PaperRow { "CustomLandscape", TRpPaperSize::Custom, poLandscape, 2540, 1270, 960, 480 }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Generation, NegativePrintableSizeDropsTheMargins)
{
    GenRun run;
    run.rp.Page.setLeftMargin(2000);
    run.rp.Page.setRightMargin(2000);
    run.generate();
    EXPECT_EQ(run.rp.Page.leftMargin(), 0);
    EXPECT_EQ(run.rp.Page.rightMargin(), 0);
    EXPECT_EQ(run.calls().front().a, 0);
}

TEST(Generation, DataTextPrintsTheFieldOfTheCurrentRecord)
{
    GenRun run;
    RowsDataSet data({ "Data", "Broken" }, { { { "Data", "09.12.2026" } } });
    run.rp.DataSet = &data;
    auto* date = run.band->add<TRpDBText>("tData1");
    date->setLayoutBounds(40, 100, 10, 13);
    date->Font.Name = QStringLiteral("Arial");
    date->FontSize = 10;
    date->DataSet = &data;
    date->DataField = "Data";
    date->setCaption("Data");
    auto* missing = run.band->add<TRpDBText>("tData2");
    missing->setLayoutBounds(40, 200, 30, 13);
    missing->DataSet = &data;
    missing->DataField = "Nothing";
    missing->Transparent = false;
    auto* broken = run.band->add<TRpDBText>("tData3");
    broken->setLayoutBounds(40, 300, 30, 13);
    broken->DataSet = &data;
    broken->DataField = "Broken";
    EXPECT_EQ(missing->caption(), "tData2"); // before a run it shows its field or name
    run.generate();

    std::vector<QString> texts;
    for (const Call& call : run.callsOf("textOut"))
        texts.push_back(call.text);
    EXPECT_EQ(texts, (std::vector<QString> { "   nazwa odbiorcy   ", "09.12.2026" }));
    // The missing field prints an empty text on its opaque box: a strip one pixel wide.
    const auto fills = run.callsOf("fillRect");
    const Call& strip = fills.back();
    EXPECT_EQ(strip.c - strip.a, 1);
    EXPECT_EQ(strip.b, 200 + 23);
    // After the run each data text shows its field name again.
    EXPECT_EQ(date->caption(), "Data");
    EXPECT_EQ(date->text(), "Data");
    EXPECT_EQ(missing->caption(), "Nothing");
    EXPECT_EQ(date->field(), nullptr);
    EXPECT_FALSE(date->printing());
}

} // namespace
