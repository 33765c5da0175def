// What the user chose for printing and the program keeps between runs, in the registry file beside the
// payer account: the kind of form the main window prints.
#pragma once

#include "printout/frprzelnew.h"

namespace app {

// The form chosen last ("Przelew" when none was chosen or the file cannot be read).
printout::FormKind storedFormKind();
// False when the registry file cannot be written.
bool storeFormKind(printout::FormKind kind);

} // namespace app
