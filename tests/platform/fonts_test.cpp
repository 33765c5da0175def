// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/fonts.h"

#include <gtest/gtest.h>

TEST(FontPixelHeight, PointsAtScreenResolution)
{
    struct Row {
        int points, ppi, pixels;
    };
    for (const Row& row : { Row { 6, 96, -8 }, Row { 8, 96, -11 }, Row { 10, 96, -13 }, Row { 12, 96, -16 },
             Row { 10, 120, -17 }, Row { 12, 600, -100 } }) {
        EXPECT_EQ(platform::fontPixelHeight(row.points, row.ppi), row.pixels)
            << row.points << " pt at " << row.ppi;
    }
}
