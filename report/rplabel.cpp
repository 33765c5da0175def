// SPDX-License-Identifier: GPL-2.0-or-later
#include "report/rplabel.h"

namespace report {

void TRpLabel::setCaption(const std::string& caption)
{
    m_caption = caption;
    setText(caption);
}

void TRpLabel::PrepareOutput()
{
    TRpCustomLabel::PrepareOutput();
    setCaption(m_caption);
}

} // namespace report
