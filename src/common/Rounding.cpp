#include "common/Rounding.h"

#include <cmath>
#include <limits>

namespace zw {

namespace {

template<typename Int> std::optional<Int> toIntHalfEven(double value) {
    const double rounded = roundHalfEven(value);
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<Int>::min() ||
        rounded > std::numeric_limits<Int>::max())
        return std::nullopt;
    return static_cast<Int>(rounded);
}

} // namespace

// Explicit rather than std::nearbyint so that the result does not depend on the current
// floating-point rounding mode.
double roundHalfEven(double value) {
    if (!std::isfinite(value))
        return value;
    // Working on the magnitude keeps the subtraction below exact.
    const double magnitude = std::abs(value);
    const double below = std::floor(magnitude);
    const double rest = magnitude - below;
    double rounded = below;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(below, 2.0) != 0.0))
        rounded = below + 1.0;
    return std::copysign(rounded, value);
}

std::optional<std::int16_t> toInt16HalfEven(double value) {
    return toIntHalfEven<std::int16_t>(value);
}

std::optional<std::int32_t> toInt32HalfEven(double value) {
    return toIntHalfEven<std::int32_t>(value);
}

} // namespace zw
