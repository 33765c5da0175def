// SPDX-License-Identifier: GPL-2.0-or-later
// The paper table (sizes in millimetres in portrait, Windows paper codes, Qt page size ids) and the bin
// table (paper sources and their Windows codes): one data table each.
#pragma once

#include <QPageSize>
#include <optional>
#include <span>

namespace report {

enum class TRpPaperSize {
    Default,
    Letter,
    LetterSmall,
    Tabloid,
    Ledger,
    Legal,
    Statement,
    Executive,
    A3,
    A4,
    A4Small,
    A5,
    B4,
    B5,
    Folio,
    Quarto,
    rp10X14,
    rp11X17,
    Note,
    Env9,
    Env10,
    Env11,
    Env12,
    Env14,
    CSheet,
    DSheet,
    ESheet,
    Custom
};

struct TRpPaperInfo {
    TRpPaperSize size;
    const char* name;
    double widthMm; // portrait; 0 for Default and Custom
    double lengthMm;
    int windowsCode;
    QPageSize::PageSizeId pageSizeId; // QPageSize::Custom where Qt has no matching size
};

// The whole table in enumeration order (Default first, Custom last).
std::span<const TRpPaperInfo> paperTable();
const TRpPaperInfo& paperInfo(TRpPaperSize size);
std::optional<TRpPaperSize> paperSizeFromWindowsCode(int code);

enum class TRpBin {
    First,
    Upper,
    Lower,
    Middle,
    Manual,
    Envelope,
    EnvManual,
    Auto,
    Tractor,
    SmallFormat,
    LargeFormat,
    LargeCapacity,
    Cassette,
    Last
};

struct TRpBinInfo {
    TRpBin bin;
    const char* name;
    int windowsCode;
};

std::span<const TRpBinInfo> binTable();
int binWindowsCode(TRpBin bin);
// The first bin of the table with that code (First for 1, Cassette for 14).
std::optional<TRpBin> binFromWindowsCode(int code);

} // namespace report
