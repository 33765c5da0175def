// SPDX-License-Identifier: GPL-2.0-or-later
// Fuzz target: loads arbitrary bytes from memory as a report file into a page store, as the preview's
// Load does, and draws every page it then holds (up to 16). Bytes that begin as a bare metafile are first
// wrapped into a one-page report file, so the corpus of foreign metafiles seeds this target too.
#include "fuzzsupport.h"
#include "report/rpprinter.h"
#include "report/rpreportfile.h"

#include <QBuffer>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzzsupport::start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    // An EMF begins with record type 1, a placeable WMF with its key.
    if (bytes.startsWith(QByteArray("\x01\x00\x00\x00", 4)) || bytes.startsWith("\xD7\xCD\xC6\x9A"))
        bytes = report::onePageReportFile(bytes);
    // Loaded from memory, as a file would be: no file system in the loop.
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    report::TRpPrinter printer(report::TRpPrinterDestination::PageStore, 96);
    try {
        printer.Load(std::move(buffer));
    } catch (const platform::Error&) {
        return 0;
    }
    const int pages = std::min(printer.PagesStarted(), 16);
    for (int n = pages; n >= 1; --n) {
        try {
            if (std::optional<report::TRpGeneratedPage> page = printer.PageAt(n))
                fuzzsupport::draw(page->bytes);
        } catch (const platform::Error&) {
        }
    }
    return 0;
}
