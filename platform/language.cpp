// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace platform {

ScreenLanguage languageOf(
    const QByteArray& language, const QByteArray& all, const QByteArray& messages, const QByteArray& lang)
{
    for (const QByteArray& value : { language.split(':').front(), all, messages, lang }) {
        if (value.isEmpty())
            continue;
        const QByteArray name = value.toLower();
        return name == "pl" || name.startsWith("pl_") || name.startsWith("pl.") || name.startsWith("pl@")
            ? ScreenLanguage::Polish
            : ScreenLanguage::English;
    }
    return ScreenLanguage::English;
}

ScreenLanguage desktopLanguage()
{
    return languageOf(qgetenv("LANGUAGE"), qgetenv("LC_ALL"), qgetenv("LC_MESSAGES"), qgetenv("LANG"));
}

namespace {
ScreenLanguage installed = ScreenLanguage::Polish;
} // namespace

ScreenLanguage shownLanguage()
{
    return installed;
}

bool installTranslations(ScreenLanguage language)
{
    installed = language;
    // Owned by the application, which they serve until it ends.
    auto* ours = new QTranslator(QCoreApplication::instance());
    const bool loaded
        = ours->load(language == ScreenLanguage::Polish ? QStringLiteral(":/i18n/przelew_pl.qm")
                                                        : QStringLiteral(":/i18n/przelew_en.qm"));
    if (loaded)
        QCoreApplication::installTranslator(ours);
    if (language == ScreenLanguage::Polish) {
        auto* qt = new QTranslator(QCoreApplication::instance());
        if (qt->load(QStringLiteral("qtbase_pl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
    }
    return loaded;
}

} // namespace platform
