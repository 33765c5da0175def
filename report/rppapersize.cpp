// SPDX-License-Identifier: GPL-2.0-or-later
#include "report/rppapersize.h"

#include <array>

namespace report {

namespace {

using P = TRpPaperSize;
using Q = QPageSize;

// Each paper with its true size: Executive is 7.25 x 10.5 in, Note is Letter's sheet again, and the C,
// D and E sheets are the ANSI ones.
constexpr std::array<TRpPaperInfo, 28> papers { {
    { P::Default, "Default", 0, 0, 0, Q::Custom },
    { P::Letter, "Letter", 215.9, 279.4, 1, Q::Letter },
    { P::LetterSmall, "LetterSmall", 215.9, 279.4, 2, Q::Letter },
    { P::Tabloid, "Tabloid", 279.4, 431.8, 3, Q::Tabloid },
    { P::Ledger, "Ledger", 431.8, 279.4, 4, Q::Ledger },
    { P::Legal, "Legal", 215.9, 355.6, 5, Q::Legal },
    { P::Statement, "Statement", 139.7, 215.9, 6, Q::Statement },
    { P::Executive, "Executive", 184.15, 266.7, 7, Q::ExecutiveStandard },
    { P::A3, "A3", 297, 420, 8, Q::A3 },
    { P::A4, "A4", 210, 297, 9, Q::A4 },
    { P::A4Small, "A4Small", 210, 297, 10, Q::A4 },
    { P::A5, "A5", 148, 210, 11, Q::A5 },
    { P::B4, "B4", 250, 354, 12, Q::B4 },
    { P::B5, "B5", 182, 257, 13, Q::JisB5 },
    { P::Folio, "Folio", 215.9, 330.2, 14, Q::FanFoldGermanLegal },
    { P::Quarto, "Quarto", 215, 275, 15, Q::Quarto },
    { P::rp10X14, "10X14", 254, 355.6, 16, Q::Imperial10x14 },
    { P::rp11X17, "11X17", 279.4, 431.8, 17, Q::Tabloid },
    { P::Note, "Note", 215.9, 279.4, 18, Q::Note },
    { P::Env9, "Env9", 98.43, 225.4, 19, Q::Envelope9 },
    { P::Env10, "Env10", 104.8, 241.3, 20, Q::Envelope10 },
    { P::Env11, "Env11", 114.3, 263.5, 21, Q::Envelope11 },
    { P::Env12, "Env12", 120.65, 279.4, 22, Q::Envelope12 },
    { P::Env14, "Env14", 127, 292.1, 23, Q::Envelope14 },
    { P::CSheet, "CSheet", 431.8, 558.8, 24, Q::AnsiC },
    { P::DSheet, "DSheet", 558.8, 863.6, 25, Q::AnsiD },
    { P::ESheet, "ESheet", 863.6, 1117.6, 26, Q::AnsiE },
    { P::Custom, "Custom", 0, 0, 256, Q::Custom },
} };

using B = TRpBin;

constexpr std::array<TRpBinInfo, 14> bins { {
    { B::First, "First", 1 },
    { B::Upper, "Upper", 1 },
    { B::Lower, "Lower", 2 },
    { B::Middle, "Middle", 3 },
    { B::Manual, "Manual", 4 },
    { B::Envelope, "Envelope", 5 },
    { B::EnvManual, "EnvManual", 6 },
    { B::Auto, "Auto", 7 },
    { B::Tractor, "Tractor", 8 },
    { B::SmallFormat, "SmallFormat", 9 },
    { B::LargeFormat, "LargeFormat", 10 },
    { B::LargeCapacity, "LargeCapacity", 11 },
    { B::Cassette, "Cassette", 14 },
    { B::Last, "Last", 14 },
} };

} // namespace

std::span<const TRpPaperInfo> paperTable()
{
    return papers;
}

const TRpPaperInfo& paperInfo(TRpPaperSize size)
{
    return papers[std::size_t(size)];
}

std::optional<TRpPaperSize> paperSizeFromWindowsCode(int code)
{
    for (const TRpPaperInfo& info : papers) {
        if (info.windowsCode == code)
            return info.size;
    }
    return std::nullopt;
}

std::span<const TRpBinInfo> binTable()
{
    return bins;
}

int binWindowsCode(TRpBin bin)
{
    return bins[std::size_t(bin)].windowsCode;
}

std::optional<TRpBin> binFromWindowsCode(int code)
{
    for (const TRpBinInfo& info : bins) {
        if (info.windowsCode == code)
            return info.bin;
    }
    return std::nullopt;
}

} // namespace report
