// Start-up: the main window fMenu, then the data module DM2, then the report form; the message loop runs
// until the main window closes, and the main window's destruction stores the payer account.
#include "app/fmenu.h"
#include "data/dm2.h"
#include "platform/fonts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Przelew"));
    QApplication::setQuitOnLastWindowClosed(true);
    platform::loadApplicationFonts();
    // The system's dialogs (file open, print) speak the user's language when Qt's translations are there.
    QTranslator qtTranslations;
    if (qtTranslations.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslations);

    fMenu = new TfMenu;
    DM2 = new data::TDM2;
    fMenu->setActionImages(DM2->ImageList1);
    // The report form frPrzelNew is created here, third, and its report's preview connected to the
    // print command with fMenu->setPreviewReport(...).

    fMenu->show();
    const int result = app.exec();

    delete fMenu; // stores the payer account
    delete DM2;
    DM2 = nullptr;
    return result;
}
