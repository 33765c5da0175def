// Fuzz target: loads arbitrary bytes as a report file into a page store, as the preview's Load does, and
// draws every page it then holds (up to 16) with the metafile player. Every failure must be a
// platform::Error with a message; anything else (a crash, a read out of bounds, undefined behaviour)
// is a finding.
#include "platform/error.h"
#include "platform/fonts.h"
#include "emf/metafile.h"
#include "report/rpprinter.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <memory>

namespace {

QString inputFile;
// Never destroyed: libFuzzer leaves through exit(), after which Qt's thread data is gone.
QGuiApplication* application = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application = new QGuiApplication(*argc, *argv);
    platform::loadApplicationFonts();
    inputFile = QDir::temp().filePath(
        QStringLiteral("przelew-fuzz-%1.RPF").arg(QCoreApplication::applicationPid()));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    {
        QFile file(inputFile);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    report::TRpPrinter printer(report::TRpPrinterDestination::PageStore, 96);
    try {
        printer.Load(inputFile);
    } catch (const platform::Error&) {
        return 0;
    }
    QImage image(160, 113, QImage::Format_ARGB32_Premultiplied);
    const int pages = std::min(printer.PagesStarted(), 16);
    for (int n = pages; n >= 1; --n) { // backwards, so the record links are walked too
        try {
            std::optional<report::TRpGeneratedPage> page = printer.PageAt(n);
            if (!page)
                continue;
            image.fill(Qt::white);
            QPainter painter(&image);
            emf::playMetafile(page->bytes, painter, QRectF(0, 0, image.width(), image.height()));
        } catch (const platform::Error&) {
        }
    }
    return 0;
}
