#pragma once

// The working of a full division in Indonesian, as a teacher writes it on the board.

#include "waris/engine/faraid/FaraidTypes.h"

namespace zw::waris {

// Money (when given), the blocked heirs, the base and each group's parts, the 'aul or radd, the
// tashih, the final parts and amounts, the special case.
QStringList faraidSteps(const FaraidResult& result);

} // namespace zw::waris
