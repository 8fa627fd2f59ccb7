#include "waris/engine/faraid/UncertainHeirs.h"

#include "waris/engine/faraid/FaraidText.h"
#include "waris/engine/faraid/OutcomeName.h"
#include "waris/engine/faraid/SpecialCaseParts.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

using enum HeirKind;
using parts::kindName;
using parts::numbered;

// Each outcome so far once with each of `fates`, which change faster.
std::vector<OutcomeFates> times(const std::vector<OutcomeFates>& outcomes,
                                const std::vector<OutcomeFates>& fates) {
    std::vector<OutcomeFates> all;
    for (const OutcomeFates& outcome : outcomes) {
        for (const OutcomeFates& fate : fates) {
            OutcomeFates both = outcome;
            both.unborn = fate.unborn ? fate.unborn : both.unborn;
            both.sons += fate.sons;
            both.daughters += fate.daughters;
            both.missing.insert(both.missing.end(), fate.missing.begin(), fate.missing.end());
            both.intersexMale = fate.intersexMale ? fate.intersexMale : both.intersexMale;
            all.push_back(std::move(both));
        }
    }
    return all;
}

// Stillborn, then one child of each sex mix, two, ... up to `unbornMax`, the sons first.
std::vector<OutcomeFates> birthsOf(UnbornKind kind, int unbornMax) {
    std::vector<OutcomeFates> births{{kind, 0, 0, {}, std::nullopt}};
    for (int n = 1; n <= unbornMax; ++n) {
        for (int sons = n; sons >= 0; --sons)
            births.push_back({kind, sons, n - sons, {}, std::nullopt});
    }
    return births;
}

// All the missing persons of a kind alive, then one fewer, ... none.
std::vector<OutcomeFates> missingFates(const KindPersons& missing) {
    std::vector<OutcomeFates> fates;
    for (int alive = missing.count; alive >= 0; --alive)
        fates.push_back({std::nullopt, 0, 0, {{missing, alive}}, std::nullopt});
    return fates;
}

// Every combination of the fates of the unborn, each missing kind and the khuntsa, the last
// changing fastest.
std::vector<OutcomeFates> outcomesOf(const SpecialInput& special, int unbornMax) {
    std::vector<OutcomeFates> all(1);
    if (special.unborn)
        all = times(all, birthsOf(*special.unborn, unbornMax));
    for (const KindPersons& missing : special.missing)
        all = times(all, missingFates(missing));
    if (special.intersex)
        all = times(all, {{std::nullopt, 0, 0, {}, true}, {std::nullopt, 0, 0, {}, false}});
    return all;
}

// The male and female kinds of a child or sibling.
std::optional<std::pair<HeirKind, HeirKind>> sexes(HeirKind kind) {
    for (const auto& pair : {std::pair{AnakPria, AnakWanita}, std::pair{CucuPria, CucuWanita},
                             std::pair{SaudaraPriaSekandung, SaudaraWanitaSekandung},
                             std::pair{SaudaraPriaSeBapak, SaudaraWanitaSeBapak},
                             std::pair{SaudaraPriaSeIbu, SaudaraWanitaSeIbu}}) {
        if (kind == pair.first || kind == pair.second)
            return pair;
    }
    return std::nullopt;
}

std::optional<FaraidError> checkUnborn(const SpecialInput& special, const FaraidInput& input,
                                       int unbornMax) {
    if (unbornMax < 1 || unbornMax > MaxUnborn)
        return FaraidError{u"Jumlah bayi dalam kandungan yang diperhitungkan harus antara 1 "
                           u"dan "_s %
                           QString::number(MaxUnborn) % u'.'};
    if (special.reserve == UnbornReserve::Hanafi && special.unbornMax && *special.unbornMax != 1)
        return FaraidError{u"Cadangan Hanafi menahan bagian satu anak; jumlah bayi tidak dapat "
                           u"diubah."_s};
    if (*special.unborn == UnbornKind::Child && input.counts[Istri] == 0)
        return FaraidError{u"Kandungan anak pewaris memerlukan istri pewaris yang masih hidup."_s};
    if (*special.unborn == UnbornKind::Grandchild) {
        if (input.law == Law::Khi)
            return FaraidError{u"Dalam KHI kandungan hanya dihitung sebagai anak pewaris."_s};
        if (input.counts[AnakPria] > 0)
            return FaraidError{u"Kandungan cucu tidak mewarisi selama ada Anak Pria; tidak ada "
                               u"yang perlu ditangguhkan."_s};
    }
    return std::nullopt;
}

std::optional<FaraidError> checkMissing(const SpecialInput& special, const FaraidInput& input) {
    for (std::size_t m = 0; m < special.missing.size(); ++m) {
        const KindPersons& missing = special.missing[m];
        const int present = input.counts[missing.kind];
        for (std::size_t o = 0; o < m; ++o) {
            if (special.missing[o].kind == missing.kind)
                return FaraidError{kindName(missing.kind) %
                                   u" yang hilang disebut lebih dari sekali."_s};
        }
        if (missing.count < 1 || missing.count > present)
            return FaraidError{u"Ahli waris yang hilang: "_s % kindName(missing.kind) %
                               u" hanya "_s % QString::number(present) % u" orang."_s};
    }
    return std::nullopt;
}

std::optional<FaraidError> checkIntersex(const SpecialInput& special, const FaraidInput& input) {
    if (special.intersex) {
        if (!sexes(*special.intersex))
            return FaraidError{u"Khuntsa hanya anak, cucu atau saudara."_s};
        int free = input.counts[*special.intersex];
        for (const KindPersons& missing : special.missing)
            free -= missing.kind == *special.intersex ? missing.count : 0;
        if (free < 1)
            return FaraidError{u"Khuntsa harus salah satu "_s % kindName(*special.intersex) %
                               u" yang dimasukkan dan tidak hilang."_s};
    }
    if (special.intersexView != IntersexView::Shafii &&
        (!special.intersex || special.unborn || !special.missing.empty()))
        return FaraidError{u"Pandangan Hanafi atau rata-rata hanya untuk khuntsa saja, tanpa "
                           u"kandungan atau ahli waris yang hilang."_s};
    return std::nullopt;
}

// Counted before they are made: several missing kinds multiply.
std::optional<FaraidError> checkOutcomeCount(const SpecialInput& special, int unbornMax) {
    std::int64_t possible = special.unborn ? 1 + unbornMax * (unbornMax + 3) / 2 : 1;
    for (const KindPersons& missing : special.missing)
        possible = std::min<std::int64_t>(possible * (missing.count + 1), MaxOutcomes + 1);
    possible *= special.intersex ? 2 : 1;
    if (possible > MaxOutcomes)
        return FaraidError{u"Terlalu banyak kemungkinan untuk dihitung (lebih dari "_s %
                           QString::number(MaxOutcomes) % u")."_s};
    return std::nullopt;
}

std::optional<FaraidError> checkUncertain(const SpecialInput& special, const FaraidInput& input,
                                          int unbornMax) {
    if (!special.deaths.empty() && (special.unborn || !special.missing.empty() || special.intersex))
        return FaraidError{u"Ahli waris yang meninggal kemudian tidak dapat digabung dengan "
                           u"kandungan, ahli waris yang hilang atau khuntsa."_s};
    if (special.unborn) {
        if (auto error = checkUnborn(special, input, unbornMax))
            return error;
    }
    if (auto error = checkMissing(special, input))
        return error;
    if (auto error = checkIntersex(special, input))
        return error;
    return checkOutcomeCount(special, unbornMax);
}

// What the entered heirs stand for: the kinds the unborn and the khuntsa would be, and the
// persons entered apart from them.
struct Setting {
    std::pair<HeirKind, HeirKind> unbornKinds{AnakPria, AnakWanita};
    std::pair<HeirKind, HeirKind> intersexKinds{AnakPria, AnakWanita};
    FaraidPerKind<int> entered{};   // the khuntsa left out
    FaraidPerKind<int> missingOf{}; // how many of the entered are missing
    std::vector<int> missingIndex = std::vector<int>(FaraidKindCount, -1); // into missing
};

Setting settingOf(const SpecialInput& special, const FaraidInput& input) {
    Setting s;
    if (special.unborn == UnbornKind::Grandchild)
        s.unbornKinds = {CucuPria, CucuWanita};
    // Checked before: the khuntsa is a child or a sibling.
    s.intersexKinds =
        special.intersex ? sexes(*special.intersex).value_or(s.unbornKinds) : s.unbornKinds;
    s.entered = input.counts;
    if (special.intersex)
        --s.entered[*special.intersex];
    for (std::size_t m = 0; m < special.missing.size(); ++m) {
        s.missingOf[special.missing[m].kind] = special.missing[m].count;
        s.missingIndex[static_cast<std::size_t>(index(special.missing[m].kind))] =
            static_cast<int>(m);
    }
    return s;
}

// The first deceased's `input` as the outcome has it.
FaraidInput inputOf(const FaraidInput& input, const Setting& s, const OutcomeFates& fates) {
    FaraidInput in = input;
    in.counts = s.entered;
    in.counts[s.unbornKinds.first] += fates.sons;
    in.counts[s.unbornKinds.second] += fates.daughters;
    for (const MissingFate& fate : fates.missing)
        in.counts[fate.missing.kind] -= fate.missing.count - fate.alive;
    if (fates.intersexMale)
        ++in.counts[*fates.intersexMale ? s.intersexKinds.first : s.intersexKinds.second];
    return in;
}

// Every outcome divided; the first in full, as the division shown.
std::optional<FaraidError> divideOutcomes(const FaraidInput& input, const Setting& s,
                                          std::vector<OutcomeFates> outcomes,
                                          SpecialResult& result) {
    result.outcomes.reserve(outcomes.size());
    for (OutcomeFates& fates : outcomes) {
        FaraidInput in = inputOf(input, s, fates);
        in.detail = result.outcomes.empty() ? FaraidDetail::Full : FaraidDetail::SharesOnly;
        FaraidOutcome outcome = divideEstate(in);
        if (std::holds_alternative<FaraidError>(outcome))
            return parts::errorOf(outcome, u"Bila "_s % outcomeName(fates) % u": "_s);
        SpecialOutcome o;
        o.fates = std::move(fates);
        o.division = std::get<FaraidResult>(std::move(outcome));
        o.treasury = o.division.unassigned;
        result.outcomes.push_back(std::move(o));
    }
    result.first = result.outcomes.front().division;
    return std::nullopt;
}

// Where a person's share is found in each outcome.
struct PersonSlot {
    HeirKind kind = AnakPria;
    int branch = 0;
    bool branchDaughters = false;
    int index = 0;    // among the entered persons of the kind, from 0
    int missing = -1; // index into SpecialInput::missing, or -1
    enum class Role : std::uint8_t { Entered, Unborn, Intersex } role = Role::Entered;
};

const FaraidHeir* entryOf(const FaraidResult& r, HeirKind kind, int branch, bool daughters) {
    for (const FaraidHeir& h : r.heirs) {
        if (h.kind == kind && h.branch == branch && (branch == 0 || h.branchDaughters == daughters))
            return &h;
    }
    return nullptr;
}

Fraction perPersonOf(const FaraidResult& r, HeirKind kind) {
    const FaraidHeir* h = entryOf(r, kind, 0, false);
    return h ? h->perPerson : Fraction();
}

// The persons entered, each alone; the missing last of their kind.
void addEntered(const Setting& s, const FaraidResult& first, std::vector<PersonSlot>& slots,
                std::vector<SpecialPerson>& persons) {
    for (const FaraidHeir& h : first.heirs) {
        const int count = h.inBranch() ? h.count : s.entered[h.kind];
        for (int p = 0; p < count; ++p) {
            PersonSlot slot{h.kind, h.branch, h.branchDaughters, p, -1, PersonSlot::Role::Entered};
            SpecialPerson person;
            person.kind = h.kind;
            person.name = h.inBranch() ? faraidHeirName(h) %
                                             (count > 1 ? u' ' % QString::number(p + 1) : QString())
                                       : numbered(h.kind, p + 1, count);
            const int m =
                h.inBranch() ? -1 : s.missingIndex[static_cast<std::size_t>(index(h.kind))];
            if (m >= 0 && p >= count - s.missingOf[h.kind]) {
                slot.missing = m;
                person.name += u" (hilang)"_s;
            }
            slots.push_back(slot);
            persons.push_back(person);
        }
    }
}

// The persons: those entered, then the unborn and the khuntsa.
std::vector<PersonSlot> addPersons(const SpecialInput& special, const Setting& s,
                                   SpecialResult& result) {
    std::vector<PersonSlot> slots;
    addEntered(s, result.first, slots, result.persons);
    if (special.unborn) {
        slots.push_back({s.unbornKinds.first, 0, false, 0, -1, PersonSlot::Role::Unborn});
        SpecialPerson unborn;
        unborn.name = u"Kandungan"_s;
        unborn.kind = s.unbornKinds.first;
        result.persons.push_back(unborn);
    }
    if (special.intersex) {
        slots.push_back({*special.intersex, 0, false, 0, -1, PersonSlot::Role::Intersex});
        SpecialPerson khuntsa;
        khuntsa.name = u"Khuntsa ("_s % kindName(*special.intersex) % u')';
        khuntsa.kind = *special.intersex;
        result.persons.push_back(khuntsa);
    }
    return slots;
}

Fraction shareOf(const PersonSlot& slot, const Setting& s, const FaraidResult& r,
                 const OutcomeFates& fates) {
    switch (slot.role) {
    case PersonSlot::Role::Entered: {
        const bool alive =
            slot.missing < 0 ||
            slot.index < s.entered[slot.kind] - s.missingOf[slot.kind] +
                             fates.missing[static_cast<std::size_t>(slot.missing)].alive;
        const FaraidHeir* e = entryOf(r, slot.kind, slot.branch, slot.branchDaughters);
        return alive && e ? e->perPerson : Fraction();
    }
    case PersonSlot::Role::Unborn:
        return perPersonOf(r, s.unbornKinds.first) * Fraction(fates.sons) +
               perPersonOf(r, s.unbornKinds.second) * Fraction(fates.daughters);
    case PersonSlot::Role::Intersex:
        return perPersonOf(r, fates.intersexMale.value_or(true) ? s.intersexKinds.first
                                                                : s.intersexKinds.second);
    }
    return Fraction();
}

void addShares(const std::vector<PersonSlot>& slots, const Setting& s, SpecialResult& result) {
    for (SpecialOutcome& outcome : result.outcomes) {
        outcome.shares.reserve(slots.size());
        for (const PersonSlot& slot : slots)
            outcome.shares.push_back(shareOf(slot, s, outcome.division, outcome.fates));
    }
}

// What is given now, before the outcome is known.
struct Given {
    std::vector<Fraction> shares; // per person
    Fraction treasury;
    std::size_t outcome = 0; // the Hanafi view: the khuntsa's lesser outcome
};

// The khuntsa, the last person, gets the lesser of the two and the rest follow that outcome.
Given hanafiGiven(const std::vector<SpecialOutcome>& outcomes) {
    const std::size_t khuntsa = outcomes[0].shares.size() - 1;
    const std::size_t worse = outcomes[1].shares[khuntsa] < outcomes[0].shares[khuntsa] ? 1 : 0;
    return {outcomes[worse].shares, outcomes[worse].treasury, worse};
}

Given averageGiven(const std::vector<SpecialOutcome>& outcomes) {
    Given given{std::vector<Fraction>(outcomes[0].shares.size()), Fraction(), 0};
    for (std::size_t i = 0; i < given.shares.size(); ++i)
        given.shares[i] = (outcomes[0].shares[i] + outcomes[1].shares[i]) * Fraction::of(1, 2);
    given.treasury = (outcomes[0].treasury + outcomes[1].treasury) * Fraction::of(1, 2);
    return given;
}

Given leastGiven(const std::vector<SpecialOutcome>& outcomes) {
    const auto less = [](Fraction a, Fraction b) {
        return a < b;
    };
    Given given{outcomes[0].shares, outcomes[0].treasury, 0};
    for (const SpecialOutcome& o : outcomes) {
        for (std::size_t i = 0; i < given.shares.size(); ++i)
            given.shares[i] = std::min(given.shares[i], o.shares[i], less);
        given.treasury = std::min(given.treasury, o.treasury, less);
    }
    return given;
}

Given givenNow(const SpecialInput& special, const Setting& s, const std::vector<PersonSlot>& slots,
               const std::vector<SpecialOutcome>& outcomes) {
    if (special.intersex && special.intersexView == IntersexView::Hanafi)
        return hanafiGiven(outcomes);
    if (special.intersex && special.intersexView == IntersexView::Average)
        return averageGiven(outcomes);
    Given given = leastGiven(outcomes);
    // Shafi'i: no number of children is beyond the possible, so the unborn's brothers and
    // sisters get nothing until the birth.
    if (special.unborn && special.reserve == UnbornReserve::Shafii) {
        for (std::size_t i = 0; i < slots.size(); ++i) {
            if (slots[i].branch == 0 &&
                (slots[i].kind == s.unbornKinds.first || slots[i].kind == s.unbornKinds.second))
                given.shares[i] = Fraction();
        }
    }
    return given;
}

void give(const Given& given, SpecialResult& result) {
    result.held = Fraction(1) - given.treasury;
    for (std::size_t i = 0; i < given.shares.size(); ++i) {
        result.persons[i].share = given.shares[i];
        result.persons[i].fromEstates = {given.shares[i]};
        result.held -= given.shares[i];
    }
    result.treasury = given.treasury;
}

void addNotes(const SpecialInput& special, const FaraidInput& input, const Given& given,
              std::vector<SpecialNote>& notes) {
    using enum SpecialNoteKind;
    notes.push_back({.kind = FirstOutcome});
    if (special.intersex && special.intersexView == IntersexView::Hanafi)
        notes.push_back({.kind = IntersexHanafi, .outcome = given.outcome});
    else if (special.intersex && special.intersexView == IntersexView::Average)
        notes.push_back({.kind = IntersexAverage});
    if (special.unborn)
        notes.push_back({.kind = UnbornHeld, .reserve = special.reserve});
    if (!special.missing.empty())
        notes.push_back({.kind = input.law == Law::Khi ? MissingHeldKhi : MissingHeld});
    if (special.intersex && special.intersexView == IntersexView::Shafii)
        notes.push_back({.kind = IntersexShafii});
}

} // namespace

bool mayBeIntersex(HeirKind kind) {
    return sexes(kind).has_value();
}

std::optional<FaraidError> divideUncertain(const SpecialInput& special, const FaraidInput& input,
                                           SpecialResult& result) {
    const int unbornMax =
        special.reserve == UnbornReserve::Hanafi ? 1 : special.unbornMax.value_or(2);
    if (auto error = checkUncertain(special, input, unbornMax))
        return error;
    const Setting setting = settingOf(special, input);
    if (auto error = divideOutcomes(input, setting, outcomesOf(special, unbornMax), result))
        return error;
    const std::vector<PersonSlot> slots = addPersons(special, setting, result);
    addShares(slots, setting, result);
    const Given given = givenNow(special, setting, slots, result.outcomes);
    give(given, result);
    addNotes(special, input, given, result.notes);
    return std::nullopt;
}

} // namespace zw::waris
