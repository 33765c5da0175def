// SPDX-License-Identifier: GPL-2.0-or-later
#include "report/rppage.h"

#include <algorithm>

namespace report {

TRpPage::TRpPage()
{
    applyPaper();
}

void TRpPage::setWidth(long double v)
{
    if (m_paperSize == TRpPaperSize::Custom)
        m_values[Width] = v;
}

void TRpPage::setLength(long double v)
{
    if (m_paperSize == TRpPaperSize::Custom)
        m_values[Length] = v;
}

void TRpPage::setPaperSize(TRpPaperSize size)
{
    m_paperSize = size;
    applyPaper();
}

void TRpPage::setOrientation(TRpOrientation orientation)
{
    m_orientation = orientation;
    applyPaper();
}

void TRpPage::applyPaper()
{
    if (m_paperSize == TRpPaperSize::Default || m_paperSize == TRpPaperSize::Custom)
        return;
    const TRpPaperInfo& info = paperInfo(m_paperSize);
    const long double a = (long double)info.widthMm * 10.0L;
    const long double b = (long double)info.lengthMm * 10.0L;
    const long double shorter = std::min(a, b);
    const long double longer = std::max(a, b);
    m_values[Width] = m_orientation == poLandscape ? longer : shorter;
    m_values[Length] = m_orientation == poLandscape ? shorter : longer;
}

} // namespace report
