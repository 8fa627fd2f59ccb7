#pragma once

// The Indonesian words of the full division: names of kinds and special cases, statuses, the
// basis of every heir's share and how it differs from the designed rule table (computeShares in
// ShareRules.h).

#include "waris/engine/faraid/FaraidTypes.h"

namespace zw::waris {

// "A", "A dan B", "A, B dan C".
QString joinNames(const QStringList& names);
// "Bapak dan Anak Pria", "Ibu, Anak Wanita dan Nenek": the kinds' names (HeirInfo::name).
QString faraidKindNames(HeirSet kinds);
// Distant kin by the kinds their division lists: a distant kind by its name, a predeceased heir's
// children as `childrenOf` and the heir's name ("anak-anak Saudara Wanita Sekandung").
QString distantKinNames(HeirSet kinds, QStringView childrenOf);

// "umariyyatain", "mushtaraka", "akdariyyah", "muaddah", "jadd-wal-ikhwah"
QString specialCaseName(SpecialCase c);
// The names of the special cases of a result, in the order above.
QStringList specialCaseNames(const FaraidResult& result);

// "Anak Pria"; for a predeceased child's branch "Cucu Wanita pengganti Anak Pria ke-1" (KHI) or
// "Cucu Pria dari Anak Wanita ke-2" (classical, distant kin).
QString faraidHeirName(const FaraidHeir& heir);

// The heir's status as the report's table gives it: "Fard 1/4 + radd", "Ashabah bersama Anak
// Wanita", "Terhalang oleh Bapak", ...
QString faraidStatusText(const FaraidHeir& heir, const FaraidResult& result);

// "anak angkat", ...: who receives an obligatory bequest; the text adds why
// ("anak angkat (Pasal 209 ayat 2 KHI)").
QString bequestRecipientName(BequestRecipient recipient);
QString bequestRecipientText(BequestRecipient recipient);

// Fills basis and tableDifference of every heir of a computed result.
void describeHeirs(FaraidResult& result);

} // namespace zw::waris
