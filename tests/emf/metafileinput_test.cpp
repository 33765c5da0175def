// SPDX-License-Identifier: GPL-2.0-or-later
// Metafiles from other writers and corrupt bytes: what other programs write is drawn, damaged bytes are
// rejected with "Metafile is not valid" without reading past the end.
#include "emf/emfrecorder.h"
#include "emf/metafile.h"
#include "emf/metafiledc.h"
#include "emftestpage.h"
#include "platform/fonts.h"
#include "support/emfwalk.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <uemf.h>

using namespace platform;
using namespace emf;

namespace {

QByteArray fixture(const char* name)
{
    QFile file(QStringLiteral(PRZELEW_TEST_DATA "/emf/") + QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QImage play(const QByteArray& bytes, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    playMetafile(bytes, painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image;
}

QRgb at(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xffffff;
}

QByteArray smallPage()
{
    EmfRecorder recorder(120, 80, 96);
    recorder.setPen(Pen { 0, 1, PenStyle::Solid });
    recorder.setBrush(Brush { rgb(255, 0, 0), false });
    recorder.rectangle(5, 5, 60, 40);
    recorder.setPen(Pen { 0, 1, PenStyle::Dot });
    recorder.ellipse(60, 10, 110, 70);
    recorder.setFont(FontSpec { QStringLiteral("Arial"), 8 });
    recorder.textOut(10, 50, TextAlign::Left, QStringLiteral("Łąka"));
    recorder.removeClip();
    return recorder.finish();
}

// Plays bytes; true when drawn, false when rejected with the metafile message. Anything else fails.
bool playsOrRejects(const QByteArray& bytes)
{
    QImage image(60, 40, QImage::Format_RGB32);
    QPainter painter(&image);
    try {
        playMetafile(bytes, painter, QRectF(0, 0, 60, 40));
        return true;
    } catch (const MetafileError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("Metafile is not valid"));
        return false;
    }
}

// A small EMF assembled from libUEMF's record builders, as another writer would lay it out.
class EmfWriter {
public:
    EmfWriter(int width, int height)
    {
        U_SIZEL device { width, height }, mm { width / 4, height / 4 };
        add(U_EMRHEADER_set(U_RECTL { 0, 0, width - 1, height - 1 },
            U_RECTL { 0, 0, width * 25, height * 25 }, nullptr, 0, nullptr, device, mm, 0));
    }
    void add(char* record)
    {
        m_bytes.append(record, qsizetype(reinterpret_cast<U_EMR*>(record)->nSize));
        std::free(record);
        ++m_count;
    }
    QByteArray finish()
    {
        QByteArray eof(20, '\0');
        emftest::putU32(eof, 0, U_EMR_EOF);
        emftest::putU32(eof, 4, 20);
        emftest::putU32(eof, 12, 16);
        emftest::putU32(eof, 16, 20);
        m_bytes.append(eof);
        emftest::putU32(m_bytes, 48, std::uint32_t(m_bytes.size()));
        emftest::putU32(m_bytes, 52, std::uint32_t(m_count + 1));
        qToLittleEndian<quint16>(8, m_bytes.data() + 56);
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    int m_count = 0;
};

// A placeable WMF assembled record by record: 16-bit parameters, objects in the lowest free slot.
class WmfWriter {
public:
    WmfWriter(qint16 width, qint16 height, quint16 inch)
    {
        m_bytes.resize(40);
        emftest::putU32(m_bytes, 0, 0x9AC6CDD7);
        put16(6, 0);
        put16(8, 0);
        put16(10, quint16(width));
        put16(12, quint16(height));
        put16(14, inch);
        quint16 checksum = 0;
        for (int i = 0; i < 10; ++i)
            checksum ^= qFromLittleEndian<quint16>(m_bytes.constData() + 2 * i);
        put16(20, checksum);
        put16(22, 1); // in memory
        put16(24, 9); // header words
        put16(26, 0x300);
        put16(32, 4); // objects
    }
    void add(quint16 function, std::initializer_list<qint16> params, const QByteArray& tail = {})
    {
        QByteArray record(6, '\0');
        for (qint16 p : params)
            record.append(reinterpret_cast<const char*>(&p), 2);
        record.append(tail);
        if (record.size() % 2)
            record.append('\0');
        emftest::putU32(record, 0, std::uint32_t(record.size() / 2));
        qToLittleEndian<quint16>(function, record.data() + 4);
        m_bytes.append(record);
    }
    QByteArray finish()
    {
        add(0x0000, {});
        const auto words = std::uint32_t((m_bytes.size() - 22) / 2);
        put16(28, quint16(words & 0xffff));
        put16(30, quint16(words >> 16));
        return m_bytes;
    }

private:
    void put16(int offset, quint16 value) { qToLittleEndian<quint16>(value, m_bytes.data() + offset); }
    QByteArray m_bytes;
};

// A page with one StretchDIBits record of 2 x 2 pixels (red, green over blue, white) stretched to 40 x 40.
QByteArray bitmapRecord()
{
    // 2 x 2 pixels, 24 bits, bottom-up: the first stored row is the bottom one (blue, white).
    QByteArray record(80 + 40 + 16, '\0');
    auto put = [&record](int offset, std::uint32_t value) { emftest::putU32(record, offset, value); };
    put(0, U_EMR_STRETCHDIBITS);
    put(4, std::uint32_t(record.size()));
    put(24, 20); // destination x, y
    put(28, 10);
    put(40, 2); // source width, height
    put(44, 2);
    put(48, 80); // header
    put(52, 40);
    put(56, 120); // pixels
    put(60, 16);
    put(68, 0x00CC0020); // SRCCOPY
    put(72, 40); // destination width, height
    put(76, 40);
    put(80, 40);
    put(84, 2);
    put(88, 2);
    qToLittleEndian<quint16>(1, record.data() + 92);
    qToLittleEndian<quint16>(24, record.data() + 94);
    const char pixels[16] = { char(255), 0, 0, char(255), char(255), char(255), 0, 0, // blue, white, padding
        0, 0, char(255), 0, char(255), 0, 0, 0 }; // red, green, padding
    std::memcpy(record.data() + 120, pixels, 16);
    return record;
}

QByteArray bitmapPage(const QByteArray& record)
{
    EmfWriter writer(200, 100);
    QByteArray bytes = writer.finish();
    bytes.insert(bytes.size() - 20, record);
    emftest::putU32(bytes, 48, std::uint32_t(bytes.size()));
    return bytes;
}

} // namespace

TEST(MetafileInput, WmfShapesTextAndSavedStates)
{
    WmfWriter writer(400, 200, 192); // 192 units per inch: half a pixel at 96 ppi
    writer.add(0x02FC, { 0, 0x00ff, 0x0000, 0 }); // CREATEBRUSHINDIRECT solid red -> slot 0
    writer.add(0x02FA, { 0, 0, 0, 0, 0 }); // CREATEPENINDIRECT solid black, width 0 -> slot 1
    writer.add(0x012D, { 0 });
    writer.add(0x012D, { 1 });
    writer.add(0x041B, { 100, 100, 20, 20 }); // RECTANGLE left 20 top 20 right 100 bottom 100
    writer.add(0x001E, {}); // SAVEDC
    writer.add(0x020B, { 0, -200 }); // SETWINDOWORG y 0, x -200: later drawing moves 100 px right
    writer.add(0x0418, { 100, 100, 20, 20 }); // ELLIPSE, moved
    writer.add(0x0127, { -1 }); // RESTOREDC
    writer.add(0x0214, { 150, 20 }); // MOVETO y 150 x 20
    writer.add(0x0213, { 150, 380 }); // LINETO y 150 x 380
    writer.add(0x0325, { 2, 20, 180, 100, 180 }); // POLYLINE (20,180)-(100,180)
    // EXTTEXTOUT "AB" at (20, 120) with advances 60 and 60 (30 px each)
    QByteArray text("AB");
    text.append("\x3c\x00\x3c\x00", 4);
    writer.add(0x0A32, { 120, 20, 2, 0 }, text);
    const QImage image = play(writer.finish(), QSize(200, 100));
    EXPECT_EQ(at(image, 30, 30), 0xff0000u) << "rectangle fill";
    EXPECT_EQ(at(image, 10, 30), 0x000000u) << "rectangle outline";
    EXPECT_EQ(at(image, 50, 30), 0xffffffu) << "right edge exclusive";
    EXPECT_EQ(at(image, 130, 30), 0xff0000u) << "ellipse drawn at the moved window origin";
    EXPECT_EQ(at(image, 100, 75), 0x000000u) << "line after the origin was restored";
    EXPECT_EQ(at(image, 5, 75), 0xffffffu);
    EXPECT_EQ(at(image, 30, 90), 0x000000u) << "polyline";
    int inkA = 0, inkB = 0;
    for (int y = 58; y < 75; ++y) {
        for (int x = 10; x < 25; ++x)
            inkA += at(image, x, y) != 0xffffffu;
        for (int x = 40; x < 55; ++x)
            inkB += at(image, x, y) != 0xffffffu;
    }
    EXPECT_GT(inkA, 5) << "A at its reference point";
    EXPECT_GT(inkB, 5) << "B one advance (30 px) further";
}

TEST(MetafileInput, ForeignEmfWithPathsAndMappingIsDrawn)
{
    const QByteArray emf = fixture("foreign-shapes.emf");
    ASSERT_FALSE(emf.isEmpty());
    const MetafileInfo info = inspectMetafile(emf.constData(), emf.size());
    EXPECT_FALSE(info.placeableWmf);
    EXPECT_EQ(info.byteLength, emf.size());
    ASSERT_GT(info.sizePx.width(), 300);
    const QImage image = play(emf, info.sizePx);
    const double sx = info.sizePx.width() / 400.0, sy = info.sizePx.height() / 300.0; // the drawing's units
    EXPECT_EQ(at(image, int(100 * sx), int(70 * sy)), 0xff0000u) << "rectangle";
    EXPECT_EQ(at(image, int(290 * sx), int(70 * sy)), 0x0000ffu) << "ellipse drawn from a path";
    EXPECT_EQ(at(image, int(100 * sx), int(270 * sy)), 0xffa500u) << "polygon";
    EXPECT_EQ(at(image, int(120 * sx), int(160 * sy)), 0x008000u) << "polyline";
}

TEST(MetafileInput, PlaceableWmfIsDrawn)
{
    const QByteArray wmf = fixture("foreign-shapes.wmf");
    ASSERT_FALSE(wmf.isEmpty());
    const MetafileInfo info = inspectMetafile(wmf.constData(), wmf.size());
    EXPECT_TRUE(info.placeableWmf);
    EXPECT_LE(info.byteLength, wmf.size());
    ASSERT_GT(info.sizePx.width(), 300);
    const QImage image = play(wmf, info.sizePx);
    const double sx = info.sizePx.width() / 400.0, sy = info.sizePx.height() / 300.0;
    EXPECT_EQ(at(image, int(100 * sx), int(70 * sy)), 0xff0000u);
    EXPECT_EQ(at(image, int(290 * sx), int(70 * sy)), 0x0000ffu);
    EXPECT_EQ(at(image, int(100 * sx), int(270 * sy)), 0xffa500u);
    int ink = 0; // the text "Żółw" around (200..270, 240..275)
    for (int y = int(235 * sy); y < int(280 * sy); ++y)
        for (int x = int(200 * sx); x < int(280 * sx); ++x)
            ink += at(image, x, y) != 0xffffffu;
    EXPECT_GT(ink, 50);
}

// Some writers count the 22-byte placeable header in the metafile's size; exactly that excess is the
// whole picture, and any other excess is still a short file.
TEST(MetafileInput, PlaceableWmfWhoseSizeCountsItsPlaceableHeader)
{
    WmfWriter writer(100, 100, 96);
    writer.add(0x02FC, { 0, 0x00ff, 0x0000, 0 }); // CREATEBRUSHINDIRECT solid red
    writer.add(0x012D, { 0 });
    writer.add(0x041B, { 80, 80, 20, 20 }); // RECTANGLE (20,20)-(80,80)
    QByteArray wmf = writer.finish();
    auto setWords = [&wmf](qint64 words) {
        qToLittleEndian<quint16>(quint16(words & 0xffff), wmf.data() + 28);
        qToLittleEndian<quint16>(quint16(words >> 16), wmf.data() + 30);
    };
    setWords(wmf.size() / 2);
    const MetafileInfo info = inspectMetafile(wmf.constData(), wmf.size());
    EXPECT_EQ(info.byteLength, wmf.size());
    EXPECT_EQ(at(play(wmf, QSize(100, 100)), 50, 50), 0xff0000u);
    for (const qint64 off : { 1, 10, -1 }) {
        setWords(wmf.size() / 2 + off);
        EXPECT_FALSE(playsOrRejects(wmf)) << off;
    }
}

TEST(MetafileInput, MappingModesSaveRestoreStockObjectsAndClip)
{
    EmfWriter writer(200, 100);
    // Logical units of 0.5 device pixels through an anisotropic window and viewport.
    writer.add(U_EMRSETMAPMODE_set(U_MM_ANISOTROPIC));
    writer.add(U_EMRSETWINDOWEXTEX_set(U_SIZEL { 400, 200 }));
    writer.add(U_EMRSETVIEWPORTEXTEX_set(U_SIZEL { 200, 100 }));
    writer.add(U_EMRCREATEBRUSHINDIRECT_set(1, logbrush_set(U_BS_SOLID, U_RGB(0, 0, 255), 0)));
    writer.add(U_EMRSELECTOBJECT_set(1));
    writer.add(U_EMRSELECTOBJECT_set(U_NULL_PEN));
    writer.add(U_EMRSAVEDC_set());
    writer.add(U_EMRSETWINDOWORGEX_set(U_POINTL { -100, 0 })); // moves later drawing 50 px right
    writer.add(U_EMRSELECTOBJECT_set(U_BLACK_BRUSH));
    writer.add(U_EMRINTERSECTCLIPRECT_set(U_RECTL { 0, 0, 40, 40 }));
    writer.add(U_EMRRECTANGLE_set(U_RECTL { 0, 0, 100, 100 })); // clipped to 20 x 20 px at (50, 0)
    writer.add(U_EMRRESTOREDC_set(-1));
    writer.add(U_EMRRECTANGLE_set(U_RECTL { 0, 120, 60, 180 })); // blue again, no clip, no window move
    U_POINT16 line[3] = { { 200, 20 }, { 380, 20 }, { 380, 180 } };
    writer.add(U_EMRSELECTOBJECT_set(U_BLACK_PEN));
    writer.add(U_EMRPOLYLINE16_set(U_RECTL { 0, 0, 0, 0 }, 3, line));
    const QImage image = play(writer.finish(), QSize(200, 100));
    EXPECT_EQ(at(image, 55, 5), 0x000000u) << "black brush inside the clip";
    EXPECT_EQ(at(image, 75, 5), 0xffffffu) << "outside the clip";
    EXPECT_EQ(at(image, 10, 75), 0x0000ffu) << "blue brush restored";
    EXPECT_EQ(at(image, 35, 75), 0xffffffu) << "origin restored (0..29 px)";
    EXPECT_EQ(at(image, 150, 10), 0x000000u) << "polyline, first segment";
    EXPECT_EQ(at(image, 190, 50), 0x000000u) << "polyline, second segment";
}

TEST(MetafileInput, HugeDottedShapesAreDrawnOnlyWhereTheyShow)
{
    // Coordinates near the limits of a damaged file: the dot pattern must not be walked for 10^8 pixels.
    EmfWriter writer(200, 100);
    writer.add(U_EMRCREATEPEN_set(1, logpen_set(U_PS_DOT, U_POINT { 1, 0 }, U_RGB(0, 0, 0))));
    writer.add(U_EMRSELECTOBJECT_set(1));
    writer.add(U_EMRSELECTOBJECT_set(U_NULL_BRUSH));
    writer.add(U_EMRMOVETOEX_set(U_POINTL { -2000000000, 50 }));
    writer.add(U_EMRLINETO_set(U_POINTL { 2000000000, 50 }));
    writer.add(U_EMRMOVETOEX_set(U_POINTL { 100, 2000000000 }));
    writer.add(U_EMRLINETO_set(U_POINTL { 100, -2000000000 }));
    writer.add(U_EMRELLIPSE_set(U_RECTL { -1000000000, -1000000000, 1000000000, 1000000000 }));
    writer.add(U_EMRMOVETOEX_set(U_POINTL { -2000000000, -1000000000 }));
    writer.add(U_EMRLINETO_set(U_POINTL { 2000000000, 1000000000 }));
    const QImage image = play(writer.finish(), QSize(200, 100));
    int ink = 0;
    for (int x = 0; x < 200; ++x)
        ink += at(image, x, 50) == 0;
    EXPECT_GT(ink, 50); // the visible stretch of the dotted line is there, with its gaps
    EXPECT_LT(ink, 150);
}

TEST(MetafileInput, StretchedBitmapIsDrawnAndItsFaultsRejected)
{
    const QByteArray record = bitmapRecord();
    auto put
        = [](QByteArray& bytes, int offset, std::uint32_t value) { emftest::putU32(bytes, offset, value); };
    auto page = [](const QByteArray& r) { return bitmapPage(r); };
    const QImage image = play(page(record), QSize(200, 100));
    EXPECT_EQ(at(image, 25, 15), 0xff0000u);
    EXPECT_EQ(at(image, 55, 15), 0x00ff00u);
    EXPECT_EQ(at(image, 25, 45), 0x0000ffu);
    EXPECT_EQ(at(image, 55, 45), 0xffffffu);
    EXPECT_EQ(at(image, 60, 45), 0xffffffu);
    EXPECT_EQ(at(image, 19, 15), 0xffffffu);

    struct Row {
        const char* name;
        int offset;
        std::uint32_t value;
    };
    for (const Row& row : { Row { "pixel bytes fewer than the rows need", 60, 8 },
             Row { "pixel offset past the record", 56, 0x7fffff00 },
             Row { "header past the record", 48, 130 }, Row { "header size beyond its bytes", 80, 400 } }) {
        SCOPED_TRACE(row.name);
        QByteArray bad = record;
        put(bad, row.offset, row.value);
        EXPECT_FALSE(playsOrRejects(page(bad)));
    }
}

TEST(MetafileInput, HeaderFaultsAreRejected)
{
    const QByteArray page = smallPage();
    ASSERT_TRUE(playsOrRejects(page));
    struct Row {
        const char* name;
        int offset;
        std::uint32_t value;
    };
    for (const Row& row : {
             Row { "record type", 0, 2 },
             Row { "signature", 40, 0x12345678 },
             Row { "header size below the minimum", 4, 80 },
             Row { "header size not a multiple of 4", 4, 110 },
             Row { "byte count beyond the data", 48, std::uint32_t(page.size() + 4) },
             Row { "byte count not a multiple of 4", 48, std::uint32_t(page.size() - 2) },
             Row { "byte count below the header", 48, 16 },
             Row { "device width zero", 72, 0 },
             Row { "millimetres negative", 84, 0xffffffffu },
         }) {
        SCOPED_TRACE(row.name);
        QByteArray bad = page;
        emftest::putU32(bad, row.offset, row.value);
        EXPECT_FALSE(playsOrRejects(bad));
    }
    EXPECT_FALSE(playsOrRejects(QByteArray()));
    EXPECT_FALSE(playsOrRejects(QByteArray("\x01\x00", 2)));
}

TEST(MetafileInput, RecordFaultsAreRejected)
{
    const QByteArray page = smallPage();
    const auto records = emftest::records(page);
    qsizetype textAt = -1, lastAt = 0, offset = 0;
    for (const auto& r : records) {
        if (r.type == U_EMR_EXTTEXTOUTW)
            textAt = offset;
        lastAt = offset;
        offset += r.bytes.size();
    }
    ASSERT_GE(textAt, 0);
    struct Row {
        const char* name;
        qsizetype offset;
        std::uint32_t value;
    };
    for (const Row& row : {
             Row { "record size zero", lastAt + 4, 0 },
             Row { "record size not a multiple of 4", textAt + 4, 13 },
             Row { "record size past the end", textAt + 4, 0x7ffffff0 },
             Row { "character count huge", textAt + 44, 0x40000000 },
             Row { "string offset past the record", textAt + 48, 0xfffffff0 },
             Row { "advance offset past the record", textAt + 72, 4000 },
             Row { "no end record", lastAt, U_EMR_SAVEDC },
         }) {
        SCOPED_TRACE(row.name);
        QByteArray bad = page;
        emftest::putU32(bad, row.offset, row.value);
        EXPECT_FALSE(playsOrRejects(bad));
    }
}

TEST(MetafileInput, HeaderAnnouncesMoreBytesThanAreAvailable)
{
    // A store that holds only part of a page learns the page's full length and reports its short read.
    const QByteArray page = smallPage();
    const MetafileInfo info = inspectMetafile(page.left(200).constData(), 200);
    EXPECT_EQ(info.byteLength, page.size());
    EXPECT_FALSE(playsOrRejects(page.left(200)));
    const QByteArray wmf = fixture("foreign-shapes.wmf");
    EXPECT_EQ(inspectMetafile(wmf.constData(), 100).byteLength,
        inspectMetafile(wmf.constData(), wmf.size()).byteLength);
    EXPECT_THROW(inspectMetafile(page.constData(), 87), MetafileError); // the header itself is cut
}

TEST(MetafileInput, EveryTruncationIsRejected)
{
    const QByteArray page = smallPage();
    for (qsizetype length = 0; length < page.size(); ++length) {
        // as stored (the header still claims the whole page) ...
        QByteArray cut(page.constData(), length); // a copy, so ASan sees the true end
        EXPECT_FALSE(playsOrRejects(cut)) << "length " << length;
        // ... and with the header's byte count patched to the cut, so the record walk meets the cut
        if (length >= 88) {
            QByteArray patched = cut;
            emftest::putU32(patched, 48, std::uint32_t(length & ~qsizetype(3)));
            EXPECT_FALSE(playsOrRejects(patched)) << "patched length " << length;
        }
    }
}

TEST(MetafileInput, SeededBitFlipsPlayOrAreRejected)
{
    struct Source {
        const char* name;
        QByteArray bytes;
    };
    const Source sources[]
        = { { "recorded page", smallPage() }, { "foreign EMF", fixture("foreign-shapes.emf") },
              { "placeable WMF", fixture("foreign-shapes.wmf") }, { "bitmap", bitmapPage(bitmapRecord()) } };
    for (const Source& source : sources) {
        SCOPED_TRACE(source.name);
        ASSERT_FALSE(source.bytes.isEmpty());
        std::mt19937 random(20261209);
        int rejected = 0;
        const int rounds = 600;
        for (int round = 0; round < rounds; ++round) {
            QByteArray bad = source.bytes;
            const int flips = 1 + round % 4;
            for (int i = 0; i < flips; ++i) {
                const auto at = qsizetype(random() % std::uint32_t(bad.size()));
                bad[at] = char(bad[at] ^ char(1 << (random() % 8)));
            }
            rejected += !playsOrRejects(bad);
        }
        // Most flips land in coordinates and colours and still draw; some must hit sizes and offsets.
        EXPECT_GT(rejected, 0);
        EXPECT_LT(rejected, rounds);
    }
}

// Clipping keeps GDI's regions whole: a region of several rectangles, a hole cut by an excluded
// rectangle, a path as the clip, and SaveDC/RestoreDC bringing the clip back.
TEST(MetafileInput, ClipRegionsAreRegionsNotTheirBoundingBoxes)
{
    EmfWriter writer(200, 100);
    writer.add(U_EMRSELECTOBJECT_set(U_BLACK_BRUSH));
    writer.add(U_EMRSELECTOBJECT_set(U_NULL_PEN));
    // An L of two rectangles in the left half.
    U_RECTL rects[2] = { { 0, 0, 20, 60 }, { 0, 40, 80, 60 } };
    PU_RGNDATA region = rgndata_set(rgndataheader_set(2, U_RECTL { 0, 0, 80, 60 }), rects);
    writer.add(U_EMREXTSELECTCLIPRGN_set(U_RGN_COPY, region));
    std::free(region);
    writer.add(U_EMRRECTANGLE_set(U_RECTL { 0, 0, 101, 101 }));
    // Selecting no region ends clipping (the library cannot write that record).
    const auto noClip = [] {
        auto* record = static_cast<char*>(std::calloc(1, 16));
        const std::uint32_t fields[4] = { U_EMR_EXTSELECTCLIPRGN, 16, 0, U_RGN_COPY };
        std::memcpy(record, fields, 16);
        return record;
    };
    // The right half: a square with a hole, the hole restored after SaveDC.
    writer.add(U_EMRSAVEDC_set());
    writer.add(noClip());
    writer.add(U_EMRINTERSECTCLIPRECT_set(U_RECTL { 120, 0, 180, 60 }));
    writer.add(U_EMREXCLUDECLIPRECT_set(U_RECTL { 140, 20, 160, 40 }));
    writer.add(U_EMRRECTANGLE_set(U_RECTL { 100, 0, 201, 101 }));
    writer.add(U_EMRRESTOREDC_set(-1));
    writer.add(U_EMRRECTANGLE_set(U_RECTL { 150, 80, 201, 101 })); // the L's clip again: nothing
    // A triangle path as the clip, below the square.
    writer.add(noClip());
    writer.add(U_EMRBEGINPATH_set());
    U_POINTL triangle[3] = { { 100, 70 }, { 160, 70 }, { 100, 100 } };
    writer.add(U_EMRPOLYGON_set(U_RECTL { 0, 0, 0, 0 }, 3, triangle));
    writer.add(U_EMRENDPATH_set());
    writer.add(U_EMRSELECTCLIPPATH_set(U_RGN_COPY));
    writer.add(U_EMRRECTANGLE_set(U_RECTL { 90, 65, 201, 101 }));
    const QImage image = play(writer.finish(), QSize(200, 100));
    struct Pixel {
        int x, y;
        QRgb expected;
        const char* where;
    } pixels[] = {
        { 10, 10, 0x000000, "the L's upright" },
        { 70, 50, 0x000000, "the L's foot" },
        { 50, 20, 0xffffff, "inside the L's bounding box, outside the L" },
        { 125, 5, 0x000000, "the square" },
        { 150, 30, 0xffffff, "the hole" },
        { 185, 30, 0xffffff, "outside the square" },
        { 170, 90, 0xffffff, "after RestoreDC the L clips again" },
        { 105, 75, 0x000000, "inside the triangle" },
        { 150, 95, 0xffffff, "outside the triangle" },
    };
    for (const Pixel& p : pixels)
        EXPECT_EQ(at(image, p.x, p.y), p.expected) << p.where << " (" << p.x << ", " << p.y << ")";
}

namespace {

// An EMR_COMMENT holding an EMF+ header record: dual when GDI records draw the same picture.
char* emfPlusHeader(bool dual)
{
    auto* record = static_cast<char*>(std::calloc(1, 44));
    const std::uint32_t words[] = { U_EMR_COMMENT, 44, 32, 0x2B464D45, 0x4001u | (dual ? 0x10000u : 0u), 28,
        16, 0xDBC01002, 0, 96, 96 };
    std::memcpy(record, words, sizeof words);
    return record;
}

} // namespace

// An EMF+ dual file draws its GDI records, as GDI plays it; one of EMF+ records only is refused with a
// message instead of showing blank.
TEST(MetafileInput, EmfPlusDualDrawsItsGdiRecordsAndEmfPlusOnlyIsRefused)
{
    // Dual with its GDI drawing; EMF+ only; dual in name but without a GDI record.
    for (const auto& [dual, drawn] :
        { std::pair { true, true }, std::pair { false, true }, std::pair { true, false } }) {
        EmfWriter writer(200, 100);
        writer.add(emfPlusHeader(dual));
        if (drawn) {
            writer.add(U_EMRSELECTOBJECT_set(U_BLACK_BRUSH));
            writer.add(U_EMRRECTANGLE_set(U_RECTL { 10, 10, 60, 60 }));
        }
        const QByteArray bytes = writer.finish();
        if (dual && drawn) {
            EXPECT_EQ(at(play(bytes, QSize(200, 100)), 30, 30), 0x000000u);
            continue;
        }
        try {
            play(bytes, QSize(200, 100));
            ADD_FAILURE() << "an EMF+-only file was drawn";
        } catch (const MetafileError& error) {
            EXPECT_TRUE(error.message().contains(QStringLiteral("only EMF+")))
                << error.message().toStdString();
        }
    }
}

// Brushes other than solid: a hatch in its colour over the background colour (opaque) or over what was
// there (transparent); a DIB pattern repeated from the device's origin; a monochrome pattern drawn in the
// text and background colours.
TEST(MetafileInput, HatchedAndPatternBrushesDrawTheirPatterns)
{
    EmfWriter writer(200, 100);
    writer.add(U_EMRSELECTOBJECT_set(U_NULL_PEN));
    writer.add(U_EMRSETBKCOLOR_set(U_RGB(0, 255, 0)));
    writer.add(
        U_EMRCREATEBRUSHINDIRECT_set(1, logbrush_set(U_BS_HATCHED, U_RGB(255, 0, 0), U_HS_HORIZONTAL)));
    writer.add(U_EMRSELECTOBJECT_set(1));
    writer.add(U_EMRSETBKMODE_set(U_OPAQUE));
    writer.add(U_EMRRECTANGLE_set(U_RECTL { 0, 0, 41, 41 }));
    writer.add(U_EMRSETBKMODE_set(U_TRANSPARENT));
    writer.add(U_EMRRECTANGLE_set(U_RECTL { 40, 0, 81, 41 }));
    // A 2 x 2 pattern of 24 bits: blue, red over white, black (rows stored bottom-up).
    const char bits[16] = { char(255), char(255), char(255), 0, 0, 0, 0, 0, //
        char(255), 0, 0, 0, 0, char(255), 0, 0 };
    PU_BITMAPINFO info = bitmapinfo_set(bitmapinfoheader_set(2, 2, 1, 24, U_BI_RGB, 16, 0, 0, 0, 0), nullptr);
    writer.add(U_EMRCREATEDIBPATTERNBRUSHPT_set(2, U_DIB_RGB_COLORS, info, 16, bits));
    std::free(info);
    writer.add(U_EMRSELECTOBJECT_set(2));
    writer.add(U_EMRRECTANGLE_set(U_RECTL { 100, 0, 141, 41 }));
    // A monochrome 8 x 1 pattern 0x0F: four pixels of text colour, then four of background.
    const char monoBits[4] = { 0x0F, 0, 0, 0 };
    U_RGBQUAD colours[2] = { { 0, 0, 0, 0 }, { 255, 255, 255, 0 } };
    PU_BITMAPINFO monoInfo
        = bitmapinfo_set(bitmapinfoheader_set(8, 1, 1, 1, U_BI_RGB, 4, 0, 0, 2, 0), colours);
    writer.add(U_EMRCREATEMONOBRUSH_set(3, U_DIB_RGB_COLORS, monoInfo, 4, monoBits));
    std::free(monoInfo);
    writer.add(U_EMRSELECTOBJECT_set(3));
    writer.add(U_EMRSETTEXTCOLOR_set(U_RGB(0, 0, 255)));
    writer.add(U_EMRRECTANGLE_set(U_RECTL { 150, 50, 191, 91 }));
    const QImage image = play(writer.finish(), QSize(200, 100));

    // The hatch's lines are 8 pixels apart: one row of every 8 is red.
    int red = 0, green = 0, white = 0;
    for (int y = 0; y < 40; ++y) {
        const QRgb opaque = at(image, 10, y), transparent = at(image, 50, y);
        red += opaque == 0xff0000u;
        green += opaque == 0x00ff00u;
        white += transparent == 0xffffffu;
        EXPECT_TRUE(transparent == 0xffffffu || transparent == 0xff0000u) << y;
    }
    EXPECT_EQ(red, 5);
    EXPECT_EQ(green, 35) << "the gaps of an opaque hatch take the background colour";
    EXPECT_EQ(white, 35) << "a transparent hatch leaves the gaps as they were";
    // The pattern repeats every 2 pixels from the device's origin.
    EXPECT_EQ(at(image, 100, 0), 0x0000ffu);
    EXPECT_EQ(at(image, 101, 0), 0xff0000u);
    EXPECT_EQ(at(image, 100, 1), 0xffffffu);
    EXPECT_EQ(at(image, 103, 3), 0x000000u);
    // The monochrome pattern: 0 bits in the text colour, 1 bits in the background colour.
    EXPECT_EQ(at(image, 152, 60), 0x0000ffu);
    EXPECT_EQ(at(image, 157, 60), 0x00ff00u);
}

namespace {

char* fontRecord(std::uint32_t handle, std::int32_t escapement)
{
    std::uint16_t face[U_LF_FACESIZE] = {};
    const char name[] = "Liberation Sans";
    std::copy(std::begin(name), std::end(name), face);
    U_LOGFONT font = logfont_set(-24, 0, escapement, escapement, U_FW_NORMAL, 0, 0, 0, U_ANSI_CHARSET,
        U_OUT_DEFAULT_PRECIS, U_CLIP_DEFAULT_PRECIS, U_DEFAULT_QUALITY, U_DEFAULT_PITCH | U_FF_SWISS, face);
    return U_EMREXTCREATEFONTINDIRECTW_set(handle, reinterpret_cast<const char*>(&font), nullptr);
}

char* textRecord(std::int32_t x, std::int32_t y, const std::u16string& text)
{
    std::vector<std::uint32_t> dx(text.size(), 16);
    char* body = emrtext_set(U_POINTL { x, y }, std::uint32_t(text.size()), 2,
        const_cast<char16_t*>(text.data()), U_ETO_NONE, U_RECTL { 0, 0, -1, -1 }, dx.data());
    char* record = U_EMREXTTEXTOUTW_set(U_RECTL { 0, 0, -1, -1 }, U_GM_ADVANCED, 1, 1, PU_EMRTEXT(body));
    std::free(body);
    return record;
}

// The box of the pixels darker than mid-grey.
QRect ink(const QImage& image, const QRect& within)
{
    QRect box;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

// Turned text and shapes: the font's escapement turns text about its reference point, counter-clockwise;
// a world transform turns everything drawn, text and shapes.
TEST(MetafileInput, EscapementAndWorldTransformTurnTextAndShapes)
{
    EmfWriter writer(300, 150);
    writer.add(U_EMRSETBKMODE_set(U_TRANSPARENT));
    writer.add(fontRecord(1, 900));
    writer.add(U_EMRSELECTOBJECT_set(1));
    writer.add(U_EMRSETTEXTALIGN_set(U_TA_BASELINE));
    writer.add(textRecord(50, 140, u"HHHHHH")); // runs up from (50, 140)
    // A quarter turn clockwise on the screen, moved right: x' = 280 - y, y' = x.
    writer.add(U_EMRSETWORLDTRANSFORM_set(U_XFORM { 0, 1, -1, 0, 280, 0 }));
    writer.add(U_EMRSELECTOBJECT_set(U_BLACK_BRUSH));
    writer.add(U_EMRSELECTOBJECT_set(U_NULL_PEN));
    writer.add(U_EMRRECTANGLE_set(U_RECTL { 10, 10, 60, 30 })); // lands at x 250..270, y 10..60
    writer.add(fontRecord(2, 0));
    writer.add(U_EMRSELECTOBJECT_set(2));
    writer.add(textRecord(20, 150, u"HHHHHH")); // runs down from (130, 20)
    const QImage image = play(writer.finish(), QSize(300, 150));

    const QRect escaped = ink(image, QRect(0, 0, 100, 150));
    EXPECT_GT(escaped.height(), 80) << "six letters 16 units apart run upwards";
    EXPECT_LT(escaped.width(), 30);
    EXPECT_LE(escaped.bottom(), 141);
    EXPECT_GE(escaped.left(), 50 - 24) << "the baseline is on the right of the turned letters";
    EXPECT_LE(escaped.right(), 51);

    EXPECT_EQ(at(image, 260, 35), 0x000000u) << "the turned rectangle";
    EXPECT_EQ(at(image, 240, 35), 0xffffffu);
    EXPECT_EQ(at(image, 260, 5), 0xffffffu);
    EXPECT_EQ(at(image, 260, 65), 0xffffffu);

    const QRect turned = ink(image, QRect(110, 0, 130, 150));
    EXPECT_GT(turned.height(), 80) << "text under a turned world runs downwards";
    EXPECT_LT(turned.width(), 30);
    EXPECT_GE(turned.top(), 19);
}

// Symbol fonts: "Symbol" in the Unicode characters its codes stand for, other symbol fonts in the private
// use area where their glyphs are; text in other fonts untouched.
TEST(MetafileInput, SymbolFontTextIsMappedAsOtherViewersShowIt)
{
    GdiFont symbol;
    symbol.face = QStringLiteral("Symbol");
    symbol.charset = 2;
    GdiFont dingbats;
    dingbats.face = QStringLiteral("Wingdings");
    dingbats.charset = 2;
    GdiFont plain;
    plain.face = QStringLiteral("Arial");
    struct Row {
        const GdiFont& font;
        QString text, shown;
    } rows[] = {
        { symbol, QStringLiteral("abg pD"), QStringLiteral("αβγ πΔ") },
        { symbol, QString(QChar(0xF061)) + QChar(0xF0B3), QStringLiteral("α≥") },
        { symbol, QStringLiteral("12=+"), QStringLiteral("12=+") },
        { dingbats, QStringLiteral("J"), QString(QChar(0xF04A)) },
        { plain, QStringLiteral("abg"), QStringLiteral("abg") },
    };
    for (const Row& row : rows)
        EXPECT_EQ(symbolFontText(row.text, row.font), row.shown) << row.text.toStdString();
}

// Text in scripts that join or run right to left goes through Qt's layout, which shapes it and finds a
// font that has it: the player draws what Qt draws for the same font, size and place.
TEST(MetafileInput, RightToLeftAndJoinedScriptsAreShapedByQt)
{
    const std::u16string text = u"\u05E9\u05DC\u05D5\u05DD \u0633\u0644\u0627\u0645";
    EmfWriter writer(300, 60);
    writer.add(U_EMRSETBKMODE_set(U_TRANSPARENT));
    writer.add(fontRecord(1, 0));
    writer.add(U_EMRSELECTOBJECT_set(1));
    writer.add(U_EMRSETTEXTALIGN_set(U_TA_BASELINE));
    char* record = textRecord(20, 40, text);
    std::memset(record + 72, 0, 4); // no advances: the font's own
    writer.add(record);
    const QImage drawn = play(writer.finish(), QSize(300, 60));

    QImage expected(300, 60, QImage::Format_RGB32);
    expected.fill(Qt::white);
    {
        QPainter painter(&expected);
        platform::FontSpec face;
        face.face = QStringLiteral("Liberation Sans");
        painter.setFont(platform::drawingFontForPixels(face, 24));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(20, 40), QString::fromStdU16String(text));
    }
    int different = 0, inked = 0;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 300; ++x) {
            different += drawn.pixel(x, y) != expected.pixel(x, y);
            inked += qGray(drawn.pixel(x, y)) < 128;
        }
    }
    EXPECT_GT(inked, 100);
    EXPECT_LT(different, 300 * 60 / 100);
}
