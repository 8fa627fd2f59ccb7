#pragma once

#include "zakat/engine/complete/ZakatResult.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <vector>

namespace zw::zakat::complete {

// The complete zakat in Indonesian words, amounts in the given locale's format.

// "Penghasilan", "Sapi/kerbau": as people read the kind.
QString kindName(Kind kind);
// "penghasilan", "sapi": the kind's identifier in machine-read output.
QString kindKey(Kind kind);
// "rupiah", "gram", "kg", "ekor", "orang".
QString unitKey(Unit unit);
// "BAZNAS", "emas", "perak".
QString basisName(NishabBasis basis);
// "hiqqah", "bintu labun", "gram emas".
QString inKindName(InKindUnit unit);

// "Rp 1.250.000,00", "85 g", "653 kg", "30 ekor", "4 orang".
QString measureText(const Measure& measure, Unit unit, const QLocale& locale);
// "1 bintu labun dan 2 hiqqah"; empty when nothing.
QString inKindText(const std::vector<InKind>& items, const QLocale& locale);
// "2,5%"
QString rateText(Rate rate, const QLocale& locale);

// One remark on a kind, empty when there is none: a haul not yet complete, what the other bases
// of the nishab would make of it, a zakat in kind only for want of a price.
QString kindNote(const KindResult& kind, const ZakatResult& result, const QLocale& locale);

// The working: the nishab and its source, per kind the base, the nishab, the haul, the rate and
// the amount, then the total with its amount in words.
QStringList zakatSteps(const ZakatResult& result, const QLocale& locale);

// The regulations and collections the rules come from, one sentence each.
QStringList zakatSources();

} // namespace zw::zakat::complete
