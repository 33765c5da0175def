// SPDX-License-Identifier: GPL-2.0-or-later
// przelew-render: renders a transfer data file, read with the program's own import rules and filled into
// the record as the print command fills it, to a report file, an EMF page, a PNG or a PDF, or prints it
// through the spooler, without a window. A saved report file is converted or printed the same way.
#include "data/dm2.h"
#include "emf/metafile.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/memory.h"
#include "platform/printer.h"
#include "printout/calibrationsheet.h"
#include "printout/frprzelnew.h"
#include "report/rpprint.h"
#include "report/rpprinter.h"
#include "report/rpprintertarget.h"
#include "report/rpreport.h"
#include "report/rpreportfile.h"
#include "transfer/csvimport.h"
#include "transfer/paymentcode.h"
#include "transfer/transferlog.h"
#include "transfer/transferrecord.h"

#include <QApplication>
#include <QBuffer>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

namespace {

const char usageText[] = R"(Usage: przelew-render [options] INPUT... OUTPUT
       przelew-render [options] --print [QUEUE] INPUT...

Renders transfer orders without opening a window, one page per transfer, in the order given. An INPUT is
a transfer data file (key=value lines in code page 1250 or UTF-8: NDNazwa, NDKONTOKONTR, NDKonto, Kwota,
WCNazwa, Tytulem, Data) or a CSV file (.csv) whose header row names those keys, one transfer a row (';',
',' or tab between fields, quoted as RFC 4180 has it). Every value is read with the program's import
rules and the records are filled as the print command fills them; the amount and the date are read and
printed the Polish way whatever the language settings, and an amount that reads as two different numbers
("1,234") is refused. A CSV row that cannot be read stops the run, naming its file and line. INPUT may
also be one saved report file (.rpf), whose stored pages are converted or printed as they are, or one
metafile (.emf, or a placeable .wmf), taken as a report of one page.

OUTPUT is written by its extension:
  .rpf   the page store's bytes, as a report file the preview can load
  .emf   the page as an enhanced metafile
  .png   the page drawn at 96 pixels per inch (or --dpi N); a page that would exceed 100 megapixels
         is drawn at the finest resolution that stays within them, said on standard error
  .pdf   the pages as a vector PDF
An .rpf or .pdf holds every page. With --print there is no OUTPUT: the report is printed through the spooler on QUEUE, or on the
default printer when no queue is named, and the spooler's request id is written to standard output.

Options:
  --payer-account TEXT   the payer's account number, as typed into the main window (default: empty)
  --form KIND            przelew (a transfer order, the default) or wplata (a cash deposit slip: the
                         amount in words on the payer-account line, the letter P crossed out)
  --data-only            only the values, for a pre-printed form: no shapes, fills, captions or colours
  --offset X,Y           move what is printed X mm right and Y mm down (-100 to 100, a point before
                         decimals: --offset 2.0,-1.5), for a printer that feeds the paper off
  --scale P              stretch positions to P per cent (90 to 110) about the paper's top-left corner
  --log                  add the transfers written or printed to the transfer log
                         ($XDG_DATA_HOME/przelew/przelew.sqlite)
  --qr                   write the pay-by-phone code of the first transfer of INPUT as OUTPUT.png or
                         OUTPUT.svg (the bank association's standard; amounts up to 9 999,99 zł)
  --nip DIGITS           the recipient's tax number for --qr (10 digits; default: none)
  --calibration          write (or with --print, print) the calibration sheet instead of transfers:
                         millimetre rulers, crosses at the form's copy corners and how to read the
                         offsets off them; --offset and --scale move it too
  --dpi N                resolution of a PNG, 24 to 1200 (default: 96)
  --page N               the page an .emf or .png shows, from 1 (default: 1)
  --print [QUEUE]        print instead of writing a file, all pages as one job
  --skip-bad-rows        leave out the CSV rows that cannot be read, naming them on standard error
  --help                 show this text

A value the form cuts (a name or title past 54 characters, a recipient account past 32 digits after its
check digits), one that runs past its field towards the next copy, or characters the form cannot print
(they print as "?") are named on standard error, one line per field, and the form is written all the same.

Exit status: 0 on success, 2 for bad arguments, 1 when a file cannot be read or written, holds no
transfer or no page, gives an amount that reads two ways, or an amount a deposit slip cannot carry.
)";

struct Options {
    QString payerAccount;
    printout::FormKind form = printout::FormKind::Transfer;
    bool dataOnly = false;
    bool calibration = false;
    bool qr = false;
    bool log = false;
    QString taxNumber;
    report::TRpPlacement placement;
    int dpi = 96;
    int page = 1;
    bool print = false;
    QString queue; // empty: the default printer
    QStringList inputs;
    QString output;
    bool skipBadRows = false;
    bool queueGiven = false; // --print=QUEUE
    QStringList positional; // the words that are no option, in order
};

enum class Format { Rpf, Emf, Png, Pdf };

std::optional<Format> formatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("rpf"))
        return Format::Rpf;
    if (suffix == QLatin1String("emf"))
        return Format::Emf;
    if (suffix == QLatin1String("png"))
        return Format::Png;
    if (suffix == QLatin1String("pdf"))
        return Format::Pdf;
    return std::nullopt;
}

int usage(const char* problem)
{
    std::fprintf(stderr, "przelew-render: %s\n\n%s", problem, usageText);
    return 2;
}

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

void writePng(
    const QString& path, const report::TRpGeneratedPage& page, int dpi, int screenPpi, bool bareMetafile)
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
        std::fprintf(stderr,
            "przelew-render: the page is %.0f x %.0f mm, which at %d pixels per inch exceeds 100 megapixels;"
            " drawn at %.2f pixels per inch\n",
            screenSize.width() * 25.4 / screenPpi, screenSize.height() * 25.4 / screenPpi, dpi, fitting);
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
QString reportJob(const Options& options, int id)
{
    if (id <= 0)
        throw platform::EPrinter(QStringLiteral("Nothing was printed"));
    const QString queue = options.queue.isEmpty() ? report::globalPrinter().printer().device : options.queue;
    std::fprintf(stdout, "request id is %s-%d\n", qPrintable(queue), id);
    return QStringLiteral("%1-%2").arg(queue).arg(id);
}

void writePages(const Options& options, std::optional<Format> format, report::TRpPrinter& printer,
    bool bareMetafile = false)
{
    // Every command that writes has named its output file, and printing writes none.
    if (!format)
        throw platform::Error(QStringLiteral("No output file was given"));
    switch (*format) {
    case Format::Rpf:
        printer.Save(options.output);
        break;
    case Format::Pdf:
        report::savePdf(printer, options.output);
        break;
    case Format::Emf:
    case Format::Png: {
        const std::optional<report::TRpGeneratedPage> page = printer.PageAt(options.page);
        if (!page) {
            if (options.page == 1)
                throw platform::Error(QStringLiteral("The report produced no page"));
            throw platform::Error(QStringLiteral("The report has no page %1").arg(options.page));
        }
        if (format == Format::Emf)
            writeBytes(options.output, page->bytes);
        else
            writePng(options.output, *page, options.dpi, printer.screenPpi(), bareMetafile);
        break;
    }
    }
}

bool hasSuffix(const QString& path, const char* suffix)
{
    return QFileInfo(path).suffix().compare(QLatin1String(suffix), Qt::CaseInsensitive) == 0;
}

// A saved report, or a bare metafile (.emf, .wmf) taken as a report of one page.
bool isReportFile(const QString& path)
{
    return hasSuffix(path, "rpf") || hasSuffix(path, "emf") || hasSuffix(path, "wmf");
}

int convertReportFile(const Options& options, std::optional<Format> format)
{
    report::TRpPrinter printer(report::TRpPrinterDestination::PageStore, platform::screenPpi());
    const QString& input = options.inputs.front();
    if (hasSuffix(input, "rpf")) {
        printer.Load(input);
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
        reportJob(options, id);
        return 0;
    }
    writePages(options, format, printer, !hasSuffix(input, "rpf"));
    return 0;
}

// What is wrong with a value of a file, for messages, by the kind of problem.
QString problemText(const transfer::FileValueProblem& problem)
{
    static const char* const texts[] = {
        "the amount \"%1\" is no number", // UnreadableAmount
        "the amount \"%1\" reads as two numbers; write it with a decimal comma only", // AmbiguousAmount
        "the date \"%1\" is no date", // UnreadableDate
    };
    return QString::fromUtf8(texts[std::size_t(problem.kind)]).arg(problem.value);
}

// The one transfer of a transfer file. An amount that reads two ways stops the run: printing either
// reading could multiply it; other values that cannot be read are warned about.
transfer::TransferEditorValues readTransferFile(const QString& path)
{
    const transfer::TransferFileValues file
        = transfer::parseTransferFile(platform::readWholeFile(path, platform::ShareMode::DenyWrite));
    const QString inputName = QFileInfo(path).absoluteFilePath();
    if (file.keysFound == 0)
        throw platform::Error(QStringLiteral("The file \"%1\" holds no transfer data").arg(inputName));
    std::vector<transfer::FileValueProblem> problems;
    transfer::TransferEditorValues values = transfer::editorValuesFromFile(file, &problems);
    for (const transfer::FileValueProblem& problem : problems) {
        const QString where = QStringLiteral("%1, line %2").arg(inputName).arg(problem.line);
        if (problem.kind == transfer::FileValueProblem::Kind::AmbiguousAmount)
            throw platform::Error(QStringLiteral("%1: %2").arg(where, problemText(problem)));
        const char* shown
            = problem.kind == transfer::FileValueProblem::Kind::UnreadableDate ? "today's" : "0,00";
        std::fprintf(stderr, "przelew-render: warning: %s: %s; the form shows %s\n", qPrintable(where),
            qPrintable(problemText(problem)), shown);
    }
    return values;
}

// The transfers of a CSV file, in order. A row that cannot be read stops the run, or with
// --skip-bad-rows is named on standard error and left out.
std::vector<transfer::TransferEditorValues> readCsvFile(
    const QString& path, bool skipBadRows, QStringList& sources)
{
    const QString inputName = QFileInfo(path).absoluteFilePath();
    transfer::CsvTransfers csv;
    try {
        csv = transfer::parseCsvTransfers(platform::readWholeFile(path, platform::ShareMode::DenyWrite));
    } catch (const platform::Error& error) {
        throw platform::Error(QStringLiteral("%1: %2").arg(inputName, error.message()));
    }
    if (!csv.unknownColumns.isEmpty())
        std::fprintf(stderr, "przelew-render: %s: columns ignored: %s\n", qPrintable(inputName),
            qPrintable(csv.unknownColumns.join(QStringLiteral(", "))));
    std::vector<transfer::TransferEditorValues> transfers;
    for (const transfer::CsvRow& row : csv.rows) {
        if (!row.readable()) {
            QString reason;
            if (row.fault == transfer::CsvRow::Fault::Quoting)
                reason = QStringLiteral("the row's quotes do not pair up");
            else if (row.fault == transfer::CsvRow::Fault::TooManyFields)
                reason = QStringLiteral("the row has more fields than the header names");
            else
                reason = problemText(row.problems.front());
            const QString message
                = QStringLiteral("%1, line %2: %3").arg(inputName).arg(row.line).arg(reason);
            if (!skipBadRows)
                throw platform::Error(message);
            std::fprintf(stderr, "przelew-render: skipped %s\n", qPrintable(message));
            continue;
        }
        transfers.push_back(row.editors);
        sources << QStringLiteral("%1, line %2").arg(inputName).arg(row.line);
    }
    return transfers;
}

bool isCsvFile(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
}

// Prints the report's pages as one job, or generates them into a page store and writes the output.
// Returns where the pages went: the job ("QUEUE-ID") or the file written.
QString printOrWrite(report::TRpReport& rp, const Options& options, std::optional<Format> format)
{
    if (options.print) {
        rp.PrinterSettings.PrinterIndex = queueIndex(options.queue);
        rp.ShowProgress = false;
        // Without any printer the report would quietly print nothing: say why.
        if (report::globalPrinter().printers().empty())
            report::globalPrinter().setPrinterIndex(rp.PrinterSettings.PrinterIndex);
        return reportJob(options, report::printGeneratedReport(rp));
    }
    report::TRpPrinter printer(report::TRpPrinterDestination::PageStore, platform::screenPpi());
    rp.GenerateReport(printer);
    writePages(options, format, printer);
    return QFileInfo(options.output).absoluteFilePath();
}

// The calibration sheet, written or printed as the transfers would be.
int renderCalibrationSheet(const Options& options, std::optional<Format> format)
{
    printout::TCalibrationSheet sheet;
    sheet.rp.Placement = options.placement;
    printOrWrite(sheet.rp, options, format);
    return 0;
}

// With --log the transfers written go into the transfer log. A log that fails is told, and the output
// stands.
void logTransfers(const std::vector<transfer::TransferEditorValues>& transfers, const QStringList& sources,
    const Options& options, const QString& target)
{
    transfer::TransferLog log;
    std::vector<transfer::LogEntry> entries;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (std::size_t i = 0; i < transfers.size(); ++i) {
        transfer::LogEntry e;
        e.when = now;
        e.how = QStringLiteral("przelew-render");
        e.target = target;
        e.form = printout::formKindName(options.form);
        e.values = transfers[i];
        e.source = sources[qsizetype(i)];
        entries.push_back(e);
    }
    if (!log.isOpen() || !log.record(entries))
        std::fprintf(
            stderr, "przelew-render: warning: %s; the transfers are not logged\n", qPrintable(log.problem()));
    else if (!log.problem().isEmpty())
        std::fprintf(stderr, "przelew-render: warning: %s\n", qPrintable(log.problem()));
}

// The pay-by-phone code of the input's first transfer, as a PNG or an SVG.
int renderPaymentCode(const Options& options)
{
    const QString& input = options.inputs.front();
    QStringList sources;
    const std::vector<transfer::TransferEditorValues> transfers = isCsvFile(input)
        ? readCsvFile(input, options.skipBadRows, sources)
        : std::vector { readTransferFile(input) };
    if (transfers.empty())
        throw platform::Error(QStringLiteral("There is no transfer to print"));
    QString problem;
    const std::optional<QString> payload
        = transfer::paymentCodePayload(transfers.front(), options.taxNumber, &problem);
    if (!payload)
        throw platform::Error(QStringLiteral("%1: %2").arg(QFileInfo(input).absoluteFilePath(), problem));
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
    std::fprintf(stdout, "%s\n", qPrintable(*payload));
    return 0;
}

int render(const Options& options, std::optional<Format> format)
{
    if (options.qr)
        return renderPaymentCode(options);
    if (options.calibration)
        return renderCalibrationSheet(options, format);
    if (options.inputs.size() == 1 && isReportFile(options.inputs.front()))
        return convertReportFile(options, format);
    std::vector<transfer::TransferEditorValues> transfers;
    QStringList sources; // where each transfer comes from, for messages
    for (const QString& input : options.inputs) {
        if (isReportFile(input))
            throw platform::Error(
                QStringLiteral("A saved report file is converted on its own, without other inputs: %1")
                    .arg(input));
        if (isCsvFile(input)) {
            std::vector<transfer::TransferEditorValues> rows
                = readCsvFile(input, options.skipBadRows, sources);
            transfers.insert(transfers.end(), rows.begin(), rows.end());
        } else {
            transfers.push_back(readTransferFile(input));
            sources << QFileInfo(input).absoluteFilePath();
        }
    }
    if (transfers.empty())
        throw platform::Error(QStringLiteral("There is no transfer to print"));
    for (transfer::TransferEditorValues& values : transfers)
        values.payerAccount = options.payerAccount;

    data::TDM2 dm;
    printout::TfrPrzelNew form(dm.mtPlat);
    form.setFormKind(options.form);
    form.setValuesOnly(options.dataOnly);
    form.rp.PrinterSettings.NoScaling = options.dataOnly;
    form.rp.Placement = options.placement;
    for (std::size_t i = 0; i < transfers.size(); ++i) {
        const QString& source = sources[qsizetype(i)];
        if (options.form == printout::FormKind::Deposit) {
            if (const std::optional<QString> problem = form.depositProblem(transfers[i].amount.value_or(0)))
                throw platform::Error(QStringLiteral("%1: %2").arg(source, *problem));
        }
        // What the form cuts or cannot print is told, and printed all the same.
        for (const printout::FieldWarning& warning : form.fieldWarnings(transfers[i], options.form))
            std::fprintf(stderr, "przelew-render: warning: %s: %s\n", qPrintable(source),
                qPrintable(printout::warningText(warning)));
    }
    transfer::writeTransferRecords(dm, transfers);
    // One page for each transfer; one transfer keeps the form exactly as the main window prints it.
    if (transfers.size() > 1)
        form.DetailBand1->ForceNewPage = true;
    const QString target = printOrWrite(form.rp, options, format);
    if (options.log)
        logTransfers(transfers, sources, options, target);
    return 0;
}

// Reads the command line into options; with no options the exit status to end with (0 after --help,
// 2 after a usage message). Both "--option VALUE" and "--option=VALUE" are taken.
int parseArguments(QStringList args, std::optional<Options>& parsed)
{
    // "--print" takes an optional queue, which the parser cannot express: "--print=QUEUE" is split here,
    // and "--print QUEUE INPUT" is told from "--print INPUT" by the number of words that follow.
    Options options;
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i].startsWith(QLatin1String("--print="))) {
            options.queue = args[i].mid(8);
            options.queueGiven = true;
            args[i] = QStringLiteral("--print");
        }
    }
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList { QStringLiteral("help"), QStringLiteral("h") });
    const QCommandLineOption print(QStringLiteral("print"));
    const QCommandLineOption page(QStringLiteral("page"), QString(), QStringLiteral("N"));
    const QCommandLineOption dpi(QStringLiteral("dpi"), QString(), QStringLiteral("N"));
    const QCommandLineOption payer(QStringLiteral("payer-account"), QString(), QStringLiteral("TEXT"));
    const QCommandLineOption skipBadRows(QStringLiteral("skip-bad-rows"));
    const QCommandLineOption form(QStringLiteral("form"), QString(), QStringLiteral("KIND"));
    const QCommandLineOption dataOnly(QStringLiteral("data-only"));
    const QCommandLineOption offset(QStringLiteral("offset"), QString(), QStringLiteral("X,Y"));
    const QCommandLineOption scale(QStringLiteral("scale"), QString(), QStringLiteral("P"));
    const QCommandLineOption calibration(QStringLiteral("calibration"));
    const QCommandLineOption qr(QStringLiteral("qr"));
    const QCommandLineOption logOption(QStringLiteral("log"));
    const QCommandLineOption nip(QStringLiteral("nip"), QString(), QStringLiteral("DIGITS"));
    parser.addOptions({ help, print, page, dpi, payer, skipBadRows, form, dataOnly, offset, scale,
        calibration, qr, nip, logOption });
    if (!parser.parse(args)) {
        if (!parser.unknownOptionNames().isEmpty())
            return usage(
                qPrintable(QStringLiteral("unknown option --") + parser.unknownOptionNames().constFirst()));
        // A value missing after an option that takes one.
        for (const QString& name : { QStringLiteral("page"), QStringLiteral("dpi"),
                 QStringLiteral("payer-account"), QStringLiteral("form") }) {
            if (parser.errorText().contains(QStringLiteral("'--%1'").arg(name)))
                return usage(qPrintable(QStringLiteral("--") + name + QStringLiteral(" needs a value")));
        }
        return usage(qPrintable(parser.errorText()));
    }
    if (parser.isSet(help)) {
        std::fputs(usageText, stdout);
        return 0;
    }
    options.print = parser.isSet(print);
    options.skipBadRows = parser.isSet(skipBadRows);
    options.positional = parser.positionalArguments();
    if (parser.isSet(page)) {
        bool ok = false;
        options.page = parser.value(page).toInt(&ok);
        if (!ok || options.page < 1)
            return usage("--page takes a whole number from 1");
    }
    if (parser.isSet(dpi)) {
        bool ok = false;
        options.dpi = parser.value(dpi).toInt(&ok);
        if (!ok || options.dpi < 24 || options.dpi > 1200)
            return usage("--dpi takes a whole number from 24 to 1200");
    }
    if (parser.isSet(payer))
        options.payerAccount = parser.value(payer);
    if (parser.isSet(form)) {
        const std::optional<printout::FormKind> kind = printout::formKindNamed(parser.value(form).toLower());
        if (!kind)
            return usage("--form takes przelew or wplata");
        options.form = *kind;
    }
    options.dataOnly = parser.isSet(dataOnly);
    options.calibration = parser.isSet(calibration);
    options.qr = parser.isSet(qr);
    options.log = parser.isSet(logOption);
    options.taxNumber = parser.value(nip);
    if (parser.isSet(offset)) {
        const QStringList xy = parser.value(offset).split(QLatin1Char(','));
        bool xRead = false, yRead = false;
        const double x = xy.size() == 2 ? xy[0].trimmed().toDouble(&xRead) : 0;
        const double y = xy.size() == 2 ? xy[1].trimmed().toDouble(&yRead) : 0;
        if (!xRead || !yRead || std::abs(x) > 100 || std::abs(y) > 100)
            return usage("--offset takes two millimetre values from -100 to 100: --offset 2.0,-1.5");
        options.placement.OffsetX = std::lround(x * 10);
        options.placement.OffsetY = std::lround(y * 10);
    }
    if (parser.isSet(scale)) {
        bool ok = false;
        options.placement.ScalePercent = parser.value(scale).toInt(&ok);
        if (!ok || options.placement.ScalePercent < 90 || options.placement.ScalePercent > 110)
            return usage("--scale takes a whole number from 90 to 110");
    }
    parsed = options;
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // The renderer never shows a window; offscreen also fixes the page resolution at 96 ppi.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::loadApplicationFonts();
    platform::keepFreedMemoryForReuse();

    std::optional<Options> parsed;
    if (const int status = parseArguments(QCoreApplication::arguments(), parsed); !parsed)
        return status;
    Options options = *parsed;
    const QStringList positional = options.positional;
    std::optional<Format> format;
    if (options.qr) {
        if (options.print || positional.size() != 2)
            return usage("with --qr give one input file and one output file (.png or .svg)");
        options.inputs = positional.mid(0, 1);
        options.output = positional.back();
        const QString suffix = QFileInfo(options.output).suffix().toLower();
        if (suffix != QLatin1String("png") && suffix != QLatin1String("svg"))
            return usage("with --qr the output file must end in .png or .svg");
    } else if (options.calibration) {
        // "--calibration OUTPUT" or "--calibration --print [QUEUE]": no inputs.
        if (options.print) {
            if (positional.size() > 1)
                return usage("with --calibration --print give at most the queue");
            if (!options.queueGiven && !positional.isEmpty())
                options.queue = positional.front();
        } else {
            if (positional.size() != 1)
                return usage("with --calibration give one output file");
            options.output = positional.front();
            format = formatOf(options.output);
            if (!format)
                return usage("the output file must end in .rpf, .emf, .png or .pdf");
        }
    } else if (options.print) {
        // "--print QUEUE INPUT..." (or "--print=QUEUE INPUT...") names a queue: a first word that is no
        // file is the queue. "--print INPUT..." prints on the default printer.
        options.inputs = positional;
        if (!options.queueGiven && positional.size() >= 2 && !QFileInfo::exists(positional.front()))
            options.queue = options.inputs.takeFirst();
        // A word naming a PDF, PNG or EMF is an output file, which printing has none of.
        const bool outputGiven
            = std::any_of(options.inputs.begin(), options.inputs.end(), [](const QString& input) {
                  const std::optional<Format> f = formatOf(input);
                  return f && *f != Format::Rpf;
              });
        if (options.inputs.isEmpty() || outputGiven)
            return usage("with --print give the input files and no output file");
    } else {
        if (positional.size() < 2)
            return usage("give the input files and one output file");
        options.inputs = positional.mid(0, positional.size() - 1);
        options.output = positional.back();
        format = formatOf(options.output);
        if (!format)
            return usage("the output file must end in .rpf, .emf, .png or .pdf");
    }

    try {
        return render(options, format);
    } catch (const platform::Error& error) {
        std::fprintf(stderr, "przelew-render: %s\n", qPrintable(error.message()));
        return 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "przelew-render: %s\n", error.what());
        return 1;
    }
}
