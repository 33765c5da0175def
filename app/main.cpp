// SPDX-License-Identifier: GPL-2.0-or-later
// Start-up: the main window, the transfer table, the report form and the print service that the windows
// print through; the message loop runs until the main window closes.
#include "app/fmenu.h"
#include "app/formoptions.h"
#include "app/imagelist.h"
#include "app/openfiles.h"
#include "app/printlog.h"
#include "app/printservice.h"
#include "data/dm2.h"
#include "platform/fonts.h"
#include "platform/language.h"
#include "platform/memory.h"
#include "platform/startupprobe.h"
#include "preview/rpstandardpreview.h"
#include "printout/formfit.h"
#include "printout/frprzelnew.h"
#include "transfer/transferrecord.h"

#include <QApplication>
#include <QLabel>
#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Przelew"));
    QApplication::setQuitOnLastWindowClosed(true);
    platform::loadApplicationFonts();
    platform::keepFreedMemoryForReuse();
    // The windows, and the system's dialogs (file open, print), speak the desktop's language: Polish on a
    // Polish desktop, English on any other.
    platform::installTranslations(platform::desktopLanguage());

    // The main window first, then the transfer table, then the report form; the windows print through
    // one service, each preview with its own transfers, and every transfer whose pages leave the program
    // goes into the transfer log.
    auto menu = std::make_unique<app::TfMenu>();
    data::TDM2 data;
    printout::TfrPrzelNew form(data.mtPlat);
    menu->setActionImages(app::ImageList1());
    form.rp.setPreviewHost(&preview::TRpStandardPreviewInterface::instance());
    transfer::TransferLog transferLog;
    app::PrintLog printLog(transferLog);
    app::PrintService printing(data, form, &printLog);
    transfer::PayeeBook payees(transferLog);
    menu->setTransferLog(&transferLog);
    menu->setPayeeBook(&payees);
    menu->setPreview(
        [&printing](const std::vector<transfer::TransferEditorValues>& transfers, const QStringList& sources,
            printout::FormKind kind) { printing.preview(transfers, sources, kind); });
    menu->setReportBusy([&printing] { return printing.busy(); });
    menu->setDepositCheck(printout::depositProblem);
    menu->setFieldWarnings(printout::fieldWarnings);
    // The preview's buttons for pre-printed forms.
    app::installFormOptions(form);
    // Closing the main window ends the program, also while preview windows are open.
    QObject::connect(menu.get(), &app::TfMenu::closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);

    platform::installStartupProbe(*menu);
    menu->show();
    app::openGivenFiles(*menu, QCoreApplication::arguments().mid(1));
    const int result = app.exec();

    // Preview windows still open close first, so the report forgets their pages while it exists; then the
    // main window goes, which stores the payer account.
    QApplication::closeAllWindows();
    menu.reset();
    return result;
}
