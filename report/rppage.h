// SPDX-License-Identifier: GPL-2.0-or-later
// The page set-up of a report: paper, orientation and margins in native units (0.1 mm).
#pragma once

#include "report/rppapersize.h"

#include <array>

namespace report {

enum TRpOrientation { poPortrait, poLandscape };

class TRpPage {
public:
    // Indexes of Values, in their stored order.
    enum Index { BottomMargin, Length, TopMargin, Width, LeftMargin, RightMargin, ColumnSpace };

    TRpPage();

    const std::array<long double, 7>& Values() const { return m_values; }
    long double value(Index index) const { return m_values[index]; }

    long double bottomMargin() const { return m_values[BottomMargin]; }
    long double length() const { return m_values[Length]; }
    long double topMargin() const { return m_values[TopMargin]; }
    long double width() const { return m_values[Width]; }
    long double leftMargin() const { return m_values[LeftMargin]; }
    long double rightMargin() const { return m_values[RightMargin]; }
    long double columnSpace() const { return m_values[ColumnSpace]; }

    void setBottomMargin(long double v) { m_values[BottomMargin] = v; }
    void setTopMargin(long double v) { m_values[TopMargin] = v; }
    void setLeftMargin(long double v) { m_values[LeftMargin] = v; }
    void setRightMargin(long double v) { m_values[RightMargin] = v; }
    void setColumnSpace(long double v) { m_values[ColumnSpace] = v; }
    // Width and Length follow the paper; they take a value only while PaperSize is Custom.
    void setWidth(long double v);
    void setLength(long double v);

    TRpPaperSize paperSize() const { return m_paperSize; }
    // A real paper size (not Default or Custom) sets Width and Length from the paper table.
    void setPaperSize(TRpPaperSize size);
    TRpOrientation orientation() const { return m_orientation; }
    // Landscape puts the longer side across.
    void setOrientation(TRpOrientation orientation);

    int columns() const { return m_columns; }
    void setColumns(int columns) { m_columns = columns < 1 ? 1 : columns; }

private:
    void applyPaper();

    // A4 portrait, 10 mm margins, until the report sets its own.
    std::array<long double, 7> m_values { 100, 2970, 100, 2100, 100, 100, 0 };
    TRpPaperSize m_paperSize = TRpPaperSize::A4;
    TRpOrientation m_orientation = poPortrait;
    int m_columns = 1;
};

} // namespace report
