// SPDX-License-Identifier: GPL-2.0-or-later
// Colours of report components: an integer 0x00BBGGRR or a named system colour that is resolved when
// the component draws.
#pragma once

#include "platform/canvas.h"

#include <cstdint>

namespace report {

using TColor = std::int32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clSilver = 0xC0C0C0;
// System colours carry the high bit and the index of the system colour in the low byte.
constexpr TColor clBtnFace = TColor(0x8000000F);
constexpr TColor clWindowText = TColor(0x80000008);

// The 0x00BBGGRR value to draw with; system colours are taken from the application's palette now.
platform::ColorRef colorToRef(TColor color);

} // namespace report
