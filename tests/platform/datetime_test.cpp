// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/datetime.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(DateTime, DayZeroIsThe30thOfDecember1899)
{
    EXPECT_EQ(toDays(QDate(1899, 12, 30)), 0.0);
    EXPECT_EQ(toDays(QDate(2024, 1, 15)), 45306.0);
    EXPECT_EQ(dateOfDays(45306.75), QDate(2024, 1, 15));
    EXPECT_EQ(fromDays(45306.75), QDateTime(QDate(2024, 1, 15), QTime(18, 0)));
}

TEST(DateTime, NegativeValuesKeepThePositiveTimeOfDay)
{
    EXPECT_EQ(fromDays(-1.25), QDateTime(QDate(1899, 12, 29), QTime(6, 0)));
    EXPECT_DOUBLE_EQ(toDays(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);
}

TEST(DateTime, RoundsToTheMillisecond)
{
    const double half = 0.5 / 86400000.0;
    EXPECT_EQ(fromDays(roundToMillisecond(45306 + 1.4 * half)).time(), QTime(0, 0, 0, 1));
    EXPECT_FALSE(hasTimeOfDay(45306 + 0.9 * half));
    EXPECT_TRUE(hasTimeOfDay(45306 + 1.1 * half));
    EXPECT_EQ(roundToMillisecond(45306.99999999999), 45307.0); // a hair before midnight is the next day
}

TEST(DateTime, NonsenseValuesDoNotOverflow)
{
    EXPECT_EQ(dateOfDays(1e300), QDate(1899, 12, 30));
    EXPECT_EQ(dateOfDays(std::nan("")), QDate(1899, 12, 30));
    EXPECT_EQ(dateOfDays(NoDate), QDate(1899, 12, 30).addDays(-700000));
}

TEST(DateTime, TodayHasNoTimeOfDay)
{
    EXPECT_FALSE(hasTimeOfDay(today()));
    EXPECT_GE(now(), today());
    EXPECT_LT(now(), today() + 1.0001);
}
