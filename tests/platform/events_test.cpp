// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/events.h"

#include <QObject>
#include <QTimer>
#include <gtest/gtest.h>

// A run that lets events in learns whether what it works for was deleted by them, as a preview window
// closed meanwhile deletes its pages.
TEST(Events, SayWhetherTheObjectOutlivedThem)
{
    for (const bool deleted : { false, true }) {
        auto* object = new QObject;
        if (deleted)
            QTimer::singleShot(0, object, [object] { delete object; });
        EXPECT_EQ(platform::letEventsIn(object), !deleted);
        if (!deleted)
            delete object;
    }
    EXPECT_TRUE(platform::letEventsIn());
}
