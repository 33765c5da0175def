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
        file.write("Tytulem;Kwota\nRata 1;1,00\nRata 2;2,00\n");
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
