#include "report/rpshape.h"

#include "report/rpprinter.h"

namespace report {

static platform::PenStyle penStyle(TPenStyle style)
{
    switch (style) {
    case psDash:
        return platform::PenStyle::Dash;
    case psDot:
        return platform::PenStyle::Dot;
    case psDashDot:
        return platform::PenStyle::DashDot;
    case psDashDotDot:
        return platform::PenStyle::DashDotDot;
    case psClear:
        return platform::PenStyle::Clear;
    case psInsideFrame:
        return platform::PenStyle::InsideFrame;
    case psSolid:
        break;
    }
    return platform::PenStyle::Solid;
}

void TRpShape::RenderAt(int originX, int originY)
{
    platform::Canvas* canvas = renderCanvas();
    if (!canvas)
        return;
    TRpPrinter* target = printer();
    canvas->setPen(platform::Pen { colorToRef(Pen.Color), Pen.Width, penStyle(Pen.Style) });
    canvas->setBrush(platform::Brush { colorToRef(Brush.Color), Brush.Style == bsClear });

    const long double x1 = originX + Size.Values[Left];
    const long double y1 = originY + Size.Values[Top];
    const long double x2 = x1 + Size.Values[Width];
    const long double y2 = y1 + Size.Values[Height];
    // Lines run through the middle of the box in native units; only the device mapping rounds.
    const long double midX = x1 + Size.Values[Width] / 2.0L;
    const long double midY = y1 + Size.Values[Height] / 2.0L;

    switch (Shape) {
    case rpsRectangle:
        canvas->rectangle(target->DeviceX(x1), target->DeviceY(y1), target->DeviceX(x2), target->DeviceY(y2));
        break;
    case rpsCircle:
        canvas->ellipse(target->DeviceX(x1), target->DeviceY(y1), target->DeviceX(x2), target->DeviceY(y2));
        break;
    case rpsVertLine:
        canvas->line(target->DeviceX(midX), target->DeviceY(y1), target->DeviceX(midX), target->DeviceY(y2));
        break;
    case rpsHorLine:
        canvas->line(target->DeviceX(x1), target->DeviceY(midY), target->DeviceX(x2), target->DeviceY(midY));
        break;
    case rpsTopAndBottom:
        canvas->line(target->DeviceX(x1), target->DeviceY(y1), target->DeviceX(x2), target->DeviceY(y1));
        canvas->line(target->DeviceX(x1), target->DeviceY(y2), target->DeviceX(x2), target->DeviceY(y2));
        break;
    case rpsRightAndLeft:
        canvas->line(target->DeviceX(x1), target->DeviceY(y1), target->DeviceX(x1), target->DeviceY(y2));
        canvas->line(target->DeviceX(x2), target->DeviceY(y1), target->DeviceX(x2), target->DeviceY(y2));
        break;
    }
    setFinished(true);
}

} // namespace report
