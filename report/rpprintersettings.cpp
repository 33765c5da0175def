// SPDX-License-Identifier: GPL-2.0-or-later
#include "report/rpprintersettings.h"

#include <QRegularExpression>

namespace report {

void TRpDeviceSettings::setPaper(TRpPaperSize size)
{
    paperSize = size;
    if (size == TRpPaperSize::Default || size == TRpPaperSize::Custom)
        return;
    const TRpPaperInfo& info = paperInfo(size);
    paperWidth = (long double)info.widthMm * 10.0L;
    paperLength = (long double)info.lengthMm * 10.0L;
}

long double TRpDeviceSettings::orientedWidth() const
{
    return orientation == poLandscape ? paperLength : paperWidth;
}

long double TRpDeviceSettings::orientedLength() const
{
    return orientation == poLandscape ? paperWidth : paperLength;
}

bool TRpDeviceSettings::pageInRange(int k) const
{
    return (firstPage <= 0 || k >= firstPage) && (lastPage <= 0 || k <= lastPage);
}

std::optional<int> scalePermille(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d{2,3})(?:[.,](\\d))?\\s*$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const int permille = m.captured(1).toInt() * 10 + (m.captured(2).isEmpty() ? 0 : m.captured(2).toInt());
    if (permille < 900 || permille > 1100)
        return std::nullopt;
    return permille;
}

QString scaleText(int permille)
{
    return QStringLiteral("%1.%2").arg(permille / 10).arg(permille % 10);
}

} // namespace report
