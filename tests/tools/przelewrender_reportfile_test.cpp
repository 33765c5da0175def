// SPDX-License-Identifier: GPL-2.0-or-later
// The renderer with a saved report file as input, and its --print and --page arguments where no
// spooler is needed (printing itself is tested against the private spooler in tests/cups).
#include "support/renderprocess.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace testsupport;

TEST(PrzelewRenderReportFile, SavedReportConvertsLikeTheTransferFile)
{
    QTemporaryDir dir;
    const QString rpf = dir.filePath(QStringLiteral("przelew.rpf"));
    ASSERT_EQ(render({ sample(), rpf }).exitCode, 0);
    const QString direct = dir.filePath(QStringLiteral("direct.png"));
    ASSERT_EQ(render({ sample(), direct }).exitCode, 0);

    const QString fromFile = dir.filePath(QStringLiteral("fromfile.png"));
    const RenderRun png = render({ QStringLiteral("--page"), QStringLiteral("1"), rpf, fromFile });
    ASSERT_EQ(png.exitCode, 0) << png.err.toStdString();
    EXPECT_EQ(QImage(fromFile), QImage(direct)) << "the stored page draws as the generated one";

    const QString copy = dir.filePath(QStringLiteral("copy.rpf"));
    ASSERT_EQ(render({ rpf, copy }).exitCode, 0);
    EXPECT_EQ(readAll(copy), readAll(rpf)) << "a report file saved again is byte for byte the same";

    const QString pdf = dir.filePath(QStringLiteral("przelew.pdf"));
    ASSERT_EQ(render({ rpf, pdf }).exitCode, 0);
    EXPECT_TRUE(readAll(pdf).startsWith("%PDF"));

    const RenderRun noPage = render({ QStringLiteral("--page"), QStringLiteral("2"), rpf, fromFile });
    EXPECT_EQ(noPage.exitCode, 1);
    EXPECT_TRUE(noPage.err.contains(QStringLiteral("The report has no page 2"))) << noPage.err.toStdString();
}

// A report file with no page would give a blank PDF or an empty report file that pass for a result.
TEST(PrzelewRenderReportFile, AReportFileWithoutPagesIsRefusedAndNothingIsWritten)
{
    QTemporaryDir dir;
    const QString rpf = dir.filePath(QStringLiteral("pusty.rpf"));
    QFile file(rpf);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(128, '\0')); // a sound header that counts no page
    file.close();
    for (const char* output : { "out.pdf", "out.rpf", "out.png", "out.emf" }) {
        const QString path = dir.filePath(QString::fromLatin1(output));
        const RenderRun run = render({ rpf, path });
        EXPECT_EQ(run.exitCode, 1) << output;
        EXPECT_TRUE(run.err.contains(QStringLiteral("holds no page"))) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(path)) << output;
    }
}

TEST(PrzelewRenderReportFile, DamagedReportFileIsRefusedWithAMessage)
{
    QTemporaryDir dir;
    const QString rpf = dir.filePath(QStringLiteral("zly.rpf"));
    QFile file(rpf);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a report file at all");
    file.close();
    for (const QStringList& args : { QStringList { rpf, dir.filePath(QStringLiteral("out.png")) },
             QStringList { QStringLiteral("--print"), rpf } }) {
        const RenderRun run = render(args,
            testsupport::RenderOptions::withCupsServer(dir.filePath(QStringLiteral("no-spooler.sock"))));
        EXPECT_EQ(run.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty());
        EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("out.png"))));
    }
}

TEST(PrzelewRenderReportFile, PrintArgumentsAreChecked)
{
    const struct {
        const char* name;
        QStringList args;
    } rows[] = {
        { "print with an output file too",
            { QStringLiteral("--print"), QStringLiteral("Q"), sample(), QStringLiteral("out.pdf") } },
        { "print without input", { QStringLiteral("--print") } },
        { "page zero",
            { QStringLiteral("--page"), QStringLiteral("0"), sample(), QStringLiteral("out.png") } },
        { "page without a value", { sample(), QStringLiteral("out.png"), QStringLiteral("--page") } },
    };
    for (const auto& row : rows) {
        const RenderRun run = render(row.args);
        EXPECT_EQ(run.exitCode, 2) << row.name;
        EXPECT_TRUE(run.err.contains(QStringLiteral("Usage: przelew-render"))) << row.name;
    }
}

TEST(PrzelewRenderReportFile, PrintWithoutASpoolerSaysThereIsNoDefaultPrinter)
{
    QTemporaryDir dir;
    const RenderRun run = render({ QStringLiteral("--print"), sample() },
        testsupport::RenderOptions::withCupsServer(dir.filePath(QStringLiteral("no-spooler.sock"))));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("There is no default printer currently selected")))
        << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
}
