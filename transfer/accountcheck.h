// SPDX-License-Identifier: GPL-2.0-or-later
// The check of a Polish account number (NRB): 26 digits once spaces and hyphens are removed, optionally
// after "PL", whose IBAN check sum (mod 97, "PL" counting as 2521) must be 1.
#pragma once

#include <QString>

namespace transfer {

enum class AccountCheck {
    NotAnAccount, // not 26 digits: nothing to say about it
    Valid,
    WrongCheckSum,
};

AccountCheck checkAccountNumber(const QString& text);
// The account as typed without its spaces, hyphens and a leading "PL".
QString accountDigits(const QString& text);

// The warning shown beside an account field whose check sum is wrong.
QString wrongAccountWarning();

} // namespace transfer
