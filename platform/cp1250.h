// SPDX-License-Identifier: GPL-2.0-or-later
// Code page 1250: the single-byte texts of the record, the transfer file and the printout, one byte per
// character, and their conversion to and from Qt's strings at the user-interface boundary.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace platform {

// A character outside code page 1250 becomes "?" (U+FFFD among them).
std::string toCp1250(const QString& text);
// Every byte gives one character: the five bytes the code page leaves undefined (0x81, 0x83, 0x88, 0x90,
// 0x98) give the C1 control of the same number, so that the record's bytes survive a round trip.
QString fromCp1250(std::string_view bytes);
// Text another program wrote: the undefined bytes are no character of it and give U+FFFD, which the
// printout shows as "?" like any character it cannot hold.
QString fromCp1250Text(std::string_view bytes);

// The code-page byte of one character ("?" for one outside the code page).
unsigned char cp1250Byte(QChar c);

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing past U+10FFFF).
// Plain ASCII is well-formed too.
bool isWellFormedUtf8(std::string_view bytes);

} // namespace platform
