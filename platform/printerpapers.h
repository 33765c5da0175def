// SPDX-License-Identifier: GPL-2.0-or-later
// Windows paper and paper-source codes as the report engine sends them in device settings, and the
// Qt page sizes and spooler paper sources they stand for on this platform.
#pragma once

#include <QPageSize>
#include <QString>
#include <optional>
#include <vector>

namespace platform {

// Windows paper codes the printer object knows by name; any other code goes through Qt's own list.
inline constexpr int kPaperCustom = 256;
inline constexpr int kPaperA4 = 9;

struct PaperCode {
    int code; // Windows paper code
    QPageSize::PageSizeId page; // the page size the spooler is asked for
};

// Windows paper codes 1 to 26 with their page sizes, in code order.
const std::vector<PaperCode>& paperCodes();

// The page size for a Windows paper code; nothing for 0, 256 (custom) and codes nobody knows.
std::optional<QPageSize::PageSizeId> pageSizeForPaperCode(int code);

// The Windows paper code of a page size: the table first (so A4 is 9, not A4Small), then Qt's list;
// 256 (custom) for a size without code.
int paperCodeForPageSize(const QPageSize& size);

// Windows paper-source (bin) codes.
enum PaperSource : int {
    binUpper = 1,
    binLower = 2,
    binMiddle = 3,
    binManual = 4,
    binEnvelope = 5,
    binEnvManual = 6,
    binAuto = 7,
    binTractor = 8,
    binSmallFormat = 9,
    binLargeFormat = 10,
    binLargeCapacity = 11,
    binCassette = 14,
    // Windows marks a source a driver defines itself with this bit; it is carried through untouched.
    binUserFlag = 256,
};

// The IPP "media-source" keyword for a Windows paper source; empty when the spooler shall choose
// (automatic, or a source IPP has no keyword for).
QString mediaSourceForPaperSource(int source);

// The Windows paper source for an IPP "media-source" keyword; automatic for unknown keywords.
int paperSourceForMediaSource(const QString& keyword);

} // namespace platform
