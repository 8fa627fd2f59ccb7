#pragma once

// The uncertain heirs: an unborn child (haml), a missing heir (mafqud) and an heir whose sex is
// not known (khuntsa). The estate is divided once per outcome; every person gets the least that
// any outcome gives (or, by the khuntsa's other views, the khuntsa's lesser outcome or the mean)
// and the rest is held until the outcome is known.

#include "waris/engine/faraid/SpecialCases.h"

namespace zw::waris {

// `input` is the first deceased's, those who died together already left out; fills the first
// division, the persons, the outcomes, the held part and the notes.
std::optional<FaraidError> divideUncertain(const SpecialInput& special, const FaraidInput& input,
                                           SpecialResult& result);

} // namespace zw::waris
