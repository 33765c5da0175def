#include "app/dateedit.h"
#include "app/datetext.h"
#include "apptestsupport.h"
#include "platform/datetime.h"

#include <QCalendarWidget>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

using platform::toDays;

namespace {

class DateTextTest : public AppTest { };

class DateEditTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        auto* layout = new QVBoxLayout(&window);
        edit = new TDateEdit(&window);
        other = new QLineEdit(&window);
        layout->addWidget(edit);
        layout->addWidget(other);
        window.show();
        QApplication::setActiveWindow(&window);
        edit->setFocus();
    }
    void typeAndLeave(const QString& text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        other->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
    }

    QWidget window;
    TDateEdit* edit = nullptr;
    QLineEdit* other = nullptr;
};

} // namespace

// Wednesday 15 May 2024, 14:30.
TEST_F(DateTextTest, Rows)
{
    const double today = toDays(QDate(2024, 5, 15));
    const double now = today + 14.5 / 24;
    struct Row {
        const char* name;
        const char* text;
        std::optional<QDate> expected;
    };
    const Row rows[] = {
        { "short date", "3.06.2024", QDate(2024, 6, 3) },
        { "two-digit year", "3.6.24", QDate(2024, 6, 3) },
        { "two-digit year far back", "3.6.80", QDate(1980, 6, 3) },
        { "month name", "3.czerwca.2024", QDate(2024, 6, 3) },
        { "day and month only", "1.02", QDate(2024, 2, 1) },
        { "no such day", "31.02.2024", std::nullopt },
        { "iso order", "2024-13-45", std::nullopt },
        { "three-digit year", "1.1.202", std::nullopt },
        { "Dzisiaj", "dzisiaj", QDate(2024, 5, 15) },
        { "Wczoraj", "WCZORAJ", QDate(2024, 5, 14) },
        { "Jutro+2", "Jutro+2", QDate(2024, 5, 18) },
        { "Jutro -1", "jutro -1", QDate(2024, 5, 15) },
        { "offset of four digits", "Dzisiaj+1000", QDate(2027, 2, 9) },
        { "offset of five digits", "Dzisiaj+10000", std::nullopt },
        { "Środa is today", "środa", QDate(2024, 5, 15) },
        { "Niedziela", "Niedziela", QDate(2024, 5, 19) },
        { "Poniedziałek", "Poniedziałek", QDate(2024, 5, 20) },
        { "Poniediałek, as the program always took it", "poniediałek", QDate(2024, 5, 20) },
        { "Wtorek", "Wtorek", QDate(2024, 5, 21) },
        { "Sobota", "Sobota", QDate(2024, 5, 18) },
        { "Pierwszy is Sunday", "Pierwszy", QDate(2024, 5, 12) },
        { "Siódmy is Saturday", "SIÓDMY", QDate(2024, 5, 18) },
        { "Czwarty", "Czwarty", QDate(2024, 5, 15) },
        { "Czwartek", "Czwartek", QDate(2024, 5, 16) },
        { "Piątek", "Piątek", QDate(2024, 5, 17) },
        { "Piąty", "Piąty", QDate(2024, 5, 16) },
        { "bom", "BOM", QDate(2024, 5, 1) },
        { "eom", "eom-1", QDate(2024, 5, 30) },
        { "word and rubbish", "Jutrox", std::nullopt },
        { "nothing", "", std::nullopt },
    };
    for (const Row& r : rows) {
        const auto v = parseDateText(QString::fromUtf8(r.text), today, now);
        ASSERT_EQ(v.has_value(), r.expected.has_value()) << r.name;
        if (v) {
            EXPECT_EQ(platform::dateOfDays(*v), *r.expected) << r.name;
            EXPECT_FALSE(platform::hasTimeOfDay(*v)) << r.name;
        }
    }
    const auto n = parseDateText(QStringLiteral("now"), today, now);
    ASSERT_TRUE(n);
    EXPECT_DOUBLE_EQ(*n, now);
    EXPECT_EQ(parseDateText(QStringLiteral("15.05.2024 14:30:00"), today, now).value_or(0), now);
}

TEST_F(DateTextTest, ShownText)
{
    EXPECT_EQ(dateDisplayText(toDays(QDate(2024, 5, 3))), QStringLiteral("3.05.2024"));
    EXPECT_EQ(dateDisplayText(toDays(QDate(2024, 5, 3)) + 0.75), QStringLiteral("3.05.2024 18:00:00"));
    EXPECT_EQ(dateDisplayText(platform::NoDate), QString());
}

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
    EXPECT_EQ(edit->text(), dateDisplayText(platform::today() + 3));
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
