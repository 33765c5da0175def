// SPDX-License-Identifier: GPL-2.0-or-later
#include "emf/metafile.h"

#include "emf/emfplayer.h"
#include "emf/metafilereader.h"
#include "emf/wmfplayer.h"
#include "platform/fonts.h"

#include <QPainter>
#include <QStringDecoder>
#include <cmath>
#include <utility>

namespace emf {

namespace {

constexpr quint32 EmfSignature = 0x464D4520; // " EMF"
constexpr quint32 PlaceableKey = 0x9AC6CDD7;
constexpr qint64 EmfHeaderMinimum = 88;
constexpr qint64 PlaceableSize = 22;
constexpr qint64 WmfHeaderSize = 18;

int clampedRound(double v)
{
    if (!std::isfinite(v))
        return 0;
    return int(std::lround(std::clamp(v, -1.0e9, 1.0e9)));
}

MetafileInfo inspectEmf(const MetafileReader& r, qint64 available)
{
    if (available < EmfHeaderMinimum)
        throw MetafileError();
    const quint32 headerSize = r.u32(4);
    const quint32 bytes = r.u32(48);
    if (r.u32(0) != 1 || r.u32(40) != EmfSignature || headerSize < EmfHeaderMinimum || headerSize % 4 != 0
        || bytes % 4 != 0 || bytes < qint64(headerSize) + 20)
        throw MetafileError();
    const double devX = r.i32(72), devY = r.i32(76), mmX = r.i32(80), mmY = r.i32(84);
    if (devX <= 0 || devY <= 0 || mmX <= 0 || mmY <= 0)
        throw MetafileError();
    // The picture's size is its frame (0.01 mm) on the reference device.
    double width = (double(r.i32(32)) - r.i32(24)) * devX / (mmX * 100);
    double height = (double(r.i32(36)) - r.i32(28)) * devY / (mmY * 100);
    if (!(width > 0) || !(height > 0)) {
        width = double(r.i32(16)) - r.i32(8) + 1;
        height = double(r.i32(20)) - r.i32(12) + 1;
    }
    MetafileInfo info;
    info.sizePx = QSize(std::max(0, clampedRound(width)), std::max(0, clampedRound(height)));
    info.sizeMm = QSizeF(std::max(0.0, width) * mmX / devX, std::max(0.0, height) * mmY / devY);
    info.byteLength = bytes;
    return info;
}

MetafileInfo inspectWmf(const MetafileReader& r, qint64 available)
{
    if (available < PlaceableSize + WmfHeaderSize)
        throw MetafileError();
    const quint16 type = r.u16(PlaceableSize);
    const quint16 headerWords = r.u16(PlaceableSize + 2);
    // The size in 16-bit words is stored as two halves, low first.
    const qint64 words = qint64(r.u16(PlaceableSize + 6)) | (qint64(r.u16(PlaceableSize + 8)) << 16);
    const qint64 inch = r.u16(14);
    if ((type != 1 && type != 2) || headerWords != 9 || inch == 0 || words < WmfHeaderSize / 2)
        throw MetafileError();
    const double width = double(r.i16(10)) - r.i16(6), height = double(r.i16(12)) - r.i16(8);
    const int ppi = platform::screenPpi();
    MetafileInfo info;
    info.sizePx
        = QSize(clampedRound(std::abs(width) * ppi / inch), clampedRound(std::abs(height) * ppi / inch));
    info.sizeMm = QSizeF(std::abs(width) * 25.4 / double(inch), std::abs(height) * 25.4 / double(inch));
    info.byteLength = PlaceableSize + words * 2;
    // Some writers count the placeable header in the metafile's size: a size that exceeds the bytes at
    // hand by exactly that header is the whole picture.
    if (info.byteLength == available + PlaceableSize)
        info.byteLength = available;
    info.placeableWmf = true;
    return info;
}

} // namespace

MetafileInfo inspectMetafile(const char* data, qint64 available)
{
    if (!data || available < 4)
        throw MetafileError();
    const MetafileReader r(data, available);
    if (r.u32(0) == PlaceableKey)
        return inspectWmf(r, available);
    return inspectEmf(r, available);
}

void playMetafile(const QByteArray& bytes, QPainter& painter, const QRectF& target)
{
    const MetafileInfo info = inspectMetafile(bytes.constData(), bytes.size());
    if (info.byteLength > bytes.size())
        throw MetafileError();
    if (info.placeableWmf) {
        WmfPlayer player(bytes.constData(), info.byteLength);
        player.validate();
        if (painter.isActive())
            player.play(painter, target);
    } else {
        EmfPlayer player(bytes.constData(), info.byteLength);
        player.validate();
        if (painter.isActive())
            player.play(painter, target);
    }
}

QString decodeMetafileText(const char* bytes, qsizetype length, std::uint8_t charset)
{
    const char* codec = "windows-1252";
    switch (charset) {
    case 2: // a symbol font: its codes are the bytes
        return QString::fromLatin1(bytes, length);
    case 238:
        codec = "windows-1250";
        break;
    case 204:
        codec = "windows-1251";
        break;
    case 161:
        codec = "windows-1253";
        break;
    case 162:
        codec = "windows-1254";
        break;
    case 186:
        codec = "windows-1257";
        break;
    default:
        break;
    }
    QStringDecoder decoder(codec);
    if (!decoder.isValid())
        return QString::fromLatin1(bytes, length);
    QString text = decoder.decode(QByteArrayView(bytes, length));
    // A decoder that maps one byte to more than one UTF-16 unit would break the advance array.
    return text.size() == length ? text : QString::fromLatin1(bytes, length);
}

} // namespace emf

namespace emf {

namespace {

// The font "Symbol"'s codes 0x20..0xFF and the Unicode characters they stand for; codes not listed stand
// for themselves.
constexpr std::pair<std::uint8_t, char16_t> SymbolCodes[] = { { 0x22, u'\u2200' }, { 0x24, u'\u2203' },
    { 0x27, u'\u220B' }, { 0x2A, u'\u2217' }, { 0x2D, u'\u2212' }, { 0x40, u'\u2245' }, { 0x41, u'\u0391' },
    { 0x42, u'\u0392' }, { 0x43, u'\u03A7' }, { 0x44, u'\u0394' }, { 0x45, u'\u0395' }, { 0x46, u'\u03A6' },
    { 0x47, u'\u0393' }, { 0x48, u'\u0397' }, { 0x49, u'\u0399' }, { 0x4A, u'\u03D1' }, { 0x4B, u'\u039A' },
    { 0x4C, u'\u039B' }, { 0x4D, u'\u039C' }, { 0x4E, u'\u039D' }, { 0x4F, u'\u039F' }, { 0x50, u'\u03A0' },
    { 0x51, u'\u0398' }, { 0x52, u'\u03A1' }, { 0x53, u'\u03A3' }, { 0x54, u'\u03A4' }, { 0x55, u'\u03A5' },
    { 0x56, u'\u03C2' }, { 0x57, u'\u03A9' }, { 0x58, u'\u039E' }, { 0x59, u'\u03A8' }, { 0x5A, u'\u0396' },
    { 0x5C, u'\u2234' }, { 0x5E, u'\u22A5' }, { 0x61, u'\u03B1' }, { 0x62, u'\u03B2' }, { 0x63, u'\u03C7' },
    { 0x64, u'\u03B4' }, { 0x65, u'\u03B5' }, { 0x66, u'\u03C6' }, { 0x67, u'\u03B3' }, { 0x68, u'\u03B7' },
    { 0x69, u'\u03B9' }, { 0x6A, u'\u03D5' }, { 0x6B, u'\u03BA' }, { 0x6C, u'\u03BB' }, { 0x6D, u'\u03BC' },
    { 0x6E, u'\u03BD' }, { 0x6F, u'\u03BF' }, { 0x70, u'\u03C0' }, { 0x71, u'\u03B8' }, { 0x72, u'\u03C1' },
    { 0x73, u'\u03C3' }, { 0x74, u'\u03C4' }, { 0x75, u'\u03C5' }, { 0x76, u'\u03D6' }, { 0x77, u'\u03C9' },
    { 0x78, u'\u03BE' }, { 0x79, u'\u03C8' }, { 0x7A, u'\u03B6' }, { 0x7E, u'\u223C' }, { 0xA1, u'\u03D2' },
    { 0xA2, u'\u2032' }, { 0xA3, u'\u2264' }, { 0xA4, u'\u2044' }, { 0xA5, u'\u221E' }, { 0xA6, u'\u0192' },
    { 0xA7, u'\u2663' }, { 0xA8, u'\u2666' }, { 0xA9, u'\u2665' }, { 0xAA, u'\u2660' }, { 0xAB, u'\u2194' },
    { 0xAC, u'\u2190' }, { 0xAD, u'\u2191' }, { 0xAE, u'\u2192' }, { 0xAF, u'\u2193' }, { 0xB2, u'\u2033' },
    { 0xB3, u'\u2265' }, { 0xB4, u'\u00D7' }, { 0xB5, u'\u221D' }, { 0xB6, u'\u2202' }, { 0xB7, u'\u2022' },
    { 0xB8, u'\u00F7' }, { 0xB9, u'\u2260' }, { 0xBA, u'\u2261' }, { 0xBB, u'\u2248' }, { 0xBC, u'\u2026' },
    { 0xBF, u'\u21B5' }, { 0xC0, u'\u2135' }, { 0xC1, u'\u2111' }, { 0xC2, u'\u211C' }, { 0xC3, u'\u2118' },
    { 0xC4, u'\u2297' }, { 0xC5, u'\u2295' }, { 0xC6, u'\u2205' }, { 0xC7, u'\u2229' }, { 0xC8, u'\u222A' },
    { 0xC9, u'\u2283' }, { 0xCA, u'\u2287' }, { 0xCB, u'\u2284' }, { 0xCC, u'\u2282' }, { 0xCD, u'\u2286' },
    { 0xCE, u'\u2208' }, { 0xCF, u'\u2209' }, { 0xD0, u'\u2220' }, { 0xD1, u'\u2207' }, { 0xD2, u'\u00AE' },
    { 0xD3, u'\u00A9' }, { 0xD4, u'\u2122' }, { 0xD5, u'\u220F' }, { 0xD6, u'\u221A' }, { 0xD7, u'\u22C5' },
    { 0xD8, u'\u00AC' }, { 0xD9, u'\u2227' }, { 0xDA, u'\u2228' }, { 0xDB, u'\u21D4' }, { 0xDC, u'\u21D0' },
    { 0xDD, u'\u21D1' }, { 0xDE, u'\u21D2' }, { 0xDF, u'\u21D3' }, { 0xE0, u'\u25CA' }, { 0xE1, u'\u2329' },
    { 0xE2, u'\u00AE' }, { 0xE3, u'\u00A9' }, { 0xE4, u'\u2122' }, { 0xE5, u'\u2211' }, { 0xF1, u'\u232A' },
    { 0xF2, u'\u222B' }, { 0xF3, u'\u2320' }, { 0xF5, u'\u2321' } };

} // namespace

QString symbolFontText(const QString& text, const GdiFont& font)
{
    constexpr std::uint8_t SymbolCharset = 2;
    const bool symbolFace = font.face.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0;
    if (!symbolFace && font.charset != SymbolCharset)
        return text;
    QString shown = text;
    for (QChar& c : shown) {
        char16_t code = c.unicode();
        // Symbol fonts are written either with their codes or with those codes in the private use area.
        if (code >= 0xF020 && code <= 0xF0FF)
            code = char16_t(code - 0xF000);
        if (code < 0x20 || code > 0xFF)
            continue;
        if (!symbolFace) {
            c = QChar(char16_t(0xF000 + code));
            continue;
        }
        c = QChar(code);
        for (const auto& [from, to] : SymbolCodes) {
            if (from == code) {
                c = QChar(to);
                break;
            }
        }
    }
    return shown;
}

} // namespace emf
