// SPDX-License-Identifier: GPL-2.0-or-later
// A rectangle, an ellipse, a line through the middle of its box or across it corner to corner, with a pen
// and a brush.
#pragma once

#include "report/rpprintable.h"

namespace report {

enum TRpShapeType {
    rpsRectangle,
    rpsCircle,
    rpsVertLine,
    rpsHorLine,
    rpsTopAndBottom,
    rpsRightAndLeft,
    rpsDiagonalDown, // top left to bottom right
    rpsDiagonalUp, // bottom left to top right
};
enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TBrushStyle { bsSolid, bsClear };

struct TRpPen {
    TColor Color = clBlack;
    int Width = 1; // device pixels of the page canvas, never scaled
    TPenStyle Style = psSolid;
};

struct TRpBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
};

class TRpShape : public TRpPrintable {
public:
    using TRpPrintable::TRpPrintable;

    TRpShapeType Shape = rpsRectangle;
    TRpPen Pen;
    TRpBrush Brush;

    void RenderAt(int originX, int originY) override;
};

} // namespace report
