// SPDX-License-Identifier: GPL-2.0-or-later
#include "report/rpcolor.h"

#include <QGuiApplication>
#include <QPalette>

namespace report {

static platform::ColorRef fromQColor(const QColor& color)
{
    return platform::rgb(color.red(), color.green(), color.blue());
}

platform::ColorRef colorToRef(TColor color)
{
    if (color >= 0)
        return platform::ColorRef(color) & 0x00FFFFFF;
    // A system colour follows the user's desktop theme, so it is looked up at drawing time.
    const QPalette palette = QGuiApplication::palette();
    switch (color & 0xFF) {
    case 0x08: // window text
        return fromQColor(palette.color(QPalette::Active, QPalette::WindowText));
    case 0x0F: // button face
        return fromQColor(palette.color(QPalette::Active, QPalette::Button));
    default:
        return 0;
    }
}

} // namespace report
