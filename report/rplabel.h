// SPDX-License-Identifier: GPL-2.0-or-later
// A text set in the layout or by a band's BeforePrint handler.
#pragma once

#include "report/rpcustomlabel.h"

namespace report {

class TRpLabel : public TRpCustomLabel {
public:
    using TRpCustomLabel::TRpCustomLabel;

    // Code-page-1250 bytes, one byte per character. Setting it measures the label at once.
    const std::string& caption() const { return m_caption; }
    void setCaption(const std::string& caption);

    void PrepareOutput() override;

private:
    std::string m_caption;
};

} // namespace report
