// Metafiles from other writers and corrupt bytes: what other programs write is drawn, damaged bytes are
// rejected with "Metafile is not valid" without reading past the end.
#include "emftestpage.h"
#include "emfwalk.h"
#include "platform/emfrecorder.h"
#include "platform/metafile.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <uemf.h>

using namespace platform;

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

} // namespace

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
              { "placeable WMF", fixture("foreign-shapes.wmf") } };
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
