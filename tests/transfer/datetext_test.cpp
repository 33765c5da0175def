// SPDX-License-Identifier: GPL-2.0-or-later
// The date editor's texts: the short date, the date words with their offsets, and the shown form.
#include "platform/datetime.h"
#include "support/apptestsupport.h"
#include "transfer/datetext.h"

#include <QDate>

using platform::toDays;

namespace {
class DateTextTest : public AppTest { };
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
        const auto v = transfer::parseDateText(QString::fromUtf8(r.text), today, now);
        ASSERT_EQ(v.has_value(), r.expected.has_value()) << r.name;
        if (v) {
            EXPECT_EQ(platform::dateOfDays(*v), *r.expected) << r.name;
            EXPECT_FALSE(platform::hasTimeOfDay(*v)) << r.name;
        }
    }
    const auto n = transfer::parseDateText(QStringLiteral("now"), today, now);
    ASSERT_TRUE(n);
    EXPECT_DOUBLE_EQ(*n, now);
    EXPECT_EQ(transfer::parseDateText(QStringLiteral("15.05.2024 14:30:00"), today, now).value_or(0), now);
}

TEST_F(DateTextTest, ShownText)
{
    EXPECT_EQ(transfer::dateDisplayText(toDays(QDate(2024, 5, 3))), QStringLiteral("3.05.2024"));
    EXPECT_EQ(
        transfer::dateDisplayText(toDays(QDate(2024, 5, 3)) + 0.75), QStringLiteral("3.05.2024 18:00:00"));
    EXPECT_EQ(transfer::dateDisplayText(platform::NoDate), QString());
}
