// SPDX-License-Identifier: GPL-2.0-or-later
// The transfer data file: single-byte key=value lines written by another program for one transfer.
// Lines end with CR LF, LF or CR; a NUL byte ends the text; the key is everything before the first "=",
// the value everything after it; keys compare without letter case; the first matching line wins;
// nothing is trimmed. The text is code page 1250 unless it starts with a UTF-8 byte order mark or is
// plausible UTF-8 (see isPlausibleUtf8) with letters beyond ASCII; the values keep the file's bytes either
// way, and decodeFileText makes them text.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace transfer {

struct TransferFileValues {
    std::string NDNazwa;
    std::string NDKONTOKONTR;
    std::string NDKonto;
    std::string Kwota;
    std::string WCNazwa;
    std::string Tytulem;
    std::string Data;
    // The payer's account: no key of the transfer file gives it, only a CSV column does.
    std::string WCKonto;
    // The form a CSV row was printed on ("przelew" or "wplata"), as the history's export writes it.
    std::string Formularz;

    // The values are UTF-8 rather than code page 1250 (the byte order mark is not part of any line).
    bool utf8 = false;
    // How many of the seven keys some line gave; none means the file holds no transfer.
    int keysFound = 0;
    // The lines (from 1) that gave the amount and the date, 0 when none did: messages about a value
    // that cannot be read name its line.
    int KwotaLine = 0;
    int DataLine = 0;
};

// Cuts the UTF-8 byte order mark off the front of the bytes; whether there was one.
bool takeByteOrderMark(std::string_view& bytes);

// Whether the bytes read as UTF-8 give text a Polish business file holds: they are well-formed, and once
// composed every character beyond ASCII is a letter of the Latin blocks (Latin-1 Supplement, Latin
// Extended-A, -B and Additional, with no C1 control) or the punctuation of such text: the no-break and
// narrow no-break spaces, dashes, Polish and other quotation marks, the ellipsis, the euro, section and
// degree signs and the like. A combining mark left over after composing, another script's letter or
// U+FFFD makes them implausible. Code page 1250 with Polish letters passes only by accident: its
// capitals Ó and Ń followed by a letter read as Cyrillic, Ę followed by one as phonetic symbols.
bool isPlausibleUtf8(std::string_view bytes);

// Whether a text is UTF-8 rather than code page 1250: it starts with the UTF-8 byte order mark (which is
// then cut off), or it is plausible UTF-8 with bytes beyond ASCII.
bool takeUtf8Mark(std::string_view& bytes);

// A value of a file as text: UTF-8 or code page 1250, composed (NFC) so that a letter written as a base
// letter and a combining mark becomes the one letter the code page holds. What is no character (a byte
// that is not UTF-8, or one code page 1250 leaves undefined) becomes U+FFFD, printed as "?".
QString decodeFileText(std::string_view bytes, bool utf8);

// Walks the bytes once without building a list of lines, so a file of millions of lines costs no
// more memory than its bytes.
TransferFileValues parseTransferFile(std::string_view bytes);

} // namespace transfer
