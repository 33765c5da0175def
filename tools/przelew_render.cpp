// przelew-render: renders a transfer data file, read with the program's own import rules and filled into
// the record as the print command fills it, to a report file, an EMF page, a PNG or a PDF, without a window.
#include "app/transferrecord.h"
#include "data/dm2.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/metafile.h"
#include "printout/frprzelnew.h"
#include "report/rpprinter.h"
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

const char usageText[] = R"(Usage: przelew-render [--payer-account TEXT] [--dpi N] INPUT.txt OUTPUT

Renders the transfer order of a transfer data file (key=value lines in code page 1250: NDNazwa,
NDKONTOKONTR, NDKonto, Kwota, WCNazwa, Tytulem, Data) without opening a window. The file is read with the
program's import rules and the record is filled as the print command fills it.

OUTPUT is written by its extension:
  .rpf   the page store's bytes, as a report file the preview can load
  .emf   the page as an enhanced metafile
  .png   the page drawn at 96 pixels per inch (or --dpi N)
  .pdf   the page as a vector PDF, A4 landscape

Options:
  --payer-account TEXT   the payer's account number, as typed into the main window (default: empty)
  --dpi N                resolution of a PNG, 24 to 1200 (default: 96)
  --help                 show this text

Exit status: 0 on success, 2 for bad arguments, 1 when a file cannot be read or written.
)";

struct Options {
    QString payerAccount;
    int dpi = 96;
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
        throw platform::Error(
            QStringLiteral("Cannot create file \"%1\". %2").arg(QFileInfo(path).absoluteFilePath(), file.errorString()));
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
        throw platform::Error(
            QStringLiteral("Cannot create file \"%1\". %2").arg(QFileInfo(path).absoluteFilePath(), file.errorString()));
    }
}

int render(const Options& options, Format format)
{
    TransferEditorValues values
        = editorValuesFromFile(parseTransferFile(platform::readWholeFile(options.input, platform::ShareMode::DenyWrite)));
    values.payerAccount = options.payerAccount;

    data::TDM2 dm;
    printout::TfrPrzelNew form(dm.mtPlat);
    writeTransferRecord(dm, values);

    report::TRpPrinter printer(report::TRpPrinterDestination::PageStore, platform::screenPpi());
    form.rp.GenerateReport(printer);

    switch (format) {
    case Format::Rpf:
        printer.Save(options.output);
        break;
    case Format::Pdf:
        report::savePdf(printer, options.output);
        break;
    case Format::Emf:
    case Format::Png: {
        const std::optional<report::TRpGeneratedPage> page = printer.PageAt(1);
        if (!page)
            throw platform::Error(QStringLiteral("The report produced no page"));
        if (format == Format::Emf)
            writeBytes(options.output, page->bytes);
        else
            writePng(options.output, *page, options.dpi, printer.screenPpi());
        break;
    }
    }
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
    const QStringList args = QCoreApplication::arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            std::fputs(usageText, stdout);
            return 0;
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
    if (positional.size() != 2)
        return usage("give one input file and one output file");
    options.input = positional.at(0);
    options.output = positional.at(1);
    const std::optional<Format> format = formatOf(options.output);
    if (!format)
        return usage("the output file must end in .rpf, .emf, .png or .pdf");

    try {
        return render(options, *format);
    } catch (const platform::Error& error) {
        std::fprintf(stderr, "przelew-render: %s\n", qPrintable(error.message()));
        return 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "przelew-render: %s\n", error.what());
        return 1;
    }
}
