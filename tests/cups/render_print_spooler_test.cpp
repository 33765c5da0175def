// SPDX-License-Identifier: GPL-2.0-or-later
// przelew-render --print against the private spooler: the transfer file and a saved report file each
// become one A4 landscape page on the named queue, or on the default queue when none is named.
#include "spooler.h"
#include "support/renderprocess.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cups/cups.h>
#include <gtest/gtest.h>

#ifdef PRZELEW_RENDER

namespace {

using testsupport::RenderRun;

RenderRun render(const QStringList& args)
{
    testsupport::RenderOptions options;
    options.withoutDefaultPrinter = true;
    options.timeoutMs = 120000;
    return testsupport::render(args, options);
}

// The job id of "request id is QUEUE-N"; 0 when the line is not there.
int requestId(const QString& out, const QString& queue)
{
    const QRegularExpression line(QStringLiteral("request id is %1-(\\d+)").arg(queue));
    const QRegularExpressionMatch match = line.match(out);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

using testsupport::sample;

} // namespace

TEST(RenderPrint, TransferFileAndSavedReportPrintOnTheNamedQueue)
{
    SKIP_WITHOUT_SPOOLER();
    QTemporaryDir dir;
    const QString rpf = dir.filePath(QStringLiteral("przelew.rpf"));
    ASSERT_EQ(render({ sample(), rpf }).exitCode, 0);
    const QString out = spooler::folder() + QStringLiteral("/out/file.pdf");
    for (const QString& input : { sample(), rpf }) {
        QFile::remove(out);
        const RenderRun run = render({ QStringLiteral("--print"), QStringLiteral("File"), input });
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const int id = requestId(run.out, QStringLiteral("File"));
        ASSERT_GT(id, 0) << run.out.toStdString();
        ASSERT_EQ(spooler::waitForJob(QStringLiteral("File"), id), IPP_JSTATE_COMPLETED);
        const spooler::PdfInfo info = spooler::pdfInfo(out);
        EXPECT_EQ(info.pages, 1) << input.toStdString();
        EXPECT_EQ(info.pageSize, "842 x 595") << input.toStdString();
        EXPECT_EQ(info.title, "");
        EXPECT_TRUE(spooler::pdfText(out).contains(QStringLiteral("PLN"))) << input.toStdString();
    }
}

// Many transfers print as one job, a page each, in the order given.
TEST(RenderPrint, ManyTransfersPrintAsOneJob)
{
    SKIP_WITHOUT_SPOOLER();
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("lista.csv"));
    {
        QFile file(csv);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("NDNazwa;NDKonto;Tytulem;Kwota\nA;61 1090 1014 0000 0712 1981 2874;Rata 1;1,00\nA;61 1090 "
                   "1014 0000 0712 1981 2874;Rata 2;2,00\n");
    }
    const QString out = spooler::folder() + QStringLiteral("/out/file.pdf");
    QFile::remove(out);
    const RenderRun run = render({ QStringLiteral("--print"), QStringLiteral("File"), csv, sample() });
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const int id = requestId(run.out, QStringLiteral("File"));
    ASSERT_GT(id, 0) << run.out.toStdString();
    ASSERT_EQ(spooler::waitForJob(QStringLiteral("File"), id), IPP_JSTATE_COMPLETED);
    EXPECT_EQ(spooler::pdfInfo(out).pages, 3);
}

TEST(RenderPrint, NoQueueNamedPrintsOnTheDefaultOne)
{
    SKIP_WITHOUT_SPOOLER();
    const RenderRun run = render({ QStringLiteral("--print"), sample() });
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const int id = requestId(run.out, QStringLiteral("PDF"));
    ASSERT_GT(id, 0) << run.out.toStdString();
    EXPECT_EQ(spooler::waitForJob(QStringLiteral("PDF"), id), IPP_JSTATE_COMPLETED);
}

TEST(RenderPrint, UnknownQueueIsNamedInTheMessage)
{
    SKIP_WITHOUT_SPOOLER();
    const RenderRun run = render({ QStringLiteral("--print"), QStringLiteral("Nowhere"), sample() });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("There is no printer named \"Nowhere\"")))
        << run.err.toStdString();
}

#endif

// Values only on a pre-printed form: the spooler is asked for 100 %, and the values land moved by the
// offset from where the full page has them, to a tenth of a millimetre, read back from the printed PDF.
TEST(RenderPrint, ValuesOnlyLandMovedByTheOffsetAtFullSize)
{
    SKIP_WITHOUT_SPOOLER();
    QTemporaryDir dir;
    const QString transfer = dir.filePath(QStringLiteral("q.txt"));
    {
        QFile file(transfer);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("NDNazwa=Q\r\nNDKonto=61 1090 1014 0000 0712 1981 2874\r\nKwota=1,00\r\n");
    }
    const QString out = spooler::folder() + QStringLiteral("/out/file.pdf");
    auto printed = [&](const QStringList& options, QMap<QString, QString>* attributes) {
        QFile::remove(out);
        const RenderRun run = render(QStringList { QStringLiteral("--print"), QStringLiteral("File") }
            + options + QStringList { transfer });
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        const int id = requestId(run.out, QStringLiteral("File"));
        EXPECT_EQ(spooler::waitForJob(QStringLiteral("File"), id), IPP_JSTATE_COMPLETED);
        if (attributes)
            *attributes = spooler::jobAttributes(id);
        return spooler::wordBox(out, QStringLiteral("Q"));
    };
    QMap<QString, QString> fullJob, valuesJob;
    const spooler::WordBox full = printed({}, &fullJob);
    const spooler::WordBox values
        = printed({ QStringLiteral("--data-only"), QStringLiteral("--offset"), QStringLiteral("2.0,-1.5") },
            &valuesJob);
    ASSERT_GE(full.xMin, 0);
    ASSERT_GE(values.xMin, 0);
    EXPECT_FALSE(fullJob.contains(QStringLiteral("print-scaling")));
    EXPECT_EQ(valuesJob.value(QStringLiteral("print-scaling")), QStringLiteral("none"));
    EXPECT_EQ(valuesJob.value(QStringLiteral("fit-to-page")), QStringLiteral("false"));
    // The page is fed turned a quarter: 2.0 mm right and 1.5 mm up on the form are, on the fed paper,
    // 1.5 mm and 2.0 mm along its axes, with signs that depend on the way it was turned.
    constexpr double mm = 72 / 25.4;
    const double dx = (values.xMin - full.xMin) / mm, dy = (values.yMin - full.yMin) / mm;
    EXPECT_NEAR(std::abs(dx), 1.5, 0.1) << dx << ", " << dy;
    EXPECT_NEAR(std::abs(dy), 2.0, 0.1) << dx << ", " << dy;
    EXPECT_GT(dx * dy, 0) << dx << ", " << dy; // a quarter turn keeps the two signs alike
}
