// SPDX-License-Identifier: GPL-2.0-or-later
// What the user chose for printing and the program keeps between runs, in the registry file beside the
// payer account: the kind of form the main window prints, and each printer's calibration for values
// printed onto pre-printed forms.
#pragma once

#include "printout/frprzelnew.h"
#include "report/rpprintersettings.h"

#include <QString>

namespace app {

// The form chosen last ("Przelew" when none was chosen or the file cannot be read).
printout::FormKind storedFormKind();
// False when the registry file cannot be written.
bool storeFormKind(printout::FormKind kind);

// The calibration of a printer (its CUPS queue name): offsets in tenths of a millimetre from -1000 to
// 1000 and a scale from 90,0 to 110,0 per cent in steps of 0,1; none stored (or out of range) is no
// calibration.
report::TRpPlacement storedCalibration(const QString& queue);
// False when the registry file cannot be written.
bool storeCalibration(const QString& queue, const report::TRpPlacement& calibration);

} // namespace app
