// SPDX-License-Identifier: GPL-2.0-or-later
// The images of the main window's actions (ImageList1): 0 an open folder, 1 a printer, 2 a new sheet.
#pragma once

#include <QIcon>
#include <QList>

namespace app {

// Pixmaps need a GUI application: without one the list is empty.
QList<QIcon> ImageList1();

} // namespace app
