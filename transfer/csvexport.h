// SPDX-License-Identifier: GPL-2.0-or-later
// What the program writes as CSV. Every file is UTF-8 with a byte order mark, ';' between fields and CR LF
// line ends, so a spreadsheet opens it as it stands, and the CSV import reads it back.
//
// Logged transfers as a CSV file that the CSV import reads back: the transfer file's seven keys as the
// header, then one row a transfer, and after them the form it was printed on (which the import reads
// back) and when, how and from where it left the program (columns the import passes over).
#pragma once

#include "transfer/payees.h"
#include "transfer/transferlog.h"

#include <QByteArray>
#include <vector>

namespace transfer {

QByteArray logEntriesCsv(const std::vector<LogEntry>& entries);

// A set of transfers the batch window opens again as the same set: under the import's header words
// ("Nazwa odbiorcy", "Rachunek odbiorcy", "Kwota", ...), a row each, with the form of the set ("przelew"
// or "wplata") in every row. A transfer without an amount has the text of refusedAmounts at its place, when
// there is one: what the user typed is kept, to be read (and refused) again.
QByteArray transferSetCsv(const std::vector<TransferEditorValues>& transfers, const QString& form,
    const std::vector<QString>& refusedAmounts = {});

// The payees under the header words the import knows ("Nazwa odbiorcy", "Rachunek odbiorcy", "Tytuł") and
// "NIP", "Uwagi", which the payee book reads as well.
QByteArray payeesCsv(const std::vector<Payee>& payees);

} // namespace transfer
