#pragma once

#include "waris/engine/faraid/FaraidTypes.h"

namespace zw::waris {

// The input's first problem in Indonesian, or nothing: counts (one person for the single kinds,
// at most four wives, at most MaxPersons), no husband beside a wife, amounts within range and not
// negative, deductions only with an estate and not above it.
std::optional<FaraidError> checkFaraidInput(const FaraidInput& input);

} // namespace zw::waris
