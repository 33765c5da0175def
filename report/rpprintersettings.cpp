// SPDX-License-Identifier: GPL-2.0-or-later
#include "report/rpprintersettings.h"

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

} // namespace report
