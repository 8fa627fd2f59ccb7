#pragma once

// What the special cases share: how a person is named, the kinds an unborn child is born as, a
// division that may find no heir, and a division's refusal in their words.

#include "waris/engine/faraid/FaraidEngine.h"
#include "waris/engine/faraid/SpecialCases.h"

namespace zw::waris::parts {

inline QString kindName(HeirKind kind) {
    return heirInfo(kind).name;
}

// "Anak Pria 2" among several, "Anak Pria" alone.
inline QString numbered(HeirKind kind, int person, int count) {
    return count > 1 ? kindName(kind) % u' ' % QString::number(person) : kindName(kind);
}

// The refusal of one of the divisions, saying which.
inline FaraidError errorOf(const FaraidOutcome& outcome, const QString& where) {
    return FaraidError{where % std::get<FaraidError>(outcome).message};
}

// The male and the female kind an unborn child of `kind` is born as.
std::pair<HeirKind, HeirKind> unbornKinds(UnbornKind kind);

// divideEstate, but where no one is left to inherit (every heir missing and dead in an outcome,
// an only unborn child stillborn, a later deceased's heirs all gone) the whole goes to the
// treasury: the estate of one who leaves no heir goes to the Baitul Mal (KHI art. 191; the
// classical law alike).
FaraidOutcome divideOrNobody(const FaraidInput& input);

// Whether `input` names no heir at all.
bool nobody(const FaraidInput& input);

} // namespace zw::waris::parts
