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

// An account as it is typed, grouped as an invoice prints it: the check digits, then groups of four
// ("PL61 1090 1014 ..." keeps its "PL"), and where the cursor goes in it.
struct GroupedAccount {
    QString text;
    int cursor = 0;
};
// Only a text of digits, blanks and hyphens (after an optional "PL") is grouped; any other text comes
// back as it is. cursor is the position in the typed text; it stays after the same digit.
GroupedAccount groupAccount(const QString& typed, int cursor);

// The warning shown beside an account field whose check sum is wrong.
QString wrongAccountWarning();

} // namespace transfer
