// SPDX-License-Identifier: GPL-2.0-or-later
// Start-up: the main window fMenu, then the data module DM2, then the report form; the message loop runs
// until the main window closes, and the main window's destruction stores the payer account.
#include "app/fmenu.h"
#include "app/formoptions.h"
#include "app/imagelist.h"
#include "app/openfiles.h"
#include "app/printlog.h"
#include "app/printservice.h"
#include "data/dm2.h"
#include "platform/fonts.h"
#include "platform/memory.h"
#include "platform/startupprobe.h"
#include "preview/rpstandardpreview.h"
#include "printout/frprzelnew.h"
#include "transfer/transferrecord.h"

#include <QApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Przelew"));
    QApplication::setQuitOnLastWindowClosed(true);
    platform::loadApplicationFonts();
    platform::keepFreedMemoryForReuse();
    // The system's dialogs (file open, print) speak the user's language when Qt's translations are there.
    QTranslator qtTranslations;
    if (qtTranslations.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslations);

    using app::fMenu;
    fMenu = new app::TfMenu;
    DM2 = new data::TDM2;
    fMenu->setActionImages(app::ImageList1());
    frPrzelNew = new printout::TfrPrzelNew(DM2->mtPlat);
    frPrzelNew->rp.setPreviewHost(&preview::TRpStandardPreviewInterface::instance());
    // Every transfer whose pages leave the program goes into the transfer log; the windows print
    // through one service, each preview with its own transfers.
    transfer::TransferLog transferLog;
    app::PrintLog printLog(transferLog);
    app::PrintService printing(*DM2, *frPrzelNew, &printLog);
    fMenu->setTransferLog(&transferLog);
    fMenu->setPreviewReport([&printing](printout::FormKind kind) {
        printing.preview({ fMenu->editorValues() }, { fMenu->lNazwaPliku->text() }, kind);
    });
    // The checks measure on a form of their own, so they never touch the labels of a generation running
    // for an open preview.
    data::TDM2 checkingData;
    printout::TfrPrzelNew checkingForm(checkingData.mtPlat);
    fMenu->setDepositCheck(
        [&checkingForm](transfer::Money amount) { return checkingForm.depositProblem(amount); });
    fMenu->setFieldWarnings(
        [&checkingForm](const transfer::TransferEditorValues& values, printout::FormKind kind) {
            return checkingForm.fieldWarnings(values, kind);
        });
    fMenu->setReportBusy([&printing] { return printing.busy(); });
    // The preview's buttons for pre-printed forms; the faint form behind the values comes from the
    // checking form and its table.
    app::installFormOptions(*frPrzelNew, checkingForm, checkingData);
    // Many transfers: one record each, a page each.
    fMenu->setBatchPreview(
        [&printing](const std::vector<transfer::TransferEditorValues>& transfers, const QStringList& sources,
            printout::FormKind kind) { printing.preview(transfers, sources, kind); });
    // Closing the main window ends the program, also while preview windows are open.
    QObject::connect(fMenu, &app::TfMenu::closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);

    platform::installStartupProbe(*fMenu);
    fMenu->show();
    app::openGivenFiles(*fMenu, QCoreApplication::arguments().mid(1));
    const int result = app.exec();

    // Preview windows still open close first, so their report forgets their pages while it exists.
    QApplication::closeAllWindows();
    delete fMenu; // stores the payer account
    fMenu = nullptr;
    delete frPrzelNew;
    frPrzelNew = nullptr;
    delete DM2;
    DM2 = nullptr;
    return result;
}
