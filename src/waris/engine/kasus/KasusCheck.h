#pragma once

// The relationships a case's persons cannot have, before the case is read into a request.

#include "waris/engine/faraid/FaraidTypes.h"
#include "waris/engine/kasus/Kasus.h"

#include <optional>

namespace zw::waris {

// The first impossible relationship, one Indonesian line naming the person ("Orang ke-3 (Ahmad):
// ..."), or nothing: too many persons, ids that are not positive or repeat, `of` and `sameAs`
// that point nowhere, at themselves or in a circle, a substitute of one who is not dead, a
// predeceased heir no one can replace, a later death of one who is not the deceased's heir, a
// spouse the sex rules out, a second father, mother, husband or a fifth wife, an unborn or a
// khuntsa that cannot be counted.
std::optional<FaraidError> checkKasus(const Kasus& kasus);

// "Orang ke-3 (Ahmad)", "Orang ke-3" without a name; `index` from 0.
QString personLabel(const Kasus& kasus, std::size_t index);

// The unborn's kind from the relation it would have as a boy, or why it cannot be counted.
std::variant<UnbornKind, QString> unbornKindOf(HeirKind relation);

} // namespace zw::waris
