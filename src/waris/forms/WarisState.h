#pragma once

#include "waris/engine/CalculationState.h"
#include "waris/engine/InheritanceSheet.h"

namespace zw::waris {

// What the inheritance road keeps between its screens for the whole run of the program.
struct WarisState {
    CalculationState calculation;
    InheritanceSheet sheet;
};

} // namespace zw::waris
