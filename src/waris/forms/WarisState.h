#pragma once

#include "common/Rupiah.h"
#include "waris/engine/HeirKind.h"
#include "waris/engine/designed/CalculationState.h"
#include "waris/engine/designed/InheritanceSheet.h"

#include <optional>

namespace zw::waris {

enum class DeceasedSex { Male, Female };

// What the inheritance road keeps between its screens for the whole run of the program.
struct WarisState {
    CalculationState calculation;
    InheritanceSheet sheet;
    // The kinds ticked in the last calculation that reached Hasil.
    HeirSelection lastSelection;
    // Its estate, exact, read once; none when beyond the amounts the program holds (the full
    // division then divides in parts only).
    std::optional<Rupiah> estate;

    // The persons of every kind of the last calculation (0: not among its heirs): what the full
    // division divides.
    PerKind<int> lastCounts() const {
        PerKind<int> counts{};
        for (int k = 0; k < HeirKindCount; ++k) {
            if (lastSelection.ticked(heirKind(k)))
                counts[static_cast<std::size_t>(k)] = calculation.countValue(heirKind(k));
        }
        return counts;
    }
};

} // namespace zw::waris
