#pragma once

#include "waris/engine/CalculationState.h"

namespace zw::waris {

// What the inheritance road keeps between its screens for the whole run of the program.
struct WarisState {
    CalculationState calculation;
};

} // namespace zw::waris
