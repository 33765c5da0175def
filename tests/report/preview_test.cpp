// SPDX-License-Identifier: GPL-2.0-or-later
// PreviewReport through a stand-in preview side: the wait until the window closes, closing during the
// run, and every page target released exactly once.
#include "report/rperror.h"
#include "report/rppreviewhost.h"
#include "report/rpprinter.h"
#include "support/syntheticreport.h"

#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

using namespace report;
using namespace reporttest;

namespace {

// Plays the window: it owns the targets it shows and releases each one when it closes.
class FakeHost : public TRpPreviewHost {
public:
    explicit FakeHost(TRpReport& rp)
        : m_rp(rp)
    {
    }
    ~FakeHost() override
    {
        for (TRpPrinter* t : shown)
            delete t;
    }
    void showPreview(TRpPrinter* target) override
    {
        shown.push_back(target);
        targets.emplace_back(target);
        if (closeLater)
            closeWhenFinished(target);
    }
    // The user closes the window once the pages are there.
    void closeWhenFinished(TRpPrinter* target)
    {
        QTimer::singleShot(0, [this, target] {
            if (target->status() == TRpPrinterStatus::Finished && m_rp.available())
                close(target);
            else
                closeWhenFinished(target);
        });
    }
    bool showsPreview(const TRpPrinter* target) const override
    {
        return std::find(shown.begin(), shown.end(), target) != shown.end();
    }
    void close(TRpPrinter* target)
    {
        pagesWhenClosed = target->PagesAvailable();
        m_rp.previewClosed(target); // synchronous, before the window lets go of its target
        shown.erase(std::find(shown.begin(), shown.end(), target));
        delete target;
    }

    bool closeLater = true;
    std::vector<TRpPrinter*> shown;
    std::vector<QPointer<TRpPrinter>> targets;
    int pagesWhenClosed = -1;

private:
    TRpReport& m_rp;
};

// A report previewed through the fake host, whose window the test closes itself; three records unless
// a test gives others.
struct HostedRun {
    TRpReport rp;
    TRpBand* band = buildTestReport(rp, 96);
    FakeHost host { rp };
    RowsDataSet data { {}, std::vector<std::map<std::string, std::string>>(3) };
    int records = 0; // the records begun so far, when a test counts them

    HostedRun()
    {
        host.closeLater = false;
        rp.setPreviewHost(&host);
    }
    void withRecords() { rp.DataSet = &data; }
};

TEST(Preview, WaitsUntilTheWindowClosesAfterThePagesAreThere)
{
    TRpReport rp;
    buildTestReport(rp, 96);
    FakeHost host(rp);
    rp.setPreviewHost(&host);
    rp.PreviewReport();
    ASSERT_EQ(host.targets.size(), 1u);
    EXPECT_TRUE(host.targets[0].isNull()); // released by its window
    EXPECT_EQ(host.pagesWhenClosed, 1);
    EXPECT_EQ(rp.currentPrinter(), nullptr);
    EXPECT_TRUE(rp.available());
}

TEST(Preview, ClosingTheWindowDuringTheRunCancelsItAndReturnsAtOnce)
{
    HostedRun run;
    run.withRecords();
    auto& [rp, band, host, data, records] = run;
    band->BeforePrint = [&](TRpBand*, bool&) {
        if (++records == 1)
            host.close(host.shown.front());
    };
    rp.PreviewReport();
    EXPECT_EQ(records, 1);
    EXPECT_TRUE(rp.cancelled());
    EXPECT_TRUE(rp.available());
    EXPECT_EQ(rp.currentPrinter(), nullptr);
    ASSERT_EQ(host.targets.size(), 1u);
    EXPECT_TRUE(host.targets[0].isNull());
}

TEST(Preview, ClosingAnotherWindowDuringTheRunLetsTheRunGoOn)
{
    HostedRun run;
    auto& [rp, band, host, data, records] = run;
    auto* older = new TRpPrinter(TRpPrinterDestination::PageStore, 96);
    host.showPreview(older);
    host.closeLater = true; // the newer window closes once its pages are there
    run.withRecords();
    band->BeforePrint = [&](TRpBand*, bool&) {
        if (++records == 1)
            host.close(older); // the older window closes while the newer one generates
    };
    rp.PreviewReport();
    EXPECT_EQ(records, 3);
    EXPECT_FALSE(rp.cancelled());
    EXPECT_EQ(host.pagesWhenClosed, 1);
    EXPECT_TRUE(rp.available());
}

TEST(Preview, AWindowThatReleasesItsTargetDuringTheRunIsSurvived)
{
    HostedRun run;
    run.withRecords();
    auto& [rp, band, host, data, records] = run;
    band->BeforePrint = [&](TRpBand*, bool&) {
        if (++records == 2) // closed by an event that the run lets through before the third record
            QTimer::singleShot(0, [&] { host.close(host.shown.front()); });
    };
    rp.PreviewReport();
    EXPECT_EQ(records, 2);
    EXPECT_TRUE(rp.available());
    EXPECT_TRUE(host.targets[0].isNull());
}

TEST(Preview, AFailingRunPropagatesAndLeavesTheWindowOpen)
{
    HostedRun run;
    auto& [rp, band, host, data, records] = run;
    band->BeforePrint = [](TRpBand*, bool&) { throw ERpError(QStringLiteral("no")); };
    EXPECT_THROW(rp.PreviewReport(), ERpError);
    ASSERT_EQ(host.shown.size(), 1u);
    EXPECT_EQ(host.shown[0]->status(), TRpPrinterStatus::Finished);
    EXPECT_TRUE(rp.available());
    // A second preview while the first is open gets its own target.
    band->BeforePrint = nullptr;
    host.closeLater = true;
    rp.PreviewReport();
    EXPECT_EQ(host.targets.size(), 2u);
    EXPECT_FALSE(host.targets[0].isNull());
    EXPECT_TRUE(host.targets[1].isNull());
    host.close(host.shown[0]); // the older window closes later: nothing of the report is touched
    EXPECT_TRUE(host.targets[0].isNull());
}

TEST(Preview, WithoutAPreviewSideThePagesAreStillGenerated)
{
    TRpReport rp;
    buildTestReport(rp, 96);
    rp.PreviewReport();
    ASSERT_NE(rp.currentPrinter(), nullptr);
    EXPECT_EQ(rp.currentPrinter()->PagesAvailable(), 1);
    EXPECT_EQ(rp.currentPrinter()->parent(), &rp);
}

} // namespace
