// SPDX-License-Identifier: GPL-2.0-or-later
#include "transfer/transferfile.h"

#include "platform/cp1250.h"

#include <QString>
#include <algorithm>
#include <array>
#include <cstring>

namespace transfer {

namespace {

// Keys compare by the regional rules for letters; the bytes are code page 1250 text.
bool sameKey(std::string_view lineKey, std::string_view key)
{
    if (lineKey.size() != key.size())
        return false;
    return platform::fromCp1250(lineKey).compare(
               QLatin1String(key.data(), qsizetype(key.size())), Qt::CaseInsensitive)
        == 0;
}

} // namespace

bool takeByteOrderMark(std::string_view& bytes)
{
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (bytes.substr(0, bom.size()) != bom)
        return false;
    bytes.remove_prefix(bom.size());
    return true;
}

bool isPlausibleUtf8(std::string_view bytes)
{
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return (unsigned char)c < 0x80; }))
        return true;
    if (!platform::isWellFormedUtf8(bytes))
        return false;
    // The characters beyond ASCII that the text may hold, first and last of each range.
    static constexpr char16_t ordinary[][2] = {
        { 0x00A0, 0x024F }, // Latin-1 Supplement without the C1 controls, Latin Extended-A and -B
        { 0x02C6, 0x02C7 }, // modifier circumflex, caron
        { 0x02D8, 0x02DD }, // breve, dot above, ring, ogonek, tilde, double acute
        { 0x1E00, 0x1EFF }, // Latin Extended Additional
        { 0x2000, 0x200A }, // spaces of set widths
        { 0x2010, 0x2022 }, // hyphens, dashes, quotation marks, daggers, bullet
        { 0x2026, 0x2026 }, // ellipsis
        { 0x202F, 0x2030 }, // narrow no-break space, per mille
        { 0x2032, 0x2033 }, // prime, double prime
        { 0x2039, 0x203A }, // single guillemets
        { 0x20AC, 0x20AC }, // euro
        { 0x2116, 0x2116 }, // numero
        { 0x2122, 0x2122 }, // trade mark
        { 0x2212, 0x2212 }, // minus
    };
    // Composed, a base letter and its marks become one letter; a mark left over belongs to none.
    const QString text = decodeFileText(bytes, true);
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return u < 0x80 || std::any_of(std::begin(ordinary), std::end(ordinary), [u](const char16_t* range) {
            return u >= range[0] && u <= range[1];
        });
    });
}

bool takeUtf8Mark(std::string_view& bytes)
{
    if (takeByteOrderMark(bytes))
        return true;
    // Code page 1250 text with Polish letters is almost never well-formed UTF-8 (ó alone, 0xF3, starts a
    // four-byte sequence that the next letter cannot continue), and where its capitals happen to pair,
    // the pairs read as letters of other scripts.
    const bool ascii
        = std::all_of(bytes.begin(), bytes.end(), [](char c) { return (unsigned char)c < 0x80; });
    return !ascii && isPlausibleUtf8(bytes);
}

QString decodeFileText(std::string_view bytes, bool utf8)
{
    const QString text
        = utf8 ? QString::fromUtf8(bytes.data(), qsizetype(bytes.size())) : platform::fromCp1250Text(bytes);
    return text.normalized(QString::NormalizationForm_C);
}

TransferFileValues parseTransferFile(std::string_view bytes)
{
    const size_t nul = bytes.find('\0');
    if (nul != std::string_view::npos)
        bytes = bytes.substr(0, nul);

    TransferFileValues values;
    values.utf8 = takeUtf8Mark(bytes);

    struct Slot {
        std::string_view key;
        std::string* value;
        int* line = nullptr;
        bool found = false;
    };
    std::array<Slot, 7> wanted { {
        { "NDNazwa", &values.NDNazwa },
        { "NDKONTOKONTR", &values.NDKONTOKONTR },
        { "NDKonto", &values.NDKonto },
        { "Kwota", &values.Kwota, &values.KwotaLine },
        { "WCNazwa", &values.WCNazwa },
        { "Tytulem", &values.Tytulem },
        { "Data", &values.Data, &values.DataLine },
    } };
    size_t remaining = wanted.size(); // the scan stops once every key was found

    size_t pos = 0;
    int lineNumber = 0;
    while (pos < bytes.size() && remaining > 0) {
        ++lineNumber;
        // memchr for each end byte: find_first_of tests every byte against the set one by one, far
        // slower on a huge line.
        const char* base = bytes.data();
        const void* lf = std::memchr(base + pos, '\n', bytes.size() - pos);
        const size_t lfPos = lf ? size_t(static_cast<const char*>(lf) - base) : bytes.size();
        const void* cr = std::memchr(base + pos, '\r', lfPos - pos);
        const size_t end = cr ? size_t(static_cast<const char*>(cr) - base) : lfPos;
        const std::string_view line = bytes.substr(pos, end - pos);
        pos = end;
        if (pos < bytes.size()) {
            // CR LF is one line end; a lone CR or LF is one as well.
            if (bytes[pos] == '\r' && pos + 1 < bytes.size() && bytes[pos + 1] == '\n')
                pos += 2;
            else
                pos += 1;
        }
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos)
            continue;
        const std::string_view key = line.substr(0, eq);
        for (Slot& slot : wanted) {
            if (!slot.found && sameKey(key, slot.key)) {
                slot.found = true;
                *slot.value = std::string(line.substr(eq + 1));
                if (slot.line)
                    *slot.line = lineNumber;
                --remaining;
                break;
            }
        }
    }
    values.keysFound = int(wanted.size() - remaining);
    return values;
}

} // namespace transfer
