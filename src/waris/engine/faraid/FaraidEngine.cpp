#include "waris/engine/faraid/FaraidEngine.h"

#include "waris/engine/faraid/FaraidAmounts.h"
#include "waris/engine/faraid/FaraidSteps.h"
#include "waris/engine/faraid/FaraidText.h"

#include <algorithm>
#include <array>
#include <bit>

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

using enum HeirKind;

constexpr std::uint32_t bits(std::initializer_list<HeirKind> kinds) {
    std::uint32_t b = 0;
    for (const HeirKind k : kinds)
        b |= kindBit(k);
    return b;
}

constexpr std::uint32_t Spouses = bits({Suami, Istri});
constexpr std::uint32_t MaleDescendants = bits({AnakPria, CucuPria});
constexpr std::uint32_t FemaleDescendants = bits({AnakWanita, CucuWanita});
constexpr std::uint32_t Descendants = MaleDescendants | FemaleDescendants;
constexpr std::uint32_t Uterine = bits({SaudaraPriaSeIbu, SaudaraWanitaSeIbu});
constexpr std::uint32_t FullSiblings = bits({SaudaraPriaSekandung, SaudaraWanitaSekandung});
constexpr std::uint32_t PaternalSiblings = bits({SaudaraPriaSeBapak, SaudaraWanitaSeBapak});
constexpr std::uint32_t Siblings = Uterine | FullSiblings | PaternalSiblings;
constexpr std::uint32_t Males = (1U << 14) - 1 - kindBit(SaudaraPriaSeIbu);

constexpr std::size_t at(HeirKind k) {
    return static_cast<std::size_t>(index(k));
}

bool isSingle(HeirKind k) {
    return k == Suami || k == Bapak || k == Kakek || k == Ibu || k == Nenek;
}

struct Group {
    std::uint32_t kinds = 0;
    Fraction fard;
    bool residue = false;
    bool equalHeads = false; // the mother's children (and mushtaraka): men and women alike
    bool muaddah = false;    // the grandfather's brothers and sisters: split by Zayd's method
    Fraction share;
};

class Division {
public:
    explicit Division(const FaraidInput& input)
        : m_in(input) {}

    FaraidOutcome run();

private:
    int count(HeirKind k) const { return has(k) ? m_in.counts[at(k)] : 0; }
    bool has(HeirKind k) const { return (m_present & kindBit(k)) != 0; }
    void block(HeirKind k, std::uint32_t blockers);
    void findBlocked();
    int addGroup(std::uint32_t kinds, Fraction fard, FaraidBasis basis, bool residue = false);
    void setBasis(std::uint32_t kinds, FaraidBasis basis);
    void buildGroups();
    void buildGrandfatherWithSiblings(Fraction fixedSum);
    void splitGroup(const Group& group);
    void splitMuaddah(const Group& group);
    void giveShare(HeirKind k, Fraction share);

    const FaraidInput& m_in;
    std::uint32_t m_ticked = 0;
    std::uint32_t m_present = 0;
    bool m_grandfatherShares = false; // Zayd: the grandfather shares with the siblings
    PerKind<std::uint32_t> m_blockedBy{};
    PerKind<FaraidBasis> m_basis{};
    PerKind<Residuary> m_residuary{};
    PerKind<Fraction> m_fard{};
    PerKind<Fraction> m_share{};
    std::array<Group, HeirKindCount> m_groups{};
    int m_groupCount = 0;
    int m_residueGroup = -1;
    std::uint32_t m_akdariyyah = 0; // the sister of the akdariyyah
    FaraidResult m_result;
};

void Division::block(HeirKind k, std::uint32_t blockers) {
    blockers &= m_present;
    if (blockers != 0 && has(k)) {
        m_present &= ~kindBit(k);
        m_blockedBy[at(k)] = blockers;
    }
}

void Division::findBlocked() {
    const FaraidOptions& options = m_in.options;
    block(Kakek, kindBit(Bapak));
    block(CucuPria, kindBit(AnakPria));
    block(CucuWanita, kindBit(AnakPria));
    if (m_in.counts[at(AnakWanita)] >= 2 && !has(CucuPria))
        block(CucuWanita, kindBit(AnakWanita));
    block(Nenek,
          kindBit(Ibu) | (options.grandmother == GrandmotherSide::Paternal ? kindBit(Bapak) : 0));

    m_grandfatherShares = has(Kakek) && options.grandfather == GrandfatherRule::Zayd;
    const std::uint32_t byNearer =
        MaleDescendants | kindBit(Bapak) | (m_grandfatherShares ? 0 : kindBit(Kakek));
    block(SaudaraPriaSekandung, byNearer);
    block(SaudaraWanitaSekandung, byNearer);
    const bool femaleDescendant = (m_present & FemaleDescendants) != 0;
    const bool fullSisterBesideDaughters = has(SaudaraWanitaSekandung) &&
                                           !has(SaudaraPriaSekandung) && femaleDescendant &&
                                           !m_grandfatherShares;
    // Beside a sharing grandfather they are counted first (mu'addah) and give way later.
    const std::uint32_t byFull = byNearer |
                                 (m_grandfatherShares ? 0 : kindBit(SaudaraPriaSekandung)) |
                                 (fullSisterBesideDaughters ? kindBit(SaudaraWanitaSekandung) : 0);
    block(SaudaraPriaSeBapak, byFull);
    const bool twoFullSisters = m_in.counts[at(SaudaraWanitaSekandung)] >= 2 &&
                                !has(SaudaraPriaSeBapak) && !m_grandfatherShares;
    block(SaudaraWanitaSeBapak, byFull | (twoFullSisters ? kindBit(SaudaraWanitaSekandung) : 0));
    const bool paternalSisterBesideDaughters = has(SaudaraWanitaSeBapak) &&
                                               !has(SaudaraPriaSeBapak) && femaleDescendant &&
                                               !m_grandfatherShares;

    const std::uint32_t byDescendantOrAncestor = Descendants | bits({Bapak, Kakek});
    block(SaudaraPriaSeIbu, byDescendantOrAncestor);
    block(SaudaraWanitaSeIbu, byDescendantOrAncestor);

    std::uint32_t nearer = MaleDescendants |
                           bits({Bapak, Kakek, SaudaraPriaSekandung, SaudaraPriaSeBapak}) |
                           (fullSisterBesideDaughters ? kindBit(SaudaraWanitaSekandung) : 0) |
                           (paternalSisterBesideDaughters ? kindBit(SaudaraWanitaSeBapak) : 0);
    for (int k = index(AnakPriaSaudaraSekandung); k <= index(AnakPriaPamanSeBapak); ++k) {
        block(heirKind(k), nearer);
        nearer |= std::uint32_t{1} << k;
    }
}

int Division::addGroup(std::uint32_t kinds, Fraction fard, FaraidBasis basis, bool residue) {
    Group& group = m_groups[static_cast<std::size_t>(m_groupCount)];
    group.kinds = kinds & m_present;
    group.fard = fard;
    group.residue = residue;
    if (residue && m_residueGroup < 0)
        m_residueGroup = m_groupCount;
    setBasis(group.kinds, basis);
    return m_groupCount++;
}

void Division::setBasis(std::uint32_t kinds, FaraidBasis basis) {
    for (int k = 0; k < HeirKindCount; ++k) {
        if ((kinds >> k) & 1U)
            m_basis[static_cast<std::size_t>(k)] = basis;
    }
}

void Division::buildGroups() {
    const bool descendant = (m_present & Descendants) != 0;
    const bool maleDescendant = (m_present & MaleDescendants) != 0;
    const bool femaleDescendant = (m_present & FemaleDescendants) != 0;
    int siblingsTicked = 0;
    for (int k = 0; k < HeirKindCount; ++k) {
        if ((Siblings >> k) & 1U)
            siblingsTicked += m_in.counts[static_cast<std::size_t>(k)];
    }

    // Spouses.
    Fraction spouse;
    if (has(Suami))
        spouse = descendant ? Fraction::of(1, 4) : Fraction::of(1, 2);
    if (has(Istri))
        spouse = descendant ? Fraction::of(1, 8) : Fraction::of(1, 4);
    if (has(Suami) || has(Istri))
        addGroup(Spouses, spouse,
                 descendant ? FaraidBasis::SpouseWithDescendant : FaraidBasis::SpouseAlone);

    // Mother and grandmother.
    if (has(Ibu)) {
        if ((has(Suami) || has(Istri)) && has(Bapak) && !descendant && siblingsTicked < 2) {
            m_result.special |= specialBit(SpecialCase::Umariyyatain);
            addGroup(kindBit(Ibu), (Fraction(1) - spouse) / 3, FaraidBasis::MotherUmariyyatain);
        } else if (descendant) {
            addGroup(kindBit(Ibu), Fraction::of(1, 6), FaraidBasis::MotherSixthDescendant);
        } else if (siblingsTicked >= 2) {
            addGroup(kindBit(Ibu), Fraction::of(1, 6), FaraidBasis::MotherSixthSiblings);
        } else {
            addGroup(kindBit(Ibu), Fraction::of(1, 3), FaraidBasis::MotherThird);
        }
    }
    if (has(Nenek))
        addGroup(kindBit(Nenek), Fraction::of(1, 6), FaraidBasis::GrandmotherSixth);

    // Descendants.
    if (has(AnakPria)) {
        addGroup(bits({AnakPria, AnakWanita}), 0, FaraidBasis::ResidueNearest, true);
        m_basis[at(AnakWanita)] = FaraidBasis::ResidueWithMale;
    } else if (has(AnakWanita)) {
        const bool one = count(AnakWanita) == 1;
        addGroup(kindBit(AnakWanita), one ? Fraction::of(1, 2) : Fraction::of(2, 3),
                 one ? FaraidBasis::OneHalf : FaraidBasis::TwoThirds);
    }
    if (has(CucuPria)) {
        addGroup(bits({CucuPria, CucuWanita}), 0, FaraidBasis::ResidueNearest, true);
        m_basis[at(CucuWanita)] = FaraidBasis::ResidueWithMale;
    } else if (has(CucuWanita)) {
        if (has(AnakWanita)) {
            addGroup(kindBit(CucuWanita), Fraction::of(1, 6), FaraidBasis::SixthCompletion);
        } else {
            const bool one = count(CucuWanita) == 1;
            addGroup(kindBit(CucuWanita), one ? Fraction::of(1, 2) : Fraction::of(2, 3),
                     one ? FaraidBasis::OneHalf : FaraidBasis::TwoThirds);
        }
    }

    // Father, and the grandfather in his place.
    for (const HeirKind ancestor : {Bapak, Kakek}) {
        if (!has(ancestor))
            continue;
        if (ancestor == Kakek && m_grandfatherShares &&
            (m_present & (FullSiblings | PaternalSiblings)) != 0) {
            continue; // after all the other fixed shares are known
        }
        if (maleDescendant)
            addGroup(kindBit(ancestor), Fraction::of(1, 6), FaraidBasis::FatherSixth);
        else if (femaleDescendant)
            addGroup(kindBit(ancestor), Fraction::of(1, 6), FaraidBasis::FatherSixthAndResidue,
                     true);
        else
            addGroup(kindBit(ancestor), 0, FaraidBasis::FatherResidue, true);
    }
    if ((m_ticked & kindBit(Kakek)) != 0 && has(Kakek) && !maleDescendant &&
        (m_ticked & (FullSiblings | PaternalSiblings)) != 0) {
        m_result.special |= specialBit(SpecialCase::JaddWalIkhwah);
    }

    // The mother's children, and the full brothers with them in the mushtaraka.
    const int uterine = count(SaudaraPriaSeIbu) + count(SaudaraWanitaSeIbu);
    const bool mushtaraka =
        has(Suami) && (has(Ibu) || has(Nenek)) && uterine >= 2 && has(SaudaraPriaSekandung);
    if (mushtaraka)
        m_result.special |= specialBit(SpecialCase::Mushtaraka);
    const bool sharedThird = mushtaraka && m_in.options.mushtaraka == MushtarakaRule::Share;
    if (uterine > 0) {
        const int g =
            addGroup(Uterine | (sharedThird ? FullSiblings : 0),
                     uterine == 1 ? Fraction::of(1, 6) : Fraction::of(1, 3),
                     uterine == 1 ? FaraidBasis::UterineSixth : FaraidBasis::UterineThird);
        m_groups[static_cast<std::size_t>(g)].equalHeads = true;
        if (sharedThird)
            setBasis(FullSiblings & m_present, FaraidBasis::MushtarakaShare);
    }

    // Brothers and sisters, unless they share with the grandfather.
    const bool withGrandfather = has(Kakek) && m_grandfatherShares;
    if (!withGrandfather && !sharedThird) {
        if (has(SaudaraPriaSekandung)) {
            addGroup(FullSiblings, 0, FaraidBasis::ResidueNearest, true);
            m_basis[at(SaudaraWanitaSekandung)] = FaraidBasis::ResidueWithMale;
        } else if (has(SaudaraWanitaSekandung)) {
            if (femaleDescendant) {
                addGroup(kindBit(SaudaraWanitaSekandung), 0, FaraidBasis::ResidueBesideDaughters,
                         true);
            } else {
                const bool one = count(SaudaraWanitaSekandung) == 1;
                addGroup(kindBit(SaudaraWanitaSekandung),
                         one ? Fraction::of(1, 2) : Fraction::of(2, 3),
                         one ? FaraidBasis::OneHalf : FaraidBasis::TwoThirds);
            }
        }
    }
    if (!withGrandfather) {
        if (has(SaudaraPriaSeBapak)) {
            addGroup(PaternalSiblings, 0, FaraidBasis::ResidueNearest, true);
            m_basis[at(SaudaraWanitaSeBapak)] = FaraidBasis::ResidueWithMale;
        } else if (has(SaudaraWanitaSeBapak)) {
            if (femaleDescendant) {
                addGroup(kindBit(SaudaraWanitaSeBapak), 0, FaraidBasis::ResidueBesideDaughters,
                         true);
            } else if (has(SaudaraWanitaSekandung)) {
                addGroup(kindBit(SaudaraWanitaSeBapak), Fraction::of(1, 6),
                         FaraidBasis::SixthCompletion);
            } else {
                const bool one = count(SaudaraWanitaSeBapak) == 1;
                addGroup(kindBit(SaudaraWanitaSeBapak),
                         one ? Fraction::of(1, 2) : Fraction::of(2, 3),
                         one ? FaraidBasis::OneHalf : FaraidBasis::TwoThirds);
            }
        }
    }

    // Nephews, uncles and cousins: at most one of them is not blocked.
    for (int k = index(AnakPriaSaudaraSekandung); k <= index(AnakPriaPamanSeBapak); ++k) {
        if (has(heirKind(k)))
            addGroup(std::uint32_t{1} << k, 0, FaraidBasis::ResidueNearest, true);
    }
    if (withGrandfather && (m_present & (FullSiblings | PaternalSiblings)) != 0) {
        Fraction fixedSum;
        for (int g = 0; g < m_groupCount; ++g)
            fixedSum += m_groups[static_cast<std::size_t>(g)].fard;
        buildGrandfatherWithSiblings(fixedSum);
    }
}

// Zayd's method: the grandfather takes the best of sharing as a brother, a third (of the whole
// when no one else has a fixed share, else of the rest) and a sixth of the whole.
void Division::buildGrandfatherWithSiblings(Fraction fixedSum) {
    constexpr std::uint32_t SharingSiblings = FullSiblings | PaternalSiblings;
    const std::uint32_t siblings = m_present & SharingSiblings;
    const bool akdariyyah = m_present == (bits({Suami, Ibu, Kakek}) | siblings) &&
                            (siblings == kindBit(SaudaraWanitaSekandung) ||
                             siblings == kindBit(SaudaraWanitaSeBapak)) &&
                            m_in.counts[at(heirKind(std::countr_zero(siblings)))] == 1;
    if (akdariyyah) {
        m_result.special |= specialBit(SpecialCase::Akdariyyah);
        m_result.special &= static_cast<std::uint8_t>(~specialBit(SpecialCase::JaddWalIkhwah));
        addGroup(kindBit(Kakek) | siblings, Fraction::of(1, 6) + Fraction::of(1, 2),
                 FaraidBasis::Akdariyyah);
        m_akdariyyah = siblings;
        return;
    }
    if ((siblings & FullSiblings) != 0 && (siblings & PaternalSiblings) != 0)
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
        const int g =
            addGroup(kindBit(Kakek) | siblings, 0, FaraidBasis::SiblingWithGrandfather, true);
        m_basis[at(Kakek)] = basis;
        m_groups[static_cast<std::size_t>(g)].muaddah = true;
    } else {
        addGroup(kindBit(Kakek), fard, basis);
        const int g = addGroup(siblings, 0, FaraidBasis::SiblingWithGrandfather, true);
        m_groups[static_cast<std::size_t>(g)].muaddah = true;
    }
}

void Division::giveShare(HeirKind k, Fraction share) {
    m_share[at(k)] = share;
}

void Division::splitGroup(const Group& group) {
    if (group.muaddah) {
        splitMuaddah(group);
        return;
    }
    std::int64_t heads = 0;
    for (int k = 0; k < HeirKindCount; ++k) {
        if ((group.kinds >> k) & 1U) {
            const bool twice = !group.equalHeads && ((Males >> k) & 1U) != 0;
            heads += m_in.counts[static_cast<std::size_t>(k)] * (twice ? 2 : 1);
        }
    }
    for (int k = 0; k < HeirKindCount; ++k) {
        if ((group.kinds >> k) & 1U) {
            const bool twice = !group.equalHeads && ((Males >> k) & 1U) != 0;
            const std::int64_t weight = m_in.counts[static_cast<std::size_t>(k)] * (twice ? 2 : 1);
            giveShare(heirKind(k), group.share * Fraction::of(weight, heads));
            m_fard[static_cast<std::size_t>(k)] = group.fard * Fraction::of(weight, heads);
        }
    }
}

// The grandfather (when he shares) takes his heads' part; the paternal brothers and sisters,
// counted against him, then give way to the full ones: a full brother takes all with his
// sisters, full sisters alone take up to their fixed share (1/2, 2/3) and leave the rest.
void Division::splitMuaddah(const Group& group) {
    Fraction left = group.share;
    const std::int64_t heads = 2 + 2 * count(SaudaraPriaSekandung) + count(SaudaraWanitaSekandung) +
                               2 * count(SaudaraPriaSeBapak) + count(SaudaraWanitaSeBapak);
    if ((group.kinds & kindBit(Kakek)) != 0) {
        giveShare(Kakek, left * Fraction::of(2, heads));
        left -= m_share[at(Kakek)];
    }
    const auto pair = [&](HeirKind male, HeirKind female, Fraction amount) {
        const std::int64_t pairHeads = 2 * count(male) + count(female);
        if (has(male))
            giveShare(male, amount * Fraction::of(2 * count(male), pairHeads));
        if (has(female))
            giveShare(female, amount * Fraction::of(count(female), pairHeads));
    };
    const auto giveWay = [&](std::uint32_t blockers) {
        for (const HeirKind k : {SaudaraPriaSeBapak, SaudaraWanitaSeBapak}) {
            if (has(k))
                m_blockedBy[at(k)] = blockers & m_present;
        }
    };
    if (has(SaudaraPriaSekandung)) {
        pair(SaudaraPriaSekandung, SaudaraWanitaSekandung, left);
        giveWay(FullSiblings);
    } else if (has(SaudaraWanitaSekandung)) {
        const Fraction cap =
            count(SaudaraWanitaSekandung) == 1 ? Fraction::of(1, 2) : Fraction::of(2, 3);
        const Fraction full = left < cap ? left : cap;
        giveShare(SaudaraWanitaSekandung, full);
        left -= full;
        if (left.isZero())
            giveWay(kindBit(SaudaraWanitaSekandung));
        else
            pair(SaudaraPriaSeBapak, SaudaraWanitaSeBapak, left);
    } else {
        pair(SaudaraPriaSeBapak, SaudaraWanitaSeBapak, left);
    }
}

FaraidOutcome Division::run() {
    for (int k = 0; k < HeirKindCount; ++k) {
        if (m_in.counts[static_cast<std::size_t>(k)] > 0)
            m_ticked |= std::uint32_t{1} << k;
    }
    m_present = m_ticked;
    findBlocked();
    buildGroups();

    // The base: the least common multiple of the fixed shares' denominators, or the heads of the
    // residuaries when no one has a fixed share.
    std::int64_t base = 1;
    Fraction fixedSum;
    bool anyFard = false;
    for (int g = 0; g < m_groupCount; ++g) {
        const Group& group = m_groups[static_cast<std::size_t>(g)];
        if (!group.fard.isZero()) {
            base = lcm64(base, group.fard.den());
            fixedSum += group.fard;
            anyFard = true;
        }
    }
    if (!anyFard && m_residueGroup >= 0) {
        const Group& group = m_groups[static_cast<std::size_t>(m_residueGroup)];
        // A male counts as two heads only beside the females of his class.
        const bool mixed = (group.kinds & ~Males) != 0 && (group.kinds & Males) != 0;
        base = 0;
        for (int k = 0; k < HeirKindCount; ++k) {
            if ((group.kinds >> k) & 1U)
                base += m_in.counts[static_cast<std::size_t>(k)] *
                        (mixed && ((Males >> k) & 1U) ? 2 : 1);
        }
    }
    m_result.base = base;

    const Fraction one(1);
    const Fraction rest = one - fixedSum;
    std::uint32_t raddTo = 0;
    Fraction raddSum;
    for (int g = 0; g < m_groupCount; ++g) {
        const Group& group = m_groups[static_cast<std::size_t>(g)];
        if (!group.fard.isZero() && (group.kinds & Spouses) == 0) {
            raddTo |= group.kinds;
            raddSum += group.fard;
        }
    }
    const bool awl = rest < Fraction(0);
    const bool radd = !awl && !rest.isZero() && m_residueGroup < 0 &&
                      (raddTo != 0 || m_in.options.spouseAlone == SpouseAloneRule::RestToSpouse);
    for (int g = 0; g < m_groupCount; ++g) {
        Group& group = m_groups[static_cast<std::size_t>(g)];
        if (awl)
            group.share = group.fard / fixedSum;
        else if (g == m_residueGroup)
            group.share = group.fard + rest;
        else if (radd && raddTo == 0)
            group.share = one; // only a spouse, and the rest goes to the spouse
        else if (radd && (group.kinds & Spouses) == 0)
            group.share = group.fard + rest * group.fard / raddSum;
        else
            group.share = group.fard;
    }
    if (!awl && !radd && m_residueGroup < 0)
        m_result.unassigned = rest;
    m_result.awl = awl;
    m_result.radd = radd;
    m_result.raddTo = radd ? (raddTo != 0 ? raddTo : (m_present & Spouses)) : 0;

    // The effective base after 'aul or radd, then the correction (tashih).
    std::int64_t effective = base;
    if (awl) {
        effective = (fixedSum * base).num();
        m_result.awlBase = effective;
    } else if (radd) {
        effective = 1;
        for (int g = 0; g < m_groupCount; ++g)
            effective = lcm64(effective, m_groups[static_cast<std::size_t>(g)].share.den());
        m_result.raddBase = effective;
    }
    m_result.groups.reserve(static_cast<std::size_t>(m_groupCount));
    for (int g = 0; g < m_groupCount; ++g) {
        const Group& group = m_groups[static_cast<std::size_t>(g)];
        splitGroup(group);
        const Fraction baseShare =
            awl ? group.fard : (g == m_residueGroup ? group.fard + rest : group.fard);
        m_result.groups.push_back(
            {group.kinds, group.fard, g == m_residueGroup, (baseShare * base).num(), group.share});
    }

    std::sort(m_result.groups.begin(), m_result.groups.end(),
              [](const FaraidGroup& a, const FaraidGroup& b) {
                  return std::countr_zero(a.kinds) < std::countr_zero(b.kinds);
              });
    if (m_akdariyyah != 0) {
        m_fard[at(Kakek)] = Fraction::of(1, 6);
        m_fard[at(heirKind(std::countr_zero(m_akdariyyah)))] = Fraction::of(1, 2);
    }
    std::int64_t multiplier = 1;
    m_result.heirs.reserve(static_cast<std::size_t>(std::popcount(m_ticked)));
    for (int k = 0; k < HeirKindCount; ++k) {
        if (((m_ticked >> k) & 1U) == 0)
            continue;
        const auto slot = static_cast<std::size_t>(k);
        FaraidHeir heir;
        heir.kind = heirKind(k);
        heir.count = m_in.counts[slot];
        heir.blockedBy = m_blockedBy[slot];
        if (heir.blockedBy != 0) {
            heir.status = FaraidStatus::Blocked;
            heir.share = 0;
        } else {
            heir.share = m_share[slot];
            heir.basisCode = m_basis[slot];
            heir.receivesRadd = radd && ((m_result.raddTo >> k) & 1U);
        }
        heir.perPerson = heir.share / heir.count;
        multiplier = lcm64(multiplier, (heir.perPerson * effective).den());
        m_result.heirs.push_back(heir);
    }
    for (FaraidHeir& heir : m_result.heirs) {
        if (heir.status == FaraidStatus::Blocked && heir.blockedBy != 0)
            continue;
        const auto slot = at(heir.kind);
        const bool residue =
            m_residueGroup >= 0 &&
            (m_groups[static_cast<std::size_t>(m_residueGroup)].kinds & kindBit(heir.kind)) != 0;
        heir.status = residue ? FaraidStatus::Ashabah : FaraidStatus::Fard;
        heir.fard = m_fard[slot];
        if (residue) {
            const bool male = ((Males >> index(heir.kind)) & 1U) != 0;
            heir.residuary = heir.basisCode == FaraidBasis::ResidueBesideDaughters
                                 ? Residuary::MaalGhair
                             : male ? Residuary::BiNafsih
                                    : Residuary::BilGhair;
        }
    }
    m_result.finalBase = effective * multiplier;
    bool valid = m_result.finalBase > 0 && m_result.unassigned.valid();
    for (FaraidHeir& heir : m_result.heirs) {
        const Fraction parts = heir.perPerson * m_result.finalBase;
        valid = valid && parts.valid() && heir.fard.valid();
        heir.partsPerPerson = parts.num();
    }
    if (!valid)
        return FaraidError{u"Perhitungan melampaui batas angka; kurangi jumlah orang."_s};
    return std::move(m_result);
}

QString nameOf(HeirKind kind) {
    return faraidKindName(kind);
}

} // namespace

QString specialCaseName(SpecialCase c) {
    switch (c) {
    case SpecialCase::Umariyyatain:
        return u"umariyyatain"_s;
    case SpecialCase::Mushtaraka:
        return u"mushtaraka"_s;
    case SpecialCase::Akdariyyah:
        return u"akdariyyah"_s;
    case SpecialCase::Muaddah:
        return u"muaddah"_s;
    case SpecialCase::JaddWalIkhwah:
        return u"jadd-wal-ikhwah"_s;
    }
    return {};
}

const FaraidHeir* FaraidResult::heir(HeirKind kind) const {
    for (const FaraidHeir& h : heirs) {
        if (h.kind == kind)
            return &h;
    }
    return nullptr;
}

std::optional<FaraidError> validateFaraidInput(const FaraidInput& input) {
    const PerKind<int>& c = input.counts;
    bool any = false;
    for (int k = 0; k < HeirKindCount; ++k) {
        const HeirKind kind = heirKind(k);
        const int n = c[static_cast<std::size_t>(k)];
        any = any || n != 0;
        if (kind == Istri && n > 4)
            return FaraidError{u"Istri paling banyak empat orang."_s};
        if (isSingle(kind) && n != 0 && n != 1)
            return FaraidError{nameOf(kind) % u" hanya boleh satu orang."_s};
        if (n < 0 || n > 99)
            return FaraidError{u"Jumlah "_s % nameOf(kind) % u" harus antara 1 dan 99."_s};
    }
    if (!any)
        return FaraidError{u"Belum ada ahli waris yang dipilih."_s};
    if (c[at(Suami)] > 0 && c[at(Istri)] > 0)
        return FaraidError{u"Suami dan istri tidak dapat bersama-sama menjadi ahli waris."_s};
    const std::pair<const std::optional<Sen>*, QString> amounts[] = {
        {&input.estate, u"Harta peninggalan"_s},
        {&input.funeral, u"Biaya pengurusan jenazah"_s},
        {&input.debts, u"Utang"_s},
        {&input.bequest, u"Wasiat"_s},
    };
    for (const auto& [amount, name] : amounts) {
        if (*amount && **amount < 0)
            return FaraidError{name % u" tidak boleh negatif."_s};
        if (*amount && **amount > MaxSen)
            return FaraidError{name % u" terlalu besar (paling banyak 999999999999999.99)."_s};
    }
    if (!input.estate && (input.funeral || input.debts || input.bequest))
        return FaraidError{u"Biaya, utang dan wasiat memerlukan harta peninggalan (--estate)."_s};
    if (input.estate && input.funeral.value_or(0) + input.debts.value_or(0) > *input.estate)
        return FaraidError{u"Biaya pengurusan jenazah dan utang melebihi harta peninggalan."_s};
    return std::nullopt;
}

FaraidOutcome divideEstate(const FaraidInput& input) {
    if (auto error = validateFaraidInput(input))
        return *error;
    FaraidOutcome outcome = Division(input).run();
    auto* result = std::get_if<FaraidResult>(&outcome);
    if (result == nullptr || input.detail == FaraidDetail::SharesOnly)
        return outcome;
    if (input.estate) {
        result->money = netEstate(*input.estate, input.funeral.value_or(0), input.debts.value_or(0),
                                  input.bequest.value_or(0));
        result->unassignedAmount =
            distributeAmounts(result->heirs, result->unassigned, result->money->net);
    }
    describeHeirs(*result, input);
    result->steps = faraidSteps(*result);
    return outcome;
}

} // namespace zw::waris
