// SPDX-License-Identifier: GPL-2.0-or-later
#include "report/rpdbtext.h"

#include "report/rpdataset.h"

namespace report {

void TRpDBText::setCaption(const std::string& caption)
{
    m_caption = caption;
    setText(caption);
}

void TRpDBText::attached()
{
    setCaption(DataField.empty() ? name() : DataField);
}

void TRpDBText::PrepareOutput()
{
    TRpCustomLabel::PrepareOutput();
    setCaption(m_caption);
    m_field = DataSet ? DataSet->findField(DataField) : nullptr;
}

void TRpDBText::RenderAt(int originX, int originY)
{
    std::string value;
    if (m_field) {
        try {
            value = m_field->displayText();
        } catch (...) {
            // A field that cannot give its text prints nothing; the run goes on.
            value.clear();
        }
    }
    // Measured by the render itself, so the width follows the new text.
    setTextOnly(value);
    TRpCustomLabel::RenderAt(originX, originY);
}

void TRpDBText::EndOutput()
{
    m_field = nullptr;
    setCaption(DataField.empty() ? name() : DataField);
    TRpCustomLabel::EndOutput();
}

} // namespace report
