#include "emf/metafile.h"

#include "emf/emfplayer.h"
#include "emf/metafilereader.h"
#include "emf/wmfplayer.h"
#include "platform/fonts.h"

#include <QPainter>
#include <QStringDecoder>
#include <cmath>

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
