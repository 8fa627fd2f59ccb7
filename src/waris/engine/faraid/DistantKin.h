#pragma once

// Distant kin (dzawil arham) inherit when no heir but a spouse is left. They come as the
// children of a predeceased heir (a daughter's, a sister's, a brother's daughters, ...) or as
// kinds of their own (the mother's father, brothers and sisters; the father's sisters and his
// brother by the mother). What they divide is the whole, or what the spouse leaves.

#include "waris/engine/faraid/FaraidTypes.h"

#include <vector>

namespace zw::waris {

// The kinds a predeceased heir may be, in the order the command and the window offer them.
const std::vector<HeirKind>& predeceasedPlaces();
bool isPredeceasedPlace(HeirKind kind);

// Whether the sons (or daughters) of a predeceased heir of kind `place` are distant kin under
// the classical law; the others are heirs of a kind of their own (a son's son, a brother's son).
bool distantChildren(HeirKind place, bool daughters);
// The kind the classical law counts such children as, when they are not distant kin.
HeirKind childKind(HeirKind place, bool daughters);

// The mother's father, brothers and sisters; the father's sisters and his brothers by the mother.
HeirSet distantKinds();
// The heir in whose place a distant kind stands: Ibu or Bapak.
HeirKind placeOf(HeirKind distantKind);

// "Tanzil (Syafi'i)", "Tanzil (Hanbali)", "Qarabah (Hanafi, Abu Yusuf)"
QString distantKinRuleName(DistantKinRule rule);

// Whether the distant kin who inherit are only predeceased daughters' children, divided by the
// default rule: the one case the division knew before the others, written as it was.
bool onlyDaughtersChildren(const FaraidResult& result);

// The distant kin of an input in which they inherit; the shares add up to one.
DistantDivision divideAmongDistantKin(const FaraidInput& input);

} // namespace zw::waris
