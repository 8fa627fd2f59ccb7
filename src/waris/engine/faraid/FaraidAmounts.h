#pragma once

// Money of the full division: the net estate and the largest-remainder rounding of the shares to
// the sen.

#include "waris/engine/faraid/FaraidTypes.h"

namespace zw::waris {

// The spouse's half of the joint property out first, the other half into the estate; the costs,
// zakat and debts off; the obligatory bequest, then the ordinary one, out of at most a third of
// what is left. Nothing without an estate or when the costs, zakat and debts exceed it.
std::optional<FaraidMoney> netEstate(const FaraidInput& input);

// Fills every heir's amount and person amounts and returns the unassigned amount, so that all
// persons' amounts plus it add up to `net` exactly.
Rupiah distributeAmounts(std::vector<FaraidHeir>& heirs, Fraction unassigned, Rupiah net);

// `total` split by `shares`, which add up to one, by the largest remainder: the parts add up to
// `total` exactly; of equal remainders the earlier gets the sen.
std::vector<Rupiah> apportion(const std::vector<Fraction>& shares, Rupiah total);

} // namespace zw::waris
