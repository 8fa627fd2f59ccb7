#include "waris/engine/faraid/FirstPersons.h"

#include "waris/engine/faraid/DistantKin.h"
#include "waris/engine/faraid/FaraidText.h"
#include "waris/engine/faraid/SpecialCaseParts.h"

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

using enum HeirKind;
using parts::kindName;
using parts::numbered;

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

// Classical: a predeceased son's children, brother's or uncle's sons stand as persons of a kind
// of their own; the rest of them are distant kin in a branch.
FaraidPerKind<std::vector<BranchPersons>> countedBranches(const FaraidInput& input) {
    FaraidPerKind<std::vector<BranchPersons>> counted{};
    if (input.law == Law::Khi)
        return counted;
    int branch = 0;
    for (const PredeceasedChild& child : input.predeceased) {
        ++branch;
        for (const bool daughters : {false, true}) {
            const int persons = daughters ? child.daughters : child.sons;
            if (persons > 0 && !distantChildren(child.replaces, daughters))
                counted[childKind(child.replaces, daughters)].push_back(
                    {child.replaces, branch, daughters, persons});
        }
    }
    return counted;
}

int countedPersons(const std::vector<BranchPersons>& branches) {
    int n = 0;
    for (const BranchPersons& b : branches)
        n += b.persons;
    return n;
}

} // namespace

std::optional<std::pair<HeirKind, HeirKind>> sexesOf(HeirKind kind) {
    for (const auto& pair : {std::pair{AnakPria, AnakWanita}, std::pair{CucuPria, CucuWanita},
                             std::pair{SaudaraPriaSekandung, SaudaraWanitaSekandung},
                             std::pair{SaudaraPriaSeBapak, SaudaraWanitaSeBapak},
                             std::pair{SaudaraPriaSeIbu, SaudaraWanitaSeIbu}}) {
        if (kind == pair.first || kind == pair.second)
            return pair;
    }
    return std::nullopt;
}

bool mayBeIntersex(HeirKind kind) {
    return sexesOf(kind).has_value();
}

Setting settingOf(const SpecialInput& special, const FaraidInput& input) {
    Setting s;
    s.unborn = special.unborn.has_value();
    if (special.unborn)
        s.unbornKinds = parts::unbornKinds(*special.unborn);
    s.intersex = special.intersex;
    // Checked before: the khuntsa is a child, a grandchild or a sibling.
    s.intersexKinds =
        special.intersex ? sexesOf(*special.intersex).value_or(s.unbornKinds) : s.unbornKinds;
    s.entered = input.counts;
    if (special.intersex)
        --s.entered[*special.intersex];
    s.missingIndex.fill(-1);
    for (std::size_t m = 0; m < special.missing.size(); ++m) {
        s.missingOf[special.missing[m].kind] = special.missing[m].count;
        s.missingIndex[special.missing[m].kind] = static_cast<int>(m);
    }
    s.counted = countedBranches(input);
    return s;
}

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

FirstPersons::FirstPersons(const Setting& setting, const FaraidResult& first)
    : m_setting(setting) {
    for (const FaraidHeir& h : first.heirs) {
        if (h.inBranch())
            addBranch(h);
        else
            addKind(h);
    }
    if (setting.unborn) {
        SpecialPerson unborn;
        unborn.name = u"Kandungan"_s;
        unborn.kind = setting.unbornKinds.first;
        unborn.key = {.kind = unborn.kind, .daughters = true, .number = 0};
        add({.role = Role::Unborn, .kind = unborn.kind}, unborn);
    }
    if (setting.intersex) {
        SpecialPerson khuntsa;
        khuntsa.name = u"Khuntsa ("_s % kindName(*setting.intersex) % u')';
        khuntsa.kind = *setting.intersex;
        khuntsa.key = {.kind = khuntsa.kind, .number = 0};
        add({.role = Role::Intersex, .kind = khuntsa.kind}, khuntsa);
    }
}

void FirstPersons::add(Slot slot, SpecialPerson person) {
    m_slots.push_back(slot);
    m_persons.push_back(std::move(person));
}

// The entered persons of the kind, the missing last, then the branches counted with them.
void FirstPersons::addKind(const FaraidHeir& h) {
    const int entered = m_setting.entered[h.kind];
    const std::vector<BranchPersons>& counted = m_setting.counted[h.kind];
    const int all = entered + countedPersons(counted);
    const int missing = m_setting.missingOf[h.kind];
    for (int p = 0; p < entered; ++p) {
        Slot slot{.role = Role::Entered, .kind = h.kind};
        SpecialPerson person;
        person.kind = h.kind;
        person.name = numbered(h.kind, p + 1, all);
        person.key = {.kind = h.kind, .number = p + 1};
        if (p >= entered - missing) {
            slot.missing = m_setting.missingIndex[h.kind];
            slot.rank = p - (entered - missing);
            person.name += u" (hilang)"_s;
        }
        add(slot, std::move(person));
    }
    int p = entered;
    for (const BranchPersons& b : counted) {
        for (int q = 1; q <= b.persons; ++q) {
            SpecialPerson person;
            person.kind = h.kind;
            person.name = numbered(h.kind, ++p, all);
            person.estate = -1;
            person.key = {
                .kind = b.replaces, .branch = b.branch, .daughters = b.daughters, .number = q};
            add({.role = Role::Entered, .kind = h.kind}, std::move(person));
        }
    }
}

void FirstPersons::addBranch(const FaraidHeir& h) {
    for (int p = 1; p <= h.count; ++p) {
        SpecialPerson person;
        person.kind = h.kind;
        person.name = faraidHeirName(h) % (h.count > 1 ? u' ' % QString::number(p) : QString());
        person.estate = -1;
        person.key = {
            .kind = h.kind, .branch = h.branch, .daughters = h.branchDaughters, .number = p};
        add({.role = Role::Branch,
             .kind = h.kind,
             .branch = h.branch,
             .daughters = h.branchDaughters},
            std::move(person));
    }
}

bool FirstPersons::alive(std::size_t person, const OutcomeFates& fates) const {
    const Slot& slot = m_slots[person];
    return slot.missing < 0 ||
           slot.rank < fates.missing[static_cast<std::size_t>(slot.missing)].alive;
}

bool FirstPersons::besideUnborn(std::size_t person) const {
    const Slot& slot = m_slots[person];
    return slot.role == Role::Entered &&
           (slot.kind == m_setting.unbornKinds.first || slot.kind == m_setting.unbornKinds.second);
}

std::vector<Fraction> FirstPersons::shares(const FaraidResult& r, const OutcomeFates& fates) const {
    std::vector<Fraction> shares;
    shares.reserve(m_slots.size());
    for (std::size_t i = 0; i < m_slots.size(); ++i) {
        const Slot& slot = m_slots[i];
        switch (slot.role) {
        case Role::Entered:
        case Role::Branch: {
            const FaraidHeir* e = entryOf(r, slot.kind, slot.branch, slot.daughters);
            shares.push_back(alive(i, fates) && e ? e->perPerson : Fraction());
            break;
        }
        case Role::Unborn:
            shares.push_back(perPersonOf(r, m_setting.unbornKinds.first) * Fraction(fates.sons) +
                             perPersonOf(r, m_setting.unbornKinds.second) *
                                 Fraction(fates.daughters));
            break;
        case Role::Intersex:
            shares.push_back(perPersonOf(r, fates.intersexMale.value_or(true)
                                                ? m_setting.intersexKinds.first
                                                : m_setting.intersexKinds.second));
            break;
        }
    }
    return shares;
}

} // namespace zw::waris
