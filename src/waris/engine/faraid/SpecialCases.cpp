#include "waris/engine/faraid/SpecialCases.h"

#include "waris/engine/faraid/FaraidAmounts.h"
#include "waris/engine/faraid/FirstPersons.h"
#include "waris/engine/faraid/LaterDeaths.h"
#include "waris/engine/faraid/OutcomeName.h"
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

bool uncertain(const SpecialInput& special) {
    return special.unborn || !special.missing.empty() || special.intersex;
}

// The first outcome is divided in full, with amounts and texts, and under the khuntsa's Hanafi
// view its pair too, either of which may be the first to stand.
FaraidDetail detailOf(const SpecialInput& special, std::size_t outcome) {
    const bool pair = special.intersex && special.intersexView == IntersexView::Hanafi;
    return outcome == 0 || (pair && outcome == 1) ? FaraidDetail::Full : FaraidDetail::SharesOnly;
}

// An outcome divided for its shares alone carries no amounts, whose checks could only refuse it
// (joint property beside a spouse who turns out dead).
FaraidInput sharesOnly(FaraidInput in) {
    in.detail = FaraidDetail::SharesOnly;
    for (std::optional<Rupiah>* amount : {&in.estate, &in.jointProperty, &in.funeral, &in.zakat,
                                          &in.debts, &in.obligatoryBequest, &in.bequest})
        amount->reset();
    return in;
}

// A refusal in one outcome names it.
FaraidError inOutcome(const FaraidError& error, const SpecialInput& special,
                      const OutcomeFates& fates) {
    if (!uncertain(special))
        return error;
    return FaraidError{u"Bila "_s % outcomeName(fates) % u": "_s % error.message};
}

std::variant<std::vector<FaraidResult>, FaraidError>
divideFirst(const SpecialInput& special, const FaraidInput& input, const Setting& setting,
            const std::vector<OutcomeFates>& fates) {
    std::vector<FaraidResult> divisions;
    divisions.reserve(fates.size());
    for (std::size_t o = 0; o < fates.size(); ++o) {
        FaraidInput in = inputOf(input, setting, fates[o]);
        in = detailOf(special, o) == FaraidDetail::Full ? in : sharesOnly(in);
        FaraidOutcome outcome = parts::divideOrNobody(in);
        if (const auto* error = std::get_if<FaraidError>(&outcome))
            return inOutcome(*error, special, fates[o]);
        divisions.push_back(std::get<FaraidResult>(std::move(outcome)));
    }
    return divisions;
}

// One outcome: the first estate's shares, then the later deaths divided on them.
std::variant<OutcomeRun, FaraidError>
runOutcome(const SpecialInput& special, const FirstPersons& first, const LaterDeaths& deaths,
           std::size_t persons, OutcomeFates fates, FaraidResult division, FaraidDetail detail) {
    OutcomeRun run;
    const std::vector<Fraction> shares = first.shares(division, fates);
    run.cells.assign(persons, std::vector<Fraction>(special.deaths.size() + 1));
    std::vector<bool> alive(persons, true);
    for (std::size_t i = 0; i < shares.size(); ++i) {
        run.cells[i][0] = shares[i];
        alive[i] = first.alive(i, fates);
    }
    auto divided = deaths.divide(run.cells, alive, division.finalBase, detail);
    if (const auto* error = std::get_if<FaraidError>(&divided))
        return inOutcome(*error, special, fates);
    auto& later = std::get<LaterDeaths::Divided>(divided);
    run.treasury = division.unassigned + later.treasury;
    run.deaths = std::move(later.deaths);
    run.jamiah = later.jamiah;
    run.fates = std::move(fates);
    run.division = std::move(division);
    return run;
}

Fraction sumOf(const std::vector<Fraction>& cells) {
    Fraction total;
    for (const Fraction f : cells)
        total += f;
    return total;
}

// What each person holds from each estate, and what is given now: nothing to the dead, whose
// share passed on.
void give(std::vector<std::vector<Fraction>> cells, SpecialResult& result) {
    for (std::size_t i = 0; i < result.persons.size(); ++i) {
        SpecialPerson& person = result.persons[i];
        person.fromEstates = std::move(cells[i]);
        person.share = person.died ? Fraction() : sumOf(person.fromEstates);
    }
}

void addParts(SpecialResult& result) {
    for (SpecialPerson& person : result.persons)
        person.parts = (person.share * Fraction(result.jamiah)).num();
}

// The common base with the held part: every part given now whole in it.
std::optional<FaraidError> growBase(SpecialResult& result) {
    std::int64_t base = result.jamiah;
    for (const SpecialPerson& person : result.persons)
        base = lcm64(base, person.share.den());
    base = lcm64(lcm64(base, result.treasury.den()), result.held.den());
    if (base == 0)
        return FaraidError{u"Angka pembagian terlalu besar untuk dihitung dengan tepat."_s};
    result.jamiah = base;
    return std::nullopt;
}

// An outcome as shown: every person's share of it, what passed through the dead on.
SpecialOutcome shownOutcome(const OutcomeRun& run, const std::vector<SpecialPerson>& persons) {
    SpecialOutcome o;
    o.fates = run.fates;
    o.division = run.division;
    o.treasury = run.treasury;
    for (std::size_t i = 0; i < run.cells.size(); ++i)
        o.shares.push_back(persons[i].died ? Fraction() : sumOf(run.cells[i]));
    return o;
}

// The khuntsa's lesser of its two outcomes, when the khuntsa is the only uncertain heir.
std::size_t hanafiOutcome(const std::vector<OutcomeRun>& runs, std::size_t khuntsa) {
    return runs.size() == 2 && runs[1].cells[khuntsa][0] < runs[0].cells[khuntsa][0] ? 1 : 0;
}

// The Shafi'i reserve: no number of children is beyond the possible, so the unborn's brothers
// and sisters get nothing of the first estate until the birth.
void reserveShafii(const SpecialInput& special, const FirstPersons& first, Given& given) {
    if (!special.unborn || special.reserve != UnbornReserve::Shafii)
        return;
    for (std::size_t i = 0; i < first.persons().size(); ++i) {
        if (first.besideUnborn(i))
            given.cells[i][0] = Fraction();
    }
}

// Everyone given the least and the rest held; the outcomes shown as they may still come about,
// but both of a khuntsa alone, whose view leaves nothing held.
std::optional<FaraidError> giveLeast(const SpecialInput& special, const FirstPersons& first,
                                     const std::vector<OutcomeRun>& runs, SpecialResult& result) {
    const std::size_t khuntsa = first.persons().size() - 1;
    const bool khuntsaAlone = special.intersex && !special.unborn && special.missing.empty();
    const bool viewed = special.intersex && special.intersexView != IntersexView::Shafii;
    const std::vector<OutcomeRun> standing = standingOutcomes(special, runs, khuntsa);
    Given given = givenNow(standing);
    reserveShafii(special, first, given);
    const std::vector<OutcomeRun>& shown = viewed && khuntsaAlone ? runs : standing;
    for (const OutcomeRun& run : shown)
        result.outcomes.push_back(shownOutcome(run, result.persons));
    result.first = shown.front().division;
    result.deaths = shown.front().deaths;
    result.jamiah = result.deaths.empty() ? 0 : shown.front().jamiah;
    give(std::move(given.cells), result);
    result.treasury = given.treasury;
    result.held = Fraction(1) - result.treasury;
    for (const SpecialPerson& person : result.persons)
        result.held -= person.share;
    const bool averaged = viewed && !khuntsaAlone && special.intersexView == IntersexView::Average;
    addUncertainNotes(special, averaged, viewed && khuntsaAlone ? hanafiOutcome(runs, khuntsa) : 0,
                      result.notes);
    return result.deaths.empty() ? std::nullopt : growBase(result);
}

void giveCertain(OutcomeRun run, SpecialResult& result) {
    result.first = std::move(run.division);
    result.deaths = std::move(run.deaths);
    result.jamiah = run.jamiah;
    result.treasury = run.treasury;
    give(std::move(run.cells), result);
}

bool anyNobody(const std::vector<OutcomeRun>& runs) {
    for (const OutcomeRun& run : runs) {
        if (run.division.heirs.empty())
            return true;
        for (const SpecialDeath& death : run.deaths) {
            if (death.division.heirs.empty())
                return true;
        }
    }
    return false;
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

std::optional<FaraidError> checkSpecial(const SpecialInput& special, FaraidInput& input,
                                        std::vector<SpecialNote>& notes) {
    if (special.deaths.size() > static_cast<std::size_t>(MaxLaterDeaths))
        return FaraidError{u"Ahli waris yang meninggal kemudian paling banyak "_s %
                           QString::number(MaxLaterDeaths) % u" orang."_s};
    if (auto error = leaveOutDiedTogether(special, input, notes))
        return error;
    return checkUncertain(special, input);
}

// Every outcome with its later deaths.
std::variant<std::vector<OutcomeRun>, FaraidError>
runOutcomes(const SpecialInput& special, const FirstPersons& first, const LaterDeaths& deaths,
            std::size_t persons, std::vector<OutcomeFates> fates,
            std::vector<FaraidResult> divisions) {
    std::vector<OutcomeRun> runs;
    runs.reserve(fates.size());
    for (std::size_t o = 0; o < fates.size(); ++o) {
        auto run = runOutcome(special, first, deaths, persons, std::move(fates[o]),
                              std::move(divisions[o]), detailOf(special, o));
        if (auto* error = std::get_if<FaraidError>(&run))
            return std::move(*error);
        runs.push_back(std::get<OutcomeRun>(std::move(run)));
    }
    return runs;
}

} // namespace

SpecialOutcomeOrError divideSpecial(const SpecialInput& special) {
    SpecialResult result;
    FaraidInput input = special.input;
    if (auto error = checkSpecial(special, input, result.notes))
        return *error;
    const Setting setting = settingOf(special, input);
    std::vector<OutcomeFates> fates = outcomeFates(special);
    auto divisions = divideFirst(special, input, setting, fates);
    if (auto* error = std::get_if<FaraidError>(&divisions))
        return *error;
    auto& firstDivisions = std::get<std::vector<FaraidResult>>(divisions);
    const FirstPersons first(setting, firstDivisions.front());
    result.persons = first.persons();
    std::vector<SpecialNote> deathNotes;
    if (!special.deaths.empty())
        deathNotes.push_back({.kind = SpecialNoteKind::LaterDeaths});
    auto deaths = LaterDeaths::place(special, result.persons, deathNotes);
    if (auto* error = std::get_if<FaraidError>(&deaths))
        return *error;
    auto runs = runOutcomes(special, first, std::get<LaterDeaths>(deaths), result.persons.size(),
                            std::move(fates), std::move(firstDivisions));
    if (auto* error = std::get_if<FaraidError>(&runs))
        return *error;
    auto& all = std::get<std::vector<OutcomeRun>>(runs);
    const bool nobody = anyNobody(all);
    if (uncertain(special)) {
        if (auto error = giveLeast(special, first, all, result))
            return *error;
        if (!special.deaths.empty())
            deathNotes.push_back({.kind = SpecialNoteKind::DeathsEachOutcome});
    } else {
        giveCertain(std::move(all.front()), result);
    }
    if (!result.deaths.empty())
        addParts(result);
    result.notes.insert(result.notes.end(), deathNotes.begin(), deathNotes.end());
    if (nobody)
        result.notes.push_back({.kind = SpecialNoteKind::NoHeirs});
    addAmounts(result);
    return result;
}

} // namespace zw::waris
