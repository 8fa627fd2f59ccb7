#pragma once

// The full classical division of an estate (faraid), exact, in rational numbers.
//
// Architecture: input (checked, FaraidInputCheck.h) -> blocking (hajb: who is excluded and by
// whom) -> fixed shares (furud, by groups: a spouse, the mother, the daughters, the mother's
// children together, ...) -> residue (ashabah: the nearest residuary class, 2:1 within a class;
// the grandfather with brothers and sisters by Zayd's method) -> 'aul when the fixed shares
// exceed the whole, radd when they fall short with no residuary -> tashih (the base multiplied
// until every person's part is whole) -> amounts in sen (largest remainder, FaraidAmounts.h) ->
// the texts of every heir (FaraidText.h). The working is written from a result by FaraidSteps.h.

#include "waris/engine/faraid/FaraidTypes.h"

#include <variant>

namespace zw::waris {

using FaraidOutcome = std::variant<FaraidResult, FaraidError>;

// Checks, divides and (FaraidDetail::Full) adds the amounts and texts.
FaraidOutcome divideEstate(const FaraidInput& input);

// The input as `law` takes it: the classical law knows no obligatory bequest.
FaraidInput underLaw(FaraidInput input, Law law);

} // namespace zw::waris
