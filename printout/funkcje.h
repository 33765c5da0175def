// SPDX-License-Identifier: GPL-2.0-or-later
// Text helpers of the transfer printout: spacing out values into the character cells of the form, cutting
// pieces of a value and the amount text. Texts are code-page-1250 bytes, one byte per character.
#pragma once

#include <string>
#include <string_view>

namespace printout {

// Every character of text followed by count spaces (none when count <= 0); with upper only a..z become
// A..Z, so Polish letters keep their case.
std::string SpaceLetters(std::string_view text, int count, bool upper);

// Characters first..last of text, counted from 1; shorter when the text ends early, empty when it ends
// before first.
std::string piece(std::string_view text, int first, int last);

// The amount in the pattern "0.00": no grouping, a leading "-" for a negative amount, two decimals. The
// value is first written with 18 significant digits and then rounded half away from zero on those
// digits, so 2.675 (held as 2.67499999...) gives 2,67 while 0.125 gives 0,13.
std::string amountText(double amount, std::string_view decimalSeparator);

} // namespace printout
