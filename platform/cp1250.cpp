// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/cp1250.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <array>

namespace platform {

namespace {

// Built once from Qt's codec: Qt's windows-1250 encoder writes nothing for unmappable characters,
// so encoding goes through our own reverse table instead, which keeps one byte per character.
struct Tables {
    std::array<char16_t, 256> toUnicode {};
    std::array<unsigned char, 65536> fromUnicode {};
    Tables()
    {
        QStringDecoder decoder("windows-1250");
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString s = decoder.decode(QByteArrayView(&byte, 1));
            toUnicode[b] = s.size() == 1 ? s.at(0).unicode() : char16_t(0xFFFD);
        }
        // Bytes 0x81, 0x83, 0x88, 0x90, 0x98 are unassigned; pass them through as C1 controls
        // so that no byte is lost on a round trip.
        for (int b = 0; b < 256; ++b) {
            if (toUnicode[b] == 0xFFFD)
                toUnicode[b] = char16_t(b);
        }
        fromUnicode.fill('?');
        for (int b = 0; b < 256; ++b)
            fromUnicode[toUnicode[b]] = static_cast<unsigned char>(b);
    }
    unsigned char byteOf(char16_t u) const { return fromUnicode[u]; }
};

const Tables& tables()
{
    static const Tables t;
    return t;
}

} // namespace

unsigned char cp1250Byte(QChar c)
{
    return tables().byteOf(c.unicode());
}

std::string toCp1250(const QString& text)
{
    const Tables& t = tables();
    std::string out;
    out.reserve(size_t(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // A character beyond the basic plane is one character, so one "?".
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        out.push_back(char(t.byteOf(c.unicode())));
    }
    return out;
}

QString fromCp1250(std::string_view bytes)
{
    const Tables& t = tables();
    QString out;
    out.resize(qsizetype(bytes.size()));
    QChar* d = out.data();
    for (char b : bytes)
        *d++ = QChar(t.toUnicode[static_cast<unsigned char>(b)]);
    return out;
}

QString fromCp1250Text(std::string_view bytes)
{
    // Only the undefined bytes decode to C1 controls: 0x80 to 0x9F are otherwise letters and punctuation.
    QString out = fromCp1250(bytes);
    for (QChar& c : out) {
        if (c.unicode() >= 0x80 && c.unicode() <= 0x9F)
            c = QChar(0xFFFD);
    }
    return out;
}

bool isWellFormedUtf8(std::string_view bytes)
{
    // The lead bytes of multi-byte sequences, with the range their second byte must fall in: the ranges
    // leave out overlong forms, surrogates and code points past U+10FFFF.
    struct Lead {
        unsigned char first, last;
        int follow;
        unsigned char low, high;
    };
    constexpr Lead leads[] = { { 0xC2, 0xDF, 1, 0x80, 0xBF }, { 0xE0, 0xE0, 2, 0xA0, 0xBF },
        { 0xE1, 0xEC, 2, 0x80, 0xBF }, { 0xED, 0xED, 2, 0x80, 0x9F }, { 0xEE, 0xEF, 2, 0x80, 0xBF },
        { 0xF0, 0xF0, 3, 0x90, 0xBF }, { 0xF1, 0xF3, 3, 0x80, 0xBF }, { 0xF4, 0xF4, 3, 0x80, 0x8F } };
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        if (*p < 0x80) {
            ++p;
            continue;
        }
        const Lead* lead = nullptr;
        for (const Lead& l : leads) {
            if (*p >= l.first && *p <= l.last)
                lead = &l;
        }
        if (!lead || end - p <= lead->follow || p[1] < lead->low || p[1] > lead->high)
            return false;
        for (int i = 2; i <= lead->follow; ++i) {
            if (p[i] < 0x80 || p[i] > 0xBF)
                return false;
        }
        p += lead->follow + 1;
    }
    return true;
}

} // namespace platform
