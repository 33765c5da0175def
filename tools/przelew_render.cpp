// przelew-render: renders a transfer data file, read with the program's own import rules and filled into
// the record as the print command fills it, to a report file, an EMF page, a PNG or a PDF, or prints it
// through the spooler, without a window. A saved report file is converted or printed the same way.
#include "transfer/transferrecord.h"
#include "data/dm2.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/metafile.h"
#include "platform/printer.h"
#include "printout/frprzelnew.h"
#include "report/rpprint.h"
#include "report/rpprinter.h"
#include "report/rpprintertarget.h"
#include "report/rpreport.h"
#include "report/rpreportfile.h"

#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <cmath>
#include <cstdio>
#include <optional>

namespace {

const char usageText[] = R"(Usage: przelew-render [--payer-account TEXT] [--dpi N] [--page N] INPUT OUTPUT
       przelew-render [--payer-account TEXT] --print [QUEUE] INPUT

Renders the transfer order of a transfer data file (key=value lines in code page 1250 or UTF-8: NDNazwa,
NDKONTOKONTR, NDKonto, Kwota, WCNazwa, Tytulem, Data) without opening a window. The file is read with the
program's import rules and the record is filled as the print command fills it; the amount and the date
are read and printed the Polish way whatever the language settings, and an amount that reads as two
different numbers ("1,234") is refused. INPUT may also be a saved report file (.rpf), whose stored pages
are converted or printed as they are.

OUTPUT is written by its extension:
  .rpf   the page store's bytes, as a report file the preview can load
  .emf   the page as an enhanced metafile
  .png   the page drawn at 96 pixels per inch (or --dpi N)
  .pdf   the pages as a vector PDF
With --print there is no OUTPUT: the report is printed through the spooler on QUEUE, or on the
default printer when no queue is named, and the spooler's request id is written to standard output.

Options:
  --payer-account TEXT   the payer's account number, as typed into the main window (default: empty)
  --dpi N                resolution of a PNG, 24 to 1200 (default: 96)
  --page N               the page an .emf or .png shows, from 1 (default: 1)
  --print [QUEUE]        print instead of writing a file
  --help                 show this text

Exit status: 0 on success, 2 for bad arguments, 1 when a file cannot be read or written, holds no
transfer or no page, or gives an amount that reads two ways.
)";

struct Options {
    QString payerAccount;
    int dpi = 96;
    int page = 1;
    bool print = false;
    QString queue; // empty: the default printer
    QString input;
    QString output;
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

void writePng(const QString& path, const report::TRpGeneratedPage& page, int dpi, int screenPpi)
{
    const QSize size(int(std::lround(double(page.sizePx.width()) * dpi / screenPpi)),
        int(std::lround(double(page.sizePx.height()) * dpi / screenPpi)));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMeter = int(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    {
        QPainter painter(&image);
        platform::playMetafile(page.bytes, painter, QRectF(QPointF(0, 0), QSizeF(size)));
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

void reportJob(const Options& options, int id)
{
    if (id <= 0)
        throw platform::EPrinter(QStringLiteral("Nothing was printed"));
    const QString queue = options.queue.isEmpty() ? report::globalPrinter().printer().device : options.queue;
    std::fprintf(stdout, "request id is %s-%d\n", qPrintable(queue), id);
}

void writePages(const Options& options, Format format, report::TRpPrinter& printer)
{
    switch (format) {
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
            writePng(options.output, *page, options.dpi, printer.screenPpi());
        break;
    }
    }
}

bool isReportFile(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("rpf"), Qt::CaseInsensitive) == 0;
}

int convertReportFile(const Options& options, std::optional<Format> format)
{
    report::TRpPrinter printer(report::TRpPrinterDestination::PageStore, platform::screenPpi());
    printer.Load(options.input);
    // A blank page or an empty job would pass for a converted report.
    if (printer.PagesStarted() == 0)
        throw platform::Error(QStringLiteral("The report file \"%1\" holds no page")
                                  .arg(QFileInfo(options.input).absoluteFilePath()));
    if (options.print) {
        report::TRpReport settings;
        settings.PrinterSettings.PrinterIndex = queueIndex(options.queue);
        printer.setMaster(&settings);
        const int id = report::printLoadedReport(printer);
        printer.setMaster(nullptr);
        reportJob(options, id);
        return 0;
    }
    writePages(options, *format, printer);
    return 0;
}

int render(const Options& options, std::optional<Format> format)
{
    if (isReportFile(options.input))
        return convertReportFile(options, format);
    const TransferFileValues file
        = parseTransferFile(platform::readWholeFile(options.input, platform::ShareMode::DenyWrite));
    const QString inputName = QFileInfo(options.input).absoluteFilePath();
    if (file.keysFound == 0)
        throw platform::Error(QStringLiteral("The file \"%1\" holds no transfer data").arg(inputName));
    std::vector<FileValueProblem> problems;
    TransferEditorValues values = editorValuesFromFile(file, &problems);
    values.payerAccount = options.payerAccount;
    for (const FileValueProblem& problem : problems) {
        const QString where = QStringLiteral("%1, line %2").arg(inputName).arg(problem.line);
        switch (problem.kind) {
        case FileValueProblem::Kind::AmbiguousAmount:
            // Printing either reading could multiply the amount.
            throw platform::Error(QStringLiteral("%1: the amount \"%2\" reads as two different numbers; "
                                                 "write it with a decimal comma and no thousands separator")
                                      .arg(where, problem.value));
        case FileValueProblem::Kind::UnreadableAmount:
            std::fprintf(stderr, "przelew-render: warning: %s: the amount \"%s\" is no number; the form shows 0,00\n",
                qPrintable(where), qPrintable(problem.value));
            break;
        case FileValueProblem::Kind::UnreadableDate:
            std::fprintf(stderr, "przelew-render: warning: %s: the date \"%s\" is no date; the form shows today's\n",
                qPrintable(where), qPrintable(problem.value));
            break;
        }
    }

    data::TDM2 dm;
    printout::TfrPrzelNew form(dm.mtPlat);
    writeTransferRecord(dm, values);

    if (options.print) {
        form.rp.PrinterSettings.PrinterIndex = queueIndex(options.queue);
        form.rp.ShowProgress = false;
        // Without any printer the report would quietly print nothing: say why.
        if (report::globalPrinter().printers().empty())
            report::globalPrinter().setPrinterIndex(form.rp.PrinterSettings.PrinterIndex);
        reportJob(options, report::printGeneratedReport(form.rp));
        return 0;
    }

    report::TRpPrinter printer(report::TRpPrinterDestination::PageStore, platform::screenPpi());
    form.rp.GenerateReport(printer);
    writePages(options, *format, printer);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // The renderer never shows a window; offscreen also fixes the page resolution at 96 ppi.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::loadApplicationFonts();

    Options options;
    QStringList positional;
    int queueCandidate = -1; // the place in positional of the word right after --print
    const QStringList args = QCoreApplication::arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            std::fputs(usageText, stdout);
            return 0;
        }
        if (arg == QLatin1String("--print")) {
            options.print = true;
            if (i + 1 < args.size() && !args.at(i + 1).startsWith(QLatin1String("--"))) {
                queueCandidate = int(positional.size());
                positional << args.at(++i);
            }
            continue;
        }
        if (arg == QLatin1String("--page")) {
            if (i + 1 >= args.size())
                return usage("--page needs a value");
            bool ok = false;
            options.page = args.at(++i).toInt(&ok);
            if (!ok || options.page < 1)
                return usage("--page takes a whole number from 1");
            continue;
        }
        if (arg == QLatin1String("--payer-account") || arg == QLatin1String("--dpi")) {
            if (i + 1 >= args.size())
                return usage(qPrintable(arg + QStringLiteral(" needs a value")));
            const QString value = args.at(++i);
            if (arg == QLatin1String("--payer-account")) {
                options.payerAccount = value;
            } else {
                bool ok = false;
                options.dpi = value.toInt(&ok);
                if (!ok || options.dpi < 24 || options.dpi > 1200)
                    return usage("--dpi takes a whole number from 24 to 1200");
            }
        } else if (arg.startsWith(QLatin1String("--"))) {
            return usage(qPrintable(QStringLiteral("unknown option ") + arg));
        } else {
            positional << arg;
        }
    }
    std::optional<Format> format;
    if (options.print) {
        // "--print QUEUE INPUT" names a queue; "--print INPUT" prints on the default printer.
        if (positional.size() == 2 && queueCandidate == 0) {
            options.queue = positional.at(0);
            options.input = positional.at(1);
        } else if (positional.size() == 1) {
            options.input = positional.at(0);
        } else {
            return usage("with --print give one input file and no output file");
        }
    } else {
        if (positional.size() != 2)
            return usage("give one input file and one output file");
        options.input = positional.at(0);
        options.output = positional.at(1);
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
