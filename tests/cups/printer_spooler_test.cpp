// SPDX-License-Identifier: GPL-2.0-or-later
// The printer object against a real spooler: the private cupsd of cupsd-env.sh with the queues PDF
// (cups-pdf, the default), File and Uneven (generic PDF driver writing one file each; Uneven has
// margins of 12, 30, 24 and 20 pt left, top, right and bottom on A4).
#include "platform/cupsjob.h"
#include "platform/printer.h"
#include "spooler.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <cups/cups.h>
#include <gtest/gtest.h>

using namespace platform;

namespace {

QString fileQueueOutput(const QString& queue)
{
    return spooler::folder() + QStringLiteral("/out/") + queue.toLower() + QStringLiteral(".pdf");
}

// One page per text: a frame round the printable area, a few boxes, the text at the top left.
int printPages(TPrinter& printer, const QStringList& texts)
{
    printer.beginDoc();
    const PrinterMetrics m = printer.metrics();
    for (int i = 0; i < texts.size(); ++i) {
        if (i > 0)
            printer.newPage();
        QPainter& p = printer.canvas();
        p.setPen(QPen(Qt::black, m.dpiX / 100));
        p.drawRect(0, 0, m.printableWidth - 1, m.printableHeight - 1);
        for (int box = 1; box <= 3; ++box)
            p.fillRect(box * m.dpiX, m.dpiY, m.dpiX / 2, m.dpiY / 2, QColor(200, 40 * box, 40));
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(m.dpiY / 6);
        p.setFont(font);
        p.drawText(QPoint(0, QFontMetrics(font, p.device()).ascent()), texts[i]);
    }
    return printer.endDoc();
}

int jobCount(const QString& queue)
{
    cups_job_t* jobs = nullptr;
    const int count
        = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.toUtf8().constData(), 0, CUPS_WHICHJOBS_ALL);
    cupsFreeJobs(count, jobs);
    return count;
}

struct JobRecord {
    int id = 0;
    int state = 0;
    QString title;
};

JobRecord newestJob(const QString& queue)
{
    cups_job_t* jobs = nullptr;
    const int count
        = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.toUtf8().constData(), 0, CUPS_WHICHJOBS_ALL);
    JobRecord newest;
    for (int i = 0; i < count; ++i) {
        if (jobs[i].id > newest.id)
            newest = { jobs[i].id, int(jobs[i].state), QString::fromUtf8(jobs[i].title) };
    }
    cupsFreeJobs(count, jobs);
    return newest;
}

// Restores the spooler's default printer at the end of a test that takes it away.
struct DefaultPrinterGuard {
    ~DefaultPrinterGuard()
    {
        spooler::run(QStringLiteral("lpadmin"), { QStringLiteral("-d"), QStringLiteral("PDF") });
    }
};

} // namespace

TEST(SpoolerPrinters, EveryQueueOnceWithDriverAndPort)
{
    SKIP_WITHOUT_SPOOLER();
    struct Row {
        const char* device;
        const char* driver;
        QString port;
    };
    const Row rows[] = {
        { "File", "Generic PDF Printer", QStringLiteral("file://") + fileQueueOutput("File") },
        { "PDF", "Generic CUPS-PDF Printer (w/ options)", QStringLiteral("cups-pdf:/") },
        { "Uneven", "Generic PDF Printer", QStringLiteral("file://") + fileQueueOutput("Uneven") },
    };
    TPrinter printer;
    ASSERT_EQ(printer.printers().size(), std::size(rows));
    for (const Row& row : rows) {
        int found = 0;
        for (const PrinterEntry& entry : printer.printers()) {
            if (entry.device != row.device)
                continue;
            ++found;
            EXPECT_EQ(entry.driver, row.driver) << row.device;
            EXPECT_EQ(entry.port, row.port) << row.device;
            EXPECT_EQ(entry.name, row.device) << "a queue is listed by its own name";
        }
        EXPECT_EQ(found, 1) << row.device;
    }
}

TEST(SpoolerPrinters, DefaultPrinterIsTheSpoolersDefault)
{
    SKIP_WITHOUT_SPOOLER();
    TPrinter printer;
    const int index = printer.defaultPrinterIndex();
    EXPECT_EQ(printer.printers()[std::size_t(index)].device, "PDF");
    EXPECT_EQ(printer.printerIndex(), index) << "the first use selects the default printer";
    EXPECT_TRUE(printer.hasDeviceSettings());
}

TEST(SpoolerPrinters, UsersOwnDefaultComesFirst)
{
    SKIP_WITHOUT_SPOOLER();
    // The user's PRINTER setting plays the part of the profile's "device" entry; the spooler matches
    // it without regard to case, and one naming no queue leaves no default at all.
    struct Row {
        const char* printer;
        const char* device; // "" = no default printer
    };
    for (const Row& row : { Row { "File", "File" }, Row { "uneven", "Uneven" }, Row { "Nonexistent", "" } }) {
        qputenv("PRINTER", row.printer);
        TPrinter printer;
        try {
            EXPECT_EQ(printer.printers()[std::size_t(printer.defaultPrinterIndex())].device, row.device)
                << row.printer;
        } catch (const EPrinter& e) {
            EXPECT_EQ(*row.device, '\0') << row.printer << ": " << e.what();
            EXPECT_EQ(e.message(), "There is no default printer currently selected") << row.printer;
        }
    }
    qunsetenv("PRINTER");
    TPrinter printer;
    EXPECT_EQ(printer.printers()[std::size_t(printer.defaultPrinterIndex())].device, "PDF");
}

TEST(SpoolerPrinters, NoDefaultPrinterGivesTheMessage)
{
    SKIP_WITHOUT_SPOOLER();
    DefaultPrinterGuard restore;
    // The spooler forgets its default when the default queue is deleted.
    int code = -1;
    spooler::run("lpadmin",
        { "-p", "Gone", "-E", "-v", "file:///dev/null", "-P", spooler::folder() + "/uneven.ppd" }, &code);
    ASSERT_EQ(code, 0);
    spooler::run("lpadmin", { "-d", "Gone" }, &code);
    ASSERT_EQ(code, 0);
    {
        TPrinter printer;
        EXPECT_EQ(printer.printers()[std::size_t(printer.defaultPrinterIndex())].device, "Gone");
    }
    spooler::run("lpadmin", { "-x", "Gone" }, &code);
    ASSERT_EQ(code, 0);

    TPrinter printer;
    EXPECT_EQ(printer.printers().size(), 3u);
    try {
        printer.printerIndex();
        ADD_FAILURE() << "a printer was selected without a default printer";
    } catch (const EPrinter& e) {
        EXPECT_EQ(e.message(), "There is no default printer currently selected");
    }
    // Another printer can still be chosen by its place in the list.
    printer.setPrinterIndex(0);
    EXPECT_TRUE(printer.hasDeviceSettings());
}

TEST(SpoolerPrinters, PrinterRemovedMeanwhileIsNotValid)
{
    SKIP_WITHOUT_SPOOLER();
    int code = -1;
    spooler::run("lpadmin",
        { "-p", "Brief", "-E", "-v", "file:///dev/null", "-P", spooler::folder() + "/uneven.ppd" }, &code);
    ASSERT_EQ(code, 0);
    TPrinter printer;
    printer.selectPrinter("Brief");
    EXPECT_TRUE(printer.hasDeviceSettings());
    spooler::run("lpadmin", { "-x", "Brief" }, &code);
    ASSERT_EQ(code, 0);

    // The list stays as it was read; the queue behind the entry is gone.
    EXPECT_EQ(printer.printer().device, "Brief");
    for (const auto& [name, action] : std::vector<std::pair<const char*, std::function<void()>>> {
             { "measures", [&] { printer.metrics(); } },
             { "job", [&] { printer.beginDoc(); } },
             { "driver defaults", [&] { printer.defaultDeviceSettings(); } },
         }) {
        try {
            action();
            ADD_FAILURE() << name << ": no error";
        } catch (const EPrinter& e) {
            EXPECT_EQ(e.message(), "Printer selected is not valid") << name;
        }
    }
    EXPECT_FALSE(printer.printing());
    // A printer object made now has one printer less: the old place is out of range.
    TPrinter later;
    EXPECT_EQ(later.printers().size(), 3u);
    try {
        later.setPrinterIndex(3);
        ADD_FAILURE() << "no error";
    } catch (const EPrinter& e) {
        EXPECT_EQ(e.message(), "Printer index out of range");
    }
}

TEST(SpoolerDevice, DriverDefaults)
{
    SKIP_WITHOUT_SPOOLER();
    struct Row {
        const char* device;
        bool duplex;
    };
    for (const Row& row : { Row { "File", true }, Row { "PDF", false }, Row { "Uneven", true } }) {
        TPrinter printer;
        printer.selectPrinter(row.device);
        const DeviceSettings& s = printer.deviceSettings();
        EXPECT_EQ(s.paperCode, 9) << row.device << ": the queue's paper is A4";
        EXPECT_EQ(s.paperWidth, 2100) << row.device;
        EXPECT_EQ(s.paperLength, 2970) << row.device;
        EXPECT_EQ(s.orientation, orientPortrait) << row.device;
        EXPECT_EQ(s.copies, 1) << row.device;
        EXPECT_EQ(s.paperSource, 7) << row.device;
        EXPECT_EQ(s.duplex, duplexSimplex) << row.device;
        EXPECT_EQ((s.fields & dmDuplex) != 0, row.duplex) << row.device;
        EXPECT_GT(s.resolution, 0) << row.device;
        const std::vector<int> papers = printer.paperCodes();
        for (int code : { 1, 9, 11 })
            EXPECT_NE(std::find(papers.begin(), papers.end(), code), papers.end())
                << row.device << " paper " << code;
    }
}

TEST(SpoolerDevice, SettingsReachAQPrinter)
{
    SKIP_WITHOUT_SPOOLER();
    TPrinter printer;
    printer.selectPrinter("File");
    DeviceSettings s = printer.deviceSettings();
    s.paperCode = 11;
    s.orientation = orientLandscape;
    s.copies = 3;
    s.duplex = duplexShortEdge;
    s.resolution = 300;
    printer.setDeviceSettings(s);
    QPrinter qt(QPrinter::HighResolution);
    printer.applyTo(qt);
    EXPECT_EQ(qt.printerName(), "File");
    EXPECT_EQ(qt.pageLayout().pageSize().id(), QPageSize::A5);
    EXPECT_EQ(qt.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(qt.copyCount(), 3);
    EXPECT_EQ(qt.duplex(), QPrinter::DuplexShortSide);
    EXPECT_EQ(qt.resolution(), 300);

    // A dialog's changes come back the same way.
    qt.setPageOrientation(QPageLayout::Portrait);
    qt.setCopyCount(2);
    printer.readFrom(qt);
    EXPECT_EQ(printer.printer().device, "File");
    EXPECT_EQ(printer.deviceSettings().orientation, orientPortrait);
    EXPECT_EQ(printer.deviceSettings().copies, 2);
    EXPECT_EQ(printer.deviceSettings().paperCode, 11);
}

TEST(SpoolerDevice, PrintDialogRoundTrip)
{
    SKIP_WITHOUT_SPOOLER();
    TPrinter printer;
    printer.selectPrinter("Uneven");
    printer.setOrientation(orientLandscape);
    printer.setCopies(3);
    QPrinter qt(QPrinter::HighResolution);
    printer.applyTo(qt);
    QPrintDialog dialog(&qt);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    // Under the offscreen platform exec() waits for code to close the dialog.
    QTimer::singleShot(0, &dialog, &QDialog::accept);
    ASSERT_EQ(dialog.exec(), QDialog::Accepted);

    TPrinter fresh;
    fresh.readFrom(qt);
    EXPECT_EQ(fresh.printer().device, "Uneven");
    EXPECT_EQ(fresh.deviceSettings().orientation, orientLandscape);
    EXPECT_EQ(fresh.deviceSettings().copies, 3);
    EXPECT_EQ(fresh.deviceSettings().paperCode, 9);
}

TEST(SpoolerDevice, PrintableAreaTurnsWithThePaper)
{
    SKIP_WITHOUT_SPOOLER();
    // Margins in points as the paper lies for the page: landscape pages lie a quarter turn counter-
    // clockwise, so the paper's bottom margin is the page's left one.
    struct Row {
        const char* name;
        const char* device;
        int orientation;
        double left, top, right, bottom;
        int paperWidth, paperLength; // 0.1 mm
    };
    const Row rows[] = {
        { "Uneven portrait", "Uneven", orientPortrait, 12, 30, 24, 20, 2100, 2970 },
        { "Uneven landscape", "Uneven", orientLandscape, 20, 12, 30, 24, 2970, 2100 },
        { "File portrait", "File", orientPortrait, 18, 36, 18, 36, 2100, 2970 },
        { "File landscape", "File", orientLandscape, 36, 18, 36, 18, 2970, 2100 },
    };
    for (const Row& row : rows) {
        TPrinter printer;
        printer.selectPrinter(row.device);
        printer.setOrientation(row.orientation);
        const PrinterMetrics m = printer.metrics();
        const auto px = [&](double points) { return int(std::nearbyint(points * m.dpiX / 72)); };
        const auto tenths = [&](int pixels) { return int(std::nearbyint(double(pixels) / m.dpiX * 254)); };
        ASSERT_GT(m.dpiX, 0) << row.name;
        EXPECT_EQ(m.dpiY, m.dpiX) << row.name;
        EXPECT_EQ(m.offsetX, px(row.left)) << row.name;
        EXPECT_EQ(m.offsetY, px(row.top)) << row.name;
        EXPECT_EQ(m.printableWidth, m.physicalWidth - px(row.left) - px(row.right)) << row.name;
        EXPECT_EQ(m.printableHeight, m.physicalHeight - px(row.top) - px(row.bottom)) << row.name;
        EXPECT_EQ(m.leftOffset, tenths(m.offsetX)) << row.name;
        EXPECT_EQ(m.topOffset, tenths(m.offsetY)) << row.name;
        EXPECT_EQ(m.paperWidth, row.paperWidth) << row.name;
        EXPECT_EQ(m.paperLength, row.paperLength) << row.name;
    }
}

TEST(SpoolerJob, LandscapePagesReachTheFileQueue)
{
    SKIP_WITHOUT_SPOOLER();
    const QString out = fileQueueOutput("File");
    QFile::remove(out);
    TPrinter printer;
    printer.selectPrinter("File");
    printer.setOrientation(orientLandscape);
    const int id = printPages(printer, { "Przelew strona pierwsza", "Zażółć gęślą jaźń" });
    ASSERT_GT(id, 0);
    EXPECT_EQ(printer.pageNumber(), 2);
    EXPECT_FALSE(printer.printing());
    EXPECT_FALSE(printer.aborted());
    ASSERT_EQ(spooler::waitForJob("File", id), IPP_JSTATE_COMPLETED);

    const spooler::PdfInfo info = spooler::pdfInfo(out);
    EXPECT_EQ(info.pages, 2);
    EXPECT_EQ(info.pageSize, "842 x 595") << "A4 landscape";
    EXPECT_TRUE(info.titleLine);
    EXPECT_EQ(info.title, "") << "the document name is empty";
    EXPECT_EQ(newestJob("File").title, "") << "the spooler's job name is empty too";
    const QString text = spooler::pdfText(out);
    EXPECT_TRUE(text.contains("Przelew strona pierwsza")) << text.toStdString();
    EXPECT_TRUE(text.contains("Zażółć gęślą jaźń")) << text.toStdString();
    EXPECT_LT(text.indexOf("Przelew"), text.indexOf("Zażółć")) << "pages in order";
}

TEST(SpoolerJob, DrawingStartsAtThePrintableCorner)
{
    SKIP_WITHOUT_SPOOLER();
    // pdftotext shows the page as the paper is fed (portrait): a landscape page's left edge is the
    // paper's bottom, its top edge the paper's left.
    struct Row {
        const char* name;
        const char* device;
        int orientation;
        double paperLeft; // expected start of the text across the paper, points
        double paperAnchor; // portrait: its top; landscape: where it starts from the bottom
    };
    const Row rows[] = {
        { "Uneven portrait", "Uneven", orientPortrait, 12, 30 },
        { "Uneven landscape", "Uneven", orientLandscape, 12, 842 - 20 },
        { "File landscape", "File", orientLandscape, 18, 842 - 36 },
    };
    for (const Row& row : rows) {
        const QString out = fileQueueOutput(row.device);
        QFile::remove(out);
        TPrinter printer;
        printer.selectPrinter(row.device);
        printer.setOrientation(row.orientation);
        const int id = printPages(printer, { "Corner" });
        ASSERT_EQ(spooler::waitForJob(row.device, id), IPP_JSTATE_COMPLETED) << row.name;
        const spooler::WordBox box = spooler::wordBox(out, "Corner");
        ASSERT_GE(box.xMin, 0) << row.name << ": no word found";
        if (row.orientation == orientPortrait) {
            EXPECT_NEAR(box.xMin, row.paperLeft, 0.5) << row.name;
            EXPECT_NEAR(box.yMin, row.paperAnchor, 1.5) << row.name;
        } else {
            EXPECT_NEAR(box.xMin, row.paperLeft, 1.5) << row.name;
            EXPECT_NEAR(box.yMax, row.paperAnchor, 0.5) << row.name;
        }
    }
}

TEST(SpoolerJob, DeviceSettingsTravelWithTheJob)
{
    SKIP_WITHOUT_SPOOLER();
    const QString out = fileQueueOutput("File");
    QFile::remove(out);
    TPrinter printer;
    printer.selectPrinter("File");
    DeviceSettings s = printer.deviceSettings();
    s.paperCode = 11; // A5
    s.orientation = orientLandscape;
    s.copies = 2;
    s.duplex = duplexShortEdge;
    printer.setDeviceSettings(s);
    printer.setTitle(QStringLiteral("Przelew próbny"));
    const int id = printPages(printer, { "A5" });
    ASSERT_EQ(spooler::waitForJob("File", id), IPP_JSTATE_COMPLETED);

    const QMap<QString, QString> job = spooler::jobAttributes(id);
    EXPECT_EQ(job.value("job-name"), "Przelew próbny");
    EXPECT_EQ(job.value("copies"), "2");
    EXPECT_EQ(job.value("sides"), "two-sided-short-edge");
    EXPECT_EQ(job.value("orientation-requested"), "landscape");
    EXPECT_TRUE(job.value("media") == "A5" || job.value("media").startsWith("iso_a5"))
        << job.value("media").toStdString();

    const spooler::PdfInfo info = spooler::pdfInfo(out);
    EXPECT_EQ(info.title, "Przelew próbny");
    EXPECT_EQ(info.pageSize, "595 x 420") << "A5 landscape";
    EXPECT_GE(info.pages, 2) << "two copies (a duplex printer may add blank backs)";
}

TEST(SpoolerJob, CopiesAreMadeBySpooler)
{
    SKIP_WITHOUT_SPOOLER();
    const QString out = fileQueueOutput("File");
    QFile::remove(out);
    TPrinter printer;
    printer.selectPrinter("File");
    printer.setCopies(3);
    const int id = printPages(printer, { "Kopia" });
    ASSERT_EQ(spooler::waitForJob("File", id), IPP_JSTATE_COMPLETED);
    EXPECT_EQ(spooler::pdfInfo(out).pages, 3) << "one page, three copies";
}

TEST(SpoolerJob, DefaultPrinterMakesAPdfThroughCupsPdf)
{
    SKIP_WITHOUT_SPOOLER();
    const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
    TPrinter printer;
    printer.setOrientation(orientLandscape);
    const int id = printPages(printer, { "Domyślna drukarka" });
    ASSERT_GT(id, 0);
    EXPECT_EQ(printer.printer().device, "PDF");
    ASSERT_EQ(spooler::waitForJob("PDF", id), IPP_JSTATE_COMPLETED);

    // cups-pdf names its file after the job; old runs may have left files of the same number.
    QString made;
    const QDir folder(spooler::cupsPdfFolder());
    for (const QFileInfo& file : folder.entryInfoList({ "*.pdf" }, QDir::Files)) {
        const QRegularExpression ofThisJob(QStringLiteral("job_%1(\\D|$)").arg(id));
        if (file.fileName().contains(ofThisJob) && file.lastModified() >= started)
            made = file.filePath();
    }
    ASSERT_FALSE(made.isEmpty()) << "no file of job " << id << " in " << folder.path().toStdString();
    const spooler::PdfInfo info = spooler::pdfInfo(made);
    EXPECT_EQ(info.pages, 1);
    // cups-pdf stands the page upright on the paper; the paper is A4.
    EXPECT_TRUE(info.pageSize == "595 x 842" || info.pageSize == "842 x 595") << info.pageSize.toStdString();
    QFile::remove(made);
}

TEST(SpoolerJob, AbortBeforeTheEndSendsNothing)
{
    SKIP_WITHOUT_SPOOLER();
    const QString out = fileQueueOutput("File");
    QFile::remove(out);
    const int jobsBefore = jobCount("File");
    TPrinter printer;
    printer.selectPrinter("File");
    printer.beginDoc();
    printer.canvas().drawRect(0, 0, 500, 500);
    printer.newPage();
    printer.canvas().drawText(100, 100, "never printed");
    printer.abort();
    EXPECT_TRUE(printer.aborted());
    EXPECT_FALSE(printer.printing());
    EXPECT_THROW(printer.canvas(), EPrinter);
    EXPECT_EQ(jobCount("File"), jobsBefore) << "no job reached the spooler";
    EXPECT_FALSE(QFile::exists(out));

    // The printer object is ready for the next job.
    const int id = printPages(printer, { "Po przerwaniu" });
    EXPECT_FALSE(printer.aborted());
    ASSERT_EQ(spooler::waitForJob("File", id), IPP_JSTATE_COMPLETED);
    EXPECT_EQ(spooler::pdfInfo(out).pages, 1);
}

TEST(SpoolerJob, AbortWhileSendingCancelsTheHeldJob)
{
    SKIP_WITHOUT_SPOOLER();
    const QString out = fileQueueOutput("File");
    QFile::remove(out);
    const int newestBefore = newestJob("File").id;
    TPrinter printer;
    printer.selectPrinter("File");
    // As a cancel button would, while the job is on its way to the spooler.
    int calls = 0;
    printer.setAbortCallback([&] {
        ++calls;
        printer.abort();
        return true;
    });
    const int id = printPages(printer, { "Anulowany" });
    EXPECT_EQ(id, 0);
    EXPECT_GE(calls, 1);
    EXPECT_TRUE(printer.aborted());
    EXPECT_FALSE(printer.printing());
    // The spooler drops a job cancelled before it was released, or keeps it as cancelled.
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, "File", 0, CUPS_WHICHJOBS_ALL);
    for (int i = 0; i < count; ++i) {
        if (jobs[i].id > newestBefore) {
            EXPECT_EQ(jobs[i].state, IPP_JSTATE_CANCELED) << "job " << jobs[i].id;
        }
    }
    cupsFreeJobs(count, jobs);
    EXPECT_FALSE(QFile::exists(out)) << "a cancelled job prints nothing";
}

TEST(SpoolerJob, CancelledSubmissionNeverPrints)
{
    SKIP_WITHOUT_SPOOLER();
    const QString out = fileQueueOutput("File");
    QFile::remove(out);
    QTemporaryDir dir;
    // A real document of more than one chunk, so the cancel comes in the middle of sending.
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(dir.filePath("big.pdf"));
    {
        // Noise does not compress.
        QImage noise(400, 400, QImage::Format_RGB32);
        QRandomGenerator random(5);
        for (int y = 0; y < noise.height(); ++y) {
            for (int x = 0; x < noise.width(); ++x)
                noise.setPixel(x, y, random.generate());
        }
        QPainter p(&pdf);
        p.drawImage(QRect(0, 0, 4000, 4000), noise);
    }
    ASSERT_GT(QFileInfo(dir.filePath("big.pdf")).size(), 64 * 1024);
    CupsJob job(QStringLiteral("File"), QStringLiteral("cancelled"), {});
    int chunks = 0;
    EXPECT_EQ(job.submit(dir.filePath("big.pdf"), "application/pdf", [&] { return ++chunks < 2; }), 0);
    EXPECT_EQ(chunks, 2);
    EXPECT_TRUE(job.cancelled());
    ASSERT_GT(job.id(), 0) << "the job had been created";
    const int state = spooler::waitForJob("File", job.id());
    EXPECT_TRUE(state == 0 || state == IPP_JSTATE_CANCELED) << "state " << state;
    EXPECT_FALSE(QFile::exists(out)) << "a cancelled job prints nothing";
}

TEST(SpoolerJob, QueueRefusingJobsIsReportedNotHidden)
{
    SKIP_WITHOUT_SPOOLER();
    int code = -1;
    spooler::run("cupsreject", { "File" }, &code);
    ASSERT_EQ(code, 0);
    struct Accept {
        ~Accept() { spooler::run("cupsaccept", { "File" }); }
    } accept;
    const QString out = fileQueueOutput("File");
    QFile::remove(out);

    TPrinter printer;
    printer.selectPrinter("File");
    try {
        printPages(printer, { "Odrzucony" });
        ADD_FAILURE() << "a refused job was reported as printed";
    } catch (const EPrinter& e) {
        EXPECT_TRUE(e.message().startsWith("The print job for \"File\" could not be created: ")) << e.what();
    }
    EXPECT_FALSE(printer.printing());
    EXPECT_FALSE(QFile::exists(out));
}

TEST(SpoolerDown, CleanErrorsAndNoWaiting)
{
    // Needs no running spooler: libcups is pointed at a socket nobody listens on.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray socket = dir.filePath("nobody.sock").toUtf8();
    cupsSetServer(socket.constData());
    struct Restore {
        ~Restore() { cupsSetServer(nullptr); }
    } restore;

    TPrinter printer;
    EXPECT_TRUE(printer.printers().empty());
    try {
        printer.printerIndex();
        ADD_FAILURE() << "a printer was selected with no spooler";
    } catch (const EPrinter& e) {
        EXPECT_EQ(e.message(), "There is no default printer currently selected");
    }

    QFile document(dir.filePath("job.pdf"));
    ASSERT_TRUE(document.open(QIODevice::WriteOnly));
    document.write("%PDF-1.4\n");
    document.close();
    CupsJob job(QStringLiteral("PDF"), QString(), {});
    try {
        job.submit(document.fileName(), "application/pdf", {});
        ADD_FAILURE() << "a job was sent to no spooler";
    } catch (const EPrinter& e) {
        EXPECT_TRUE(e.message().startsWith("The print job for \"PDF\" could not be created: ")) << e.what();
    }
}
