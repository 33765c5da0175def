// Fuzz target: loads arbitrary bytes from memory as a report file into a page store, as the preview's
// Load does, and draws every page it then holds (up to 16) with the metafile player. Every failure must be a
// platform::Error with a message; anything else (a crash, a read out of bounds, undefined behaviour)
// is a finding.
#include "emf/metafile.h"
#include "platform/error.h"
#include "platform/fonts.h"
#include "report/rpprinter.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <memory>

namespace {

// Never destroyed: libFuzzer leaves through exit(), after which Qt's thread data is gone.
QGuiApplication* application = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application = new QGuiApplication(*argc, *argv);
    platform::loadApplicationFonts();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Loaded from memory, as a file would be: no file system in the loop.
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(reinterpret_cast<const char*>(data), qsizetype(size));
    buffer->open(QIODevice::ReadOnly);
    report::TRpPrinter printer(report::TRpPrinterDestination::PageStore, 96);
    try {
        printer.Load(std::move(buffer));
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
