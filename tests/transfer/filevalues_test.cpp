// SPDX-License-Identifier: GPL-2.0-or-later
// Amounts and dates of a transfer file under the three desktop settings people run: Polish, English and
// the C locale. A file is written for a Polish form; no desktop language may multiply its amount.
#include "platform/datetime.h"
#include "transfer/datetext.h"
#include "transfer/fileamount.h"

#include <QDate>
#include <QLocale>
#include <gtest/gtest.h>

namespace {

const QLocale settings[] = { QLocale(QLocale::Polish, QLocale::Poland),
    QLocale(QLocale::English, QLocale::UnitedStates), QLocale::c() };

class FileValues : public ::testing::Test {
protected:
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
};

using State = transfer::FileAmount::State;

struct Expect {
    State state;
    double value = 0;
};

} // namespace

TEST_F(FileValues, Amounts)
{
    struct Row {
        const char* text;
        Expect polish; // under Polish settings
        Expect other; // under English and C settings
    };
    const Expect ambiguous { State::Ambiguous }, unreadable { State::Unreadable }, empty { State::Empty };
    const Row rows[] = {
        { "1234,5", { State::Read, 1234.5 }, { State::Read, 1234.5 } },
        { "1 234,50", { State::Read, 1234.5 }, { State::Read, 1234.5 } },
        { "1\u00A0234,50", { State::Read, 1234.5 }, { State::Read, 1234.5 } },
        { "1.234,50", { State::Read, 1234.5 }, { State::Read, 1234.5 } },
        { "1.234.567", { State::Read, 1234567 }, { State::Read, 1234567 } },
        // A single dot followed by one or two digits is a decimal point everywhere.
        { "1234.5", { State::Read, 1234.5 }, { State::Read, 1234.5 } },
        { "12.05", { State::Read, 12.05 }, { State::Read, 12.05 } },
        { "-3,5", { State::Read, -3.5 }, { State::Read, -3.5 } },
        { " 7 ", { State::Read, 7 }, { State::Read, 7 } },
        // Only one reading groups it correctly.
        { "1,234.50", { State::Read, 1234.5 }, { State::Read, 1234.5 } },
        { "1,5", { State::Read, 1.5 }, { State::Read, 1.5 } },
        // A Polish desktop reads a decimal comma as it always did; elsewhere 1,234 may mean 1234.
        { "1,234", { State::Read, 1.234 }, ambiguous },
        { "12,345", { State::Read, 12.345 }, ambiguous },
        // Thousands by a dot or three decimals by a point: nobody can tell.
        { "1.234", ambiguous, ambiguous },
        // The regional reading of a Polish desktop knows exponents.
        { "1,5E3", { State::Read, 1500 }, unreadable },
        { "12 34,5", unreadable, unreadable },
        { "1 234.567", unreadable, unreadable },
        { "12,3,4", unreadable, unreadable },
        { "abc", unreadable, unreadable },
        { "1O0", unreadable, unreadable },
        { "-", unreadable, unreadable },
        { "", empty, empty },
        { "   ", empty, empty },
    };
    for (const QLocale& locale : settings) {
        QLocale::setDefault(locale);
        const bool polish = locale.language() == QLocale::Polish;
        for (const Row& r : rows) {
            const Expect& e = polish ? r.polish : r.other;
            const transfer::FileAmount a = transfer::readFileAmount(QString::fromUtf8(r.text));
            const std::string where = locale.name().toStdString() + " \"" + r.text + "\"";
            EXPECT_EQ(a.state, e.state) << where;
            EXPECT_EQ(a.value.has_value(), e.state == State::Read) << where;
            if (a.value) {
                EXPECT_DOUBLE_EQ(*a.value, e.value) << where;
            }
        }
    }
}

// Wednesday 15 May 2024.
TEST_F(FileValues, DatesAreReadThePolishWayUnderAnySettings)
{
    const double today = platform::toDays(QDate(2024, 5, 15));
    struct Row {
        const char* text;
        std::optional<QDate> expected;
    };
    const Row rows[] = {
        { "09.12.2026", QDate(2026, 12, 9) },
        { "9.12.26", QDate(2026, 12, 9) },
        { "2026-12-09", QDate(2026, 12, 9) },
        { "2026-2-9", QDate(2026, 2, 9) },
        { "3.czerwca.2024", QDate(2024, 6, 3) },
        { "Jutro", QDate(2024, 5, 16) },
        { "Poniedziałek", QDate(2024, 5, 20) },
        { "12/9/2026", std::nullopt },
        { "2024-13-45", std::nullopt },
        { "26-12-09", std::nullopt },
        { "", std::nullopt },
    };
    for (const QLocale& locale : settings) {
        QLocale::setDefault(locale);
        for (const Row& r : rows) {
            const auto v = transfer::parseFileDateText(QString::fromUtf8(r.text), today, today);
            const std::string where = locale.name().toStdString() + " \"" + r.text + "\"";
            ASSERT_EQ(v.has_value(), r.expected.has_value()) << where;
            if (v) {
                EXPECT_EQ(platform::dateOfDays(*v), *r.expected) << where;
            }
        }
    }
}
