// SPDX-License-Identifier: GPL-2.0-or-later
// The preview window: its layout, the state of its buttons and panels before and after the pages, the
// keys, the progress text, save and load through replaced dialogs, and PreviewReport with the real
// window (closing during the run, waiting until it closes, a second preview).
#include "emf/emfrecorder.h"
#include "preview/rppreview.h"
#include "preview/rppreviewimage.h"
#include "previewsupport.h"
#include "report/rpreportfile.h"
#include "support/syntheticreport.h"

#include <QAction>
#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QPointer>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

using namespace report;
using namespace preview;
using namespace previewtest;

namespace {

TRpPrinter* newA4LandscapeStore()
{
    auto* store = new TRpPrinter(TRpPrinterDestination::PageStore, 96);
    store->deviceSettings().setPaper(TRpPaperSize::A4);
    store->deviceSettings().orientation = poLandscape;
    return store;
}

// A window as the preview interface opens it, on a store it owns; deleted with the test.
struct OpenWindow {
    QPointer<TRpStandardPreview> window;
    QPointer<TRpPrinter> store;
    explicit OpenWindow(TRpPrinter* printer)
        : store(printer)
    {
        window = TRpStandardPreviewInterface::ShowPreview(*printer);
    }
    ~OpenWindow() { delete window.data(); }
};

void drawPages(TRpPrinter& store, int pages)
{
    for (int k = 1; k <= pages; ++k) {
        store.NextPage();
        store.canvas()->fillRect(10 * k, 10, 10 * k + 5, 15);
    }
}

TEST(PreviewWindow, LayoutCaptionToolBarHintsAndPanels)
{
    OpenWindow open(newA4LandscapeStore());
    TRpStandardPreview& w = *open.window;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Podgląd wydruku"));
    EXPECT_TRUE(w.windowState() & Qt::WindowMaximized);
    struct Item {
        const char* name;
        const char* hint; // nullptr: a divider
    };
    const Item expected[] = { { "ToolButton1", nullptr }, { "ZoomFit", "Widok całej strony" },
        { "Zoom100", "Widok normalny (100%)" }, { "ZoomToWidth", "Szerokość strony" },
        { "Separator1", nullptr }, { "FirstPage", "Pierwsza strona" },
        { "PreviousPage", "Poprzednia strona" }, { "ToolButton2", "Następna strona" },
        { "LastPage", "Ostatnia strona" }, { "Separator2", nullptr }, { "PrintSetup", "Ustawienia drukarki" },
        { "Print", "Drukuj raport" }, { "Separator3", nullptr }, { "SaveReport", "Zapisz raport" },
        { "LoadReport", "Otwórz raport" }, { "Separator4", nullptr } };
    const QList<QAction*> actions = w.toolBar()->actions();
    ASSERT_EQ(actions.size(), std::size(expected) + 1); // and the exit button
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(actions[i]->objectName(), QLatin1String(expected[i].name)) << i;
        EXPECT_EQ(actions[i]->isSeparator(), expected[i].hint == nullptr) << expected[i].name;
        if (expected[i].hint) {
            EXPECT_EQ(actions[i]->toolTip(), QString::fromUtf8(expected[i].hint)) << expected[i].name;
            EXPECT_FALSE(actions[i]->icon().isNull()) << expected[i].name;
            EXPECT_TRUE(actions[i]->text().isEmpty()) << expected[i].name;
        }
    }
    QToolButton* exit = w.exitButton();
    EXPECT_EQ(exit->text(), QStringLiteral("&Zamknij"));
    EXPECT_EQ(exit->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(exit->height(), 22);
    EXPECT_GE(exit->width(), 45);
    EXPECT_EQ(w.action(QStringLiteral("ZoomToWidth"))->isChecked(), true);
    EXPECT_EQ(w.preview()->PageNumber(), 1);
}

// The state table: opened before the report runs, pages arriving, report finished.
TEST(PreviewWindow, StateBeforeDuringAndAfterThePages)
{
    OpenWindow open(newA4LandscapeStore());
    TRpStandardPreview& w = *open.window;
    TRpPrinter& store = *open.store;
    const auto enabled = [&](const char* name) { return w.action(QLatin1String(name))->isEnabled(); };

    EXPECT_EQ(w.panelText(0), QStringLiteral("0%"));
    EXPECT_EQ(w.panelText(1), QStringLiteral("Page 1 of 0"));
    EXPECT_FALSE(enabled("Print"));
    EXPECT_FALSE(enabled("PrintSetup"));
    for (const char* always : { "ZoomFit", "Zoom100", "ZoomToWidth", "FirstPage", "PreviousPage",
             "ToolButton2", "LastPage", "SaveReport", "LoadReport" })
        EXPECT_TRUE(enabled(always)) << always;

    store.OpenDocument();
    drawPages(store, 2); // page 1 stored and announced, page 2 begun
    QCoreApplication::processEvents();
    EXPECT_EQ(w.panelText(1), QStringLiteral("Page 1 of 2"));
    EXPECT_TRUE(w.preview()->image()->hasPicture());
    EXPECT_FALSE(enabled("Print"));
    EXPECT_FALSE(enabled("PrintSetup"));

    store.setProgress(100);
    store.CloseDocument();
    QCoreApplication::processEvents();
    EXPECT_EQ(w.panelText(0), QString());
    EXPECT_EQ(w.panelText(1), QStringLiteral("Page 1 of 2"));
    EXPECT_TRUE(enabled("Print"));
    EXPECT_TRUE(enabled("PrintSetup"));
    EXPECT_EQ(w.preview()->zoomMode(), TRpZoomMode::PageWidth);
}

TEST(PreviewWindow, AFinishedStoreEnablesPrintAtOpening)
{
    OpenWindow open(finishedStore(1).release());
    EXPECT_TRUE(open.window->action(QStringLiteral("Print"))->isEnabled());
    EXPECT_FALSE(open.window->action(QStringLiteral("PrintSetup"))->isEnabled());
    EXPECT_EQ(open.window->panelText(1), QStringLiteral("Page 1 of 1"));
}

struct ProgressRow {
    const char* name;
    std::vector<int> sent;
    const char* shown;
};

class ProgressText : public ::testing::TestWithParam<ProgressRow> { };

TEST_P(ProgressText, StepsOfFiveAndEmptyAtTheEnds)
{
    OpenWindow open(newA4LandscapeStore());
    for (int p : GetParam().sent)
        open.store->setProgress(p);
    QCoreApplication::processEvents();
    EXPECT_EQ(open.window->panelText(0), QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(PreviewWindow, ProgressText,
    ::testing::Values(ProgressRow { "OneRecord", { 100 }, "" }, ProgressRow { "Halfway", { 50 }, "50%" },
        ProgressRow { "BelowFiveMoreIsKept", { 50, 53 }, "50%" },
        ProgressRow { "FiveMoreIsShown", { 50, 55 }, "55%" }, ProgressRow { "FourIsTooLittle", { 4 }, "0%" },
        ProgressRow { "ZeroEmpties", { 0 }, "" }),
    [](const auto& info) { return std::string(info.param.name); });

struct KeyRow {
    const char* name;
    int from;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int to;
};

class Keys : public ::testing::TestWithParam<KeyRow> { };

TEST_P(Keys, MoveThroughThePages)
{
    OpenWindow open(finishedStore(3).release());
    TRpStandardPreview& w = *open.window;
    w.preview()->setPageNumber(GetParam().from);
    QTest::keyClick(w.preview(), GetParam().key, GetParam().modifiers);
    EXPECT_EQ(w.preview()->PageNumber(), GetParam().to);
    EXPECT_EQ(w.panelText(1), QStringLiteral("Page %1 of 3").arg(GetParam().to));
}

INSTANTIATE_TEST_SUITE_P(PreviewWindow, Keys,
    ::testing::Values(KeyRow { "PageDown", 1, Qt::Key_PageDown, Qt::NoModifier, 2 },
        KeyRow { "CtrlPageDownGoesToTheLast", 1, Qt::Key_PageDown, Qt::ControlModifier, 3 },
        KeyRow { "CtrlShiftPageDownMovesOnePage", 1, Qt::Key_PageDown,
            Qt::ControlModifier | Qt::ShiftModifier, 2 },
        KeyRow { "ShiftPageDown", 1, Qt::Key_PageDown, Qt::ShiftModifier, 2 },
        KeyRow { "PageUp", 3, Qt::Key_PageUp, Qt::NoModifier, 2 },
        KeyRow { "CtrlPageUpGoesToTheFirst", 3, Qt::Key_PageUp, Qt::ControlModifier, 1 },
        KeyRow { "CtrlAltPageUpMovesOnePage", 3, Qt::Key_PageUp, Qt::ControlModifier | Qt::AltModifier, 2 },
        KeyRow { "Home", 3, Qt::Key_Home, Qt::NoModifier, 1 },
        KeyRow { "End", 1, Qt::Key_End, Qt::NoModifier, 3 },
        KeyRow { "PageDownOnTheLastPage", 3, Qt::Key_PageDown, Qt::NoModifier, 3 },
        KeyRow { "HomeOnPageOne", 1, Qt::Key_Home, Qt::ShiftModifier, 1 }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PreviewWindow, EscClosesTheWindowAndReleasesItsStore)
{
    OpenWindow open(finishedStore(1).release());
    QTest::keyClick(open.window->preview(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(open.window.isNull());
    EXPECT_TRUE(open.store.isNull()); // the window owned it
}

TEST(PreviewWindow, TheZoomButtonsAreOneGroup)
{
    OpenWindow open(finishedStore(1).release());
    TRpStandardPreview& w = *open.window;
    w.resize(1000, 700);
    w.action(QStringLiteral("ZoomFit"))->trigger();
    EXPECT_TRUE(w.action(QStringLiteral("ZoomFit"))->isChecked());
    EXPECT_FALSE(w.action(QStringLiteral("ZoomToWidth"))->isChecked());
    EXPECT_EQ(w.preview()->zoomMode(), TRpZoomMode::WholePage);
    w.action(QStringLiteral("Zoom100"))->trigger();
    EXPECT_TRUE(w.action(QStringLiteral("Zoom100"))->isChecked());
    EXPECT_FALSE(w.action(QStringLiteral("ZoomFit"))->isChecked());
    EXPECT_EQ(w.preview()->Zoom(), 100);
    w.action(QStringLiteral("ZoomToWidth"))->trigger();
    EXPECT_EQ(w.preview()->zoomMode(), TRpZoomMode::PageWidth);
}

TEST(PreviewWindow, SaveAsksWithItsTitleAndFilterAndWritesTheStore)
{
    QTemporaryDir dir;
    Dialogs dialogs;
    OpenWindow open(finishedStore(2).release());
    dialogs.answer = dir.filePath(QStringLiteral("a.RPF"));
    open.window->action(QStringLiteral("SaveReport"))->trigger();
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_TRUE(dialogs.requests[0].save);
    EXPECT_EQ(dialogs.requests[0].title, QStringLiteral("Save report"));
    EXPECT_TRUE(dialogs.requests[0].filter.startsWith(QStringLiteral("Report file(*.RPF)|*.RPF")));
    EXPECT_TRUE(dialogs.requests[0].filter.contains(QStringLiteral("PDF (*.pdf)")));
    EXPECT_EQ(dialogs.requests[0].defaultExtension, QStringLiteral("RPF"));
    TRpStream& stream = *open.store->stream();
    QByteArray all(stream.size(), Qt::Uninitialized);
    stream.seek(0);
    stream.readExact(all.data(), all.size());
    EXPECT_EQ(readFile(dialogs.answer), all);
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST(PreviewWindow, SaveWhileGeneratingWritesNothingAndSaysWhy)
{
    QTemporaryDir dir;
    Dialogs dialogs;
    OpenWindow open(newA4LandscapeStore());
    open.store->OpenDocument();
    drawPages(*open.store, 1);
    for (const char* name : { "b.RPF", "b.pdf" }) {
        dialogs.answer = dir.filePath(QString::fromLatin1(name));
        open.window->action(QStringLiteral("SaveReport"))->trigger();
        EXPECT_FALSE(QFile::exists(dialogs.answer)) << name;
    }
    EXPECT_EQ(dialogs.requests.size(), 2u);
    EXPECT_EQ(dialogs.messages,
        std::vector<QString>(
            2, QStringLiteral("The report is still being generated: save it once all its pages are there")));
    open.store->CloseDocument();
}

TEST(PreviewWindow, SaveAsPdfWritesOneLandscapeA4PagePerPage)
{
    QTemporaryDir dir;
    Dialogs dialogs;
    OpenWindow open(finishedStore(2).release());
    dialogs.answer = dir.filePath(QStringLiteral("c.pdf"));
    open.window->action(QStringLiteral("SaveReport"))->trigger();
    const QByteArray pdf = readFile(dialogs.answer);
    ASSERT_TRUE(pdf.startsWith("%PDF")) << dialogs.errors.size();
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page "), 2);
    // 297 x 210 mm in points.
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 841") || pdf.contains("/MediaBox [0 0 842"))
        << pdf.left(2000).constData();
}

TEST(PreviewWindow, LoadOfAMissingFileSaysSoAndChangesNothing)
{
    Dialogs dialogs;
    OpenWindow open(finishedStore(2).release());
    open.window->preview()->setPageNumber(2);
    open.window->writePageText();
    dialogs.answer = QStringLiteral("/nonexistent/folder/x.RPF");
    open.window->action(QStringLiteral("LoadReport"))->trigger();
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_FALSE(dialogs.requests[0].save);
    EXPECT_EQ(dialogs.requests[0].title, QStringLiteral("Load report"));
    EXPECT_EQ(dialogs.requests[0].filter, QStringLiteral("Report file (*.RPF)|*.RPF"));
    EXPECT_TRUE(dialogs.requests[0].defaultExtension.isEmpty());
    EXPECT_EQ(dialogs.messages, std::vector<QString> { QStringLiteral("File does not exist") });
    EXPECT_EQ(open.window->preview()->PageNumber(), 2);
    EXPECT_EQ(open.window->panelText(1), QStringLiteral("Page 2 of 2"));
    EXPECT_EQ(open.store->PagesStarted(), 2);
}

TEST(PreviewWindow, LoadShowsPageOneWithPrintEnabledAndPrintSetupDisabled)
{
    QTemporaryDir dir;
    Dialogs dialogs;
    const QString name = dir.filePath(QStringLiteral("three.RPF"));
    finishedStore(3)->Save(name);
    // A report's own button ("Tylko dane") makes its pages anew: loaded pages have none to make.
    TRpReport rp;
    int remade = 0;
    TRpPreviewOption option;
    option.name = QStringLiteral("ValuesOnly");
    option.triggered = [&](bool) { return ++remade > 0; };
    rp.PreviewOptions = { option };
    TRpPrinter* store = newA4LandscapeStore();
    store->setMaster(&rp);
    OpenWindow open(store);
    open.store->OpenDocument();
    drawPages(*open.store, 1);
    open.store->CloseDocument();
    QCoreApplication::processEvents();
    ASSERT_TRUE(open.window->action(QStringLiteral("PrintSetup"))->isEnabled());

    dialogs.answer = name;
    open.window->action(QStringLiteral("LoadReport"))->trigger();
    EXPECT_TRUE(dialogs.errors.empty());
    EXPECT_EQ(open.window->panelText(1), QStringLiteral("Page 1 of 3"));
    EXPECT_TRUE(open.window->preview()->image()->hasPicture());
    EXPECT_TRUE(open.window->action(QStringLiteral("Print"))->isEnabled());
    EXPECT_FALSE(open.window->action(QStringLiteral("PrintSetup"))->isEnabled());
    QAction* valuesOnly = open.window->findChild<QAction*>(QStringLiteral("ValuesOnly"));
    ASSERT_NE(valuesOnly, nullptr);
    EXPECT_FALSE(valuesOnly->isEnabled());
    valuesOnly->trigger();
    EXPECT_EQ(remade, 0);
    QTest::keyClick(open.window->preview(), Qt::Key_End);
    EXPECT_EQ(open.window->panelText(1), QStringLiteral("Page 3 of 3"));
}

TEST(PreviewWindow, AFailedLoadIsReportedAndKeepsThePagesShown)
{
    QTemporaryDir dir;
    Dialogs dialogs;
    const QString name = dir.filePath(QStringLiteral("short.RPF"));
    writeFile(name, QByteArray(100, '\0'));
    OpenWindow open(finishedStore(2).release());
    dialogs.answer = name;
    open.window->action(QStringLiteral("LoadReport"))->trigger();
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("shorter than its header")))
        << dialogs.errors[0].toStdString();
    // The pages shown stay, and with them what Print prints.
    EXPECT_EQ(open.store->status(), TRpPrinterStatus::Finished);
    EXPECT_EQ(open.window->panelText(1), QStringLiteral("Page 1 of 2"));
    EXPECT_TRUE(open.window->action(QStringLiteral("Print"))->isEnabled());
    EXPECT_TRUE(open.window->preview()->image()->hasPicture());
    open.window->action(QStringLiteral("ToolButton2"))->trigger();
    EXPECT_EQ(open.window->preview()->PageNumber(), 2);
}

// Resting the pointer on a tool button shows its hint as a tool tip; the status bar keeps its panels.
TEST(PreviewWindow, HoveringAToolButtonLeavesTheStatusBar)
{
    OpenWindow open(finishedStore(2).release());
    QToolBar* bar = open.window->findChild<QToolBar*>(QStringLiteral("ToolBar1"));
    ASSERT_TRUE(bar);
    for (const char* name : { "Print", "SaveReport", "ToolButton2" }) {
        QAction* action = open.window->action(QString::fromLatin1(name));
        QWidget* button = bar->widgetForAction(action);
        ASSERT_TRUE(button) << name;
        EXPECT_FALSE(action->toolTip().isEmpty()) << name;
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), button->mapToGlobal(QPointF(2, 2)));
        QCoreApplication::sendEvent(button, &enter);
        QHoverEvent hover(
            QEvent::HoverEnter, QPointF(2, 2), button->mapToGlobal(QPointF(2, 2)), QPointF(-1, -1));
        QCoreApplication::sendEvent(button, &hover);
        // A widget's own status tip reaches the window the same way.
        QStatusTipEvent tip(QStringLiteral("hint"));
        QCoreApplication::sendEvent(button, &tip);
        EXPECT_TRUE(open.window->statusBar()->currentMessage().isEmpty()) << name;
        EXPECT_FALSE(open.window->findChild<QLabel*>(QStringLiteral("Panel1"))->isHidden()) << name;
        EXPECT_EQ(open.window->panelText(1), QStringLiteral("Page 1 of 2")) << name;
    }
}

// PreviewReport with the real window. The steps run from zero-time timers, which fire at the
// generation's checkpoints and in the wait.
class PreviewReportWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        reporttest::buildTestReport(rp, 96);
        rp.DataSet = &data;
        rp.setPreviewHost(&TRpStandardPreviewInterface::instance());
    }

    static std::vector<TRpStandardPreview*> openWindows()
    {
        std::vector<TRpStandardPreview*> result;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* window = qobject_cast<TRpStandardPreview*>(w);
            if (window && window->printer())
                result.push_back(window);
        }
        return result;
    }

    // Runs step at each checkpoint until it returns true.
    static void whenever(std::function<bool()> step)
    {
        QTimer::singleShot(0, [step] {
            if (!step())
                whenever(step);
        });
    }

    reporttest::RowsDataSet data { { "A" }, { { { "A", "1" } }, { { "A", "2" } }, { { "A", "3" } } } };
    TRpReport rp;
};

TEST_F(PreviewReportWindow, ClosingWithEscDuringTheRunCancelsItAndReleasesTheStore)
{
    QPointer<TRpPrinter> store;
    whenever([&] {
        const auto windows = openWindows();
        if (windows.empty() || windows[0]->printer()->status() != TRpPrinterStatus::Generating)
            return false;
        store = windows[0]->printer();
        QTest::keyClick(windows[0]->preview(), Qt::Key_Escape);
        return true;
    });
    rp.PreviewReport();
    EXPECT_TRUE(rp.cancelled());
    EXPECT_TRUE(rp.available());
    EXPECT_EQ(rp.currentPrinter(), nullptr);
    EXPECT_TRUE(store.isNull());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(openWindows().empty());
}

TEST_F(PreviewReportWindow, WaitsUntilTheWindowIsClosedAndShowsThePageAtPageWidth)
{
    bool checked = false;
    whenever([&] {
        const auto windows = openWindows();
        if (windows.empty() || windows[0]->printer()->status() != TRpPrinterStatus::Finished
            || !windows[0]->action(QStringLiteral("Print"))->isEnabled())
            return false;
        TRpStandardPreview& w = *windows[0];
        EXPECT_EQ(w.panelText(1), QStringLiteral("Page 1 of 1"));
        EXPECT_EQ(w.panelText(0), QString());
        EXPECT_TRUE(w.action(QStringLiteral("PrintSetup"))->isEnabled());
        EXPECT_TRUE(w.preview()->image()->hasPicture());
        EXPECT_EQ(w.preview()->zoomMode(), TRpZoomMode::PageWidth);
        if (!qEnvironmentVariableIsEmpty("PRZELEW_PREVIEW_SCREENSHOT")) {
            // The scroll bars follow their ranges in a queued call.
            QCoreApplication::processEvents();
            w.grab().save(qEnvironmentVariable("PRZELEW_PREVIEW_SCREENSHOT"));
        }
        checked = true;
        w.exitButton()->click();
        return true;
    });
    rp.PreviewReport();
    EXPECT_TRUE(checked);
    EXPECT_FALSE(rp.cancelled());
    EXPECT_EQ(rp.currentPrinter(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(openWindows().empty());
}

// Saving the report's pages tells the report where they went, once a save; pages loaded from a file
// are not the report's and tell nothing.
TEST_F(PreviewReportWindow, SavingTellsTheReportWhereItsPagesWent)
{
    QTemporaryDir dir;
    Dialogs dialogs;
    std::vector<std::pair<QString, QString>> outputs;
    rp.OnOutput = [&](const QString& how, const QString& target) { outputs.emplace_back(how, target); };
    whenever([&] {
        const auto windows = openWindows();
        if (windows.empty() || windows[0]->printer()->status() != TRpPrinterStatus::Finished
            || !rp.available())
            return false;
        TRpStandardPreview& w = *windows[0];
        for (const char* name : { "a.pdf", "b.RPF" }) {
            dialogs.answer = dir.filePath(QString::fromLatin1(name));
            w.action(QStringLiteral("SaveReport"))->trigger();
        }
        w.action(QStringLiteral("LoadReport"))->trigger(); // b.RPF again
        dialogs.answer = dir.filePath(QStringLiteral("c.RPF"));
        w.action(QStringLiteral("SaveReport"))->trigger();
        w.close();
        return true;
    });
    rp.PreviewReport();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(outputs.size(), 2u);
    EXPECT_EQ(outputs[0], std::make_pair(QStringLiteral("plik"), dir.filePath(QStringLiteral("a.pdf"))));
    EXPECT_EQ(outputs[1], std::make_pair(QStringLiteral("plik"), dir.filePath(QStringLiteral("b.RPF"))));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("c.RPF"))));
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(PreviewReportWindow, ASecondPreviewWhileTheFirstIsOpenAndClosingInEitherOrder)
{
    QPointer<TRpPrinter> first;
    QPointer<TRpPrinter> second;
    bool nestedReturned = false;
    whenever([&] {
        const auto windows = openWindows();
        // Finished and out of the run: CloseDocument's checkpoint comes before the report is available.
        if (windows.size() != 1 || windows[0]->printer()->status() != TRpPrinterStatus::Finished
            || !rp.available())
            return false;
        first = windows[0]->printer();
        whenever([&] {
            const auto both = openWindows();
            if (both.size() != 2)
                return false;
            TRpStandardPreview* w2 = both[0]->printer() == first ? both[1] : both[0];
            TRpStandardPreview* w1 = both[0]->printer() == first ? both[0] : both[1];
            if (w2->printer()->status() != TRpPrinterStatus::Finished || !rp.available())
                return false;
            second = w2->printer();
            // The older window goes first; the newer one keeps its pages.
            w1->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_TRUE(first.isNull());
            EXPECT_FALSE(second.isNull());
            w2->preview()->setPageNumber(1);
            EXPECT_TRUE(w2->preview()->image()->hasPicture());
            w2->close();
            return true;
        });
        rp.PreviewReport();
        nestedReturned = true;
        return true;
    });
    rp.PreviewReport();
    EXPECT_TRUE(nestedReturned);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(second.isNull());
    EXPECT_TRUE(openWindows().empty());
    EXPECT_TRUE(rp.available());
}

TEST_F(PreviewReportWindow, ALoadDuringTheRunCancelsItAndKeepsOnlyTheFilePages)
{
    QTemporaryDir dir;
    Dialogs dialogs;
    dialogs.answer = dir.filePath(QStringLiteral("two.RPF"));
    finishedStore(2)->Save(dialogs.answer);
    const QByteArray file = readFile(dialogs.answer);
    QPointer<TRpPrinter> store;
    whenever([&] {
        const auto windows = openWindows();
        if (windows.empty() || windows[0]->printer()->status() != TRpPrinterStatus::Generating
            || windows[0]->printer()->PagesStarted() < 1)
            return false;
        store = windows[0]->printer();
        windows[0]->action(QStringLiteral("LoadReport"))->trigger();
        // The run ends at its next checkpoint; the window stays with the file's pages.
        whenever([&] {
            const auto left = openWindows();
            if (left.empty() || !rp.available())
                return false;
            EXPECT_EQ(left[0]->printer()->PagesStarted(), 2);
            EXPECT_EQ(left[0]->printer()->stream()->size(), file.size());
            EXPECT_EQ(left[0]->panelText(1), QStringLiteral("Page 1 of 2"));
            left[0]->close();
            return true;
        });
        return true;
    });
    rp.PreviewReport();
    // Let the window close if the report returned before it.
    for (int i = 0; i < 100 && !openWindows().empty(); ++i)
        QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialogs.errors.empty()) << (dialogs.errors.empty() ? "" : dialogs.errors[0].toStdString());
    EXPECT_EQ(readFile(dialogs.answer), file); // the loaded file was only read
    EXPECT_TRUE(openWindows().empty());
    EXPECT_TRUE(store.isNull());
}

} // namespace

// The report's own buttons: a checkable one shows the report's state and, when its click asks for new
// pages, the window closes and the report is previewed again; the underlay shows faintly under the page.
TEST_F(PreviewReportWindow, ReportOptionsPreviewAgainWithTheUnderlay)
{
    bool on = false;
    TRpPreviewOption option;
    option.name = QStringLiteral("ValuesOnly");
    option.text = QStringLiteral("Tylko dane");
    option.hint = QStringLiteral("Tylko dane (na gotowym blankiecie)");
    option.checkable = true;
    option.checked = [&] { return on; };
    option.triggered = [&](bool checked) {
        on = checked;
        // A black underlay page: faint, it shows grey where the page itself is white.
        emf::EmfRecorder underlay(1123, 794, 96);
        underlay.setBrush(platform::Brush { platform::rgb(0, 0, 0), false });
        underlay.fillRect(0, 0, 1123, 794);
        rp.PreviewUnderlay = underlay.finish();
        return true;
    };
    rp.PreviewOptions = { option };
    for (const auto& band : rp.bands())
        band->Transparent = true; // as a page of values only: the underlay shows between them
    bool triggered = false, second = false;
    whenever([&] {
        for (TRpStandardPreview* w : openWindows()) {
            if (w->printer()->status() != TRpPrinterStatus::Finished)
                continue;
            auto* button = w->findChild<QAction*>(QStringLiteral("ValuesOnly"));
            EXPECT_NE(button, nullptr);
            if (!button)
                return true;
            EXPECT_EQ(button->toolTip(), QStringLiteral("Tylko dane (na gotowym blankiecie)"));
            // The first window shows the button off; its click closes it and the report opens a new one.
            if (!button->isChecked()) {
                if (!triggered) {
                    triggered = true;
                    button->trigger();
                }
                return false;
            }
            if (!w->preview()->image()->hasPicture())
                return false;
            const QImage page = w->preview()->image()->grab().toImage();
            const int grey = qGray(page.pixel(page.width() / 2, page.height() / 2));
            EXPECT_GT(grey, 150);
            EXPECT_LT(grey, 230);
            second = true;
            w->exitButton()->click();
            return true;
        }
        return false;
    });
    rp.PreviewReport();
    EXPECT_TRUE(second);
    EXPECT_TRUE(on);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(openWindows().empty());
}
