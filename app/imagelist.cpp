// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/imagelist.h"

#include <QGuiApplication>
#include <QPixmap>

// The artwork is XPM, which is C source as well as an image file.
#include "resources/new.xpm"
#include "resources/open.xpm"
#include "resources/print.xpm"

namespace app {

QList<QIcon> ImageList1()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return {};
    return { QIcon(QPixmap(open_xpm)), QIcon(QPixmap(print_xpm)), QIcon(QPixmap(new_xpm)) };
}

} // namespace app
