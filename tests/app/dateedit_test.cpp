// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/dateedit.h"
#include "platform/datetime.h"
#include "support/editortest.h"
#include "transfer/datetext.h"

#include <QCalendarWidget>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

using namespace app;

using platform::toDays;

namespace {

class DateEditTest : public EditorTest<TDateEdit> {
protected:
    void typeAndLeave(const QString& text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        leave();
        QCoreApplication::processEvents();
    }
};

} // namespace

TEST_F(DateEditTest, StartsWithoutADate)
{
    EXPECT_EQ(edit->date(), platform::NoDate);
    EXPECT_LE(edit->date(), 0);
    EXPECT_EQ(edit->text(), QString());
    edit->setDate(0); // 30 December 1899 is no date for the commands either
    EXPECT_LE(edit->date(), 0);
}

TEST_F(DateEditTest, JutroPlusTwoIsThreeDaysAhead)
{
    typeAndLeave(QStringLiteral("Jutro+2"));
    EXPECT_EQ(edit->date(), platform::today() + 3);
    EXPECT_EQ(edit->text(), transfer::dateDisplayText(platform::today() + 3));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(DateEditTest, ANonDateOnLeavingIsReportedAndTheDateStays)
{
    edit->setDate(toDays(QDate(2024, 5, 3)));
    typeAndLeave(QStringLiteral("32.13.2024"));
    EXPECT_EQ(errors, QStringList { QStringLiteral("Nieporawna data.") });
    EXPECT_EQ(edit->date(), toDays(QDate(2024, 5, 3)));
    EXPECT_EQ(edit->text(), QStringLiteral("3.05.2024"));
}

TEST_F(DateEditTest, EnterTakesTheTextOrReportsIt)
{
    QTest::keyClicks(edit, QStringLiteral("1.02.2024"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(edit->date(), toDays(QDate(2024, 2, 1)));
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("xyz"));
    QTest::keyClick(edit, Qt::Key_Enter);
    QCoreApplication::processEvents();
    EXPECT_EQ(errors, QStringList { QStringLiteral("Nieporawna data.") });
    EXPECT_EQ(edit->text(), QStringLiteral("xyz")); // left for correcting
}

TEST_F(DateEditTest, ClearingTheTextClearsTheDate)
{
    edit->setDate(toDays(QDate(2024, 5, 3)));
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    other->setFocus();
    EXPECT_EQ(edit->date(), platform::NoDate);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(DateEditTest, GivenTextsNeverShowAMessage)
{
    other->setFocus();
    edit->setDateText(QStringLiteral("2024-13-45"));
    EXPECT_EQ(edit->date(), platform::NoDate);
    edit->setDateText(QStringLiteral("5.01.2024"));
    EXPECT_EQ(edit->date(), toDays(QDate(2024, 1, 5)));
    QCoreApplication::processEvents();
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(DateEditTest, CalendarButtons)
{
    edit->showCalendar();
    ASSERT_NE(edit->calendarPopup(), nullptr);
    EXPECT_TRUE(edit->calendarPopup()->isVisible());
    auto* today = edit->calendarPopup()->findChild<QPushButton*>(QStringLiteral("today"));
    auto* clear = edit->calendarPopup()->findChild<QPushButton*>(QStringLiteral("clear"));
    ASSERT_TRUE(today && clear);
    EXPECT_EQ(today->text(), QStringLiteral("Dziś"));
    EXPECT_EQ(clear->text(), QStringLiteral("Wyczyść"));
    today->click();
    EXPECT_EQ(edit->date(), platform::today());
    EXPECT_FALSE(edit->calendarPopup()->isVisible());
    edit->showCalendar();
    emit edit->calendar()->clicked(QDate(2024, 7, 1));
    EXPECT_EQ(edit->date(), toDays(QDate(2024, 7, 1)));
    edit->showCalendar();
    clear->click();
    EXPECT_EQ(edit->date(), platform::NoDate);
    EXPECT_EQ(edit->text(), QString());
}

TEST_F(DateEditTest, AnotherWindowTakingTheFocusDoesNotJudgeTheText)
{
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("1.0"));
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(edit, &out);
    QCoreApplication::processEvents();
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(edit->text(), QStringLiteral("1.0"));
}
