#pragma once

// The Indonesian words of the full division: names of kinds and special cases, statuses, the
// basis of every heir's share and how it differs from the designed rule table (computeShares in
// ShareRules.h).

#include "waris/engine/faraid/FaraidTypes.h"

namespace zw::waris {

// "Bapak dan Anak Pria", "Ibu, Anak Wanita dan Nenek": the kinds' names (HeirInfo::name).
QString faraidKindNames(HeirSet kinds);

// "umariyyatain", "mushtaraka", "akdariyyah", "muaddah", "jadd-wal-ikhwah"
QString specialCaseName(SpecialCase c);
// The names of the special cases of a result, in the order above.
QStringList specialCaseNames(const FaraidResult& result);

// The heir's status as the report's table gives it: "Fard 1/4 + radd", "Ashabah bersama Anak
// Wanita", "Terhalang oleh Bapak", ...
QString faraidStatusText(const FaraidHeir& heir, const FaraidResult& result);

// Fills basis and tableDifference of every heir of a computed result.
void describeHeirs(FaraidResult& result);

} // namespace zw::waris
