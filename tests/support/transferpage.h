// SPDX-License-Identifier: GPL-2.0-or-later
// The page of the transfer order for reports built in tests and benchmarks: A4 landscape with the
// order's margins (6.0 mm top, 7.62 mm bottom, 7.0 mm left and right), at a given screen resolution.
#pragma once

#include "report/rpreport.h"

namespace testsupport {

inline void setTransferPage(report::TRpReport& rp, int ppi)
{
    rp.setScreenPpi(ppi);
    rp.Page.setPaperSize(report::TRpPaperSize::A4);
    rp.Page.setOrientation(report::poLandscape);
    rp.Page.setBottomMargin(76.2L);
    rp.Page.setTopMargin(60);
    rp.Page.setLeftMargin(70);
    rp.Page.setRightMargin(70);
}

} // namespace testsupport
