// SPDX-License-Identifier: GPL-2.0-or-later
// A generated page through the real EMF recorder and the page store, played back and probed by pixel.
#include "emf/metafile.h"
#include "report/rpprinter.h"
#include "support/syntheticreport.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace report;
using namespace reporttest;

namespace {

QImage playPage(const TRpGeneratedPage& page)
{
    QImage image(page.sizePx, QImage::Format_RGB32);
    image.fill(QColor(0x80, 0x40, 0x20)); // anything the page does not paint stays this colour
    QPainter painter(&image);
    emf::playMetafile(page.bytes, painter, QRectF(QPointF(0, 0), QSizeF(page.sizePx)));
    painter.end();
    return image;
}

TEST(Render, TheStoredPagePlaysBackToThePixel)
{
    TRpReport rp;
    buildTestReport(rp, 96);
    TRpPrinter target(TRpPrinterDestination::PageStore, 96);
    rp.GenerateReport(target);
    const auto page = target.PageAt(1);
    ASSERT_TRUE(page.has_value());
    EXPECT_EQ(page->sizePx, QSize(1123, 794));
    const QImage image = playPage(*page);
    if (qEnvironmentVariableIsSet("PRZELEW_RENDER_OUT"))
        image.save(qEnvironmentVariable("PRZELEW_RENDER_OUT"));

    const QRgb unpainted = qRgb(0x80, 0x40, 0x20);
    const QRgb white = qRgb(255, 255, 255);
    const QRgb silver = qRgb(0xC0, 0xC0, 0xC0);
    const QRgb black = qRgb(0, 0, 0);
    struct Probe {
        int x, y;
        QRgb colour;
        const char* what;
    };
    const Probe probes[] = {
        { 25, 23, unpainted, "left of the band" },
        { 26, 23, white, "band's top-left pixel" },
        { 1095, 771, white, "band's bottom-right pixel" },
        { 1096, 400, unpainted, "right edge exclusive" },
        { 500, 772, unpainted, "bottom edge exclusive" },
        { 583, 200, black, "frame's left edge" },
        { 1071, 200, black, "frame's right edge" },
        { 1072, 200, white, "right of the frame" },
        { 700, 329, black, "frame's bottom edge" },
        { 700, 330, white, "below the frame" },
        { 700, 200, silver, "inside the frame" },
        { 586, 41, white, "caption background, leading spaces" },
        { 649, 35, white, "caption background, trailing spaces" },
        { 651, 35, silver, "right of the caption" },
    };
    for (const Probe& p : probes) {
        EXPECT_EQ(image.pixel(p.x, p.y), p.colour) << p.what << " at " << p.x << "," << p.y;
    }
    // The caption covers the frame's top edge where it lies, and its text is drawn inside it.
    EXPECT_EQ(image.pixel(588, 31), white);
    int dark = 0;
    for (int y = 31; y < 42; ++y) {
        for (int x = 586; x < 650; ++x)
            dark += qGray(image.pixel(x, y)) < 128;
    }
    EXPECT_GT(dark, 20);
}

} // namespace
