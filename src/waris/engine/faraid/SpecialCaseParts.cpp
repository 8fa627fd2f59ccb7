#include "waris/engine/faraid/SpecialCaseParts.h"

#include "waris/engine/faraid/FaraidAmounts.h"
#include "waris/engine/faraid/FaraidInputCheck.h"

#include <algorithm>

namespace zw::waris::parts {

using enum HeirKind;

std::pair<HeirKind, HeirKind> unbornKinds(UnbornKind kind) {
    switch (kind) {
    case UnbornKind::Child:
        break;
    case UnbornKind::Grandchild:
        return {CucuPria, CucuWanita};
    case UnbornKind::FullSibling:
        return {SaudaraPriaSekandung, SaudaraWanitaSekandung};
    case UnbornKind::PaternalSibling:
        return {SaudaraPriaSeBapak, SaudaraWanitaSeBapak};
    case UnbornKind::UterineSibling:
        return {SaudaraPriaSeIbu, SaudaraWanitaSeIbu};
    }
    return {AnakPria, AnakWanita};
}

bool nobody(const FaraidInput& input) {
    return input.predeceased.empty() &&
           std::all_of(input.counts.begin(), input.counts.end(), [](int n) { return n == 0; });
}

FaraidOutcome divideOrNobody(const FaraidInput& input) {
    if (!nobody(input))
        return divideEstate(input);
    if (auto error = checkFaraidInput(input, HeirsNeeded::NoneAllowed))
        return *error;
    FaraidResult result;
    result.law = input.law;
    result.base = 1;
    result.finalBase = 1;
    result.unassigned = Fraction(1);
    if (input.detail == FaraidDetail::Full) {
        result.money = netEstate(input);
        if (result.money)
            result.unassignedAmount = result.money->net;
    }
    return result;
}

} // namespace zw::waris::parts
