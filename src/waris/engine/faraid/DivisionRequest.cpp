#include "waris/engine/faraid/DivisionRequest.h"

#include "waris/engine/faraid/FaraidChoices.h"
#include "waris/engine/faraid/FaraidEngine.h"
#include "waris/engine/faraid/FaraidInputCheck.h"

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

Law otherLaw(Law law) {
    return law == Law::Khi ? Law::Classical : Law::Khi;
}

// KHI's own questions need KHI, or both laws side by side.
std::optional<FaraidError> checkKhiOnly(const DivisionRequest& request) {
    const FaraidInput& in = request.input;
    if (in.law == Law::Khi || request.compare)
        return std::nullopt;
    if (in.obligatoryBequest && *in.obligatoryBequest > Rupiah())
        return FaraidError{u"Wasiat wajibah hanya dikenal dalam KHI; pilih KHI atau bandingkan "
                           u"kedua hukum."_s};
    const FaraidOptions defaults;
    if (in.options.daughter != defaults.daughter || in.options.khiRadd != defaults.khiRadd)
        return FaraidError{u"Pilihan anak wanita dan saudara serta radd dalam KHI hanya berlaku "
                           u"dalam KHI; pilih KHI atau bandingkan kedua hukum."_s};
    return std::nullopt;
}

// Fills `target` with the division of `input`, or gives its refusal.
std::optional<FaraidError> divideInto(const FaraidInput& input, FaraidResult& target) {
    FaraidOutcome outcome = divideEstate(input);
    if (auto* error = std::get_if<FaraidError>(&outcome))
        return std::move(*error);
    target = std::get<FaraidResult>(std::move(outcome));
    return std::nullopt;
}

// The special cases under `law`; a refusal under the other law of a comparison says which.
std::variant<SpecialResult, FaraidError> divideSpecialUnder(const DivisionRequest& request,
                                                            Law law) {
    SpecialInput special = request.special;
    special.input = underLaw(request.input, law);
    if (!special.sex && request.deceased)
        special.sex = request.deceased->sex;
    SpecialOutcomeOrError outcome = divideSpecial(special);
    if (auto* error = std::get_if<FaraidError>(&outcome)) {
        if (law == request.input.law)
            return std::move(*error);
        return FaraidError{u"Menurut "_s % choices::Laws.label(law) % u": "_s % error->message};
    }
    return std::get<SpecialResult>(std::move(outcome));
}

std::optional<FaraidError> divideSpecialCases(const DivisionRequest& request,
                                              DividedEstate& divided) {
    auto chosen = divideSpecialUnder(request, request.input.law);
    if (auto* error = std::get_if<FaraidError>(&chosen))
        return std::move(*error);
    divided.special = std::get<SpecialResult>(std::move(chosen));
    divided.result = divided.special->first;
    if (!request.compare)
        return std::nullopt;
    auto other = divideSpecialUnder(request, otherLaw(request.input.law));
    if (auto* error = std::get_if<FaraidError>(&other))
        return std::move(*error);
    divided.otherSpecial = std::get<SpecialResult>(std::move(other));
    divided.other = divided.otherSpecial->first;
    return std::nullopt;
}

std::optional<FaraidError> divideByLaws(const DivisionRequest& request, DividedEstate& divided) {
    if (auto error = divideInto(divided.input, divided.result))
        return error;
    if (!request.compare)
        return std::nullopt;
    return divideInto(underLaw(request.input, otherLaw(request.input.law)),
                      divided.other.emplace());
}

} // namespace

std::optional<FaraidError> check(const DivisionRequest& request) {
    if (auto error = checkKhiOnly(request))
        return error;
    // An only unborn child is the one heir there may be.
    const HeirsNeeded heirs = request.special.unborn ? HeirsNeeded::NoneAllowed : HeirsNeeded::Some;
    if (auto error = checkFaraidInput(underLaw(request.input, request.input.law), heirs))
        return error;
    if (request.compare)
        return checkFaraidInput(underLaw(request.input, otherLaw(request.input.law)), heirs);
    return std::nullopt;
}

DivisionOutcome divide(const DivisionRequest& request) {
    if (auto error = check(request))
        return *error;
    DividedEstate divided;
    divided.input = underLaw(request.input, request.input.law);
    divided.deceased = request.deceased;
    divided.names = request.names;
    if (auto error = request.special.any() ? divideSpecialCases(request, divided)
                                           : divideByLaws(request, divided))
        return *error;
    return divided;
}

} // namespace zw::waris
