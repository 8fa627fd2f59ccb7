#include "waris/engine/faraid/FaraidEngine.h"

#include "waris/engine/faraid/DistantKin.h"
#include "waris/engine/faraid/FaraidAmounts.h"
#include "waris/engine/faraid/FaraidInputCheck.h"
#include "waris/engine/faraid/FaraidText.h"

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

using enum HeirKind;

constexpr HeirSet Spouses{Suami, Istri};
constexpr HeirSet MaleDescendants{AnakPria, CucuPria};
constexpr HeirSet FemaleDescendants{AnakWanita, CucuWanita};
constexpr HeirSet Descendants = MaleDescendants | FemaleDescendants;
constexpr HeirSet Uterine{SaudaraPriaSeIbu, SaudaraWanitaSeIbu};
constexpr HeirSet FullSiblings{SaudaraPriaSekandung, SaudaraWanitaSekandung};
constexpr HeirSet PaternalSiblings{SaudaraPriaSeBapak, SaudaraWanitaSeBapak};
constexpr HeirSet SharingSiblings = FullSiblings | PaternalSiblings;
constexpr HeirSet Siblings = Uterine | SharingSiblings;
// The grandmothers: the one of the heir selection, whose side an option tells, or the two apart.
constexpr HeirSet Grandmothers{Nenek, NenekDariIbu, NenekDariBapak};
// Nephews, uncles and cousins, nearest first.
constexpr HeirSet DistantMales = HeirSet::range(AnakPriaSaudaraSekandung, AnakPriaPamanSeBapak);

bool isMale(HeirKind kind) {
    return heirInfo(kind).male;
}

struct Group {
    HeirSet kinds;
    Fraction fard;
    bool residue = false;
    bool equalHeads = false; // the mother's children (and mushtaraka): men and women alike
    bool muaddah = false;    // the grandfather's brothers and sisters: split by Zayd's method
    Fraction share;
};

// What the females of a class take when no male of it is there besides half or two thirds.
enum class Beside : std::uint8_t {
    Nothing,
    OneNearerFemale, // a sixth completing two thirds
    Daughters,       // sisters: the residue (ma'al ghair)
};

class Division {
public:
    explicit Division(const FaraidInput& input);

    FaraidOutcome run();

private:
    int count(HeirKind k) const { return has(k) ? m_counts[k] : 0; }
    bool khi() const { return m_in.law == Law::Khi; }
    bool has(HeirKind k) const { return m_present.contains(k); }

    void block(HeirKind k, HeirSet blockers);
    void findBlocked();

    Group& addGroup(HeirSet kinds, Fraction fard, FaraidBasis basis, bool residue = false);
    void setBasis(HeirSet kinds, FaraidBasis basis);
    void addHalfOrTwoThirds(HeirKind female);
    void addPair(HeirKind male, HeirKind female, Beside beside);
    void buildGroups();
    Fraction addSpouse(bool descendant);
    void addMother(Fraction spouse, bool descendant);
    void addAncestors();
    bool addUterine();
    void addGrandfatherWithSiblings();

    void findBase();
    void shareOut();
    void splitGroups();
    void splitGroup(const Group& group);
    void splitMuaddah(const Group& group);
    FaraidHeir heirOf(HeirKind k) const;
    void collectHeirs();
    void addBranches(const FaraidHeir& child);
    void addDistantBranches(const FaraidHeir& child);
    void addDistantKin(HeirSet receivers);
    Fraction distantShare(HeirKind kind) const;
    bool correct();

    const FaraidInput& m_in;
    // The persons of each kind the division counts: the given ones with the predeceased children
    // as the law counts them.
    FaraidPerKind<int> m_counts;
    bool m_distantKinInherit = false; // distant kin, as no one but a spouse inherits
    DistantDivision m_distant;
    Fraction m_distantWhole; // what the spouse leaves them
    bool m_daughterBlocksSiblings = false;
    HeirSet m_ticked;
    HeirSet m_present;
    bool m_grandfatherShares = false; // Zayd: the grandfather shares with the siblings
    FaraidPerKind<HeirSet> m_blockedBy{};
    FaraidPerKind<FaraidBasis> m_basis{};
    FaraidPerKind<Fraction> m_fard{};
    FaraidPerKind<Fraction> m_share{};
    std::array<Group, FaraidKindCount> m_groups{};
    int m_groupCount = 0;
    int m_residueGroup = -1;
    HeirSet m_akdariyyah; // the sister of the akdariyyah
    Fraction m_fixedSum;
    std::int64_t m_effectiveBase = 0; // after 'aul or radd, before tashih
    FaraidResult m_result;
};

// KHI counts each predeceased heir as a living one (art. 185). The classical law counts a son's
// children as son's sons and daughters, a brother's or an uncle's sons as his sons, and the
// others as distant kin (dzawil arham), who inherit when no one but a spouse does: they come
// before the treasury and the spouse, who takes no radd.
Division::Division(const FaraidInput& input)
    : m_in(input)
    , m_counts(input.counts) {
    FaraidPerKind<int> distantBranches{};
    bool distant = false;
    for (const PredeceasedChild& child : input.predeceased) {
        if (khi()) {
            ++m_counts[child.replaces];
            continue;
        }
        bool distantChild = false;
        for (const bool daughters : {false, true}) {
            const int persons = daughters ? child.daughters : child.sons;
            if (persons > 0 && distantChildren(child.replaces, daughters))
                distantChild = true;
            else if (persons > 0)
                m_counts[childKind(child.replaces, daughters)] += persons;
        }
        if (distantChild)
            ++distantBranches[child.replaces];
        distant = distant || distantChild;
    }
    for (int k = 0; k < FaraidKindCount; ++k) {
        if (m_counts[k] > 0)
            m_ticked |= HeirSet{heirKind(k)};
    }
    distant = distant || m_ticked.intersects(distantKinds());
    if ((m_ticked - Spouses - distantKinds()).empty() && distant) {
        m_distantKinInherit = true;
        m_distant = divideAmongDistantKin(input);
        for (int k = 0; k < FaraidKindCount; ++k) {
            if (distantBranches[k] > 0) {
                m_counts[k] = distantBranches[k];
                m_ticked |= HeirSet{heirKind(k)};
            }
        }
    }
    m_present = m_ticked;
}

Fraction Division::distantShare(HeirKind kind) const {
    Fraction share;
    for (const DistantPortion& p : m_distant.portions) {
        if (p.kind == kind)
            share += p.share;
    }
    return share;
}

void Division::block(HeirKind k, HeirSet blockers) {
    blockers &= m_present;
    if (!blockers.empty() && has(k)) {
        m_present -= HeirSet{k};
        m_blockedBy[k] = blockers;
    }
}

void Division::findBlocked() {
    const FaraidOptions& options = m_in.options;
    block(Kakek, {Bapak});
    block(CucuPria, {AnakPria});
    block(CucuWanita, {AnakPria});
    if (m_counts[AnakWanita] >= 2 && !has(CucuPria))
        block(CucuWanita, {AnakWanita});
    block(Nenek,
          options.grandmother == GrandmotherSide::Paternal ? HeirSet{Ibu, Bapak} : HeirSet{Ibu});
    block(NenekDariIbu, {Ibu});
    block(NenekDariBapak, {Ibu, Bapak});

    m_grandfatherShares = has(Kakek) && options.grandfather == GrandfatherRule::Zayd;
    m_daughterBlocksSiblings =
        khi() && options.daughter == DaughterRule::BlocksSiblings && has(AnakWanita);
    const HeirSet byChild = m_daughterBlocksSiblings ? HeirSet{AnakWanita} : HeirSet{};
    const HeirSet byNearer = MaleDescendants | byChild | HeirSet{Bapak} |
                             (m_grandfatherShares ? HeirSet{} : HeirSet{Kakek});
    block(SaudaraPriaSekandung, byNearer);
    block(SaudaraWanitaSekandung, byNearer);
    const bool femaleDescendant = m_present.intersects(FemaleDescendants);
    const bool fullSisterBesideDaughters = has(SaudaraWanitaSekandung) &&
                                           !has(SaudaraPriaSekandung) && femaleDescendant &&
                                           !m_grandfatherShares;
    // Beside a sharing grandfather they are counted first (mu'addah) and give way later.
    const HeirSet byFull =
        byNearer | (m_grandfatherShares ? HeirSet{} : HeirSet{SaudaraPriaSekandung}) |
        (fullSisterBesideDaughters ? HeirSet{SaudaraWanitaSekandung} : HeirSet{});
    block(SaudaraPriaSeBapak, byFull);
    const bool twoFullSisters =
        m_counts[SaudaraWanitaSekandung] >= 2 && !has(SaudaraPriaSeBapak) && !m_grandfatherShares;
    block(SaudaraWanitaSeBapak,
          byFull | (twoFullSisters ? HeirSet{SaudaraWanitaSekandung} : HeirSet{}));
    const bool paternalSisterBesideDaughters = has(SaudaraWanitaSeBapak) &&
                                               !has(SaudaraPriaSeBapak) && femaleDescendant &&
                                               !m_grandfatherShares;

    for (const HeirKind k : Uterine)
        block(k, Descendants | HeirSet{Bapak, Kakek});

    HeirSet nearer = MaleDescendants | byChild |
                     HeirSet{Bapak, Kakek, SaudaraPriaSekandung, SaudaraPriaSeBapak} |
                     (fullSisterBesideDaughters ? HeirSet{SaudaraWanitaSekandung} : HeirSet{}) |
                     (paternalSisterBesideDaughters ? HeirSet{SaudaraWanitaSeBapak} : HeirSet{});
    for (const HeirKind k : DistantMales) {
        block(k, nearer);
        nearer |= HeirSet{k};
    }
    for (const HeirKind k : distantKinds())
        block(k, m_present - Spouses - distantKinds());
}

Group& Division::addGroup(HeirSet kinds, Fraction fard, FaraidBasis basis, bool residue) {
    Group& group = m_groups[static_cast<std::size_t>(m_groupCount)];
    group.kinds = kinds & m_present;
    group.fard = fard;
    group.residue = residue;
    if (residue && m_residueGroup < 0)
        m_residueGroup = m_groupCount;
    setBasis(group.kinds, basis);
    ++m_groupCount;
    return group;
}

void Division::setBasis(HeirSet kinds, FaraidBasis basis) {
    for (const HeirKind k : kinds)
        m_basis[k] = basis;
}

// A daughter, a son's daughter or a sister without a brother: a half alone, two thirds together.
void Division::addHalfOrTwoThirds(HeirKind female) {
    const bool one = count(female) == 1;
    addGroup({female}, one ? Fraction::of(1, 2) : Fraction::of(2, 3),
             one ? FaraidBasis::OneHalf : FaraidBasis::TwoThirds);
}

// A male and the females of his class (children, son's children, full or paternal siblings):
// residuaries together, a male twice a female; without him the females take a share.
void Division::addPair(HeirKind male, HeirKind female, Beside beside) {
    if (has(male)) {
        addGroup({male, female}, 0, FaraidBasis::ResidueNearest, true);
        m_basis[female] = FaraidBasis::ResidueWithMale;
    } else if (!has(female)) {
        return;
    } else if (beside == Beside::Daughters) {
        addGroup({female}, 0, FaraidBasis::ResidueBesideDaughters, true);
    } else if (beside == Beside::OneNearerFemale) {
        addGroup({female}, Fraction::of(1, 6), FaraidBasis::SixthCompletion);
    } else {
        addHalfOrTwoThirds(female);
    }
}

Fraction Division::addSpouse(bool descendant) {
    Fraction spouse;
    if (has(Suami))
        spouse = descendant ? Fraction::of(1, 4) : Fraction::of(1, 2);
    if (has(Istri))
        spouse = descendant ? Fraction::of(1, 8) : Fraction::of(1, 4);
    if (m_present.intersects(Spouses))
        addGroup(Spouses, spouse,
                 descendant ? FaraidBasis::SpouseWithDescendant : FaraidBasis::SpouseAlone);
    return spouse;
}

void Division::addMother(Fraction spouse, bool descendant) {
    int siblingsTicked = 0;
    for (const HeirKind k : Siblings)
        siblingsTicked += m_counts[k];
    if (has(Ibu)) {
        if (!spouse.isZero() && has(Bapak) && !descendant && siblingsTicked < 2) {
            m_result.special |= specialBit(SpecialCase::Umariyyatain);
            addGroup({Ibu}, (Fraction(1) - spouse) / 3, FaraidBasis::MotherUmariyyatain);
        } else if (descendant) {
            addGroup({Ibu}, Fraction::of(1, 6), FaraidBasis::MotherSixthDescendant);
        } else if (siblingsTicked >= 2) {
            addGroup({Ibu}, Fraction::of(1, 6), FaraidBasis::MotherSixthSiblings);
        } else {
            addGroup({Ibu}, Fraction::of(1, 3), FaraidBasis::MotherThird);
        }
    }
    // Two grandmothers share the one sixth equally.
    if (m_present.intersects(Grandmothers))
        addGroup(Grandmothers, Fraction::of(1, 6), FaraidBasis::GrandmotherSixth);
}

// The father, and the grandfather in his place unless he shares with brothers and sisters.
void Division::addAncestors() {
    const bool maleDescendant = m_present.intersects(MaleDescendants);
    const bool femaleDescendant = m_present.intersects(FemaleDescendants);
    for (const HeirKind ancestor : {Bapak, Kakek}) {
        if (!has(ancestor) ||
            (ancestor == Kakek && m_grandfatherShares && m_present.intersects(SharingSiblings)))
            continue;
        if (maleDescendant)
            addGroup({ancestor}, Fraction::of(1, 6), FaraidBasis::FatherSixth);
        else if (femaleDescendant)
            addGroup({ancestor}, Fraction::of(1, 6), FaraidBasis::FatherSixthAndResidue, true);
        else
            addGroup({ancestor}, 0, FaraidBasis::FatherResidue, true);
    }
    if (m_ticked.contains(Kakek) && has(Kakek) && !maleDescendant && !m_daughterBlocksSiblings &&
        m_ticked.intersects(SharingSiblings))
        m_result.special |= specialBit(SpecialCase::JaddWalIkhwah);
}

// The mother's children, and the full brothers with them in the mushtaraka; whether the full
// siblings share their third.
bool Division::addUterine() {
    const int uterine = count(SaudaraPriaSeIbu) + count(SaudaraWanitaSeIbu);
    const bool mushtaraka = has(Suami) && (has(Ibu) || m_present.intersects(Grandmothers)) &&
                            uterine >= 2 && has(SaudaraPriaSekandung);
    if (mushtaraka)
        m_result.special |= specialBit(SpecialCase::Mushtaraka);
    const bool sharedThird = mushtaraka && m_in.options.mushtaraka == MushtarakaRule::Share;
    if (uterine > 0) {
        addGroup(Uterine | (sharedThird ? FullSiblings : HeirSet{}),
                 uterine == 1 ? Fraction::of(1, 6) : Fraction::of(1, 3),
                 uterine == 1 ? FaraidBasis::UterineSixth : FaraidBasis::UterineThird)
            .equalHeads = true;
        if (sharedThird)
            setBasis(FullSiblings & m_present, FaraidBasis::MushtarakaShare);
    }
    return sharedThird;
}

void Division::buildGroups() {
    if (m_distantKinInherit) {
        // Distant kin do not lessen the spouse's share; they take what is left.
        addSpouse(false);
        addGroup(m_present - Spouses, 0, FaraidBasis::DistantKin, true);
        return;
    }
    const bool descendant = m_present.intersects(Descendants);
    const bool femaleDescendant = m_present.intersects(FemaleDescendants);
    addMother(addSpouse(descendant), descendant);
    addPair(AnakPria, AnakWanita, Beside::Nothing);
    addPair(CucuPria, CucuWanita, has(AnakWanita) ? Beside::OneNearerFemale : Beside::Nothing);
    addAncestors();
    const bool sharedThird = addUterine();

    const bool withGrandfather = has(Kakek) && m_grandfatherShares;
    if (!withGrandfather) {
        if (!sharedThird)
            addPair(SaudaraPriaSekandung, SaudaraWanitaSekandung,
                    femaleDescendant ? Beside::Daughters : Beside::Nothing);
        addPair(SaudaraPriaSeBapak, SaudaraWanitaSeBapak,
                femaleDescendant              ? Beside::Daughters
                : has(SaudaraWanitaSekandung) ? Beside::OneNearerFemale
                                              : Beside::Nothing);
    }
    // At most one of them is not blocked.
    for (const HeirKind k : DistantMales& m_present)
        addGroup({k}, 0, FaraidBasis::ResidueNearest, true);
    if (withGrandfather && m_present.intersects(SharingSiblings))
        addGrandfatherWithSiblings();
}

// Zayd's method: the grandfather takes the best of sharing as a brother, a third (of the whole
// when no one else has a fixed share, else of the rest) and a sixth of the whole.
void Division::addGrandfatherWithSiblings() {
    Fraction fixedSum;
    for (int g = 0; g < m_groupCount; ++g)
        fixedSum += m_groups[static_cast<std::size_t>(g)].fard;
    const HeirSet siblings = m_present & SharingSiblings;
    const bool akdariyyah = m_present == (HeirSet{Suami, Ibu, Kakek} | siblings) &&
                            siblings.size() == 1 && !isMale(siblings.first()) &&
                            m_counts[siblings.first()] == 1;
    if (akdariyyah) {
        m_result.special |= specialBit(SpecialCase::Akdariyyah);
        m_result.special &= static_cast<std::uint8_t>(~specialBit(SpecialCase::JaddWalIkhwah));
        addGroup(HeirSet{Kakek} | siblings, Fraction::of(1, 6) + Fraction::of(1, 2),
                 FaraidBasis::Akdariyyah);
        m_akdariyyah = siblings;
        return;
    }
    if (siblings.intersects(FullSiblings) && siblings.intersects(PaternalSiblings))
        m_result.special |= specialBit(SpecialCase::Muaddah);

    const Fraction rest = Fraction(1) - fixedSum;
    const std::int64_t heads = 2 + 2 * count(SaudaraPriaSekandung) + count(SaudaraWanitaSekandung) +
                               2 * count(SaudaraPriaSeBapak) + count(SaudaraWanitaSeBapak);
    const Fraction sharing = rest * Fraction::of(2, heads);
    const Fraction sixth = Fraction::of(1, 6);
    Fraction fard;
    FaraidBasis basis = FaraidBasis::GrandfatherMuqasamah;
    if (fixedSum.isZero()) {
        if (sharing < Fraction::of(1, 3)) {
            fard = Fraction::of(1, 3);
            basis = FaraidBasis::GrandfatherThird;
        }
    } else if (rest <= sixth) {
        fard = sixth;
        basis = FaraidBasis::GrandfatherSixth;
    } else if (sharing < rest / 3 || sharing < sixth) {
        fard = rest / 3 >= sixth ? rest / 3 : sixth;
        basis =
            rest / 3 >= sixth ? FaraidBasis::GrandfatherThirdOfRest : FaraidBasis::GrandfatherSixth;
    }
    if (basis == FaraidBasis::GrandfatherMuqasamah) {
        addGroup(HeirSet{Kakek} | siblings, 0, FaraidBasis::SiblingWithGrandfather, true).muaddah =
            true;
        m_basis[Kakek] = basis;
    } else {
        addGroup({Kakek}, fard, basis);
        addGroup(siblings, 0, FaraidBasis::SiblingWithGrandfather, true).muaddah = true;
    }
}

// The least common multiple of the fixed shares' denominators, or the heads of the residuaries
// when no one has a fixed share.
void Division::findBase() {
    std::int64_t base = 1;
    bool anyFard = false;
    for (int g = 0; g < m_groupCount; ++g) {
        const Group& group = m_groups[static_cast<std::size_t>(g)];
        if (!group.fard.isZero()) {
            base = lcm64(base, group.fard.den());
            m_fixedSum += group.fard;
            anyFard = true;
        }
    }
    if (!anyFard && m_distantKinInherit) {
        // Each predeceased heir's children, and each distant kind, take a whole number of parts.
        base = 1;
        Fraction branch;
        for (std::size_t i = 0; i < m_distant.portions.size(); ++i) {
            const DistantPortion& p = m_distant.portions[i];
            branch += p.share;
            const bool last = i + 1 == m_distant.portions.size() || p.branch == 0 ||
                              m_distant.portions[i + 1].branch != p.branch;
            if (last) {
                base = lcm64(base, branch.den());
                branch = Fraction();
            }
        }
    } else if (!anyFard && m_residueGroup >= 0) {
        const HeirSet kinds = m_groups[static_cast<std::size_t>(m_residueGroup)].kinds;
        // A male counts as two heads only beside the females of his class.
        bool males = false;
        bool females = false;
        for (const HeirKind k : kinds)
            (isMale(k) ? males : females) = true;
        base = 0;
        for (const HeirKind k : kinds)
            base += m_counts[k] * (males && females && isMale(k) ? 2 : 1);
    }
    m_result.base = base;
}

// 'Aul when the fixed shares exceed the whole, the residue to the residuaries, radd when the
// shares fall short and no one takes the residue (never to a spouse but under KHI's art. 193);
// then the base these give.
void Division::shareOut() {
    const Fraction one(1);
    const Fraction rest = one - m_fixedSum;
    const bool raddToSpouse = khi() && m_in.options.khiRadd == KhiRadd::All;
    HeirSet raddTo;
    Fraction raddSum;
    for (int g = 0; g < m_groupCount; ++g) {
        const Group& group = m_groups[static_cast<std::size_t>(g)];
        if (!group.fard.isZero() && (raddToSpouse || !group.kinds.intersects(Spouses))) {
            raddTo |= group.kinds;
            raddSum += group.fard;
        }
    }
    const bool awl = rest < Fraction(0);
    const bool radd =
        !awl && !rest.isZero() && m_residueGroup < 0 &&
        (!raddTo.empty() || m_in.options.spouseAlone == SpouseAloneRule::RestToSpouse);
    for (int g = 0; g < m_groupCount; ++g) {
        Group& group = m_groups[static_cast<std::size_t>(g)];
        if (awl)
            group.share = group.fard / m_fixedSum;
        else if (g == m_residueGroup)
            group.share = group.fard + rest;
        else if (radd && raddTo.empty())
            group.share = one; // only a spouse, and the rest goes to the spouse
        else if (radd && group.kinds.intersects(raddTo))
            group.share = group.fard + rest * group.fard / raddSum;
        else
            group.share = group.fard;
    }
    if (!awl && !radd && m_residueGroup < 0)
        m_result.unassigned = rest;
    m_result.awl = awl;
    m_result.radd = radd;
    if (radd)
        m_result.raddTo = raddTo.empty() ? m_present & Spouses : raddTo;

    m_effectiveBase = m_result.base;
    if (awl) {
        m_effectiveBase = (m_fixedSum * m_result.base).num();
        m_result.awlBase = m_effectiveBase;
    } else if (radd) {
        m_effectiveBase = 1;
        for (int g = 0; g < m_groupCount; ++g)
            m_effectiveBase =
                lcm64(m_effectiveBase, m_groups[static_cast<std::size_t>(g)].share.den());
        m_result.raddBase = m_effectiveBase;
    }
}

void Division::splitGroups() {
    const Fraction rest = Fraction(1) - m_fixedSum;
    m_result.groups.reserve(static_cast<std::size_t>(m_groupCount));
    for (int g = 0; g < m_groupCount; ++g) {
        const Group& group = m_groups[static_cast<std::size_t>(g)];
        splitGroup(group);
        const bool residue = g == m_residueGroup;
        const Fraction baseShare = !m_result.awl && residue ? group.fard + rest : group.fard;
        m_result.groups.push_back(
            {group.kinds, group.fard, residue, (baseShare * m_result.base).num(), group.share});
    }
    std::sort(m_result.groups.begin(), m_result.groups.end(),
              [](const FaraidGroup& a, const FaraidGroup& b) {
                  return a.kinds.first() < b.kinds.first();
              });
    if (!m_akdariyyah.empty()) {
        m_fard[Kakek] = Fraction::of(1, 6);
        m_fard[m_akdariyyah.first()] = Fraction::of(1, 2);
    }
}

void Division::splitGroup(const Group& group) {
    if (m_distantKinInherit && group.residue) {
        m_distantWhole = group.share;
        for (const HeirKind k : group.kinds) {
            m_share[k] = group.share * distantShare(k);
            m_fard[k] = Fraction();
        }
        return;
    }
    if (group.muaddah) {
        splitMuaddah(group);
        return;
    }
    const auto weight = [&](HeirKind k) -> std::int64_t {
        return m_counts[k] * (!group.equalHeads && isMale(k) ? 2 : 1);
    };
    std::int64_t heads = 0;
    for (const HeirKind k : group.kinds)
        heads += weight(k);
    for (const HeirKind k : group.kinds) {
        m_share[k] = group.share * Fraction::of(weight(k), heads);
        m_fard[k] = group.fard * Fraction::of(weight(k), heads);
    }
}

// The grandfather (when he shares) takes his heads' part; the paternal brothers and sisters,
// counted against him, then give way to the full ones: a full brother takes all with his
// sisters, full sisters alone take up to their fixed share (1/2, 2/3) and leave the rest.
void Division::splitMuaddah(const Group& group) {
    Fraction left = group.share;
    const std::int64_t heads = 2 + 2 * count(SaudaraPriaSekandung) + count(SaudaraWanitaSekandung) +
                               2 * count(SaudaraPriaSeBapak) + count(SaudaraWanitaSeBapak);
    if (group.kinds.contains(Kakek)) {
        m_share[Kakek] = left * Fraction::of(2, heads);
        left -= m_share[Kakek];
    }
    const auto pair = [&](HeirKind male, HeirKind female, Fraction amount) {
        const std::int64_t pairHeads = 2 * count(male) + count(female);
        if (has(male))
            m_share[male] = amount * Fraction::of(2 * count(male), pairHeads);
        if (has(female))
            m_share[female] = amount * Fraction::of(count(female), pairHeads);
    };
    const auto giveWay = [&](HeirSet blockers) {
        for (const HeirKind k : PaternalSiblings& m_present)
            m_blockedBy[k] = blockers & m_present;
    };
    if (has(SaudaraPriaSekandung)) {
        pair(SaudaraPriaSekandung, SaudaraWanitaSekandung, left);
        giveWay(FullSiblings);
    } else if (has(SaudaraWanitaSekandung)) {
        const Fraction cap =
            count(SaudaraWanitaSekandung) == 1 ? Fraction::of(1, 2) : Fraction::of(2, 3);
        const Fraction full = left < cap ? left : cap;
        m_share[SaudaraWanitaSekandung] = full;
        left -= full;
        if (left.isZero())
            giveWay({SaudaraWanitaSekandung});
        else
            pair(SaudaraPriaSeBapak, SaudaraWanitaSeBapak, left);
    } else {
        pair(SaudaraPriaSeBapak, SaudaraWanitaSeBapak, left);
    }
}

FaraidHeir Division::heirOf(HeirKind k) const {
    FaraidHeir heir;
    heir.kind = k;
    heir.count = m_counts[k];
    heir.blockedBy = m_blockedBy[k];
    if (heir.blockedBy.empty()) {
        const bool residue = m_residueGroup >= 0 &&
                             m_groups[static_cast<std::size_t>(m_residueGroup)].kinds.contains(k);
        heir.status = residue ? FaraidStatus::Ashabah : FaraidStatus::Fard;
        heir.share = m_share[k];
        heir.fard = m_fard[k];
        heir.basisCode = m_basis[k];
        heir.receivesRadd = m_result.raddTo.contains(k);
        if (residue)
            heir.residuary = heir.basisCode == FaraidBasis::ResidueBesideDaughters
                                 ? Residuary::MaalGhair
                             : isMale(k) ? Residuary::BiNafsih
                                         : Residuary::BilGhair;
    }
    heir.perPerson = heir.share / heir.count;
    return heir;
}

void Division::collectHeirs() {
    m_result.heirs.reserve(static_cast<std::size_t>(m_ticked.size()) + 2 * m_in.predeceased.size());
    for (int k = 0; k < FaraidKindCount; ++k) {
        const HeirKind kind = heirKind(k);
        if (!m_ticked.contains(kind))
            continue;
        const bool replaced = (khi() || m_distantKinInherit) && isPredeceasedPlace(kind) &&
                              m_counts[kind] != m_in.counts[kind];
        if (replaced) {
            addBranches(heirOf(kind));
            continue;
        }
        FaraidHeir heir = heirOf(kind);
        if (m_distantKinInherit && distantKinds().contains(kind) && heir.share.isZero()) {
            heir.status = FaraidStatus::Blocked;
            for (const DistantPortion& p : m_distant.portions) {
                if (p.kind == kind)
                    heir.blockedBy = p.excludedBy;
            }
        }
        m_result.heirs.push_back(heir);
    }
    if (m_distantKinInherit)
        m_result.distant = m_distant;
    if (!m_distantKinInherit) {
        HeirSet receivers;
        for (const FaraidHeir& heir : m_result.heirs) {
            if (heir.status != FaraidStatus::Blocked)
                receivers |= HeirSet{heir.kind};
        }
        // A spouse takes no part in keeping them out.
        addDistantKin(receivers - Spouses);
    }
}

// The living persons of a kind, then each predeceased one's sons and daughters sharing its part.
void Division::addBranches(const FaraidHeir& child) {
    if (m_distantKinInherit) {
        addDistantBranches(child);
        return;
    }
    const Fraction perChild = child.perPerson;
    const Fraction fardPerChild = child.fard / child.count;
    const int living = m_in.counts[child.kind];
    if (living > 0) {
        FaraidHeir heir = child;
        heir.count = living;
        heir.share = perChild * living;
        heir.fard = fardPerChild * living;
        m_result.heirs.push_back(heir);
    }
    // Art. 185(2) measures a substitute against an heir of the replaced one's degree: what one
    // living woman of the class gets, or half a man when there is none. The mother's children
    // and the uncles have no such pair.
    const auto pair = std::ranges::find_if(SexPairs, [&](const std::pair<HeirKind, HeirKind>& p) {
        return p.first == child.kind || p.second == child.kind;
    });
    const bool measured = pair != SexPairs.end();
    const Fraction perWoman = !measured ? Fraction()
                              : m_counts[pair->second] > 0
                                  ? m_share[pair->second] / m_counts[pair->second]
                                  : m_share[pair->first] / m_counts[pair->first] / 2;
    // The mother's children share alike, and so do theirs.
    const std::int64_t sonWeight =
        child.kind == SaudaraPriaSeIbu || child.kind == SaudaraWanitaSeIbu ? 1 : 2;
    int branch = 0;
    for (const PredeceasedChild& predeceased : m_in.predeceased) {
        ++branch;
        if (predeceased.replaces != child.kind)
            continue;
        const std::int64_t heads = sonWeight * predeceased.sons + predeceased.daughters;
        for (const bool daughters : {false, true}) {
            const int persons = daughters ? predeceased.daughters : predeceased.sons;
            if (persons == 0)
                continue;
            FaraidHeir heir = child;
            heir.branch = branch;
            heir.branchDaughters = daughters;
            heir.count = persons;
            heir.basisCode = FaraidBasis::Substitute;
            const std::int64_t weight = daughters ? 1 : sonWeight;
            heir.perPerson = perChild * Fraction::of(weight, heads);
            heir.share = heir.perPerson * persons;
            heir.fard = fardPerChild * Fraction::of(weight * persons, heads);
            heir.exceedsLivingChild =
                khi() && measured && heir.perPerson > perWoman * (daughters ? 1 : 2);
            m_result.heirs.push_back(heir);
        }
    }
}

// The children of a predeceased heir as the distant kin's division gives them.
void Division::addDistantBranches(const FaraidHeir& child) {
    for (const DistantPortion& p : m_distant.portions) {
        if (p.branch == 0 || p.kind != child.kind)
            continue;
        FaraidHeir heir = child;
        heir.branch = p.branch;
        heir.branchDaughters = p.daughters;
        heir.count = p.count;
        heir.basisCode = FaraidBasis::DistantKin;
        heir.fard = Fraction();
        heir.share = m_distantWhole * p.share;
        heir.perPerson = heir.share / p.count;
        if (heir.share.isZero()) {
            heir.status = FaraidStatus::Blocked;
            heir.blockedBy = p.excludedBy;
        }
        m_result.heirs.push_back(heir);
    }
}

// Classical: the distant children of predeceased heirs inherit nothing beside the heirs who
// receive; they stand after the kind of heir they descend from.
void Division::addDistantKin(HeirSet receivers) {
    int branch = 0;
    for (const PredeceasedChild& predeceased : m_in.predeceased) {
        ++branch;
        if (khi())
            continue;
        for (const bool daughters : {false, true}) {
            const int persons = daughters ? predeceased.daughters : predeceased.sons;
            if (persons == 0 || !distantChildren(predeceased.replaces, daughters))
                continue;
            const auto at =
                std::find_if(m_result.heirs.begin(), m_result.heirs.end(),
                             [&](const FaraidHeir& h) { return h.kind > predeceased.replaces; });
            FaraidHeir heir;
            heir.kind = predeceased.replaces;
            heir.branch = branch;
            heir.branchDaughters = daughters;
            heir.count = persons;
            heir.basisCode = FaraidBasis::DistantKin;
            heir.blockedBy = receivers;
            m_result.heirs.insert(at, heir);
        }
    }
}

// Tashih: the base multiplied until every person's part is whole. Many predeceased children with
// families of different sizes can make that base exceed 64 bits; the division then stands in
// fractions alone (finalBase 0). False when a share itself leaves the range.
bool Division::correct() {
    bool valid = m_effectiveBase > 0 && m_result.unassigned.valid();
    std::int64_t multiplier = 1;
    for (const FaraidHeir& heir : m_result.heirs) {
        valid = valid && heir.perPerson.valid() && heir.fard.valid();
        multiplier = lcm64(multiplier, (heir.perPerson * m_effectiveBase).den());
    }
    if (!valid)
        return false;
    const Int128 finalBase = Int128{m_effectiveBase} * multiplier;
    if (multiplier <= 0 || finalBase > std::numeric_limits<std::int64_t>::max())
        return true;
    m_result.finalBase = static_cast<std::int64_t>(finalBase);
    for (FaraidHeir& heir : m_result.heirs)
        heir.partsPerPerson = (heir.perPerson * m_result.finalBase).num();
    return true;
}

FaraidOutcome Division::run() {
    m_result.law = m_in.law;
    m_result.predeceased = m_in.predeceased;
    if (!m_distantKinInherit)
        findBlocked();
    buildGroups();
    findBase();
    shareOut();
    splitGroups();
    collectHeirs();
    if (!correct())
        return FaraidError{u"Perhitungan melampaui batas angka; kurangi jumlah orang."_s};
    return std::move(m_result);
}

} // namespace

const FaraidHeir* FaraidResult::heir(HeirKind kind) const {
    for (const FaraidHeir& h : heirs) {
        if (h.kind == kind && !h.inBranch())
            return &h;
    }
    return nullptr;
}

FaraidOutcome divideEstate(const FaraidInput& input) {
    if (auto error = checkFaraidInput(input))
        return *error;
    FaraidOutcome outcome = Division(input).run();
    auto* result = std::get_if<FaraidResult>(&outcome);
    if (result == nullptr || input.detail == FaraidDetail::SharesOnly)
        return outcome;
    result->money = netEstate(input);
    if (result->money)
        result->unassignedAmount =
            distributeAmounts(result->heirs, result->unassigned, result->money->net);
    describeHeirs(*result);
    return outcome;
}

FaraidInput underLaw(FaraidInput input, Law law) {
    input.law = law;
    if (law == Law::Classical)
        input.obligatoryBequest.reset();
    return input;
}

} // namespace zw::waris
