// SPDX-License-Identifier: GPL-2.0-or-later
// Many transfers from a CSV file: a header row naming the transfer file's keys (any case, any order; other
// columns are ignored and listed), then one transfer a row. The delimiter is ';', ',' or a tab, whichever
// the header line uses most; fields are quoted as RFC 4180 has it (read with libcsv); the text is UTF-8 or
// code page 1250, told apart as in a transfer file. A line break inside a quoted field becomes a space. Every
// field then goes through the transfer file's rules.
#pragma once

#include "transfer/transferfile.h"

#include <QStringList>
#include <string_view>
#include <vector>

namespace transfer {

struct CsvRow {
    enum class Fault {
        None,
        Quoting, // a quote out of place, or a quoted field that never ends
        TooManyFields, // more fields than the header names
    };
    int line = 0; // the file's line the row begins on, from 1
    TransferFileValues values;
    Fault fault = Fault::None;

    bool readable() const { return fault == Fault::None; }
};

struct CsvTransfers {
    std::vector<CsvRow> rows; // in file order; rows with empty fields only are left out
    QStringList unknownColumns;
};

// Raises platform::Error "The header row names none of the transfer keys" when the first row names none.
CsvTransfers parseCsvTransfers(std::string_view bytes);

} // namespace transfer
