#pragma once

// Munasakhat: heirs of the first division who die before it is made. Each one's share is divided
// again over his or her heirs, who are matched to the persons already counted where the two
// relations name one person, and all divisions are merged on one common base (jami'ah).

#include "waris/engine/faraid/SpecialCases.h"

namespace zw::waris {

// `result.first`, the division of `input` (those who died together already left out), divided
// further: fills the persons, the deaths, the common base, the treasury's part and the notes.
std::optional<FaraidError> divideLaterDeaths(const SpecialInput& special, const FaraidInput& input,
                                             SpecialResult& result);

} // namespace zw::waris
