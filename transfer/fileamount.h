// SPDX-License-Identifier: GPL-2.0-or-later
// Amounts as transfer files write them. A file is written for a Polish form, so its amount is read the
// Polish way whatever the desktop's settings; a text that another reading would turn into a different
// number is refused rather than guessed, since a wrong guess multiplies the amount.
#pragma once

#include <QString>
#include <optional>

namespace transfer {

struct FileAmount {
    enum class State {
        Empty, // blanks only: the file gives no amount
        Read,
        Unreadable, // no number at all
        Ambiguous, // "1,234": 1,234 the Polish way, 1234 the English way
    };
    State state = State::Empty;
    std::optional<double> value; // set when Read
};

// The readings, in this order:
// - where the desktop writes a decimal comma, its own reading as the amount editor does (its thousands
//   separators removed), so such desktops read every file as they always did;
// - the Polish reading: a decimal comma, thousands grouped by spaces, non-breaking spaces or dots
//   ("1 234,50", "1.234,50"), and a single dot followed by one or two digits as the decimal separator
//   ("1234.5");
// - the reading with a decimal dot and commas grouping thousands ("1,234.50").
// The second and third must agree where both read the text.
FileAmount readFileAmount(const QString& text);

} // namespace transfer
