// SPDX-License-Identifier: GPL-2.0-or-later
// Fuzz targets: arbitrary bytes drawn by the metafile players onto a small image. Built twice: as the
// EMF target the bytes are the metafile; as the WMF target (PRZELEW_FUZZ_WMF) bytes that do not begin
// with the placeable key get a placeable header of an A4-sized box first, so mutations reach the records.
#include "fuzzsupport.h"

#include <QtEndian>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzzsupport::start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
#ifdef PRZELEW_FUZZ_WMF
    if (!bytes.startsWith("\xD7\xCD\xC6\x9A")) {
        char header[22] = {};
        qToLittleEndian<quint32>(0x9AC6CDD7, header);
        qToLittleEndian<qint16>(2100, header + 10); // right
        qToLittleEndian<qint16>(2970, header + 12); // bottom
        qToLittleEndian<quint16>(1440, header + 14); // units per inch
        quint16 checksum = 0;
        for (int i = 0; i < 20; i += 2)
            checksum ^= qFromLittleEndian<quint16>(header + i);
        qToLittleEndian<quint16>(checksum, header + 20);
        bytes.prepend(header, 22);
    }
#endif
    fuzzsupport::draw(bytes);
    return 0;
}
