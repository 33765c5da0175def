// SPDX-License-Identifier: GPL-2.0-or-later
// The seven values of one transfer as the main window's editors hold them: what a transfer data file
// puts into the editors, and what the print command writes from them into the transfer record. The
// window and the command-line renderer share these, so both read files and fill records alike.
#pragma once

#include "platform/datetime.h"
#include "transfer/transferfile.h"

#include <QString>
#include <optional>
#include <vector>

namespace data {
class TDM2;
}

namespace transfer {

struct TransferEditorValues {
    QString recipientName; // eOdbiorca
    QString recipientAccount; // eRachunekOdbiorcy
    std::optional<double> amount; // ceKwota: a number or nothing
    QString payerAccount; // eRachunekZleceniodawcy
    QString payerName; // eZleceniodawca
    QString title; // eTytulem
    double date = platform::NoDate; // deData
};

// The most characters an editor keeps (Qt's line editor limit).
inline constexpr std::size_t EditorTextLimit = 32767;

// A text given to the amount editor: the regional thousands separators are removed and the rest is read
// as a regional decimal number; anything else gives nothing.
std::optional<double> amountFromText(const QString& text);

// A value of the file that did not reach its editor: an amount or a date that gives nothing, or an
// amount that reads as two different numbers.
struct FileValueProblem {
    enum class Kind { UnreadableAmount, AmbiguousAmount, UnreadableDate };
    Kind kind;
    int line; // from 1
    QString value; // the value as the file writes it
};

// What the file gives the six editors it covers (the payer account stays empty): the recipient account
// is the check digits, one space and the rest; the amount and the date are read the Polish way
// whatever the desktop's settings (an amount that reads two ways gives none); the date is today's when
// the file gives none. What could not be read is added to problems.
TransferEditorValues editorValuesFromFile(
    const TransferFileValues& file, std::vector<FileValueProblem>* problems = nullptr);

// The print command's record: closes and reopens mtPlat, inserts one record, writes the date (only one
// after 30 December 1899), the amount (0 for nothing), the names, the payer account as typed, the recipient
// account split into check digits and the rest after removing hyphens and spaces, the title, and posts.
void writeTransferRecord(data::TDM2& dm, const TransferEditorValues& values);
// The same for many transfers: one record each, in order.
void writeTransferRecords(data::TDM2& dm, const std::vector<TransferEditorValues>& transfers);

} // namespace transfer
