// SPDX-License-Identifier: GPL-2.0-or-later
// The report engine printing through the private spooler: a generated report onto the File and Uneven
// queues, page range and copies, cancelling, a loaded report file, the set-up dialog driven by a timer.
#include "platform/errordisplay.h"
#include "platform/printer.h"
#include "preview/rpprintdialog.h"
#include "preview/rpprogressform.h"
#include "preview/rpstandardpreview.h"
#include "report/rpband.h"
#include "report/rpdataset.h"
#include "report/rperror.h"
#include "report/rplabel.h"
#include "report/rpprint.h"
#include "report/rpprinter.h"
#include "report/rpprintertarget.h"
#include "report/rpreport.h"
#include "spooler.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cups/cups.h>
#include <gtest/gtest.h>

using namespace report;
using namespace preview;

namespace {

constexpr double kPointsPerTenthMm = 72.0 / 254.0;

QString fileQueueOutput(const QString& queue)
{
    return spooler::folder() + QStringLiteral("/out/") + queue.toLower() + QStringLiteral(".pdf");
}

int queueIndex(const QString& queue)
{
    const auto& printers = globalPrinter().printers();
    for (std::size_t i = 0; i < printers.size(); ++i) {
        if (printers[i].device == queue)
            return int(i);
    }
    return -2;
}

int newestJobId(const QString& queue)
{
    cups_job_t* jobs = nullptr;
    const int count
        = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.toUtf8().constData(), 0, CUPS_WHICHJOBS_ALL);
    int newest = 0;
    for (int i = 0; i < count; ++i)
        newest = std::max(newest, jobs[i].id);
    cupsFreeJobs(count, jobs);
    return newest;
}

// Records that only count: one page per record.
class CountingDataSet : public TRpDataSet {
public:
    explicit CountingDataSet(int records)
        : m_records(records)
    {
    }
    bool active() const override { return true; }
    void first() override { m_current = 0; }
    void next() override { ++m_current; }
    bool eof() const override { return m_current >= m_records; }
    int recordCount() const override { return m_records; }
    TRpField* findField(const std::string&) override { return nullptr; }
    int current() const { return m_current; }

private:
    int m_records;
    int m_current = 0;
};

// A4 landscape with the transfer printout's margins; a band taller than half the printable height, so
// every record begins a page; its label reads "Strona<record>" 10 mm from the paper's left edge and
// 20 mm from its top.
struct PrintReport {
    TRpReport rp;
    CountingDataSet data;
    TRpBand* band;
    TRpLabel* label;
    // Runs in the band's before-print handler with the record number (from 1).
    std::function<void(int)> onRecord;

    explicit PrintReport(int records, const QString& queue)
        : data(records)
    {
        rp.setScreenPpi(96);
        // The engine's windows: the progress window of a print, the preview where a test asks for one.
        rp.setPreviewHost(&TRpStandardPreviewInterface::instance());
        rp.Page.setPaperSize(TRpPaperSize::A4);
        rp.Page.setOrientation(poLandscape);
        rp.Page.setTopMargin(60);
        rp.Page.setBottomMargin(76.2L);
        rp.Page.setLeftMargin(70);
        rp.Page.setRightMargin(70);
        rp.DataSet = &data;
        rp.PrinterSettings.PrinterIndex = queueIndex(queue);
        band = rp.addBand("DetailBand1", rbDetail);
        band->Size.Values = { 1500, 2830 };
        label = band->add<TRpLabel>("Strona");
        label->Font.Name = QStringLiteral("Arial");
        label->FontSize = 10;
        label->setSizeValues(60, 30, 140, 600); // 10 mm from the paper's left, 20 mm from its top
        band->BeforePrint = [this](TRpBand*, bool&) {
            const int record = data.current() + 1;
            label->setCaption("Strona" + std::to_string(record));
            if (onRecord)
                onRecord(record);
        };
    }
};

// A report file of that many pages, "Strona1" to "Strona<pages>".
void saveReportFile(int pages, const QString& file)
{
    PrintReport run(pages, "File");
    TRpPrinter store;
    run.rp.GenerateReport(store);
    store.Save(file);
}

// The preview window that shows a page target, if one is open.
TRpStandardPreview* shownPreview()
{
    TRpStandardPreview* window = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* preview = qobject_cast<TRpStandardPreview*>(w); preview && preview->printer())
            window = preview;
    }
    return window;
}

// Shows the report's preview in the real window and lets the test act in two steps on a timer: first,
// once the pages are there, print(window) starts what the test prints; then, once done(window) holds,
// the window closes. The window also closes after 30 s or on an error shown, so nothing waits forever.
void previewAndPrint(TRpReport& rp, const QStringList& errors,
    const std::function<void(TRpStandardPreview&)>& print,
    const std::function<bool(TRpStandardPreview&)>& done)
{
    int step = 0;
    int ticks = 0;
    std::function<void()> drive = [&] {
        TRpStandardPreview* window = shownPreview();
        bool again = true;
        if (window && step == 0 && window->action("Print")->isEnabled()) {
            print(*window);
            step = 1;
        } else if (window && step == 1 && done(*window)) {
            window->exitButton()->click();
            again = false;
        } else if (window && (++ticks > 3000 || (step == 0 && !errors.isEmpty()))) {
            window->exitButton()->click();
            again = false;
        }
        if (again)
            QTimer::singleShot(10, drive);
    };
    QTimer::singleShot(0, drive);
    rp.PreviewReport();
}

TRpProgressForm* progressWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* form = qobject_cast<TRpProgressForm*>(w))
            return form;
    }
    return nullptr;
}

} // namespace

TEST(ReportPrint, GeneratedReportIsOneLandscapeA4PageAndThePreviewTargetComesBack)
{
    SKIP_WITHOUT_SPOOLER();
    const QString out = fileQueueOutput("File");
    QFile::remove(out);
    PrintReport run(1, "File");
    TRpPrinter preview;
    run.rp.setCurrentPrinter(&preview);
    bool progressShown = false;
    run.onRecord = [&](int) { progressShown = progressWindow() && progressWindow()->isVisible(); };
    QStringList outputs;
    run.rp.OnOutput = [&](const QString& how, const QString& target) { outputs << how + ' ' + target; };

    const int id = printGeneratedReport(run.rp);
    ASSERT_GT(id, 0);
    EXPECT_EQ(outputs, QStringList { QStringLiteral("druk File-%1").arg(id) }) << "the job is told, once";
    EXPECT_TRUE(progressShown) << "the progress window shows while the report prints";
    EXPECT_EQ(progressWindow(), nullptr) << "and is gone afterwards";
    EXPECT_EQ(run.rp.currentPrinter(), &preview) << "the preview's target is the current one again";
    EXPECT_TRUE(run.rp.available());
    ASSERT_EQ(spooler::waitForJob("File", id), IPP_JSTATE_COMPLETED);

    const spooler::PdfInfo info = spooler::pdfInfo(out);
    EXPECT_EQ(info.pages, 1);
    EXPECT_EQ(info.pageSize, "842 x 595") << "A4 landscape";
    EXPECT_EQ(info.title, "") << "the job title is the report's, empty";
    EXPECT_EQ(spooler::jobAttributes(id).value("copies", "1"), "1");
    EXPECT_TRUE(spooler::pdfText(out).contains("Strona1"));
}

TEST(ReportPrint, ElementLandsAtItsDistanceFromThePaperEdgeOnUnevenMargins)
{
    SKIP_WITHOUT_SPOOLER();
    // Uneven's offsets differ on every side: with the portrait offsets on a landscape page the label
    // would land millimetres away from where it belongs.
    const QString out = fileQueueOutput("Uneven");
    QFile::remove(out);
    PrintReport run(1, "Uneven");
    const int id = printGeneratedReport(run.rp);
    ASSERT_GT(id, 0);
    ASSERT_EQ(spooler::waitForJob("Uneven", id), IPP_JSTATE_COMPLETED);
    EXPECT_EQ(spooler::pdfInfo(out).pageSize, "842 x 595");
    const spooler::WordBox box = spooler::wordBox(out, QStringLiteral("Strona1"));
    ASSERT_GE(box.yMax, 0) << "word not found";
    // The landscape page's left edge is the fed paper's bottom edge.
    EXPECT_NEAR(842 - box.yMax, 100 * kPointsPerTenthMm, 5 * kPointsPerTenthMm) << "10 mm from the left edge";
}

struct RangeRow {
    const char* name;
    int first;
    int last;
    int copies;
    int pages; // pages in the output; 0: no job at all
    QStringList printed;
    QStringList notPrinted;
};

class ReportPrintRange : public testing::TestWithParam<RangeRow> { };

TEST_P(ReportPrintRange, PagesAndCopies)
{
    SKIP_WITHOUT_SPOOLER();
    const RangeRow& row = GetParam();
    const QString out = fileQueueOutput("File");
    QFile::remove(out);
    const int newestBefore = newestJobId("File");
    PrintReport run(3, "File");
    run.rp.PrinterSettings.FirstPage = row.first;
    run.rp.PrinterSettings.LastPage = row.last;
    run.rp.PrinterSettings.Copies = row.copies;
    if (row.pages == 0) {
        // A range kept from a longer report is told, and nothing spooled.
        EXPECT_THROW(printGeneratedReport(run.rp), report::ERpError);
        EXPECT_EQ(newestJobId("File"), newestBefore) << "no job reached the spooler";
        EXPECT_FALSE(QFile::exists(out));
        return;
    }
    const int id = printGeneratedReport(run.rp);
    ASSERT_GT(id, 0);
    ASSERT_EQ(spooler::waitForJob("File", id), IPP_JSTATE_COMPLETED);
    EXPECT_EQ(spooler::pdfInfo(out).pages, row.pages);
    const QString text = spooler::pdfText(out);
    for (const QString& word : row.printed)
        EXPECT_TRUE(text.contains(word)) << word.toStdString();
    for (const QString& word : row.notPrinted)
        EXPECT_FALSE(text.contains(word)) << word.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Rows, ReportPrintRange,
    testing::Values(RangeRow { "AllPages", 0, 0, 1, 3, { "Strona1", "Strona2", "Strona3" }, {} },
        RangeRow { "SecondToThird", 2, 3, 1, 2, { "Strona2", "Strona3" }, { "Strona1" } },
        RangeRow { "FromSecondOpenEnd", 2, 0, 1, 2, { "Strona2", "Strona3" }, { "Strona1" } },
        RangeRow { "OnlyFirst", 1, 1, 1, 1, { "Strona1" }, { "Strona2", "Strona3" } },
        RangeRow { "SecondTwice", 2, 2, 2, 2, { "Strona2" }, { "Strona1", "Strona3" } },
        RangeRow { "PastTheLastPage", 4, 0, 1, 0, {}, {} }),
    [](const testing::TestParamInfo<RangeRow>& info) { return std::string(info.param.name); });

TEST(ReportPrint, ClosingThePreviewDuringThePrintLeavesNoOutput)
{
    SKIP_WITHOUT_SPOOLER();
    const QString out = fileQueueOutput("File");
    QFile::remove(out);
    const int newestBefore = newestJobId("File");
    PrintReport run(3, "File");
    TRpPrinter preview;
    run.rp.setCurrentPrinter(&preview);
    // Page 1 is on the printer when the preview window closes.
    run.onRecord = [&](int record) {
        if (record == 2)
            run.rp.previewClosed(&preview);
    };
    bool told = false;
    run.rp.OnOutput = [&](const QString&, const QString&) { told = true; };
    EXPECT_EQ(printGeneratedReport(run.rp), 0);
    EXPECT_FALSE(told) << "a print that never reached the spooler is not told as one";
    EXPECT_TRUE(run.rp.available());
    EXPECT_EQ(newestJobId("File"), newestBefore) << "the started job never reached the spooler";
    EXPECT_FALSE(QFile::exists(out));
}

// Cancel in the progress window, Esc and its close box stop the print at the next record: before any page,
// or with pages drawn, no job reaches the spooler and nothing is told.
TEST(ReportPrint, CancelStopsThePrintAndSpoolsNothing)
{
    SKIP_WITHOUT_SPOOLER();
    struct Row {
        const char* how;
        int record; // the record whose turn it is when the user cancels
        std::function<void(TRpProgressForm&)> cancel;
    };
    const Row rows[] = {
        { "button before the first page", 1, [](TRpProgressForm& f) { f.CancelButton()->click(); } },
        { "Esc", 2, [](TRpProgressForm& f) { QTest::keyClick(&f, Qt::Key_Escape); } },
        { "close box", 40, [](TRpProgressForm& f) { f.close(); } },
    };
    for (const Row& r : rows) {
        const QString out = fileQueueOutput("File");
        QFile::remove(out);
        const int newestBefore = newestJobId("File");
        PrintReport run(120, "File");
        int lastRecord = 0;
        run.onRecord = [&](int record) {
            lastRecord = record;
            if (record == r.record && progressWindow())
                r.cancel(*progressWindow());
        };
        bool told = false;
        run.rp.OnOutput = [&](const QString&, const QString&) { told = true; };
        EXPECT_EQ(printGeneratedReport(run.rp), 0) << r.how;
        EXPECT_EQ(lastRecord, r.record) << r.how << ": the run stops at its next check";
        EXPECT_FALSE(told) << r.how;
        EXPECT_EQ(newestJobId("File"), newestBefore) << r.how << ": no job";
        EXPECT_FALSE(QFile::exists(out)) << r.how;
        EXPECT_EQ(progressWindow(), nullptr) << r.how;
    }
}

TEST(ReportPrint, LoadedReportFileIsReplayedInItsRange)
{
    SKIP_WITHOUT_SPOOLER();
    QTemporaryDir dir;
    const QString file = dir.filePath("raport.rpf");
    saveReportFile(3, file);
    const QString out = fileQueueOutput("File");
    QFile::remove(out);
    TRpPrinter loaded;
    loaded.Load(file);
    ASSERT_TRUE(loaded.loadedFromFile());
    loaded.deviceSettings().firstPage = 2;
    loaded.deviceSettings().lastPage = 0;
    TRpReport owner;
    owner.PrinterSettings.PrinterIndex = queueIndex("File");
    loaded.setMaster(&owner);
    const int id = printLoadedReport(loaded);
    ASSERT_GT(id, 0);
    ASSERT_EQ(spooler::waitForJob("File", id), IPP_JSTATE_COMPLETED);
    const spooler::PdfInfo info = spooler::pdfInfo(out);
    EXPECT_EQ(info.pages, 2);
    EXPECT_EQ(info.pageSize, "842 x 595");
    const QString text = spooler::pdfText(out);
    EXPECT_TRUE(text.contains("Strona2") && text.contains("Strona3")) << text.toStdString();
    EXPECT_FALSE(text.contains("Strona1"));

    // A range past the last stored page sends no job, and says so.
    const int newestBefore = newestJobId("File");
    loaded.deviceSettings().firstPage = 5;
    EXPECT_THROW(printLoadedReport(loaded), report::ERpError);
    EXPECT_EQ(newestJobId("File"), newestBefore);
}

// The dialog's page list, odd or even pages and reverse order are not offered; one chosen all the same is
// refused, and the report keeps what it had.
TEST(ReportPrint, SetupDialogOffersOnlyWhatThePrintHonours)
{
    SKIP_WITHOUT_SPOOLER();
    struct Row {
        const char* name;
        std::function<void(QPrintDialog&)> choose;
    };
    const Row rows[] = {
        { "page list",
            [](QPrintDialog& d) { d.findChild<QRadioButton*>("pagesRadioButton")->setChecked(true); } },
        { "odd pages", [](QPrintDialog& d) { d.findChild<QComboBox*>("pageSetCombo")->setCurrentIndex(1); } },
        { "reverse", [](QPrintDialog& d) { d.findChild<QCheckBox*>("reverse")->setChecked(true); } },
    };
    QStringList errors;
    const auto handler = platform::setErrorHandler([&](const QString& text) { errors << text; });
    for (const Row& r : rows) {
        PrintReport run(3, "File");
        bool hidden = true;
        const auto previous = TRpPrintDialog::setExecFunction([&](QPrintDialog& dialog) {
            for (const char* name : { "pagesRadioButton", "pageSetCombo", "reverse" }) {
                if (auto* w = dialog.findChild<QWidget*>(name))
                    hidden = hidden && !w->isVisibleTo(&dialog) && !w->isEnabled();
            }
            r.choose(dialog);
            return int(QDialog::Accepted);
        });
        PrinterSetup(run.rp, nullptr);
        TRpPrintDialog::setExecFunction(previous);
        EXPECT_TRUE(hidden) << r.name;
        EXPECT_EQ(run.rp.PrinterSettings.PrinterIndex, queueIndex("File")) << r.name << ": nothing kept";
    }
    platform::setErrorHandler(handler);
    EXPECT_EQ(errors.size(), 3);
}

TEST(ReportPrint, SetupDialogAcceptedKeepsCopiesPrinterAndRangeCancelledChangesNothing)
{
    SKIP_WITHOUT_SPOOLER();
    PrintReport run(1, "File");
    run.rp.PrinterSettings.PrinterIndex = queueIndex("Uneven");
    TRpPrinter preview;
    run.rp.GenerateReport(preview);
    ASSERT_EQ(preview.status(), TRpPrinterStatus::Finished);

    int minPage = -1, maxPage = -1;
    QString acceptText;
    const auto previous = TRpPrintDialog::setExecFunction([&](QPrintDialog& dialog) {
        minPage = dialog.minPage();
        maxPage = dialog.maxPage();
        if (auto* buttons = dialog.findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly))
            acceptText = buttons->button(QDialogButtonBox::Ok)->text();
        QTimer::singleShot(0, &dialog, [&dialog] {
            if (auto* copies = dialog.findChild<QSpinBox*>("copies"))
                copies->setValue(3);
            dialog.accept();
        });
        return dialog.exec();
    });
    PrinterSetup(run.rp, &preview);
    EXPECT_EQ(acceptText, QStringLiteral("OK")) << "the dialog stores settings, it does not print";
    EXPECT_EQ(minPage, 1);
    EXPECT_EQ(maxPage, 1) << "limits from the finished preview";
    EXPECT_EQ(run.rp.PrinterSettings.Copies, 3);
    EXPECT_EQ(run.rp.PrinterSettings.PrinterIndex, queueIndex("Uneven"));
    EXPECT_EQ(run.rp.PrinterSettings.FirstPage, 0);
    EXPECT_EQ(run.rp.PrinterSettings.LastPage, 0);
    EXPECT_EQ(run.rp.Page.orientation(), poLandscape);

    TRpPrintDialog::setExecFunction([&](QPrintDialog& dialog) {
        QTimer::singleShot(0, &dialog, [&dialog] {
            if (auto* copies = dialog.findChild<QSpinBox*>("copies"))
                copies->setValue(5);
            dialog.reject();
        });
        return dialog.exec();
    });
    PrinterSetup(run.rp, &preview);
    TRpPrintDialog::setExecFunction(previous);
    EXPECT_EQ(run.rp.PrinterSettings.Copies, 3) << "a cancelled dialog changes nothing";
    EXPECT_EQ(run.rp.PrinterSettings.PrinterIndex, queueIndex("Uneven"));
}

TEST(ReportPrint, RemovedPrinterShowsTheMessageAndThePreviewTargetStays)
{
    SKIP_WITHOUT_SPOOLER();
    PrintReport run(1, "File");
    run.rp.PrinterSettings.PrinterIndex = 99; // printers removed since it was chosen
    TRpPrinter preview;
    run.rp.setCurrentPrinter(&preview);
    QStringList shown;
    const auto previous = platform::setErrorHandler([&](const QString& text) { shown << text; });
    platform::runGuarded([&] { printGeneratedReport(run.rp); });
    platform::setErrorHandler(previous);
    EXPECT_EQ(shown, QStringList { "Printer index out of range." });
    EXPECT_EQ(run.rp.currentPrinter(), &preview);
    EXPECT_TRUE(run.rp.available()) << "the next print or preview can run";
    EXPECT_EQ(progressWindow(), nullptr);
}

TEST(ReportPrint, FromThePreviewWindowSetUpThenPrintAndThePreviewStaysOpen)
{
    SKIP_WITHOUT_SPOOLER();
    const QString out = fileQueueOutput("File");
    QFile::remove(out);
    const int newestBefore = newestJobId("File");
    PrintReport run(1, "Uneven");
    run.rp.setPreviewHost(&TRpStandardPreviewInterface::instance());
    const auto previousExec = TRpPrintDialog::setExecFunction([](QPrintDialog& dialog) {
        QTimer::singleShot(0, &dialog, [&dialog] {
            if (auto* copies = dialog.findChild<QSpinBox*>("copies"))
                copies->setValue(2);
            dialog.accept();
        });
        return dialog.exec();
    });
    // The remembered printer the dialog starts from is File; the dialog keeps it.
    run.rp.PrinterSettings.PrinterIndex = queueIndex("File");

    QStringList errors;
    const auto previousHandler = platform::setErrorHandler([&](const QString& text) { errors << text; });
    // The spooler is asked nothing while the job may be on its way: its connection is shared, so the
    // output file tells when the print is through.
    bool stayedOpen = false;
    previewAndPrint(
        run.rp, errors,
        [](TRpStandardPreview& window) {
            window.action("PrintSetup")->trigger();
            window.action("Print")->trigger();
        },
        [&](TRpStandardPreview& window) {
            if (!QFile::exists(out) || !run.rp.available() || run.rp.currentPrinter() != window.printer())
                return false;
            stayedOpen = window.isVisible();
            return true;
        });
    TRpPrintDialog::setExecFunction(previousExec);
    platform::setErrorHandler(previousHandler);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(" | ").toStdString();
    EXPECT_TRUE(stayedOpen) << "the preview stays open after the print";
    EXPECT_EQ(run.rp.PrinterSettings.Copies, 2);
    const int id = newestJobId("File");
    ASSERT_GT(id, newestBefore);
    ASSERT_EQ(spooler::waitForJob("File", id), IPP_JSTATE_COMPLETED);
    EXPECT_EQ(spooler::pdfInfo(out).pages, 2) << "one page, two copies";
}

// In the preview: a good report file loaded, then a damaged one refused; Print prints the pages the
// preview shows (the loaded file's), never the report's own transfer.
TEST(ReportPrint, FromThePreviewWindowAFailedLoadThenPrintPrintsThePagesShown)
{
    SKIP_WITHOUT_SPOOLER();
    QTemporaryDir dir;
    const QString good = dir.filePath("dobry.rpf");
    saveReportFile(3, good);
    const QString bad = dir.filePath("zly.rpf");
    {
        QFile file(bad);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(100, '\0'));
    }
    const QString out = fileQueueOutput("File");
    QFile::remove(out);
    const int newestBefore = newestJobId("File");
    PrintReport run(1, "File"); // its own page would be one page, "Strona1"
    run.rp.setPreviewHost(&TRpStandardPreviewInterface::instance());

    QString answer;
    const auto previousDialog = TRpStandardPreview::setFileDialog(
        [&answer](QWidget*, const TRpFileDialogRequest&) { return answer; });
    QStringList errors;
    const auto previousHandler = platform::setErrorHandler([&](const QString& text) { errors << text; });
    previewAndPrint(
        run.rp, errors,
        [&](TRpStandardPreview& window) {
            answer = good;
            window.action("LoadReport")->trigger();
            answer = bad;
            window.action("LoadReport")->trigger();
            window.action("Print")->trigger();
        },
        [&](TRpStandardPreview&) { return QFile::exists(out); });
    TRpStandardPreview::setFileDialog(previousDialog);
    platform::setErrorHandler(previousHandler);
    ASSERT_EQ(errors.size(), 1) << errors.join(" | ").toStdString();
    EXPECT_TRUE(errors[0].contains("shorter than its header")) << errors[0].toStdString();
    const int id = newestJobId("File");
    ASSERT_GT(id, newestBefore);
    ASSERT_EQ(spooler::waitForJob("File", id), IPP_JSTATE_COMPLETED);
    EXPECT_EQ(spooler::pdfInfo(out).pages, 3) << "the three loaded pages";
    EXPECT_TRUE(spooler::pdfText(out).contains("Strona3"));
}
