// SPDX-License-Identifier: GPL-2.0-or-later
// The language the program speaks follows the desktop, and the translations the program carries give each
// language's words.
#include "platform/language.h"

#include <QTranslator>
#include <gtest/gtest.h>

using platform::ScreenLanguage;

TEST(Language, FollowsTheDesktop)
{
    struct Row {
        const char *language, *all, *messages, *lang;
        ScreenLanguage expected;
    };
    const Row rows[] = {
        { "", "", "", "pl_PL.UTF-8", ScreenLanguage::Polish },
        { "", "", "", "en_US.UTF-8", ScreenLanguage::English },
        { "", "", "", "", ScreenLanguage::English }, // nothing set
        { "", "C", "", "pl_PL.UTF-8", ScreenLanguage::English }, // LC_ALL first
        { "", "", "pl_PL", "en_GB.UTF-8", ScreenLanguage::Polish }, // then LC_MESSAGES
        { "pl:en", "", "", "de_DE.UTF-8", ScreenLanguage::Polish }, // LANGUAGE before all
        { "en_GB:pl", "pl_PL.UTF-8", "", "", ScreenLanguage::English },
        { "", "C.UTF-8", "", "", ScreenLanguage::English },
        { "", "", "", "plt_XX", ScreenLanguage::English }, // not Polish for beginning with "pl"
    };
    for (const Row& r : rows)
        EXPECT_EQ(platform::languageOf(r.language, r.all, r.messages, r.lang), r.expected)
            << r.language << '|' << r.all << '|' << r.messages << '|' << r.lang;
}

TEST(Language, EachTranslationGivesItsLanguagesWords)
{
    QTranslator polish, english;
    ASSERT_TRUE(polish.load(platform::translationFile(ScreenLanguage::Polish)));
    ASSERT_TRUE(english.load(platform::translationFile(ScreenLanguage::English)));
    EXPECT_EQ(
        polish.translate("preview::TRpStandardPreview", "Page %1 of %2"), QStringLiteral("Strona %1 z %2"));
    EXPECT_EQ(polish.translate("preview::TRpProgressForm", "Printing progress"),
        QStringLiteral("Postęp drukowania"));
    EXPECT_EQ(
        english.translate("preview::TRpStandardPreview", "Podgląd wydruku"), QStringLiteral("Print preview"));
}
