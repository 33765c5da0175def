// SPDX-License-Identifier: GPL-2.0-or-later
// A text that prints a field of a data set for the current record.
#pragma once

#include "report/rpcustomlabel.h"

namespace report {

class TRpDataSet;
class TRpField;

class TRpDBText : public TRpCustomLabel {
public:
    using TRpCustomLabel::TRpCustomLabel;

    TRpDataSet* DataSet = nullptr;
    std::string DataField;

    // Outside a run the caption is the field name (the component's name when there is none).
    const std::string& caption() const { return m_caption; }
    void setCaption(const std::string& caption);

    void PrepareOutput() override;
    void RenderAt(int originX, int originY) override;
    void EndOutput() override;

    TRpField* field() const { return m_field; }

protected:
    void attached() override;

private:
    std::string m_caption;
    TRpField* m_field = nullptr;
};

} // namespace report
