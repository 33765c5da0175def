// SPDX-License-Identifier: GPL-2.0-or-later
#include "report/rpunits.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace report {

int roundHalfEven(long double value)
{
    // Coordinates far outside any page (a damaged definition) saturate instead of overflowing.
    if (!(value > (long double)std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    if (!(value < (long double)std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    // In int range from here. Rounding to nearest in the default mode breaks ties to even, in one step:
    // a floor and a cast each switch the x87 rounding mode, slow enough to show in a thousand pages.
    if (std::fegetround() == FE_TONEAREST)
        return int(std::lrint(value));
    const long double lower = std::floor(value);
    const long double diff = value - lower;
    const auto whole = static_cast<long long>(lower);
    if (diff > 0.5L || (diff == 0.5L && (whole & 1) != 0))
        return int(whole + 1);
    return int(whole);
}

int roundHalfAway(long double value)
{
    return int(std::lround(value)); // halves away from zero whatever the rounding mode
}

long double layoutToNative(int layoutUnits)
{
    return (long double)layoutUnits * NativePerInch / LayoutPerInch;
}

long double nativeToUnit(long double native, TRpUnit unit, int screenPpi, int zoom)
{
    switch (unit) {
    case TRpUnit::MM:
        return native / 10.0L;
    case TRpUnit::Inches:
        return native / NativePerInch;
    case TRpUnit::Pixels:
        return native * screenPpi / NativePerInch * zoom / 100.0L;
    case TRpUnit::Characters: // never used: the report engine keeps no character grid
    case TRpUnit::Native:
        break;
    }
    return native;
}

long double unitToNative(long double value, TRpUnit unit, int screenPpi, int zoom)
{
    switch (unit) {
    case TRpUnit::MM:
        return value * 10.0L;
    case TRpUnit::Inches:
        return value * NativePerInch;
    case TRpUnit::Pixels:
        return value * NativePerInch / screenPpi * 100.0L / zoom;
    case TRpUnit::Characters:
    case TRpUnit::Native:
        break;
    }
    return value;
}

int nativeToScreen(long double native, int screenPpi, int zoom)
{
    return roundHalfEven(native * screenPpi / NativePerInch * zoom / 100.0L);
}

long double screenToNative(int pixels, int screenPpi, int zoom)
{
    return (long double)pixels * NativePerInch / screenPpi * 100.0L / zoom;
}

} // namespace report
