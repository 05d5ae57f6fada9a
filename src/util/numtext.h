#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

/// Number texts as the program writes and reads them. The program's decimal
/// separator is the comma; a point is accepted on input since users type both.
/// Nothing here depends on the process locale.
namespace numtext {

/// Parses a decimal number ("5,5", "5.5", "-1e3", " 7 "). Surrounding blanks
/// are ignored. Throws LoopwrightError "'%s' is not a valid floating point
/// value" for anything else, the empty text included.
double parseDecimal(std::string_view text);

/// Parses a whole number in the 32-bit range. Throws LoopwrightError
/// "'%s' is not a valid integer value" otherwise.
int parseWhole(std::string_view text);

/// The whole number nearest to x, a half going to the even neighbour.
inline double nearest(double x)
{
    // Adding and taking away 2^52 leaves a whole number rounded in the default
    // mode, to nearest with halves to even; several times faster than a call
    // of nearbyint on the baseline x86-64 instruction set.
    constexpr double kTwo52 = 4503599627370496.0;
    const double magnitude = std::fabs(x);
    if (!(magnitude < kTwo52))
        return x; // already whole, or not a number
    const double rounded = (magnitude + kTwo52) - kTwo52;
    return std::copysign(rounded, x);
}
/// nearest(x / (1/10)) * (1/10): x rounded to one decimal, computed in this form.
inline double nearest1(double x)
{
    return nearest(x / (1.0 / 10.0)) * (1.0 / 10.0);
}
/// nearest(x / (1/100)) * (1/100): x rounded to two decimals.
inline double nearest2(double x)
{
    return nearest(x / (1.0 / 100.0)) * (1.0 / 100.0);
}
/// nearest(x) as a whole number; x must lie within the 64-bit range.
inline std::int64_t nearestInt(double x)
{
    return static_cast<std::int64_t>(nearest(x));
}

/// The whole pixel nearest to \a x, a half going to the even neighbour, held
/// within [-limit, limit] so that a value far off any screen (an infinity too)
/// still converts; NaN gives 0. Callers pass the bound their pictures need.
inline int nearestPixel(double x, int limit)
{
    if (x != x)
        return 0;
    const double bound = limit;
    return static_cast<int>(nearest(std::clamp(x, -bound, bound)));
}
/// The bound for values that always lie on a control or a window, which
/// need no tighter hold than the range of an int.
inline constexpr int kIntPixelLimit = std::numeric_limits<int>::max();

/// General format: up to 15 significant digits, no trailing zeros, comma
/// separator, fixed notation from 1E-5 up to 15 integer digits, scientific
/// ("1,5E20", "1E-6") outside. -0 is written "0".
std::string formatGeneral(double x);

/// The number that reading the general-format text of \a x back gives (the
/// program reads some of its own labels back as numbers). Throws like
/// parseDecimal for a text that is not a number ("NAN", "INF").
double shownValue(double x);

/// The "0.##" format: at most two decimals (halves away from zero, on the
/// 15-digit decimal value), no trailing zeros, at least one integer digit,
/// comma separator.
std::string formatHash2(double x);

/// The long time format "H:mm:ss" of a time of day given in milliseconds
/// (0 <= ms < 86 400 000); milliseconds are dropped.
std::string formatLongTime(std::int64_t msOfDay);

/// A finite \a x with a point, in the shortest form that reads back to the
/// same double ("1.3", "2", "1e-07"), as files for other programs want it.
std::string formatShortest(double x);

} // namespace numtext
