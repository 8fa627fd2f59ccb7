#pragma once

// The special cases in words: the notes on what was left out, assumed or held, and the working,
// written from the numbers the division keeps.

#include "waris/engine/faraid/Persons.h"
#include "waris/engine/faraid/SpecialCases.h"

namespace zw::waris {

// One sentence per note, in the order the division met them; the persons by `names` where a
// case named them.
QStringList specialNotes(const SpecialResult& result, const PersonNames& names = {});

// The working: what everyone receives in each outcome and what is given now, or each later
// death's division, how it meets the common base, and the merged division.
QStringList specialSteps(const SpecialResult& result, const PersonNames& names = {});

} // namespace zw::waris
