// SPDX-License-Identifier: GPL-2.0-or-later
// What can be wrong with a transfer on its way in, said once for every path: the main window, the batch
// window and przelew-render name the same problem with the same words, and a transfer is ready to print
// by the one rule below.
#pragma once

#include "transfer/money.h"
#include "transfer/transferrecord.h"

#include <QString>
#include <optional>
#include <vector>

namespace transfer {

// The value a problem is about, by the transfer file's key; None for the row or file as a whole.
enum class Field { None, NDNazwa, NDKonto, Kwota, WCNazwa, WCKonto, Tytulem, Data };

struct Problem {
    enum class Kind {
        NoTransferData, // a transfer file with none of the keys
        Quoting, // a CSV row whose quotes do not pair up
        TooManyFields, // a CSV row with more fields than the header names
        UnclosedQuote, // a quote opened on the row is never closed; value: the lines it took
        ReadAgain, // a CSV row read on its own after such a quote; value: the quote's line
        Cp1250Line, // a line of a UTF-8 file that was read as code page 1250
        NoAmount,
        UnreadableAmount,
        AmbiguousAmount,
        TooManyDecimals,
        AmountTooLarge,
        AmountNotPositive,
        NoRecipientName,
        NoRecipientAccount,
        WrongAccount, // the recipient account fails the NRB/IBAN check
        UnreadableDate,
        UnknownForm, // a CSV row's form that is neither "przelew" nor "wplata"
        PrintedBefore, // the same transfer is in the log from the last 60 days; value: the day
        KnownAccount, // the payee book has the recipient account under another name; value: that name
        NotAnInvoice, // XML whose root is no invoice of the two schemas; value: the root, if any
        XmlNotWellFormed, // value: the parser's words
        XmlTooLarge, // an XML file above 20 MB
        XmlTooDeep, // elements nested deeper than 64
        XmlDeclarations, // a document type declaration or an entity
        ForeignCurrency, // an invoice in another currency; value: its code
        InvoicePaid, // the invoice says it is paid
        NothingLeftToPay, // the partial payments cover it; value: "amount − paid"
        NegativeCorrection, // a correction for less than nothing; value: the amount
        NoInvoiceAccount, // an invoice without a bank account
        OtherAccounts, // the accounts an invoice names besides the one paid to; value: them
        SettlementDiffers, // the invoice's settlement states another amount due; value: that amount
        SplitPayment, // the title is in the split-payment format
        SplitPaymentTitle, // the split-payment title fits neither its limits nor the form; value: the number
        DuePassed, // the invoice's due date has passed; value: the day
    };
    enum class Level {
        Note, // said, and the transfer prints
        Doubtful, // not ready unless the user takes it deliberately (a ticked row, --accept-bad-accounts)
        Refused, // not ready until corrected
    };
    Kind kind;
    Field field = Field::None;
    int line = 0; // the file's line, from 1; 0 where there is none
    QString value = {}; // the value as written

    Level level() const;
};

// The problem in words, without where it was found: "kwota „12,345” ma więcej niż dwa miejsca po
// przecinku", "the amount "12,345" has more than two decimals".
QString problemText(const Problem& problem, Language language);
// The field by its key and its words, for messages on the command line: "Kwota (amount)".
QString fieldLabel(Field field);
// The same by the transfer file's key ("NDNazwa"); the key alone for one that names no field.
QString fieldLabel(const QString& key);

// Brings the problems that come from the values as they stand up to date, whatever path the values took:
// no amount or none above zero, no recipient name or account, a recipient account failing its check. The
// problems of reading (an amount that is no number, say) stay; "no amount" is not said beside one of them.
void checkTransfer(const TransferEditorValues& values, std::vector<Problem>& problems);

// Why an amount text gives no amount to print (nothing when it was read, or is empty).
std::optional<Problem> amountProblem(const AmountReading& reading, const QString& text, int line = 0);

// No problem above a note; with acceptDoubtful a doubtful one does not stop it either.
bool isReady(const std::vector<Problem>& problems, bool acceptDoubtful = false);

} // namespace transfer
