// SPDX-License-Identifier: GPL-2.0-or-later
#include "report/rpshape.h"

#include "report/rpprinter.h"

#include <iterator>

namespace report {

static platform::PenStyle penStyle(TPenStyle style)
{
    // In the order of TPenStyle.
    constexpr platform::PenStyle styles[] = { platform::PenStyle::Solid, platform::PenStyle::Dash,
        platform::PenStyle::Dot, platform::PenStyle::DashDot, platform::PenStyle::DashDotDot,
        platform::PenStyle::Clear, platform::PenStyle::InsideFrame };
    const auto index = std::size_t(style);
    return index < std::size(styles) ? styles[index] : platform::PenStyle::Solid;
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

    // Native coordinates to device pixels: the one place this shape rounds.
    const auto line = [&](long double ax, long double ay, long double bx, long double by) {
        canvas->line(target->DeviceX(ax), target->DeviceY(ay), target->DeviceX(bx), target->DeviceY(by));
    };
    const int left = target->DeviceX(x1), top = target->DeviceY(y1);
    const int right = target->DeviceX(x2), bottom = target->DeviceY(y2);
    switch (Shape) {
    case rpsRectangle:
        canvas->rectangle(left, top, right, bottom);
        break;
    case rpsCircle:
        canvas->ellipse(left, top, right, bottom);
        break;
    case rpsVertLine:
        line(midX, y1, midX, y2);
        break;
    case rpsHorLine:
        line(x1, midY, x2, midY);
        break;
    case rpsTopAndBottom:
        line(x1, y1, x2, y1);
        line(x1, y2, x2, y2);
        break;
    case rpsRightAndLeft:
        line(x1, y1, x1, y2);
        line(x2, y1, x2, y2);
        break;
    case rpsDiagonalDown:
        line(x1, y1, x2, y2);
        break;
    case rpsDiagonalUp:
        line(x1, y2, x2, y1);
        break;
    }
    setFinished(true);
}

} // namespace report
