#pragma once

#include "zakat/forms/ZakatFormNames.h"

#include <QString>

#include <array>

namespace zw::zakat {

// The four kinds of zakat, numbered as the check boxes Check1 to Check4 of the payer form.
enum class ZakatKind { Harta, Tani, Ternak, Fitrah };

// The order in which a run asks the chosen kinds.
inline constexpr std::array<ZakatKind, 4> askingOrder{ZakatKind::Harta, ZakatKind::Tani,
                                                      ZakatKind::Fitrah, ZakatKind::Ternak};

// The designer name of the kind's form ("Form4").
FormName kindFormName(ZakatKind kind);
// The text the kind writes into its row of the result sheet ("H a r t a").
QString kindRowText(ZakatKind kind);

} // namespace zw::zakat
