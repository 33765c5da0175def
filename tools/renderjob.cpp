// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/renderjob.h"

#include "data/dm2.h"
#include "emf/metafile.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/printer.h"
#include "printout/calibrationsheet.h"
#include "printout/formfit.h"
#include "printout/frprzelnew.h"
#include "report/rpprint.h"
#include "report/rpprinter.h"
#include "report/rpprintertarget.h"
#include "report/rpreport.h"
#include "report/rpreportfile.h"
#include "transfer/paymentcode.h"
#include "transfer/transferlog.h"
#include "transfer/transferreader.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <optional>

namespace tools {

namespace {

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        throw platform::Error(QStringLiteral("Cannot create file \"%1\". %2")
                                  .arg(QFileInfo(path).absoluteFilePath(), file.errorString()));
    }
}

// The most pixels a drawn page may have (an A4 page at 1200 ppi has 70 million).
constexpr double MaxPagePixels = 100e6;

// A page's size at the screen's resolution: a report's page as stored; a bare metafile by its size on
// paper, since its reference device may have any resolution.
QSizeF pageSizeAt(const report::TRpGeneratedPage& page, int screenPpi, bool bareMetafile)
{
    if (bareMetafile) {
        const emf::MetafileInfo info = emf::inspectMetafile(page.bytes.constData(), page.bytes.size());
        if (info.sizeMm.width() > 0 && info.sizeMm.height() > 0)
            return info.sizeMm * screenPpi / 25.4;
    }
    return QSizeF(page.sizePx);
}

void writePng(const QString& path, const report::TRpGeneratedPage& page, int dpi, int screenPpi,
    bool bareMetafile, QTextStream& err)
{
    const QSizeF screenSize = pageSizeAt(page, screenPpi, bareMetafile);
    const auto sizeAt = [&](double ppi) {
        return QSize(int(std::lround(screenSize.width() * ppi / screenPpi)),
            int(std::lround(screenSize.height() * ppi / screenPpi)));
    };
    QSize size = sizeAt(dpi);
    // A page metres wide is drawn at the finest resolution that stays within the limit.
    if (double(size.width()) * size.height() > MaxPagePixels) {
        double fitting = dpi * std::sqrt(MaxPagePixels / (double(size.width()) * size.height()));
        while (fitting > 0.01 && double(sizeAt(fitting).width()) * sizeAt(fitting).height() > MaxPagePixels)
            fitting *= 0.999;
        err << QStringLiteral(
            "przelew-render: the page is %1 x %2 mm, which at %3 pixels per inch exceeds 100 "
            "megapixels; drawn at %4 pixels per inch\n")
                   .arg(screenSize.width() * 25.4 / screenPpi, 0, 'f', 0)
                   .arg(screenSize.height() * 25.4 / screenPpi, 0, 'f', 0)
                   .arg(dpi)
                   .arg(fitting, 0, 'f', 2);
        size = sizeAt(fitting);
        dpi = std::max(1, int(std::lround(fitting)));
    }
    size = size.expandedTo(QSize(1, 1));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMeter = int(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    {
        QPainter painter(&image);
        emf::playMetafile(page.bytes, painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        throw platform::Error(QStringLiteral("Cannot create file \"%1\". %2")
                                  .arg(QFileInfo(path).absoluteFilePath(), file.errorString()));
    }
}

// The place of the named queue in the printer list; −1 (the default printer) when none is named.
int queueIndex(const QString& queue)
{
    if (queue.isEmpty())
        return -1;
    const auto& printers = report::globalPrinter().printers();
    for (std::size_t i = 0; i < printers.size(); ++i) {
        if (printers[i].device.compare(queue, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    throw platform::EPrinter(QStringLiteral("There is no printer named \"%1\"").arg(queue));
}

// Says which job the spooler took ("QUEUE-ID"), and returns it.
QString reportJob(const RenderOptions& options, int id, QTextStream& out)
{
    if (id <= 0)
        throw platform::EPrinter(QStringLiteral("Nothing was printed"));
    const QString queue = options.queue.isEmpty() ? report::globalPrinter().printer().device : options.queue;
    out << "request id is " << queue << '-' << id << '\n';
    return QStringLiteral("%1-%2").arg(queue).arg(id);
}

void writePages(
    const RenderOptions& options, report::TRpPrinter& printer, QTextStream& err, bool bareMetafile = false)
{
    const std::optional<OutputFormat> format = options.format;
    // Every command that writes has named its output file, and printing writes none.
    if (!format)
        throw platform::Error(QStringLiteral("No output file was given"));
    switch (*format) {
    case OutputFormat::Rpf:
        printer.Save(options.output);
        break;
    case OutputFormat::Pdf:
        report::savePdf(printer, options.output);
        break;
    case OutputFormat::Emf:
    case OutputFormat::Png: {
        const std::optional<report::TRpGeneratedPage> page = printer.PageAt(options.page);
        if (!page) {
            if (options.page == 1)
                throw platform::Error(QStringLiteral("The report produced no page"));
            throw platform::Error(QStringLiteral("The report has no page %1").arg(options.page));
        }
        if (format == OutputFormat::Emf)
            writeBytes(options.output, page->bytes);
        else
            writePng(options.output, *page, options.dpi, printer.screenPpi(), bareMetafile, err);
        break;
    }
    }
}

bool hasSuffix(const QString& path, const char* suffix)
{
    return QFileInfo(path).suffix().compare(QLatin1String(suffix), Qt::CaseInsensitive) == 0;
}

void convertReportFile(const RenderOptions& options, QTextStream& out, QTextStream& err)
{
    report::TRpPrinter printer(report::TRpPrinterDestination::PageStore, platform::screenPpi());
    const QString& input = options.inputs.front();
    if (hasSuffix(input, "rpf")) {
        printer.Load(input);
        if (const QString& damage = printer.pageStore()->damage(); !damage.isEmpty())
            err << "przelew-render: warning: " << QFileInfo(input).absoluteFilePath() << ": " << damage
                << '\n';
    } else {
        const std::string bytes = platform::readWholeFile(input, platform::ShareMode::DenyWrite);
        QByteArray metafile(bytes.data(), qsizetype(bytes.size()));
        try {
            const qint64 length = emf::inspectMetafile(metafile.constData(), metafile.size()).byteLength;
            if (length > metafile.size())
                throw emf::MetafileError();
            metafile.truncate(length); // what some writers leave after the picture is not part of it
        } catch (const emf::MetafileError&) {
            throw platform::Error(QStringLiteral("The file \"%1\" is not an enhanced or placeable metafile")
                                      .arg(QFileInfo(input).absoluteFilePath()));
        }
        auto buffer = std::make_unique<QBuffer>();
        buffer->setData(report::onePageReportFile(metafile));
        buffer->open(QIODevice::ReadOnly);
        printer.Load(std::move(buffer));
    }
    // A blank page or an empty job would pass for a converted report.
    if (printer.PagesStarted() == 0)
        throw platform::Error(QStringLiteral("The report file \"%1\" holds no page")
                                  .arg(QFileInfo(options.inputs.front()).absoluteFilePath()));
    if (options.print) {
        report::TRpReport settings;
        settings.PrinterSettings.PrinterIndex = queueIndex(options.queue);
        printer.setMaster(&settings);
        const int id = report::printLoadedReport(printer);
        printer.setMaster(nullptr);
        reportJob(options, id, out);
        return;
    }
    writePages(options, printer, err, !hasSuffix(input, "rpf"));
}

// Prints the report's pages as one job, or generates them into a page store and writes the output.
// Returns where the pages went: the job ("QUEUE-ID") or the file written.
QString printOrWrite(report::TRpReport& rp, const RenderOptions& options, QTextStream& out, QTextStream& err)
{
    if (options.print) {
        rp.PrinterSettings.PrinterIndex = queueIndex(options.queue);
        rp.ShowProgress = false;
        // Without any printer the report would quietly print nothing: say why.
        if (report::globalPrinter().printers().empty())
            report::globalPrinter().setPrinterIndex(rp.PrinterSettings.PrinterIndex);
        return reportJob(options, report::printGeneratedReport(rp), out);
    }
    report::TRpPrinter printer(report::TRpPrinterDestination::PageStore, platform::screenPpi());
    rp.GenerateReport(printer);
    writePages(options, printer, err);
    return QFileInfo(options.output).absoluteFilePath();
}

// The transfers of the inputs that are ready, in order. What is said of a transfer that prints goes to
// err as a warning; a transfer that is refused is named with every reason, and stops the run unless
// --skip-bad-rows leaves it out.
std::vector<transfer::SourceTransfer> readyTransfers(const RenderOptions& options, QTextStream& err)
{
    std::vector<transfer::SourceTransfer> ready;
    int refused = 0;
    for (const QString& input : options.inputs) {
        if (RenderOptions::Job::Convert == options.job)
            break;
        const QString suffix = QFileInfo(input).suffix().toLower();
        if (suffix == QLatin1String("rpf") || suffix == QLatin1String("emf")
            || suffix == QLatin1String("wmf"))
            throw platform::Error(
                QStringLiteral("A saved report file is converted on its own, without other inputs: %1")
                    .arg(input));
        transfer::SourceTransfers read = transfer::readTransferSource(input);
        if (!read.ignoredColumns.isEmpty())
            err << "przelew-render: " << QFileInfo(input).absoluteFilePath()
                << ": columns ignored: " << read.ignoredColumns.join(QStringLiteral(", ")) << '\n';
        for (transfer::SourceTransfer& t : read.transfers) {
            const bool taken = t.ready(options.acceptBadAccounts);
            for (const transfer::Problem& problem : t.problems) {
                const bool said = problem.level() == transfer::Problem::Level::Note
                    || (taken && problem.level() == transfer::Problem::Level::Doubtful);
                err << "przelew-render: " << (said ? "warning: " : (options.skipBadRows ? "skipped: " : ""))
                    << transfer::problemMessage(t, problem) << '\n';
            }
            if (taken)
                ready.push_back(std::move(t));
            else
                ++refused;
        }
    }
    if (refused > 0 && !options.skipBadRows)
        throw platform::Error(
            QStringLiteral("nothing was written: %1 of the transfers cannot be printed as they "
                           "stand (--skip-bad-rows leaves them out)")
                .arg(refused));
    if (ready.empty())
        throw platform::Error(QStringLiteral("There is no transfer to print"));
    return ready;
}

// With --log the transfers written go into the transfer log. A log that fails is told, and the output
// stands.
void logTransfers(transfer::TransferLog& log, const std::vector<transfer::SourceTransfer>& transfers,
    const RenderOptions& options, const QString& target, QTextStream& err)
{
    std::vector<transfer::LogEntry> entries;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const transfer::SourceTransfer& t : transfers) {
        transfer::LogEntry e;
        e.when = now;
        e.how = QStringLiteral("przelew-render");
        e.target = target;
        e.form = printout::formKindName(options.form);
        e.values = t.values;
        e.source = transfer::sourceName(t, transfer::SourcePath::Absolute);
        entries.push_back(e);
    }
    if (!log.isOpen() || !log.record(entries))
        err << "przelew-render: warning: " << log.problem() << "; the transfers are not logged\n";
}

// With --log, a transfer the log has from the last 60 days is named with the day, and printed all the same.
void warnPrintedBefore(
    transfer::TransferLog& log, const std::vector<transfer::SourceTransfer>& transfers, QTextStream& err)
{
    if (const std::optional<QString> notice = log.takeNotice())
        err << "przelew-render: warning: " << *notice << '\n';
    for (const transfer::SourceTransfer& t : transfers) {
        if (const std::optional<QDateTime> when = log.printedBefore(t.values)) {
            const transfer::Problem printed { transfer::Problem::Kind::PrintedBefore, transfer::Field::None,
                0, when->toLocalTime().toString(QStringLiteral("d.MM.yyyy")) };
            err << "przelew-render: warning: " << transfer::problemMessage(t, printed) << '\n';
        }
    }
}

// The pay-by-phone code of the input's first transfer, as a PNG or an SVG.
void renderPaymentCode(const RenderOptions& options, QTextStream& out, QTextStream& err)
{
    RenderOptions first = options;
    first.inputs = options.inputs.mid(0, 1);
    const transfer::SourceTransfer t = readyTransfers(first, err).front();
    QString problem;
    const std::optional<QString> payload
        = transfer::paymentCodePayload(t.values, options.taxNumber, &problem);
    if (!payload)
        throw platform::Error(QStringLiteral("%1: %2").arg(
            transfer::sourceName(t, transfer::SourcePath::Absolute, transfer::Language::English), problem));
    const transfer::QrMatrix code = transfer::encodeQr(*payload);
    if (QFileInfo(options.output).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0) {
        writeBytes(options.output, transfer::qrSvg(code));
    } else {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        transfer::qrImage(code, 10).save(&buffer, "PNG");
        writeBytes(options.output, png);
    }
    out << *payload << '\n';
}

void renderTransfers(const RenderOptions& options, QTextStream& out, QTextStream& err)
{
    std::vector<transfer::SourceTransfer> transfers = readyTransfers(options, err);
    std::vector<transfer::TransferEditorValues> values;
    for (transfer::SourceTransfer& t : transfers) {
        if (t.values.payerAccount.trimmed().isEmpty()) // a CSV row may name its own
            t.values.payerAccount = options.payerAccount;
        values.push_back(t.values);
    }
    data::TDM2 dm;
    printout::TfrPrzelNew form(dm.mtPlat);
    form.setFormKind(options.form);
    form.setValuesOnly(options.dataOnly);
    form.rp.PrinterSettings.NoScaling = options.dataOnly;
    form.rp.Placement = options.placement;
    for (const transfer::SourceTransfer& t : transfers) {
        const QString source
            = transfer::sourceName(t, transfer::SourcePath::Absolute, transfer::Language::English);
        if (options.form == printout::FormKind::Deposit) {
            if (const std::optional<QString> problem
                = printout::depositProblem(t.values.amount.value_or(transfer::Money())))
                throw platform::Error(QStringLiteral("%1: %2").arg(source, *problem));
        }
        // What the form cuts or cannot print is told, and printed all the same.
        for (const printout::FieldWarning& warning : printout::fieldWarnings(t.values, options.form))
            err << "przelew-render: warning: " << source << ": " << printout::warningText(warning) << '\n';
    }
    std::optional<transfer::TransferLog> log;
    if (options.log) {
        log.emplace();
        warnPrintedBefore(*log, transfers, err);
    }
    transfer::writeTransferRecords(dm, values);
    // One page for each transfer; one transfer keeps the form exactly as the main window prints it.
    if (transfers.size() > 1)
        form.DetailBand1->ForceNewPage = true;
    const QString target = printOrWrite(form.rp, options, out, err);
    if (log)
        logTransfers(*log, transfers, options, target, err);
    if (values.size() > 1)
        err << "przelew-render: " << transfer::totalText(values, transfer::Language::English) << '\n';
}

} // namespace

int runRenderJob(const RenderOptions& options, QTextStream& out, QTextStream& err)
{
    try {
        switch (options.job) {
        case RenderOptions::Job::Code:
            renderPaymentCode(options, out, err);
            break;
        case RenderOptions::Job::Calibration: {
            printout::TCalibrationSheet sheet;
            sheet.rp.Placement = options.placement;
            printOrWrite(sheet.rp, options, out, err);
            break;
        }
        case RenderOptions::Job::Convert:
            convertReportFile(options, out, err);
            break;
        case RenderOptions::Job::Transfers:
            renderTransfers(options, out, err);
            break;
        }
    } catch (const platform::Error& error) {
        err << "przelew-render: " << error.message() << '\n';
        return 1;
    } catch (const std::exception& error) {
        err << "przelew-render: " << error.what() << '\n';
        return 1;
    }
    return 0;
}

int runRender(const QStringList& words, QTextStream& out, QTextStream& err)
{
    int status = 0;
    const std::optional<RenderOptions> options = parseRenderArguments(words, out, err, status);
    const int result = options ? runRenderJob(*options, out, err) : status;
    out.flush();
    err.flush();
    return result;
}

} // namespace tools
