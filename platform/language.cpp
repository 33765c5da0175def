// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>
#include <vector>

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

QString translationFile(ScreenLanguage language)
{
    const QString name = language == ScreenLanguage::Polish ? QStringLiteral("przelew_pl.qm")
                                                            : QStringLiteral("przelew_en.qm");
    const QString programs = QCoreApplication::applicationDirPath();
    for (const QString& folder : { QStringLiteral(":/i18n"), programs + QStringLiteral("/../translations"),
             programs + QStringLiteral("/../share/przelew/translations") }) {
        if (QFile::exists(folder + QLatin1Char('/') + name))
            return folder + QLatin1Char('/') + name;
    }
    return QString();
}

ScreenLanguage desktopLanguage()
{
    return languageOf(qgetenv("LANGUAGE"), qgetenv("LC_ALL"), qgetenv("LC_MESSAGES"), qgetenv("LANG"));
}

namespace {
ScreenLanguage installed = ScreenLanguage::Polish;
std::vector<QTranslator*> translators; // owned by the application, which they serve until it ends
} // namespace

void removeTranslations()
{
    for (QTranslator* translator : translators) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    translators.clear();
    installed = ScreenLanguage::Polish;
}

ScreenLanguage shownLanguage()
{
    return installed;
}

bool installTranslations(ScreenLanguage language)
{
    removeTranslations();
    installed = language;
    auto* ours = new QTranslator(QCoreApplication::instance());
    translators.push_back(ours);
    const QString file = translationFile(language);
    const bool loaded = !file.isEmpty() && ours->load(file);
    if (loaded)
        QCoreApplication::installTranslator(ours);
    if (language == ScreenLanguage::Polish) {
        auto* qt = new QTranslator(QCoreApplication::instance());
        translators.push_back(qt);
        if (qt->load(QStringLiteral("qtbase_pl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
    }
    return loaded;
}

} // namespace platform
