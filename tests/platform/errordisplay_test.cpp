// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/error.h"
#include "platform/errordisplay.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace platform;

TEST(ErrorDisplay, PeriodRule)
{
    struct Row {
        const char* text;
        const char* shown;
    };
    const Row rows[] = {
        { "Nieporawna data", "Nieporawna data." },
        { "Done.", "Done." },
        { "Path /tmp/", "Path /tmp/." }, // "/" is 0x2F, after "."
        { "Minus -", "Minus -" }, // "-" is 0x2D
        { "Comma,", "Comma," },
        { "Quote\"", "Quote\"" },
        { "Digit 7", "Digit 7." },
        { "Ends in ł", "Ends in ł." },
        { "Ends in a non-breaking space\u00A0", "Ends in a non-breaking space\u00A0." },
        { "", "" },
    };
    for (const Row& r : rows)
        EXPECT_EQ(errorDisplayText(QString::fromUtf8(r.text)), QString::fromUtf8(r.shown)) << r.text;
}

TEST(ErrorDisplay, GuardedCommandsShowTheirErrorOnce)
{
    QStringList shown;
    const ErrorHandler previous = setErrorHandler([&](const QString& t) { shown << t; });
    runGuarded([] { throw Error(QStringLiteral("Cannot open file \"x\". No such file or directory")); });
    runGuarded([] {});
    runGuarded([] { throw std::runtime_error("boom"); });
    setErrorHandler(previous);
    EXPECT_EQ(shown,
        QStringList({ QStringLiteral("Cannot open file \"x\". No such file or directory."),
            QStringLiteral("boom.") }));
}
