#pragma once

// Money of the full division: reading and writing plain decimals, the net estate and the
// largest-remainder rounding of the shares to the sen.

#include "common/Money.h"
#include "waris/engine/faraid/FaraidTypes.h"

#include <QStringView>

namespace zw::waris {

// The largest amount accepted: 999 999 999 999 999.99 rupiah.
inline constexpr Sen MaxSen = 99'999'999'999'999'999;

// Plain digits, optionally '.' and at most two decimals ("1234567.8"); no sign, no grouping.
std::optional<Sen> parseSen(QStringView text);
// Money keeps four decimals; the division counts whole sen, rounded half away from zero as the
// screens round amounts for display, so the estate divided is the estate they show.
Sen senOf(Money money);
// "1234567.89", "-0.05"
QString senToDecimal(Sen sen);

// The deductions and the bequest cut to a third; nothing when the costs and debts exceed the
// estate.
std::optional<FaraidMoney> netEstate(Sen estate, Sen funeral, Sen debts, Sen bequest);

// Fills every heir's amount and person amounts and returns the unassigned amount, so that all
// persons' amounts plus it add up to `net` exactly.
Sen distributeAmounts(std::vector<FaraidHeir>& heirs, Fraction unassigned, Sen net);

} // namespace zw::waris
