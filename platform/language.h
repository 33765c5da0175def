// SPDX-License-Identifier: GPL-2.0-or-later
// The language the program speaks on the screen: Polish on a Polish desktop, English on any other. The
// page, the printed form and every file the program writes stay Polish whatever it is.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

enum class ScreenLanguage { Polish, English };

// From the environment as the desktop sets it: LANGUAGE (its first entry), then LC_ALL, LC_MESSAGES and
// LANG, the first that is set; Polish when it names Polish ("pl", "pl_PL.UTF-8"), English otherwise (the C
// locale and an unset environment included).
ScreenLanguage languageOf(
    const QByteArray& language, const QByteArray& all, const QByteArray& messages, const QByteArray& lang);
ScreenLanguage desktopLanguage();

// Where the program's translation for the language is: in the program's resources, else built beside it
// (the build folder's translations/) or installed with it (share/przelew/translations/); empty when
// nowhere.
QString translationFile(ScreenLanguage language);

// Installs on the application the program's translation for the language, and Qt's own for its
// dialogs where the system has it, in place of those installed before. False when the program's
// translation cannot be loaded (the texts then stay as the sources write them).
bool installTranslations(ScreenLanguage language);
// Takes them off again: the texts as the sources write them.
void removeTranslations();

// The language installed last, Polish (the windows' own) before any is; it chooses the language of the
// texts that come in both (what is wrong with a transfer).
ScreenLanguage shownLanguage();

} // namespace platform
