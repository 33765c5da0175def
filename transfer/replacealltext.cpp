// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/replacealltext.h"

#include <algorithm>
#include <array>

namespace transfer {

namespace {

inline unsigned char fold(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

bool matchesAt(std::string_view pattern, std::string_view source, std::size_t at, bool caseSensitive)
{
    if (caseSensitive)
        return source.compare(at, pattern.size(), pattern) == 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (fold(static_cast<unsigned char>(source[at + i])) != fold(static_cast<unsigned char>(pattern[i])))
            return false;
    }
    return true;
}

} // namespace

std::size_t findText(
    std::string_view Pattern, std::string_view Source, std::ptrdiff_t Start, bool CaseSensitive)
{
    if (Source.empty() || Pattern.empty() || Source.size() < Pattern.size())
        return 0;
    if (Start < 1)
        Start = 1;
    if (std::size_t(Start) > Source.size())
        return 0;
    const std::size_t last = Source.size() - Pattern.size() + 1;
    for (std::size_t pos = std::size_t(Start); pos <= last; ++pos) {
        if (matchesAt(Pattern, Source, pos - 1, CaseSensitive))
            return pos;
    }
    return 0;
}

std::string ReplaceAllText(std::string_view Pattern, std::string_view Replacement, std::string_view Source,
    bool CaseSensitive, std::vector<std::size_t>* batchSizes)
{
    if (Pattern.empty())
        return std::string(Source);
    std::size_t pending = findText(Pattern, Source, 1, CaseSensitive);
    if (pending == 0)
        return std::string(Source);

    std::array<std::size_t, ReplaceBatchSize> positions; // fixed-size: never grows with the text
    std::string result;
    std::size_t copyStart = 1;
    while (pending != 0) {
        std::size_t count = 0;
        while (pending != 0 && count < positions.size()) {
            positions[count++] = pending;
            pending = findText(Pattern, Source, std::ptrdiff_t(pending + Pattern.size()), CaseSensitive);
        }
        if (batchSizes)
            batchSizes->push_back(count);
        const std::size_t batchEnd = pending != 0 ? pending - 1 : Source.size();
        const std::ptrdiff_t length = std::ptrdiff_t(batchEnd - copyStart + 1)
            + std::ptrdiff_t(count) * (std::ptrdiff_t(Replacement.size()) - std::ptrdiff_t(Pattern.size()));
        std::string piece(std::size_t(length), '\0');
        char* out = piece.data();
        std::size_t from = copyStart; // 1-based
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t gap = positions[i] - from;
            out = std::copy_n(Source.data() + (from - 1), gap, out);
            out = std::copy_n(Replacement.data(), Replacement.size(), out);
            from = positions[i] + Pattern.size();
        }
        out = std::copy_n(Source.data() + (from - 1), batchEnd + 1 - from, out);
        result += piece;
        copyStart = batchEnd + 1;
    }
    return result;
}

} // namespace transfer
