#include "report/rpunits.h"

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
    const long double lower = std::floor(value);
    const long double diff = value - lower;
    long double result = lower;
    if (diff > 0.5L || (diff == 0.5L && std::fmod(lower, 2.0L) != 0.0L))
        result = lower + 1.0L;
    return int(result);
}

int roundHalfAway(long double value)
{
    return int(value < 0 ? -std::floor(-value + 0.5L) : std::floor(value + 0.5L));
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
