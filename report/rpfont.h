// SPDX-License-Identifier: GPL-2.0-or-later
// A component's font request: face, size in points, style, colour, character set and pitch.
#pragma once

#include "platform/canvas.h"
#include "report/rpcolor.h"

#include <QString>

namespace report {

enum TFontPitch { fpDefault, fpVariable, fpFixed };

constexpr int EASTEUROPE_CHARSET = 238;

struct TRpFont {
    QString Name = QStringLiteral("Arial");
    int Size = 10; // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    TColor Color = clWindowText;
    int Charset = EASTEUROPE_CHARSET;
    TFontPitch Pitch = fpDefault;

    // The pixel height at a resolution, -(points x ppi / 72) rounded half away from zero: 10 pt at 96 is -13.
    int Height(int ppi = 96) const;
    // The request as the drawing surfaces take it, at a size in points; system colours resolved now.
    platform::FontSpec toFontSpec(int pointSize) const;
    platform::FontSpec toFontSpec() const { return toFontSpec(Size); }
    bool operator==(const TRpFont&) const = default;
};

} // namespace report
