// SPDX-License-Identifier: GPL-2.0-or-later
// A representative page for the metafile tests: shapes with GDI edge cases and Polish texts in the
// fonts of the transfer form, drawn through any Canvas.
#pragma once

#include "platform/canvas.h"

#include <QString>

namespace emftest {

inline void drawSamplePage(platform::Canvas& canvas)
{
    using namespace platform;
    canvas.setPen(Pen { rgb(0, 0, 0), 1, PenStyle::Solid });
    canvas.setBrush(Brush { rgb(192, 192, 192), false });
    canvas.rectangle(20, 20, 520, 320);
    canvas.setBrush(Brush { rgb(255, 255, 255), false });
    canvas.setPen(Pen { 0, 1, PenStyle::Clear });
    canvas.rectangle(22, 30, 510, 50);
    canvas.setPen(Pen { rgb(255, 0, 0), 3, PenStyle::Solid });
    canvas.line(22, 70, 510, 70);
    canvas.setPen(Pen { rgb(255, 0, 0), 5, PenStyle::Solid });
    canvas.line(22, 100, 300, 100);
    canvas.setPen(Pen { rgb(0, 100, 0), 1, PenStyle::Dot });
    canvas.setBrush(Brush { rgb(255, 255, 255), false });
    canvas.ellipse(400, 200, 460, 266);
    canvas.line(22, 280, 510, 280);
    FontSpec small { QStringLiteral("Arial"), 6 };
    FontSpec bold { QStringLiteral("Arial"), 12, true };
    bold.color = rgb(0, 0, 255);
    canvas.setFont(small);
    canvas.textOut(24, 22, TextAlign::Left, QStringLiteral("   nazwa odbiorcy   "));
    canvas.setFont(bold);
    canvas.textOut(30, 32, TextAlign::Left, QStringLiteral("Zażółć gęślą jaźń 123,45"));
    canvas.textOut(510, 52, TextAlign::Right, QStringLiteral("ŁÓDŹ"));
    canvas.textOut(265, 110, TextAlign::Center, QStringLiteral("kwota słownie"));
    canvas.removeClip();
}

} // namespace emftest
