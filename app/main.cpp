// Start-up: the main window fMenu, then the data module DM2, then the report form; the message loop runs
// until the main window closes, and the main window's destruction stores the payer account.
#include "app/fmenu.h"
#include "data/dm2.h"
#include "platform/fonts.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Przelew"));
    QApplication::setQuitOnLastWindowClosed(true);
    platform::loadApplicationFonts();

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
