#pragma once

#include "zakat/engine/complete/ReferenceValues.h"
#include "zakat/engine/complete/ZakatEntry.h"
#include "zakat/engine/complete/ZakatInput.h"
#include "zakat/engine/complete/ZakatResult.h"

#include <variant>

namespace zw::zakat::complete {

// Every kind given, by the rules of today (Regulation of the Minister of Religious Affairs
// No. 52 of 2014 as amended by No. 31 of 2019, the BAZNAS decisions of the year): the nishab test
// is inclusive, money due is exact to the sen with a fraction of a sen rounded up, quantities due
// are rounded up to the hundredth. Refused, naming the field: a year not in the reference values,
// a basis of gold or silver without its price, a carat outside 1-24, a zakat fitrah in money
// without a value for the year, and a result beyond the amounts the program holds.
std::variant<ZakatResult, Refusal> calculateZakat(const ZakatInput& input,
                                                  const ReferenceValues& values);
// The entry as typed, read in the locale's format or plain (none), with the shipped reference
// values; a broken reference file is refused too.
std::variant<ZakatResult, Refusal> calculateZakat(const ZakatEntry& entry,
                                                  const std::optional<QLocale>& locale);

inline constexpr std::int64_t GoldNishabGrams = 85;
inline constexpr std::int64_t SilverNishabGrams = 595;
inline constexpr std::int64_t HarvestNishabKg = 653;
inline constexpr Quantity RiceKgPerPerson = Quantity::fromHundredths(250);
inline constexpr Quantity RiceLitresPerPerson = Quantity::fromHundredths(350);

} // namespace zw::zakat::complete
