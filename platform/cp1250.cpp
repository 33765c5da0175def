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

} // namespace platform
