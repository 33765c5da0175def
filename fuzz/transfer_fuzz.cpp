// SPDX-License-Identifier: GPL-2.0-or-later
// Fuzz targets: arbitrary bytes read as a transfer data file (the default), built with PRZELEW_FUZZ_CSV
// as a CSV of many transfers, or built with PRZELEW_FUZZ_INVOICE as a structured invoice's XML; then through
// the real rules into the transfer record, as the print command fills it. Every failure must be a
// platform::Error with a message.
#include "data/dm2.h"
#include "platform/error.h"
#include "transfer/transferreader.h"

#include <QCoreApplication>
#include <cstdint>
#include <string_view>

namespace {

// Never destroyed: libFuzzer leaves through exit().
QCoreApplication* application = nullptr;
data::TDM2* dm = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    application = new QCoreApplication(*argc, *argv);
    dm = new data::TDM2;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
#if defined(PRZELEW_FUZZ_CSV)
        constexpr transfer::SourceKind kind = transfer::SourceKind::Csv;
#elif defined(PRZELEW_FUZZ_INVOICE)
        constexpr transfer::SourceKind kind = transfer::SourceKind::Invoice;
#else
        constexpr transfer::SourceKind kind = transfer::SourceKind::TransferFile;
#endif
        // Through the reader every path uses, then into the record as printing fills it.
        const transfer::SourceTransfers read
            = transfer::readTransferBytes(bytes, kind, QStringLiteral("fuzz"));
        std::vector<transfer::TransferEditorValues> transfers;
        for (const transfer::SourceTransfer& t : read.transfers)
            transfers.push_back(t.values);
        transfer::writeTransferRecords(*dm, transfers);
    } catch (const platform::Error&) {
    }
    return 0;
}
