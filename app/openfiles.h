// SPDX-License-Identifier: GPL-2.0-or-later
// The files named on the command line ("przelew FILE..."): one transfer file opens loaded in the main
// window, a saved report file in a preview of its own, several files or a CSV file in the batch window.
#pragma once

#include <QStringList>

class QMimeData;

namespace app {

class TfMenu;

// A file that cannot be read gives the same message as the open command; the program stays open.
void openGivenFiles(TfMenu& window, const QStringList& paths);

// The local files among what was dropped on a window; an address that is no file is left out.
QStringList droppedFiles(const QMimeData& dropped);

} // namespace app
