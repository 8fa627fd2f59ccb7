#include "waris/engine/faraid/SpecialCases.h"

#include "waris/engine/faraid/FaraidAmounts.h"
#include "waris/engine/faraid/FaraidEngine.h"
#include "waris/engine/faraid/LaterDeaths.h"
#include "waris/engine/faraid/SpecialCaseParts.h"
#include "waris/engine/faraid/UncertainHeirs.h"

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

using parts::kindName;

std::optional<FaraidError> leaveOutDiedTogether(const SpecialInput& special, FaraidInput& input,
                                                std::vector<SpecialNote>& notes) {
    for (const KindPersons& gone : special.diedTogether) {
        const int present = input.counts[gone.kind];
        if (gone.count < 1 || gone.count > present)
            return FaraidError{u"Yang meninggal bersama pewaris: "_s % kindName(gone.kind) %
                               u" hanya "_s % QString::number(present) % u" orang."_s};
        input.counts[gone.kind] -= gone.count;
        notes.push_back(
            {.kind = SpecialNoteKind::DiedTogether, .heir = gone.kind, .count = gone.count});
    }
    return std::nullopt;
}

// What everyone receives once the outcome is known: the certain amount and a part of the held.
void addOutcomeAmounts(const SpecialResult& result, Rupiah net, SpecialOutcome& o) {
    o.amounts.clear();
    if (result.held.isZero()) {
        std::vector<Fraction> own = o.shares;
        own.push_back(o.treasury);
        o.amounts = apportion(own, net);
        o.treasuryAmount = o.amounts.back();
        o.amounts.pop_back();
        return;
    }
    std::vector<Fraction> parts;
    for (std::size_t i = 0; i < result.persons.size(); ++i)
        parts.push_back((o.shares[i] - result.persons[i].share) / result.held);
    parts.push_back((o.treasury - result.treasury) / result.held);
    const std::vector<Rupiah> heldParts = apportion(parts, result.heldAmount);
    for (std::size_t i = 0; i < result.persons.size(); ++i)
        o.amounts.push_back(result.persons[i].amount + heldParts[i]);
    o.treasuryAmount = result.treasuryAmount + heldParts.back();
}

void addAmounts(SpecialResult& result) {
    if (!result.first.money)
        return;
    const Rupiah net = result.first.money->net;
    std::vector<Fraction> cells;
    for (const SpecialPerson& p : result.persons) {
        for (const Fraction f : p.fromEstates)
            cells.push_back(p.died ? Fraction() : f);
    }
    cells.push_back(result.treasury);
    cells.push_back(result.held);
    const std::vector<Rupiah> amounts = apportion(cells, net);
    std::size_t c = 0;
    for (SpecialPerson& p : result.persons) {
        p.amountsFrom.clear();
        p.amount = Rupiah();
        for (std::size_t e = 0; e < p.fromEstates.size(); ++e, ++c) {
            p.amountsFrom.push_back(amounts[c]);
            p.amount += amounts[c];
        }
    }
    result.treasuryAmount = amounts[c];
    result.heldAmount = amounts[c + 1];
    for (SpecialOutcome& o : result.outcomes)
        addOutcomeAmounts(result, net, o);
}

} // namespace

SpecialOutcomeOrError divideSpecial(const SpecialInput& special) {
    SpecialResult result;
    FaraidInput input = special.input;
    if (special.deaths.size() > static_cast<std::size_t>(MaxLaterDeaths))
        return FaraidError{u"Ahli waris yang meninggal kemudian paling banyak "_s %
                           QString::number(MaxLaterDeaths) % u" orang."_s};
    if (auto error = leaveOutDiedTogether(special, input, result.notes))
        return *error;
    if (special.unborn || !special.missing.empty() || special.intersex) {
        if (auto error = divideUncertain(special, input, result))
            return *error;
    } else {
        input.detail = FaraidDetail::Full;
        FaraidOutcome first = divideEstate(input);
        if (std::holds_alternative<FaraidError>(first))
            return std::get<FaraidError>(first);
        result.first = std::get<FaraidResult>(std::move(first));
        if (auto error = divideLaterDeaths(special, input, result))
            return *error;
    }
    addAmounts(result);
    return result;
}

} // namespace zw::waris