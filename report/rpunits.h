// SPDX-License-Identifier: GPL-2.0-or-later
// Units of the report engine: everything is stored in native units of 0.1 mm; the layout tables give
// integer layout units of 1/96 inch. The one rounding rule of the device mapping lives here too.
#pragma once

namespace report {

// How a report's value properties (margins, sizes) read and write; generation always works in Native.
enum class TRpUnit { MM, Inches, Pixels, Characters, Native };

// Native units per inch.
constexpr long double NativePerInch = 254.0L;
// Layout units per inch.
constexpr long double LayoutPerInch = 96.0L;

// Nearest integer, halves to the even integer (0.5 -> 0, 1.5 -> 2, -0.5 -> 0), in extended precision.
int roundHalfEven(long double value);
// Nearest integer, halves away from zero (font heights, label widths).
int roundHalfAway(long double value);

// v layout units as native units, unrounded: 749 -> 1981.729166...
long double layoutToNative(int layoutUnits);

// Native units seen in a unit (MM: native / 10, Inches: native / 254, Pixels: native x ppi / 254 x zoom /
// 100).
long double nativeToUnit(long double native, TRpUnit unit, int screenPpi, int zoom);
// The inverse of nativeToUnit.
long double unitToNative(long double value, TRpUnit unit, int screenPpi, int zoom);

// Screen pixels of a native value (on-screen bounds): native x ppi / 254 x zoom / 100, rounded half to even.
int nativeToScreen(long double native, int screenPpi, int zoom);
// Native value of screen pixels: pixels x 254 / ppi x 100 / zoom, unrounded.
long double screenToNative(int pixels, int screenPpi, int zoom);

} // namespace report
