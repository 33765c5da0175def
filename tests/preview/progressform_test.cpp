// SPDX-License-Identifier: GPL-2.0-or-later
// The printing progress window: its layout, the percentage shown only at multiples of 5, and its
// Cancel button stopping the printer's run.
#include "preview/rpprogressform.h"
#include "report/rpprinter.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace report;
using namespace preview;

TEST(ProgressForm, LayoutAndTexts)
{
    TRpPrinter printer;
    TRpProgressForm form(&printer);
    EXPECT_EQ(form.windowTitle(), "Printing progress");
    // 149 x 97 as designed, or wider so that a frame shows the caption in full; the contents stay centred.
    QFont bold = form.font();
    bold.setBold(true);
    const int caption = QFontMetrics(bold).horizontalAdvance(form.windowTitle());
    EXPECT_EQ(form.width(), std::max(149, caption + TRpProgressForm::CaptionFrameRoom));
    EXPECT_EQ(form.height(), 97);
    const int shift = (form.width() - 149) / 2;
    // A dialog frame: caption and close box, no minimise or maximise box.
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Dialog);
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint) << "only the frame buttons asked for";
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(form.Gauge()->geometry(), QRect(16 + shift, 18, 114, 16));
    EXPECT_EQ(form.Gauge()->minimum(), 0);
    EXPECT_EQ(form.Gauge()->maximum(), 100);
    EXPECT_EQ(form.Info()->geometry(), QRect(0, 44, form.width() - 4, 13));
    EXPECT_TRUE(form.Info()->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(form.Info()->text(), "0%  Completed");
    EXPECT_EQ(form.CancelButton()->geometry(), QRect(36 + shift, 60, 75, 25));
    EXPECT_EQ(form.CancelButton()->text(), "Cancel");
}

TEST(ProgressForm, ShowsOnlyMultiplesOfFive)
{
    struct Step {
        int percent;
        int gauge;
        const char* info;
    };
    const Step steps[] = {
        { 3, 0, "0%  Completed" },
        { 5, 5, "5%  Completed" },
        { 7, 5, "5%  Completed" },
        { 10, 10, "10%  Completed" },
        { 99, 10, "10%  Completed" },
        { 100, 100, "100%  Completed" },
    };
    TRpPrinter printer;
    TRpProgressForm form(&printer);
    printer.setClient(&form);
    for (const Step& step : steps) {
        printer.setProgress(step.percent);
        QCoreApplication::processEvents(); // the notification is queued
        EXPECT_EQ(form.Gauge()->value(), step.gauge) << "after " << step.percent;
        EXPECT_EQ(form.Info()->text(), step.info) << "after " << step.percent;
    }
}

TEST(ProgressForm, ShowsThePrintersProgressNotAStaleNotification)
{
    TRpPrinter printer;
    TRpProgressForm form(&printer);
    printer.setClient(&form);
    printer.setProgress(5);
    printer.setProgress(7); // both queued; when they arrive the printer stands at 7
    QCoreApplication::processEvents();
    EXPECT_EQ(form.Info()->text(), "0%  Completed");
}

// The print runs on as soon as the window is shown: the window must be painted, text and gauge, before
// the print goes on.
TEST(ProgressForm, IsPaintedBeforeShowingReturns)
{
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    };
    TRpPrinter printer;
    TRpProgressForm form(&printer);
    PaintCounter info, gauge;
    form.Info()->installEventFilter(&info);
    form.Gauge()->installEventFilter(&gauge);
    form.showPainted();
    EXPECT_TRUE(form.isVisible());
    EXPECT_GT(info.paints, 0);
    EXPECT_GT(gauge.paints, 0);
    const QImage shown = form.grab().toImage();
    int ink = 0; // the text "0%  Completed" in its row
    for (int x = 0; x < form.Info()->width(); ++x)
        for (int y = 44; y < 57; ++y)
            ink += qGray(shown.pixel(x, y)) < 128;
    EXPECT_GT(ink, 20);
}

TEST(ProgressForm, CancelAndClosingTheWindowStopTheRun)
{
    for (const bool byButton : { true, false }) {
        TRpPrinter printer;
        TRpProgressForm form(&printer);
        form.show();
        if (byButton)
            form.CancelButton()->click();
        else
            form.close();
        EXPECT_TRUE(printer.cancelled()) << (byButton ? "button" : "window frame");
        EXPECT_TRUE(form.isVisible()) << "the print closes the window itself";
    }
}

TEST(ProgressForm, OutlivingItsPrinterIsHarmless)
{
    auto printer = std::make_unique<TRpPrinter>();
    TRpProgressForm form(printer.get());
    printer.reset();
    form.progressUpdate(50);
    form.CancelButton()->click();
    EXPECT_EQ(form.Info()->text(), "0%  Completed");
}
