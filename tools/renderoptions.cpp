// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/renderoptions.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace tools {

const char UsageText[] = R"(Usage: przelew-render [options] INPUT... OUTPUT
       przelew-render [options] --print [QUEUE] INPUT...

Renders transfer orders without opening a window, one page per transfer, in the order given. An INPUT is
a transfer data file (key=value lines in code page 1250 or UTF-8: NDNazwa recipient name, NDKONTOKONTR
the recipient account's two check digits, NDKonto the rest of the recipient account (or all of it), Kwota,
WCNazwa payer name, Tytulem, Data) or a CSV file (.csv) whose header row names those keys or the common
Polish column names ("Nazwa odbiorcy", "Rachunek odbiorcy", "Kwota", "Tytuł" ...), one transfer a row
(';', ',' or tab between fields, quoted as RFC 4180 has it). Every value is read with the program's
import rules and the records are filled as the print command fills them. INPUT may also be one saved
report file (.rpf), whose stored pages are converted or printed as they are, or one metafile (.emf, or a
placeable .wmf), taken as a report of one page.

Amounts are read the same way whatever the language settings: a decimal comma or point, thousands
grouped by blanks or by the other of the two ("1 234,50", "1.234,50", "1,234.50"), an exponent after plain
digits ("1e3"). An amount is refused when it is empty, no number ("100,-", "250 zł"), zero or negative,
has a third decimal other than 0 ("12,345"), reads as two numbers ("1,234": one comma or point before
three digits), or is above 999 999 999 999,99. A transfer is refused, too, without a recipient name or
account, with a date that is no date, or with a recipient account that fails its check digits (unless
--accept-bad-accounts). Every refused transfer is named on standard error by file, line and field, and
nothing is written; --skip-bad-rows leaves them out instead.

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
  --scale P              stretch positions to P per cent (90 to 110, one decimal) about the paper's top-left corner
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
  --skip-bad-rows        leave out the transfers that are refused, naming them on standard error
  --accept-bad-accounts  take recipient accounts whose check digits are wrong (they are still named)
  --help                 show this text

A value the form cuts (a name or title past 54 characters, a recipient account past 32 digits after its
check digits), one that runs past its field towards the next copy, or characters the form cannot print
(they print as "?") are named on standard error, one line per field, and the form is written all the same.

Exit status: 0 on success, 2 for bad arguments, 1 when a file cannot be read or written, holds no
transfer or no page, gives a transfer that is refused (above), or an amount a deposit slip cannot carry.
)";

std::optional<OutputFormat> outputFormatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("rpf"))
        return OutputFormat::Rpf;
    if (suffix == QLatin1String("emf"))
        return OutputFormat::Emf;
    if (suffix == QLatin1String("png"))
        return OutputFormat::Png;
    if (suffix == QLatin1String("pdf"))
        return OutputFormat::Pdf;
    return std::nullopt;
}

namespace {

bool isReportFile(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("rpf") || suffix == QLatin1String("emf") || suffix == QLatin1String("wmf");
}

} // namespace

// Both "--option VALUE" and "--option=VALUE" are taken.
std::optional<RenderOptions> parseRenderArguments(
    const QStringList& words, QTextStream& out, QTextStream& err, int& status)
{
    auto usage = [&err, &status](const QString& problem) -> std::optional<RenderOptions> {
        err << "przelew-render: " << problem << "\n\n" << UsageText;
        err.flush();
        status = 2;
        return std::nullopt;
    };
    QStringList args = words;
    args.prepend(QStringLiteral("przelew-render"));
    bool queueGiven = false; // --print=QUEUE
    // "--print" takes an optional queue, which the parser cannot express: "--print=QUEUE" is split here,
    // and "--print QUEUE INPUT" is told from "--print INPUT" by the number of words that follow.
    RenderOptions options;
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i].startsWith(QLatin1String("--print="))) {
            options.queue = args[i].mid(8);
            queueGiven = true;
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
    const QCommandLineOption acceptBadAccounts(QStringLiteral("accept-bad-accounts"));
    const QCommandLineOption form(QStringLiteral("form"), QString(), QStringLiteral("KIND"));
    const QCommandLineOption dataOnly(QStringLiteral("data-only"));
    const QCommandLineOption offset(QStringLiteral("offset"), QString(), QStringLiteral("X,Y"));
    const QCommandLineOption scale(QStringLiteral("scale"), QString(), QStringLiteral("P"));
    const QCommandLineOption calibration(QStringLiteral("calibration"));
    const QCommandLineOption qr(QStringLiteral("qr"));
    const QCommandLineOption logOption(QStringLiteral("log"));
    const QCommandLineOption nip(QStringLiteral("nip"), QString(), QStringLiteral("DIGITS"));
    parser.addOptions({ help, print, page, dpi, payer, skipBadRows, form, dataOnly, offset, scale,
        calibration, qr, nip, logOption, acceptBadAccounts });
    if (!parser.parse(args)) {
        if (!parser.unknownOptionNames().isEmpty())
            return usage(QStringLiteral("unknown option --") + parser.unknownOptionNames().constFirst());
        // A value missing after an option that takes one.
        for (const QString& name : { QStringLiteral("page"), QStringLiteral("dpi"),
                 QStringLiteral("payer-account"), QStringLiteral("form") }) {
            if (parser.errorText().contains(QStringLiteral("'--%1'").arg(name)))
                return usage(QStringLiteral("--") + name + QStringLiteral(" needs a value"));
        }
        return usage(parser.errorText());
    }
    if (parser.isSet(help)) {
        out << UsageText;
        out.flush();
        status = 0;
        return std::nullopt;
    }
    options.print = parser.isSet(print);
    options.skipBadRows = parser.isSet(skipBadRows);
    options.acceptBadAccounts = parser.isSet(acceptBadAccounts);
    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(page)) {
        bool ok = false;
        options.page = parser.value(page).toInt(&ok);
        if (!ok || options.page < 1)
            return usage(QStringLiteral("--page takes a whole number from 1"));
    }
    if (parser.isSet(dpi)) {
        bool ok = false;
        options.dpi = parser.value(dpi).toInt(&ok);
        if (!ok || options.dpi < 24 || options.dpi > 1200)
            return usage(QStringLiteral("--dpi takes a whole number from 24 to 1200"));
    }
    if (parser.isSet(payer))
        options.payerAccount = parser.value(payer);
    if (parser.isSet(form)) {
        const std::optional<printout::FormKind> kind = printout::formKindNamed(parser.value(form).toLower());
        if (!kind)
            return usage(QStringLiteral("--form takes przelew or wplata"));
        options.form = *kind;
    }
    options.dataOnly = parser.isSet(dataOnly);
    if (parser.isSet(calibration))
        options.job = RenderOptions::Job::Calibration;
    else if (parser.isSet(qr))
        options.job = RenderOptions::Job::Code;
    options.log = parser.isSet(logOption);
    options.taxNumber = parser.value(nip);
    if (parser.isSet(offset)) {
        const QStringList xy = parser.value(offset).split(QLatin1Char(','));
        bool xRead = false, yRead = false;
        const double x = xy.size() == 2 ? xy[0].trimmed().toDouble(&xRead) : 0;
        const double y = xy.size() == 2 ? xy[1].trimmed().toDouble(&yRead) : 0;
        if (!xRead || !yRead || std::abs(x) > 100 || std::abs(y) > 100)
            return usage(
                QStringLiteral("--offset takes two millimetre values from -100 to 100: --offset 2.0,-1.5"));
        options.placement.OffsetX = std::lround(x * 10);
        options.placement.OffsetY = std::lround(y * 10);
    }
    if (parser.isSet(scale)) {
        const std::optional<int> permille = report::scalePermille(parser.value(scale));
        if (!permille)
            return usage(QStringLiteral(
                "--scale takes a per cent from 90 to 110 with at most one decimal: --scale 100.5"));
        options.placement.ScalePermille = *permille;
    }
    if (options.job == RenderOptions::Job::Code) {
        if (options.print || positional.size() != 2)
            return usage(QStringLiteral("with --qr give one input file and one output file (.png or .svg)"));
        options.inputs = positional.mid(0, 1);
        options.output = positional.back();
        const QString suffix = QFileInfo(options.output).suffix().toLower();
        if (suffix != QLatin1String("png") && suffix != QLatin1String("svg"))
            return usage(QStringLiteral("with --qr the output file must end in .png or .svg"));
    } else if (options.job == RenderOptions::Job::Calibration) {
        // "--calibration OUTPUT" or "--calibration --print [QUEUE]": no inputs.
        if (options.print) {
            if (positional.size() > 1)
                return usage(QStringLiteral("with --calibration --print give at most the queue"));
            if (!queueGiven && !positional.isEmpty())
                options.queue = positional.front();
        } else {
            if (positional.size() != 1)
                return usage(QStringLiteral("with --calibration give one output file"));
            options.output = positional.front();
            options.format = outputFormatOf(options.output);
            if (!options.format)
                return usage(QStringLiteral("the output file must end in .rpf, .emf, .png or .pdf"));
        }
    } else if (options.print) {
        // "--print QUEUE INPUT..." (or "--print=QUEUE INPUT...") names a queue: a first word that is no
        // file is the queue. "--print INPUT..." prints on the default printer.
        options.inputs = positional;
        if (!queueGiven && positional.size() >= 2 && !QFileInfo::exists(positional.front()))
            options.queue = options.inputs.takeFirst();
        // A word naming a PDF, PNG or EMF is an output file, which printing has none of.
        const bool outputGiven
            = std::any_of(options.inputs.begin(), options.inputs.end(), [](const QString& input) {
                  const std::optional<OutputFormat> f = outputFormatOf(input);
                  return f && *f != OutputFormat::Rpf;
              });
        if (options.inputs.isEmpty() || outputGiven)
            return usage(QStringLiteral("with --print give the input files and no output file"));
    } else {
        if (positional.size() < 2)
            return usage(QStringLiteral("give the input files and one output file"));
        options.inputs = positional.mid(0, positional.size() - 1);
        options.output = positional.back();
        options.format = outputFormatOf(options.output);
        if (!options.format)
            return usage(QStringLiteral("the output file must end in .rpf, .emf, .png or .pdf"));
    }

    // One saved report or metafile is converted on its own.
    if (options.job == RenderOptions::Job::Transfers && options.inputs.size() == 1
        && isReportFile(options.inputs.front()))
        options.job = RenderOptions::Job::Convert;
    return options;
}

} // namespace tools
