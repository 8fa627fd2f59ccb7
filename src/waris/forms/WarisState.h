#pragma once

#include "waris/engine/table/CalculationState.h"
#include "waris/engine/table/InheritanceSheet.h"

namespace zw::waris {

// What the inheritance road keeps between its screens for the whole run of the program.
struct WarisState {
    CalculationState calculation;
    InheritanceSheet sheet;
    // The count of every kind ticked in the last calculation that reached Hasil (0: not
    // ticked): what the full division divides.
    PerKind<int> lastCounts{};
};

} // namespace zw::waris
