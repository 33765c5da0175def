// SPDX-License-Identifier: GPL-2.0-or-later
// The transfer form's buttons in the preview: "Tylko dane" (values only, for a pre-printed form, with the
// form shown faintly behind them on the screen) and the printer's calibration.
#pragma once

#include "printout/frprzelnew.h"

class QWidget;

namespace app {

// Installs both buttons on the form's report; the form must outlive the report's previews.
void installFormOptions(printout::TfrPrzelNew& form);

// The CUPS queue the report prints on: the one chosen in its settings, else the system's default; empty
// when there is no printer or no default one.
QString reportQueue(const report::TRpReport& report);

// Puts the form into values only (with the calibration of its printer and the faint form) or back.
void setValuesOnly(printout::TfrPrzelNew& form, bool on);

} // namespace app
