#pragma once

// Who an heir of a later deceased is among the first deceased's heirs. The first deceased's kinds
// and the later deceased's heirs' kinds name relations to two persons; where both name one
// person (the mother's son is the deceased's full or uterine brother, a dead son's brother is the
// deceased's other son) the heir is matched to a person already counted, who then inherits
// twice. A relation that names the first deceased, who died first, is refused.

#include "waris/engine/faraid/FaraidTypes.h"

namespace zw::waris {

struct SameHeir {
    bool firstDeceased = false; // the relation names the first deceased
    HeirSet kinds;              // else the first deceased's kinds the heir may be, tried in order
};

// An heir of kind `heir` of the dead heir of kind `dead`. `male`: the first deceased's sex where
// known; a relation that needs it matches nothing without it. A grandmother of no side is the
// one `side` names, for the dead heir and for the first deceased alike.
SameHeir sameHeir(HeirKind dead, HeirKind heir, std::optional<bool> male, GrandmotherSide side);

// The kind as the relations read it: Nenek as the grandmother of her side.
HeirKind relationKind(HeirKind kind, GrandmotherSide side);

} // namespace zw::waris
