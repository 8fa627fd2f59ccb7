#pragma once

#include <cstdint>
#include <optional>

namespace zw {

// To the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double roundHalfEven(double value);

// roundHalfEven, then checked against the target range; NaN and infinities give no value.
std::optional<std::int16_t> toInt16HalfEven(double value);
std::optional<std::int32_t> toInt32HalfEven(double value);

} // namespace zw
