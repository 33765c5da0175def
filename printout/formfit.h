// SPDX-License-Identifier: GPL-2.0-or-later
// What the form holds, decided from the values alone: the captions a transfer's record gives the data
// labels, the size the amount in words fits at, and what the windows warn about or refuse before
// printing. The generation fills the labels from the same functions, so a check and the page agree; no
// check touches a form.
#pragma once

#include "printout/bandlayout.h"
#include "printout/formkind.h"
#include "report/rpfont.h"
#include "transfer/money.h"
#include "transfer/transferrecord.h"

#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace data {
class TMemTable;
}

namespace printout {

struct FilledCaption {
    const char* label;
    std::string caption; // code page 1250, spaced into the cells
};
// Every data label's caption from the current record of the transfer table, as the form prints it.
std::vector<FilledCaption> filledCaptions(data::TMemTable& table);

// The font a label or date text of the layout is drawn in.
report::TRpFont componentFont(const ComponentDef& def);

// The payer-account labels of copies A to D, which a deposit slip's amount in words goes on.
inline constexpr std::array<const char*, 4> PayerLabels { "lNrRachZlecA", "lNrRachZlecB", "lNrRachZlecC",
    "lNrRachZlecD" };
inline constexpr int DataPointSize = 12;
inline constexpr int SmallestWordsPointSize = 7;

// The largest size from 12 points down to 7 at which the text ends before the payer line's value field of
// a copy (0 for A .. 3 for D) does, measured at the screen resolution ppi; nothing when even 7 points
// pass it.
std::optional<int> wordsPointSize(std::size_t copy, const std::string& text, int ppi);

// The printed amount in words: from the amount text the page prints, so the words and the figures agree
// to the grosz. Nothing for a negative amount or one too large for words.
std::optional<QString> depositWords(double amount);

// Why an amount cannot go on a deposit slip: it is negative, too large for words, or its words pass the
// end of the line even at 7 points. Nothing when it can.
std::optional<QString> depositProblem(transfer::Money amount);

// A value the form will not show whole: cut to what its rows hold, running past its field towards the
// next copy, or holding characters the form's code page has not (they print as "?").
struct FieldWarning {
    enum class Kind { Cut, RunsPast, Unprintable };
    Kind kind;
    const char* key; // the transfer file's key: "NDNazwa", "Tytulem", ...
    QString name; // as the form's caption names the field: "nazwa odbiorcy"
    int length = 0; // Cut: the value's characters
    int capacity = 0; // Cut: the characters the form prints
    QString characters; // Unprintable: each such character once
};

// What the form of the given kind will not show whole of these values, field by field in the form's
// order.
std::vector<FieldWarning> fieldWarnings(const transfer::TransferEditorValues& values, FormKind kind);

// "Nie zmieści się na blankiecie: nazwa odbiorcy (62 znaki, mieści się 54), tytułem" and, for characters
// the form cannot print, a second sentence; empty when there is nothing to say.
QString warningLine(const std::vector<FieldWarning>& warnings);
// One line for the command line: "NDNazwa: 62 characters, the form prints 54".
QString warningText(const FieldWarning& warning);

} // namespace printout
