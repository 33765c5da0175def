// SPDX-License-Identifier: GPL-2.0-or-later
// Logged transfers as a CSV file that the CSV import reads back: the transfer file's seven keys as the
// header, then one row a transfer, and after them the form it was printed on (which the import reads
// back) and when, how and from where it left the program (columns the import passes over). UTF-8 with a byte
// order mark, ';' between fields and CR LF line ends, so a spreadsheet opens it as it stands.
#pragma once

#include "transfer/transferlog.h"

#include <QByteArray>
#include <vector>

namespace transfer {

QByteArray logEntriesCsv(const std::vector<LogEntry>& entries);

} // namespace transfer
