// SPDX-License-Identifier: GPL-2.0-or-later
// Printing transfers as the windows do, through the private spooler with the jobs read back: a preview
// prints the transfers it shows whatever preview came after it, and the log gets exactly the transfers
// whose pages were printed.
#include "app/printservice.h"
#include "report/rpprint.h"
#include "report/rpprintertarget.h"
#include "spooler.h"

#include <QFile>
#include <QTemporaryDir>
#include <cups/cups.h>
#include <gtest/gtest.h>

namespace {

int queueIndex(const QString& queue)
{
    const auto& printers = report::globalPrinter().printers();
    for (std::size_t i = 0; i < printers.size(); ++i) {
        if (printers[i].device == queue)
            return int(i);
    }
    return -2;
}

transfer::TransferEditorValues transferTo(const QString& name)
{
    transfer::TransferEditorValues v;
    v.recipientName = name;
    v.recipientAccount = QStringLiteral("61 1090 1014 0000 0712 1981 2874");
    v.amount = transfer::Money::fromGrosze(123456);
    v.date = 46365;
    return v;
}

} // namespace

TEST(PrintService, APreviewPrintsWhatItShowsAndLogsThePagesThatLeft)
{
    SKIP_WITHOUT_SPOOLER();
    QTemporaryDir dir;
    transfer::TransferLog log(dir.filePath(QStringLiteral("przelew.sqlite")));
    app::PrintLog printLog(log);
    data::TDM2 dm;
    printout::TfrPrzelNew form(dm.mtPlat);
    form.rp.PrinterSettings.PrinterIndex = queueIndex(QStringLiteral("File"));
    form.rp.ShowProgress = false;
    app::PrintService service(dm, form, &printLog);
    // Without windows each preview's pages stay with the report; the first is preview A.
    service.preview({ transferTo(QStringLiteral("Pierwszy Odbiorca")) }, { QStringLiteral("a.txt") },
        printout::FormKind::Transfer);
    service.preview({ transferTo(QStringLiteral("Drugi Odbiorca")) }, { QStringLiteral("b.txt") },
        printout::FormKind::Transfer);
    std::vector<transfer::TransferEditorValues> many;
    for (int i = 1; i <= 60; ++i)
        many.push_back(transferTo(QStringLiteral("Odbiorca %1").arg(i)));
    service.preview(many, {}, printout::FormKind::Transfer);
    const QList<report::TRpPrinter*> previews = form.rp.findChildren<report::TRpPrinter*>();
    ASSERT_EQ(previews.size(), 3);

    const QString out = spooler::folder() + QStringLiteral("/out/file.pdf");
    QFile::remove(out);
    const int first = report::printGeneratedReport(form.rp, previews[0]);
    ASSERT_GT(first, 0);
    ASSERT_EQ(spooler::waitForJob(QStringLiteral("File"), first), IPP_JSTATE_COMPLETED);
    // The form spaces every value out into its cells.
    const QString text = spooler::pdfText(out).remove(QLatin1Char(' '));
    EXPECT_TRUE(text.contains(QStringLiteral("PierwszyOdbiorca"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Drugi")));

    // Pages 1-3 of the 60: three pages spooled, three transfers logged.
    QFile::remove(out);
    form.rp.PrinterSettings.FirstPage = 1;
    form.rp.PrinterSettings.LastPage = 3;
    const int range = report::printGeneratedReport(form.rp, previews[2]);
    ASSERT_GT(range, 0);
    ASSERT_EQ(spooler::waitForJob(QStringLiteral("File"), range), IPP_JSTATE_COMPLETED);
    EXPECT_EQ(spooler::pdfInfo(out).pages, 3);

    const std::vector<transfer::LogEntry> entries = log.entries();
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[3].values.recipientName, QStringLiteral("Pierwszy Odbiorca"));
    EXPECT_EQ(entries[3].target, QStringLiteral("File-%1").arg(first));
    EXPECT_EQ(entries[3].source, QStringLiteral("a.txt"));
    QStringList ranged;
    for (std::size_t i = 0; i < 3; ++i)
        ranged << entries[i].values.recipientName;
    EXPECT_EQ(ranged, (QStringList { "Odbiorca 3", "Odbiorca 2", "Odbiorca 1" }));
}
