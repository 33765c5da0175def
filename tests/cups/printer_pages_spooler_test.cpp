// SPDX-License-Identifier: GPL-2.0-or-later
// Pages as the report engine will print them, through the real spooler: a recorded EMF page played
// stretched onto the printable area (printing a loaded report), and the canvas drawing straight onto
// the printer page in its own pixels (printing a generated report).
#include "emf/emfrecorder.h"
#include "emf/metafile.h"
#include "emf/paintercanvas.h"
#include "platform/printer.h"
#include "spooler.h"

#include <QFile>
#include <QRegularExpression>
#include <cmath>
#include <cups/cups.h>
#include <gtest/gtest.h>

using namespace platform;
using namespace emf;

namespace {

constexpr double kPointsPerTenthMm = 72.0 / 254.0;

} // namespace

TEST(SpoolerPages, RecordedPageIsStretchedOntoThePrintableArea)
{
    SKIP_WITHOUT_SPOOLER();
    // An A4 landscape page at screen resolution, as the page store keeps it.
    EmfRecorder page(1123, 794, 96);
    page.setPen(Pen { rgb(0, 0, 0), 1, PenStyle::Solid });
    page.setBrush(Brush { rgb(255, 255, 255), true });
    page.rectangle(0, 0, 1123, 794);
    page.setBrush(Brush { rgb(255, 0, 0), false });
    page.fillRect(200, 200, 400, 300);
    FontSpec font;
    font.pointSize = 12;
    page.setFont(font);
    page.textOut(112, 57, TextAlign::Left, QStringLiteral("Zlecenie przelewu"));
    const QByteArray emf = page.finish();

    const QString out = spooler::folder() + QStringLiteral("/out/file.pdf");
    QFile::remove(out);
    TPrinter printer;
    printer.selectPrinter(QStringLiteral("File"));
    printer.setOrientation(orientLandscape);
    const PrinterMetrics m = printer.metrics();
    printer.beginDoc();
    playMetafile(emf, printer.canvas(), QRectF(0, 0, m.printableWidth, m.printableHeight));
    const int id = printer.endDoc();
    ASSERT_EQ(spooler::waitForJob(QStringLiteral("File"), id), IPP_JSTATE_COMPLETED);

    const spooler::PdfInfo info = spooler::pdfInfo(out);
    EXPECT_EQ(info.pages, 1);
    EXPECT_EQ(info.pageSize, "842 x 595");
    EXPECT_TRUE(spooler::pdfText(out).contains(QStringLiteral("Zlecenie przelewu")));
    // x = 112 of 1123 page pixels lands that share into the printable width, after the left offset;
    // the landscape page's left edge is the fed paper's bottom, so it shows as distance from there.
    const double printableWidthPt = double(m.printableWidth) / m.dpiX * 72;
    const double expected = m.leftOffset * kPointsPerTenthMm + 112.0 / 1123.0 * printableWidthPt;
    const spooler::WordBox box = spooler::wordBox(out, QStringLiteral("Zlecenie"));
    ASSERT_GE(box.yMax, 0) << "word not found";
    EXPECT_NEAR(842 - box.yMax, expected, 1.0);
}

TEST(SpoolerPages, CanvasDrawsInPrinterPixelsFromThePrintableCorner)
{
    SKIP_WITHOUT_SPOOLER();
    // Uneven's physical left offset is 12 pt (4.2 mm): a text placed 10 mm from the paper's left
    // edge is drawn 5.8 mm right of the printable area's edge, and so lands 10 mm from the paper's.
    const QString out = spooler::folder() + QStringLiteral("/out/uneven.pdf");
    QFile::remove(out);
    TPrinter printer;
    printer.selectPrinter(QStringLiteral("Uneven"));
    const PrinterMetrics m = printer.metrics();
    ASSERT_EQ(m.leftOffset, 42);
    printer.beginDoc();
    PainterCanvas canvas(printer.canvas(), m.dpiX, m.dpiY);
    FontSpec font;
    font.pointSize = 10;
    canvas.setFont(font);
    const auto deviceX
        = [&](int tenths) { return int(std::nearbyint((tenths - m.leftOffset) * m.dpiX / 254.0)); };
    const auto deviceY
        = [&](int tenths) { return int(std::nearbyint((tenths - m.topOffset) * m.dpiY / 254.0)); };
    canvas.textOut(deviceX(100), deviceY(200), TextAlign::Left, QStringLiteral("Dziesięć"));
    canvas.textOut(deviceX(1000), deviceY(600), TextAlign::Left, QStringLiteral("Sto"));
    const int id = printer.endDoc();
    ASSERT_EQ(spooler::waitForJob(QStringLiteral("Uneven"), id), IPP_JSTATE_COMPLETED);

    for (const auto& [word, tenths] :
        { std::pair { QStringLiteral("Dziesięć"), 100 }, std::pair { QStringLiteral("Sto"), 1000 } }) {
        const spooler::WordBox box = spooler::wordBox(out, word);
        ASSERT_GE(box.xMin, 0) << word.toStdString() << " not found";
        EXPECT_NEAR(box.xMin, tenths * kPointsPerTenthMm, 0.5) << word.toStdString();
    }
}
