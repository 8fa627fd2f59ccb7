#pragma once

// The Indonesian words of the full division: names of the kinds, the basis of every heir's
// share and how it differs from the designed rule table (computeShares in ShareRules.h).

#include "waris/engine/faraid/FaraidTypes.h"

namespace zw::waris {

// "Anak Pria", "Saudara Wanita Se-Bapak", ... (readable, without the padding of the catalogue).
QString faraidKindName(HeirKind kind);
// "Bapak dan Anak Pria", "Ibu, Anak Wanita dan Nenek"
QString faraidKindNames(std::uint32_t kindBits);

// Fills basis and tableDifference of every heir of a computed result.
void describeHeirs(FaraidResult& result, const FaraidInput& input);

} // namespace zw::waris
