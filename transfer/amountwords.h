// SPDX-License-Identifier: GPL-2.0-or-later
// The amount of a cash deposit in Polish words, as the slip's line "kwota słownie" carries it: the whole
// złote in words with the currency in its grammatical form, then the grosze as a fraction.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace transfer {

// The largest number of złote that has words: the scales go up to billions ("miliard").
inline constexpr std::uint64_t MaxAmountInWords = 999'999'999'999;

// "tysiąc dwieście trzydzieści cztery złote 50/100" for 1234 złote 50 groszy. Nothing for złote beyond
// MaxAmountInWords or grosze outside 0..99.
std::optional<QString> amountInWords(std::uint64_t zlote, int grosze);

} // namespace transfer
