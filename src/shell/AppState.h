#pragma once

#include "waris/CalculationState.h"

#include <QString>

#include <cstdint>

namespace zw {

// The process-wide values of one run of the program, owned by the application.
class AppState {
public:
    waris::CalculationState waris;
    std::int16_t zakatRowCount = 0; // filled rows of the zakat result sheet, 0 to 4
    QString fitrahText;             // the last zakat fitrah sentence
};

} // namespace zw
