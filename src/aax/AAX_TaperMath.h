#pragma once
// The clamping and rounding the taper delegates share. Pure functions. [any-thread]

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <type_traits>

namespace AAX {
namespace TaperMath {

// [0, 1]; NaN gives 0.
inline double ClampNormalized(double normalizedValue) noexcept {
    if (!(normalizedValue > 0.0)) return 0.0;
    return normalizedValue < 1.0 ? normalizedValue : 1.0;
}

// precision p > 0: to the nearest multiple of 1/p, halves away from zero; p <= 0: as is.
inline double RoundToPrecision(double value, std::int32_t precision) noexcept {
    if (precision <= 0) return value;
    return std::round(value * precision) / precision;
}

// Between the range's ends, whichever order they were given in; NaN gives the first end.
inline double ClampToRange(double value, double first, double second) noexcept {
    const double low = std::min(first, second);
    const double high = std::max(first, second);
    if (std::isnan(value)) return first;
    return std::min(std::max(value, low), high);
}

// A real value computed in double precision, as the parameter's type holds it. A value
// at or beyond an end of the range is that end exactly, so both ends stay reachable
// even when they are not multiples of 1/precision; a value inside is rounded to the
// precision and clamped again. Integral types always round to a whole number, halves
// away from zero.
template <typename T>
T ToReal(double value, double minimum, double maximum, std::int32_t precision) noexcept {
    const double low = std::min(minimum, maximum);
    const double high = std::max(minimum, maximum);
    double real = minimum;
    if (std::isnan(value))
        real = minimum;
    else if (value <= low)
        real = low;
    else if (value >= high)
        real = high;
    else
        real = ClampToRange(RoundToPrecision(value, precision), minimum, maximum);
    if constexpr (std::is_integral<T>::value) real = ClampToRange(std::round(real), minimum, maximum);
    return static_cast<T>(real);
}

}  // namespace TaperMath
}  // namespace AAX
