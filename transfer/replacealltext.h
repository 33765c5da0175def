// SPDX-License-Identifier: GPL-2.0-or-later
// Replaces every match of a pattern in a single-byte text, left to right without overlap. Match
// positions are gathered in batches of at most 4096 and each batch's piece of the result is built in
// one allocation of its final length.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace transfer {

inline constexpr std::size_t ReplaceBatchSize = 4096;

// The 1-based position of the first match of Pattern in Source at or after Start (below 1 counts as 1),
// or 0. Without CaseSensitive only the letters A to Z are folded to a to z; every other byte, Polish
// letters included, compares as it is.
std::size_t findText(
    std::string_view Pattern, std::string_view Source, std::ptrdiff_t Start, bool CaseSensitive);

// batchSizes, when given, receives the number of matches of each batch in order.
std::string ReplaceAllText(std::string_view Pattern, std::string_view Replacement, std::string_view Source,
    bool CaseSensitive, std::vector<std::size_t>* batchSizes = nullptr);

} // namespace transfer
