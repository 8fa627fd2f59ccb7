#pragma once

#include "waris/engine/faraid/FaraidTypes.h"

namespace zw::waris {

// The input's first problem in Indonesian, or nothing: counts (one person for the single kinds,
// at most four wives, at most MaxPersons), no husband beside a wife, no grandchildren as kinds
// under KHI, predeceased children with children, amounts within range and not negative, the
// other amounts only with an estate, joint property only with a spouse, an obligatory bequest only
// under KHI, deductions not above the estate. Some heir is needed unless `heirs` allows none (a
// special case's outcome in which no one inherits).
enum class HeirsNeeded : std::uint8_t { Some, NoneAllowed };
std::optional<FaraidError> checkFaraidInput(const FaraidInput& input,
                                            HeirsNeeded heirs = HeirsNeeded::Some);

} // namespace zw::waris
