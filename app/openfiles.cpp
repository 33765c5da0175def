// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/openfiles.h"

#include "app/fmenu.h"
#include "platform/errordisplay.h"
#include "preview/rpstandardpreview.h"
#include "report/rpprinter.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <memory>

namespace app {

void openGivenFiles(TfMenu& window, const QStringList& paths)
{
    if (paths.isEmpty())
        return;
    const QString suffix = QFileInfo(paths.front()).suffix().toLower();
    if (paths.size() > 1 || suffix == QLatin1String("csv")) {
        window.openBatch(paths);
        return;
    }
    if (suffix == QLatin1String("rpf")) {
        platform::runGuarded(
            [&] {
                auto printer = std::make_unique<report::TRpPrinter>(report::TRpPrinterDestination::PageStore);
                printer->Load(paths.front());
                const QString damage = printer->pageStore()->damage();
                // The window owns the pages from here on.
                QWidget* shown = preview::TRpStandardPreviewInterface::ShowPreview(*printer.release());
                if (!damage.isEmpty())
                    platform::showError(damage, shown);
            },
            &window);
        return;
    }
    platform::runGuarded([&] { window.loadTransferFile(paths.front()); }, &window);
}

QStringList droppedFiles(const QMimeData& dropped)
{
    QStringList paths;
    for (const QUrl& url : dropped.urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    return paths;
}

} // namespace app
