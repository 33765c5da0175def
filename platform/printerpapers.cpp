// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/printerpapers.h"

#include <QSizeF>

namespace platform {

const std::vector<PaperCode>& paperCodes()
{
    // Sizes as Windows defines the codes; where Qt's name differs from the Windows one, the Qt size
    // with the same millimetres is chosen (Folio 8.5 x 13 in is Qt's FanFoldGermanLegal, 11 x 17 in
    // is Tabloid, the C, D and E sheets are the ANSI sizes).
    static const std::vector<PaperCode> table = {
        { 1, QPageSize::Letter },
        { 2, QPageSize::Letter }, // "letter small": same paper, smaller printable area
        { 3, QPageSize::Tabloid },
        { 4, QPageSize::Ledger },
        { 5, QPageSize::Legal },
        { 6, QPageSize::Statement },
        { 7, QPageSize::Executive },
        { 8, QPageSize::A3 },
        { 9, QPageSize::A4 },
        { 10, QPageSize::A4 }, // "A4 small"
        { 11, QPageSize::A5 },
        { 12, QPageSize::B4 },
        { 13, QPageSize::JisB5 },
        { 14, QPageSize::FanFoldGermanLegal },
        { 15, QPageSize::Quarto },
        { 16, QPageSize::Imperial10x14 },
        { 17, QPageSize::Tabloid },
        { 18, QPageSize::Note },
        { 19, QPageSize::Envelope9 },
        { 20, QPageSize::Envelope10 },
        { 21, QPageSize::Envelope11 },
        { 22, QPageSize::Envelope12 },
        { 23, QPageSize::Envelope14 },
        { 24, QPageSize::AnsiC },
        { 25, QPageSize::AnsiD },
        { 26, QPageSize::AnsiE },
    };
    return table;
}

std::optional<QPageSize::PageSizeId> pageSizeForPaperCode(int code)
{
    for (const PaperCode& p : paperCodes()) {
        if (p.code == code)
            return p.page;
    }
    if (code <= 0 || code == kPaperCustom)
        return std::nullopt;
    const QPageSize::PageSizeId id = QPageSize::id(code);
    if (id == QPageSize::Custom)
        return std::nullopt;
    return id;
}

int paperCodeForPageSize(const QPageSize& size)
{
    if (!size.isValid())
        return kPaperCustom;
    // A size the printer names itself ("A4" from a driver) has its standard id; a size given only
    // by its dimensions is matched to a standard one of the same millimetres.
    QPageSize::PageSizeId id = size.id();
    if (id == QPageSize::Custom)
        id = QPageSize::id(size.size(QPageSize::Millimeter), QPageSize::Millimeter, QPageSize::FuzzyMatch);
    for (const PaperCode& p : paperCodes()) {
        if (p.page == id)
            return p.code;
    }
    const int windows = QPageSize::windowsId(id);
    return windows > 0 && id != QPageSize::Custom ? windows : kPaperCustom;
}

namespace {

struct SourceKeyword {
    int source;
    const char* keyword;
};

// PWG 5100.7 media-source keywords; the spooler maps them to the driver's own input slots.
constexpr SourceKeyword sourceKeywords[] = {
    { binUpper, "top" },
    { binLower, "bottom" },
    { binMiddle, "middle" },
    { binManual, "manual" },
    { binEnvelope, "envelope" },
    { binEnvManual, "by-pass-tray" },
    { binAuto, "auto" },
    { binLargeCapacity, "large-capacity" },
    { binCassette, "main" },
};

} // namespace

QString mediaSourceForPaperSource(int source)
{
    const int bin = source & ~binUserFlag;
    if (bin == binAuto)
        return {};
    for (const SourceKeyword& s : sourceKeywords) {
        if (s.source == bin)
            return QString::fromLatin1(s.keyword);
    }
    return {};
}

int paperSourceForMediaSource(const QString& keyword)
{
    for (const SourceKeyword& s : sourceKeywords) {
        if (keyword.compare(QLatin1String(s.keyword), Qt::CaseInsensitive) == 0)
            return s.source;
    }
    return binAuto;
}

} // namespace platform
