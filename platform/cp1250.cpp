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

bool isWellFormedUtf8(std::string_view bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        const unsigned char b = *p;
        if (b < 0x80) {
            ++p;
            continue;
        }
        int follow = 0;
        // The second byte's range excludes overlong forms, surrogates and code points past U+10FFFF.
        unsigned char low = 0x80, high = 0xBF;
        if (b >= 0xC2 && b <= 0xDF) {
            follow = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            follow = 2;
            if (b == 0xE0)
                low = 0xA0;
            else if (b == 0xED)
                high = 0x9F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            follow = 3;
            if (b == 0xF0)
                low = 0x90;
            else if (b == 0xF4)
                high = 0x8F;
        } else {
            return false;
        }
        if (end - p <= follow)
            return false;
        if (p[1] < low || p[1] > high)
            return false;
        for (int i = 2; i <= follow; ++i) {
            if (p[i] < 0x80 || p[i] > 0xBF)
                return false;
        }
        p += follow + 1;
    }
    return true;
}

} // namespace platform
