// SPDX-License-Identifier: GPL-2.0-or-later
// How names are compared where the user may write them any way: a CSV header's column names, the payee
// book's search and its names.
#pragma once

#include <QString>

namespace transfer {

// No letter case, no diacritics ("Łódź" gives "lodz"; ł, which has no decomposition, included), no blanks
// around, and each run of blanks inside as one space.
QString searchFolded(const QString& text);

} // namespace transfer
