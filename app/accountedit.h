// SPDX-License-Identifier: GPL-2.0-or-later
// An account typed as it is read from an invoice, grouped as the user types it.
#pragma once

class QLineEdit;

namespace app {

// From now on, what the user types into the editor (not what the program puts there) is grouped as an
// invoice prints an account, the cursor staying after the same digit.
void groupAccountWhileTyped(QLineEdit* editor);

} // namespace app
