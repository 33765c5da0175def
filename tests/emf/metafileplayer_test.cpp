// SPDX-License-Identifier: GPL-2.0-or-later
#include "emf/emfrecorder.h"
#include "emf/metafile.h"
#include "emf/paintercanvas.h"
#include "emftestpage.h"
#include "platform/fonts.h"

#include <QImage>
#include <QPainter>
#include <functional>
#include <gtest/gtest.h>

using namespace platform;
using namespace emf;

namespace {

// Records a drawing on a page of w x h pixels at 96 ppi and plays it into an image `scale` times larger.
QImage recordAndPlay(const std::function<void(Canvas&)>& draw, int w = 200, int h = 120, int scale = 1)
{
    EmfRecorder recorder(w, h, 96);
    draw(recorder);
    const QByteArray emf = recorder.finish();
    QImage image(w * scale, h * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    playMetafile(emf, painter, QRectF(0, 0, w * scale, h * scale));
    painter.end();
    return image;
}

QImage paintDirect(const std::function<void(Canvas&)>& draw, int w = 200, int h = 120)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    {
        PainterCanvas canvas(painter, 96, 96);
        draw(canvas);
    }
    painter.end();
    return image;
}

QRgb at(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xffffff;
}

constexpr QRgb White = 0xffffff, Black = 0, Red = 0xff0000;

// The ink box: every pixel that is not white.
QRect inkBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (at(image, x, y) != White)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

TEST(MetafilePlayer, FillRectRightAndBottomAreExclusive)
{
    const QImage image = recordAndPlay([](Canvas& c) {
        c.setBrush(Brush { rgb(255, 0, 0), false });
        c.fillRect(10, 10, 20, 15);
    });
    EXPECT_EQ(at(image, 10, 10), Red);
    EXPECT_EQ(at(image, 19, 14), Red);
    EXPECT_EQ(at(image, 20, 14), White);
    EXPECT_EQ(at(image, 19, 15), White);
    EXPECT_EQ(at(image, 9, 10), White);
    EXPECT_EQ(at(image, 10, 9), White);
}

TEST(MetafilePlayer, RectangleOutlineAndFill)
{
    struct Row {
        const char* name;
        PenStyle style;
        int last; // last column and row covered, from 30
    };
    for (const Row& row : { Row { "solid pen: outline on 30 and 39", PenStyle::Solid, 39 },
             Row { "clear pen: fill one pixel less", PenStyle::Clear, 38 } }) {
        SCOPED_TRACE(row.name);
        const QImage image = recordAndPlay([&](Canvas& c) {
            c.setPen(Pen { 0, 1, row.style });
            c.setBrush(Brush { rgb(255, 0, 0), false });
            c.rectangle(30, 30, 40, 40);
        });
        const QRgb edge = row.style == PenStyle::Clear ? Red : Black;
        EXPECT_EQ(at(image, 30, 35), edge);
        EXPECT_EQ(at(image, row.last, 35), edge);
        EXPECT_EQ(at(image, 35, row.last), edge);
        EXPECT_EQ(at(image, row.last + 1, 35), White);
        EXPECT_EQ(at(image, 35, row.last + 1), White);
        EXPECT_EQ(at(image, 35, 35), Red);
    }
}

TEST(MetafilePlayer, LineLeavesOutItsEndPointInEitherDirection)
{
    const QImage image = recordAndPlay([](Canvas& c) {
        c.setPen(Pen { 0, 1, PenStyle::Solid });
        c.line(50, 50, 60, 50);
        c.line(60, 52, 50, 52);
        c.line(70, 50, 70, 60);
    });
    EXPECT_EQ(at(image, 50, 50), Black);
    EXPECT_EQ(at(image, 59, 50), Black);
    EXPECT_EQ(at(image, 60, 50), White);
    EXPECT_EQ(at(image, 60, 52), Black);
    EXPECT_EQ(at(image, 51, 52), Black);
    EXPECT_EQ(at(image, 50, 52), White);
    EXPECT_EQ(at(image, 70, 59), Black);
    EXPECT_EQ(at(image, 70, 60), White);
}

TEST(MetafilePlayer, PenWidthIsDevicePixelsAcrossTheLine)
{
    struct Row {
        int width, firstRow, lastRow;
    };
    for (const Row& row : { Row { 0, 70, 70 }, Row { 1, 70, 70 }, Row { 3, 69, 71 }, Row { 5, 68, 72 } }) {
        SCOPED_TRACE(row.width);
        const QImage image = recordAndPlay([&](Canvas& c) {
            c.setPen(Pen { 0, row.width, PenStyle::Solid });
            c.line(20, 70, 120, 70);
        });
        EXPECT_EQ(at(image, 60, row.firstRow - 1), White);
        EXPECT_EQ(at(image, 60, row.firstRow), Black);
        EXPECT_EQ(at(image, 60, row.lastRow), Black);
        EXPECT_EQ(at(image, 60, row.lastRow + 1), White);
    }
}

TEST(MetafilePlayer, DottedPenLeavesGaps)
{
    const QImage image = recordAndPlay([](Canvas& c) {
        c.setPen(Pen { 0, 1, PenStyle::Dot });
        c.line(10, 20, 110, 20);
        c.setBrush(Brush { rgb(255, 0, 0), false });
        c.ellipse(120, 10, 180, 76);
    });
    int inkOnLine = 0;
    for (int x = 10; x < 110; ++x)
        inkOnLine += at(image, x, 20) == Black;
    EXPECT_GT(inkOnLine, 30);
    EXPECT_LT(inkOnLine, 70);
    // the outline of the ellipse is dotted: walking its top rows finds both ink and the fill between dots
    EXPECT_EQ(at(image, 150, 43), Red);
    int dark = 0, red = 0;
    for (int y = 10; y < 76; ++y) {
        for (int x = 120; x < 180; ++x) {
            const QRgb c = at(image, x, y);
            dark += c == Black;
            red += c == Red;
        }
    }
    EXPECT_GT(dark, 40);
    EXPECT_GT(red, 2000);
    EXPECT_EQ(at(image, 180, 43), White);
    EXPECT_EQ(at(image, 150, 76), White);
}

TEST(MetafilePlayer, TextSitsAtTheTopOfItsCellAtItsAdvances)
{
    const FontSpec font { QStringLiteral("Arial"), 10 };
    const QImage image = recordAndPlay([&](Canvas& c) {
        c.setFont(font);
        c.textOut(40, 30, TextAlign::Left, QStringLiteral("W"));
    });
    const QRect ink = inkBox(image);
    ASSERT_FALSE(ink.isEmpty());
    const int ascent = QFontMetrics(measuringFont(font, 96)).ascent();
    // The W's top is the cap height below the cell top; its left edge is at the reference point.
    EXPECT_GE(ink.top(), 30);
    EXPECT_LE(ink.top(), 30 + ascent - 8);
    EXPECT_LE(ink.bottom(), 30 + ascent);
    EXPECT_GE(ink.left(), 40);
    EXPECT_LE(ink.left(), 41);

    // A run of characters equals the characters drawn one by one at the cumulative advances.
    const QString text = QStringLiteral("Wąż1,");
    const std::vector<int> advances = textAdvances(font, text, 96);
    const QImage whole = recordAndPlay([&](Canvas& c) {
        c.setFont(font);
        c.textOut(20, 40, TextAlign::Left, text);
    });
    const QImage single = recordAndPlay([&](Canvas& c) {
        c.setFont(font);
        int x = 20;
        for (qsizetype i = 0; i < text.size(); ++i) {
            c.textOut(x, 40, TextAlign::Left, text.mid(i, 1));
            x += advances[std::size_t(i)];
        }
    });
    EXPECT_EQ(whole, single);
}

TEST(MetafilePlayer, AlignedTextIsPlacedOnTheSumOfItsAdvances)
{
    const FontSpec font { QStringLiteral("Arial"), 12, true };
    const QString text = QStringLiteral("Łódź");
    int width = 0;
    for (int a : textAdvances(font, text, 96))
        width += a;
    const QImage left = recordAndPlay([&](Canvas& c) {
        c.setFont(font);
        c.textOut(50, 30, TextAlign::Left, text);
    });
    const QImage right = recordAndPlay([&](Canvas& c) {
        c.setFont(font);
        c.textOut(50 + width, 30, TextAlign::Right, text);
    });
    EXPECT_EQ(left, right);
    if (width % 2 == 0) {
        const QImage centre = recordAndPlay([&](Canvas& c) {
            c.setFont(font);
            c.textOut(50 + width / 2, 30, TextAlign::Center, text);
        });
        EXPECT_EQ(left, centre);
    }
}

TEST(MetafilePlayer, TextBackgroundStaysTransparent)
{
    const QImage image = recordAndPlay([](Canvas& c) {
        c.setBrush(Brush { rgb(255, 0, 0), false });
        c.fillRect(0, 0, 200, 120);
        c.setFont(FontSpec { QStringLiteral("Arial"), 12 });
        c.textOut(10, 10, TextAlign::Left, QStringLiteral("...."));
    });
    // The dots sit on the baseline; the top of their cell keeps the red under it.
    EXPECT_EQ(at(image, 10, 10), Red);
    EXPECT_EQ(at(image, 12, 12), Red);
    int ink = 0;
    for (int x = 10; x < 40; ++x)
        for (int y = 10; y < 30; ++y)
            ink += at(image, x, y) != Red;
    EXPECT_GT(ink, 4);
}

// Fills of one colour may be painted together, but never out of turn: text between two fills stays over
// the first and under the second.
TEST(MetafilePlayer, FillsAndTextKeepTheirOrder)
{
    const QImage image = recordAndPlay([](Canvas& c) {
        c.setBrush(Brush { rgb(255, 0, 0), false });
        c.fillRect(0, 0, 200, 60);
        c.setFont(FontSpec { QStringLiteral("Arial"), 14 });
        c.textOut(10, 10, TextAlign::Left, QStringLiteral("WW"));
        c.textOut(110, 10, TextAlign::Left, QStringLiteral("WW"));
        c.fillRect(0, 0, 100, 60);
    });
    QRect left, right;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 200; ++x) {
            if (at(image, x, y) != Red)
                (x < 100 ? left : right) |= QRect(x, y, 1, 1);
        }
    }
    EXPECT_TRUE(left.isEmpty()) << "text drawn over a later fill";
    EXPECT_FALSE(right.isEmpty()) << "text hidden under an earlier fill";
}

TEST(MetafilePlayer, StretchScalesEdgesWithThePage)
{
    const QImage image = recordAndPlay(
        [](Canvas& c) {
            c.setBrush(Brush { rgb(255, 0, 0), false });
            c.fillRect(10, 10, 20, 15);
        },
        200, 120, 3);
    EXPECT_EQ(at(image, 30, 30), Red);
    EXPECT_EQ(at(image, 59, 44), Red);
    EXPECT_EQ(at(image, 60, 44), White);
    EXPECT_EQ(at(image, 59, 45), White);
    EXPECT_EQ(at(image, 29, 30), White);
}

TEST(PainterCanvas, DrawsThePixelsOfARecordedAndPlayedPage)
{
    const auto draw = [](Canvas& c) { emftest::drawSamplePage(c); };
    const QImage played = recordAndPlay(draw, 560, 340);
    const QImage direct = paintDirect(draw, 560, 340);
    EXPECT_EQ(played, direct);
}

TEST(PainterCanvas, MeasuresAtItsOwnResolution)
{
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    PainterCanvas canvas(painter, 600, 600);
    canvas.setFont(FontSpec { QStringLiteral("Arial"), 10 });
    const QSize extent = canvas.textExtent(QStringLiteral("W"));
    EXPECT_EQ(extent, measureText(FontSpec { QStringLiteral("Arial"), 10 }, QStringLiteral("W"), 600));
    EXPECT_GT(extent.height(), 70);
}
