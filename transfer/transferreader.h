// SPDX-License-Identifier: GPL-2.0-or-later
// The one reader of transfers: transfer files, CSV files and structured invoices in, transfers out, each with
// where it came from and what is wrong with it. The main window, the batch window and przelew-render all read
// through it, so a value reads the same way and a transfer is ready by the same rule on every path.
#pragma once

#include "transfer/csvimport.h"
#include "transfer/problem.h"
#include "transfer/transferrecord.h"

#include <QString>
#include <QStringList>
#include <string_view>
#include <vector>

namespace transfer {

struct SourceTransfer {
    TransferEditorValues values;
    QString file; // the path as given
    int line = 0; // the CSV row's first line; 0 for a transfer file
    QString form; // the form the row names ("przelew" or "wplata"); empty when it names none
    QString document; // an invoice's number; empty for any other source
    QString taxNumber; // the recipient's NIP where the source gives it (an invoice's seller)
    std::vector<Problem> problems; // in the order found; the value problems with the line that gave them

    bool ready(bool acceptDoubtful = false) const { return isReady(problems, acceptDoubtful); }
    // The line a problem was found on: its own, or the row's.
    int lineOf(const Problem& problem) const { return problem.line ? problem.line : line; }
};

struct SourceTransfers {
    std::vector<SourceTransfer> transfers; // in file order
    QStringList ignoredColumns; // a CSV header's columns that name no value of a transfer
};

enum class SourceKind { TransferFile, Csv, Invoice };

// By the content first: bytes that begin as XML are an invoice (or are refused as none), whatever the
// name. Otherwise by the name: a .csv file is a CSV file, anything else a transfer file.
SourceKind sourceKindOf(const QString& path, std::string_view bytes);

// The file's bytes, read whole (denying others write access while it does). Raises platform::Error for
// a file that cannot be opened, and for an .xml file too large to be an invoice, before reading it.
std::string readSourceFile(const QString& path);

// Reads the file whole as above. Raises platform::Error for a file that cannot be opened, or a CSV whose
// header names no recipient column. A transfer file always gives one transfer, a file without any key one
// that is not ready; so does an invoice, one that is not ready when it is no invoice to pay.
// A CSV's columns the import does not know are read as choices says.
SourceTransfers readTransferSource(const QString& path, const ColumnChoices& choices = {});
SourceTransfers readTransferBytes(
    std::string_view bytes, SourceKind kind, const QString& file, const ColumnChoices& choices = {});

// A value typed over one of a transfer's (the batch table): read as a file's value is, the problems of that
// field replaced and the transfer checked again. Returns false, keeping the old value, for an amount or a
// date that cannot be read; the problem then says why.
bool editTransferValue(SourceTransfer& transfer, Field field, const QString& text);

// Where the transfer came from, for the batch's table and the log: "faktura.xml", "lista.csv, wiersz 7",
// "FV/2026/11/0042, faktura.xml"; with SourcePath::Absolute the file's absolute path, for a log written from
// the command line, and in English "lista.csv, line 7" for its standard error.
enum class SourcePath { FileName, Absolute };
QString sourceName(const SourceTransfer& transfer, SourcePath path = SourcePath::FileName,
    Language language = Language::Polish);

// Where a problem was found, for the command line: "FILE, line N: Kwota (amount): the amount ...".
QString problemMessage(const SourceTransfer& transfer, const Problem& problem);

} // namespace transfer
