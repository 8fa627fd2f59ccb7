#pragma once

// Money of the full division: the net estate and the largest-remainder rounding of the shares to
// the sen.

#include "waris/engine/faraid/FaraidTypes.h"

namespace zw::waris {

// The deductions and the bequest cut to a third; nothing when the costs and debts exceed the
// estate.
std::optional<FaraidMoney> netEstate(Rupiah estate, Rupiah funeral, Rupiah debts, Rupiah bequest);

// Fills every heir's amount and person amounts and returns the unassigned amount, so that all
// persons' amounts plus it add up to `net` exactly.
Rupiah distributeAmounts(std::vector<FaraidHeir>& heirs, Fraction unassigned, Rupiah net);

} // namespace zw::waris
