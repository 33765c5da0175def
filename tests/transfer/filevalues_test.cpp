// SPDX-License-Identifier: GPL-2.0-or-later
// Amounts and dates under the three desktop settings people run: Polish, English and the C locale. A file
// is written for a Polish form; no desktop language may change its amount.
#include "platform/datetime.h"
#include "transfer/datetext.h"
#include "transfer/money.h"

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

using State = transfer::AmountReading::State;

} // namespace

// Every path reads an amount through readAmount, so one table decides it for all of them: the same
// reading under every desktop language, the grosz never rounded.
TEST_F(FileValues, AmountsReadOneWayUnderEveryLanguage)
{
    struct Row {
        const char* text;
        State state;
        std::int64_t grosze = 0; // when read
    };
    const Row rows[] = {
        { "1234,5", State::Read, 123450 },
        { "1 234,50", State::Read, 123450 },
        { "1\u00A0234,50", State::Read, 123450 },
        { "1.234,50", State::Read, 123450 },
        { "1,234.50", State::Read, 123450 },
        { "1 234.50", State::Read, 123450 },
        { "1.234.567", State::Read, 123456700 },
        { "1,234,567", State::Read, 123456700 },
        { "1234.5", State::Read, 123450 },
        { "12.05", State::Read, 1205 },
        { "-3,5", State::Read, -350 },
        { " 7 ", State::Read, 700 },
        { "1234,500", State::Read, 123450 }, // a third decimal of 0 changes nothing
        // Exponents are taken, exactly, on every desktop.
        { "1e3", State::Read, 100000 },
        { "1,5E3", State::Read, 150000 },
        { "1.25e1", State::Read, 1250 },
        { "1e-3", State::TooManyDecimals },
        { "1234,567", State::TooManyDecimals },
        { "1 234.567", State::TooManyDecimals },
        // One comma or point before three digits: three decimals, or a thousands separator.
        { "1,234", State::Ambiguous },
        { "12,345", State::Ambiguous },
        { "10,999", State::Ambiguous },
        { "1.234", State::Ambiguous },
        { "999999999999,99", State::Read, 99999999999999 },
        { "1000000000000", State::TooLarge },
        { "99 999 999 999 999,99", State::TooLarge },
        { "1e20", State::TooLarge },
        { "100,-", State::Unreadable },
        { "250,00 zł", State::Unreadable },
        { "PLN 100,00", State::Unreadable },
        { "12 34,5", State::Unreadable },
        { "12,3,4", State::Unreadable },
        { "1O0", State::Unreadable },
        { "-", State::Unreadable },
        { "", State::Empty },
        { "   ", State::Empty },
    };
    for (const QLocale& locale : settings) {
        QLocale::setDefault(locale);
        for (const Row& r : rows) {
            const transfer::AmountReading a = transfer::readAmount(QString::fromUtf8(r.text));
            const std::string where = locale.name().toStdString() + " \"" + r.text + "\"";
            EXPECT_EQ(a.state, r.state) << where;
            EXPECT_EQ(a.money,
                r.state == State::Read ? std::optional(transfer::Money::fromGrosze(r.grosze)) : std::nullopt)
                << where;
        }
    }
}

TEST(Money, TextsAndTheRecordsValueKeepEveryGrosz)
{
    for (std::int64_t grosze : { 0LL, 5LL, 123450LL, -5000LL, 99999999999999LL, 12345678901298LL }) {
        const transfer::Money m = transfer::Money::fromGrosze(grosze);
        EXPECT_EQ(transfer::readAmount(m.text()).money, m) << grosze;
        EXPECT_EQ(transfer::readAmount(m.shortText(QLatin1Char('.'))).money, m) << grosze;
        EXPECT_EQ(transfer::Money::fromRecordValue(m.toRecordValue()), m) << grosze;
        EXPECT_EQ(QString::number(m.toRecordValue(), 'f', 2), m.text(QLatin1Char('.'))) << grosze;
    }
    EXPECT_EQ(transfer::Money::fromGrosze(123450).shortText(), QStringLiteral("1234,5"));
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
