// SPDX-License-Identifier: GPL-2.0-or-later
// The seven values of one transfer as the main window's editors hold them: what a transfer data file
// puts into the editors, and what the print command writes from them into the transfer record. The
// window and the command-line renderer share these, so both read files and fill records alike.
#pragma once

#include "platform/datetime.h"
#include "platform/language.h"
#include "transfer/money.h"
#include "transfer/transferfile.h"

#include <QString>
#include <optional>
#include <vector>

namespace data {
class TDM2;
}

namespace transfer {

// The two languages the program speaks, as the screen chooses them.
using Language = platform::ScreenLanguage;

struct TransferEditorValues {
    QString recipientName; // eOdbiorca
    QString recipientAccount; // eRachunekOdbiorcy
    std::optional<Money> amount; // ceKwota: an amount or nothing
    QString payerAccount; // eRachunekZleceniodawcy
    QString payerName; // eZleceniodawca
    QString title; // eTytulem
    double date = platform::NoDate; // deData
};

struct Problem;

// What the file gives the six editors it covers (the payer account stays empty): the recipient account
// is the check digits, one space and the rest; the amount is read as every amount is (readAmount) and the
// date the Polish way whatever the desktop's settings; the date is today's when the file gives none.
// What could not be read is added to problems, with the line that gave it.
TransferEditorValues editorValuesFromFile(
    const TransferFileValues& file, std::vector<Problem>* problems = nullptr);

// The print command's record: closes and reopens mtPlat, inserts one record, writes the date (only one
// after 30 December 1899), the amount (0 for nothing), the names, the payer account as typed (its 26
// digits when it is an NRB written with spaces or hyphens), the recipient account split into check digits
// and the rest after removing hyphens, spaces and the IBAN's "PL", the title, and posts.
void writeTransferRecord(data::TDM2& dm, const TransferEditorValues& values);
// The same for many transfers: one record each, in order.
void writeTransferRecords(data::TDM2& dm, const std::vector<TransferEditorValues>& transfers);

// "Razem: 3 przelewy, 1 234,50 zł" ("Total: 3 transfers, 1 234,50 zł"): how many transfers and the sum of
// their amounts, in złoty as the form writes them.
QString totalText(const std::vector<TransferEditorValues>& transfers, Language language = Language::Polish);

} // namespace transfer
