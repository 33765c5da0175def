// SPDX-License-Identifier: GPL-2.0-or-later
// Many transfers from a CSV file: a header row naming the columns, then one transfer a row. A column is
// named by the transfer file's key or by a name banks' and accounting programs' exports use ("Nazwa
// odbiorcy", "Rachunek odbiorcy", "Tytuł", ...), compared without letter case, without diacritics and with
// runs of blanks as one; "Rachunek zleceniodawcy" gives the payer's account, which no key of the transfer
// file gives. Other columns, and a second column naming a value an earlier one gives, are ignored and
// listed. The delimiter is ';', ',' or a tab, whichever the header line uses most; fields are quoted as
// RFC 4180 has it (read with libcsv). A line break inside a quoted field becomes a space. Every field then
// goes through the transfer file's rules.
//
// The text is UTF-8 when it starts with the UTF-8 byte order mark. Without one it is UTF-8 when, of its
// lines with bytes beyond ASCII, at least one is plausible UTF-8 (as a transfer file must be as a whole)
// and no fewer are than are not: one line pasted in from a code page 1250 file does not turn the file,
// while a code page 1250 file whose capitals happen to pair into UTF-8 on a line stays code page 1250. A
// tie goes to UTF-8, since the lines that are not UTF-8 are then still read right, one by one: in a file
// taken as UTF-8, a row whose values are not UTF-8 (with the byte order mark: not well-formed; without:
// not plausible) is read as code page 1250 and says so. Otherwise the file is code page 1250 throughout.
//
// A quote opened in a field and never closed would take every line after it into that field: the row is
// refused, naming the lines it took, and those lines are read again as rows of their own.
#pragma once

#include "transfer/problem.h"
#include "transfer/transferfile.h"

#include <QStringList>
#include <map>
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
    int lastLine = 0; // the line it ends on: a later one when a quoted field holds line breaks
    TransferFileValues values;
    Fault fault = Fault::None;
    // A Quoting fault: the quote opened on line is still open at the end of the file, which is lastLine.
    // The lines after line were read again as rows of their own.
    bool quoteUnclosed = false;
    // 0, or the line of such an unclosed quote before this row: the row was read again on its own once
    // the quote was found never to close, which the caller says beside it.
    int unclosedQuoteLine = 0;
    // The file was taken as UTF-8 but this row's values are not UTF-8: they were read as code page 1250
    // (values.utf8 is false), which the caller says beside it.
    bool cp1250Line = false;
    // The fields of the ignored columns, in the order of CsvTransfers::unknownColumns (empty when short).
    std::vector<std::string> unknownFields;
};

struct CsvTransfers {
    std::vector<CsvRow> rows; // in file order; rows with empty fields only are left out
    QStringList unknownColumns; // the header's names of the columns that are ignored
};

// The user's reading of columns the import does not know, by their names in the header: the value each
// gives, or Field::None for a column to pass over (not listed as ignored).
using ColumnChoices = std::map<QString, Field>;

// Raises platform::Error when there is no header row, when its quotes do not pair up, or when it names
// neither the recipient's name nor the recipient's account column (the message lists the columns it has).
CsvTransfers parseCsvTransfers(std::string_view bytes, const ColumnChoices& choices = {});

// A spreadsheet takes a field beginning with "=", "+", "-" or "@" for a formula. The files written here
// put an apostrophe before such a field, and before one that begins with apostrophes and then such a
// character; the import takes exactly one off again, so every value reads back as it was.
QString formulaGuarded(const QString& value);
std::string formulaUnguarded(std::string value);

// The header's names of the columns the import does not know, without reading the rows; none when there
// is no header row or every column is known.
QStringList unknownCsvColumns(std::string_view bytes);

} // namespace transfer
