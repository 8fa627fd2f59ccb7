#pragma once

// The values of the full division (faraid): what goes in, the options, what comes out. Two laws
// divide: the classical majority view, and the Compilation of Islamic Law (Kompilasi Hukum Islam,
// KHI) with the Supreme Court's rulings on it, as Indonesian religious courts divide.

#include "common/Rupiah.h"
#include "waris/engine/HeirKind.h"
#include "waris/engine/faraid/Fraction.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace zw::waris {

enum class GrandfatherRule : std::uint8_t { Zayd, Hanafi };
enum class MushtarakaRule : std::uint8_t { Share, None };
enum class GrandmotherSide : std::uint8_t { Maternal, Paternal };
enum class SpouseAloneRule : std::uint8_t { Treasury, RestToSpouse };
// KHI: a daughter keeps out brothers and sisters (Supreme Court 86 K/AG/1994), or the majority
// view (sisters take the residue beside daughters).
enum class DaughterRule : std::uint8_t { BlocksSiblings, Majority };
// KHI radd: to every fixed-share heir, the spouse included (art. 193), or as the classical law.
enum class KhiRadd : std::uint8_t { All, Blood };
// Distant kin (dzawil arham): each in the place of the heir through whom related (tanzil), a male
// twice a female within a place but in the mother's children's line (Shafi'i) or all alike
// (Hanbali); or the nearest class, degree and tie first, by persons (qarabah, Hanafi, Abu Yusuf).
enum class DistantKinRule : std::uint8_t { Tanzil, Hanbali, Qarabah };

struct FaraidOptions {
    GrandfatherRule grandfather = GrandfatherRule::Zayd;
    MushtarakaRule mushtaraka = MushtarakaRule::Share;
    GrandmotherSide grandmother = GrandmotherSide::Maternal;
    SpouseAloneRule spouseAlone = SpouseAloneRule::Treasury;
    DaughterRule daughter = DaughterRule::BlocksSiblings; // KHI only
    KhiRadd khiRadd = KhiRadd::All;                       // KHI only
    DistantKinRule distantKin = DistantKinRule::Tanzil;

    bool operator==(const FaraidOptions&) const = default;
};

enum class Law : std::uint8_t { Classical, Khi };

enum class BequestRecipient : std::uint8_t { AdoptedChild, AdoptiveParent, NonMuslimRelative };

// An heir who died before the deceased, with the children it left: a son or daughter, a son's
// daughter, a brother or sister, a paternal uncle.
struct PredeceasedChild {
    HeirKind replaces = HeirKind::AnakPria; // one of predeceasedPlaces()
    int sons = 0;
    int daughters = 0;
};

enum class FaraidDetail : std::uint8_t {
    SharesOnly, // fractions, statuses and bases; no amounts or texts (for sweeps)
    Full,       // plus amounts, the basis of every heir and the table comparison
};

// The persons of each kind; the heir selection's counts fill the kinds it has.
struct FaraidCounts : FaraidPerKind<int> {
    FaraidCounts& operator=(const FaraidPerKind<int>& counts) {
        FaraidPerKind<int>::operator=(counts);
        return *this;
    }
    FaraidCounts& operator=(const PerKind<int>& selection) {
        fill(0);
        std::copy(selection.begin(), selection.end(), begin());
        return *this;
    }
    bool operator==(const PerKind<int>& selection) const {
        return std::equal(selection.begin(), selection.end(), begin()) &&
               std::all_of(begin() + HeirKindCount, end(), [](int n) { return n == 0; });
    }
};

struct FaraidInput {
    Law law = Law::Classical;
    FaraidCounts counts{}; // persons of each kind; 0: not among the heirs
    std::vector<PredeceasedChild> predeceased;
    std::optional<Rupiah> estate; // the deceased's own property
    // The marriage's joint property with the surviving spouse; half of it is the spouse's.
    std::optional<Rupiah> jointProperty;
    std::optional<Rupiah> funeral;
    std::optional<Rupiah> zakat; // unpaid zakat, with the debts
    std::optional<Rupiah> debts;
    std::optional<Rupiah> obligatoryBequest; // KHI only (wasiat wajibah)
    BequestRecipient obligatoryBequestTo = BequestRecipient::AdoptedChild;
    std::optional<Rupiah> bequest;
    FaraidOptions options;
    FaraidDetail detail = FaraidDetail::Full;
};

enum class FaraidStatus : std::uint8_t { Fard, Ashabah, Blocked };

// How a residuary inherits: by himself, through a male of the class, or beside daughters.
enum class Residuary : std::uint8_t { None, BiNafsih, BilGhair, MaalGhair };

// The named special cases; a result carries a set of them as bits.
enum class SpecialCase : std::uint8_t {
    Umariyyatain,
    Mushtaraka,
    Akdariyyah,
    Muaddah,
    JaddWalIkhwah
};
inline constexpr int SpecialCaseCount = 5;
constexpr std::uint8_t specialBit(SpecialCase c) {
    return static_cast<std::uint8_t>(1U << static_cast<int>(c));
}

// Why an heir gets what it gets; the texts are in FaraidText.h.
enum class FaraidBasis : std::uint8_t {
    Blocked,
    SpouseAlone, // 1/2 or 1/4 (1/8): no descendant / with a descendant, see the fraction
    SpouseWithDescendant,
    FatherSixth,           // beside a male descendant
    FatherSixthAndResidue, // beside daughters only
    FatherResidue,
    MotherThird,
    MotherSixthDescendant,
    MotherSixthSiblings,
    MotherUmariyyatain,
    GrandmotherSixth,
    OneHalf,         // a single daughter, son's daughter or sister
    TwoThirds,       // two or more of them
    SixthCompletion, // son's daughter beside one daughter, paternal sister beside one full sister
    UterineSixth,
    UterineThird,
    MushtarakaShare,        // full siblings share the mother's children's third
    ResidueNearest,         // residuary by himself
    ResidueWithMale,        // bil ghair: a female with the male of her class
    ResidueBesideDaughters, // ma'al ghair
    GrandfatherMuqasamah,
    GrandfatherThird,
    GrandfatherThirdOfRest,
    GrandfatherSixth,
    SiblingWithGrandfather,
    Akdariyyah,
    Substitute, // KHI art. 185: a predeceased child's children in its place
    DistantKin, // distant kin (dzawil arham), when no one but a spouse inherits
};

// One group of heirs that receives one share of the base together.
struct FaraidGroup {
    HeirSet kinds;
    Fraction fard; // the group's fixed share (0: none)
    bool takesResidue = false;
    std::int64_t baseParts = 0; // parts of the base (asal masalah), residue included
    Fraction share;             // final, of the whole estate
};

struct FaraidHeir {
    HeirKind kind = HeirKind::Suami;
    // The sons (or the daughters) of a predeceased heir, branch 1, 2, ... in the input's order;
    // kind is then the heir replaced.
    int branch = 0;
    bool branchDaughters = false;
    int count = 0;
    FaraidStatus status = FaraidStatus::Blocked;
    Residuary residuary = Residuary::None;
    FaraidBasis basisCode = FaraidBasis::Blocked;
    // The fixed share before 'aul or radd (0 for a pure residuary); for the father or the
    // grandfather beside daughters it is the sixth he takes before the residue.
    Fraction fard;
    Fraction share;     // of the whole estate, final
    Fraction perPerson; // share / count
    HeirSet blockedBy;  // the heirs that block this one
    bool receivesRadd = false;
    bool exceedsLivingChild = false; // more than a living heir of the replaced degree (art. 185(2))
    std::int64_t partsPerPerson = 0; // of the final base (after tashih)

    // FaraidDetail::Full only.
    Rupiah amount;       // all persons of the kind together
    Rupiah personAmount; // the first `personsWithExtraSen` persons get one sen more
    int personsWithExtraSen = 0;
    QString basis;           // why: "1/4 karena ada keturunan", "terhalang oleh Anak Pria", ...
    QString tableDifference; // empty when the rule table (computeShares) treats it the same

    std::int64_t parts() const { return partsPerPerson * count; }
    bool inBranch() const { return branch > 0; }
    Rupiah amountOfPerson(int person) const {
        return personAmount + Rupiah::fromSen(person < personsWithExtraSen ? 1 : 0);
    }
};

// The estate from the deceased's own property to what the heirs divide.
struct FaraidMoney {
    Rupiah estate;
    Rupiah jointProperty;
    Rupiah spouseJointShare; // half of the joint property, paid to the spouse first
    Rupiah funeral;
    Rupiah zakat;
    Rupiah debts;
    Rupiah obligatoryAsked;
    Rupiah obligatory; // served first from the third
    BequestRecipient obligatoryTo = BequestRecipient::AdoptedChild;
    Rupiah bequestAsked;
    Rupiah bequest; // what is left of the third after the obligatory bequest, at most
    Rupiah net;

    // The estate with the deceased's half of the joint property.
    Rupiah gross() const { return estate + jointProperty - spouseJointShare; }
    // What the bequests are measured against: after costs, zakat and debts.
    Rupiah afterDebts() const { return gross() - funeral - zakat - debts; }
    bool obligatoryCut() const { return obligatory < obligatoryAsked; }
    bool bequestCut() const { return bequest < bequestAsked; }
};

// What one entry of distant kin (dzawil arham) takes.
struct DistantPortion {
    HeirKind kind = HeirKind::AnakWanita; // a branch's place, or a distant kind
    int branch = 0;                       // 1, 2, ...: the predeceased heir; 0: a distant kind
    bool daughters = false;
    int count = 0;
    Fraction share;     // of what the distant kin divide, all persons of the entry together
    HeirSet excludedBy; // the places (or kinds) of those who take it, when the share is 0
};

struct DistantDivision {
    DistantKinRule rule = DistantKinRule::Tanzil;
    std::vector<DistantPortion> portions; // branches in input order, then the kinds
    // Tanzil: the heirs whose places they take, divided as if they were the heirs.
    FaraidPerKind<int> places{};
    FaraidPerKind<Fraction> placeShares{};
};

struct FaraidResult {
    Law law = Law::Classical;
    std::vector<PredeceasedChild> predeceased; // as given
    // Every given kind in kind order, a predeceased heir's branch after the kind it replaces.
    std::vector<FaraidHeir> heirs;
    std::vector<FaraidGroup> groups; // the receiving groups, as the base lists them
    std::int64_t base = 0;           // asal masalah
    std::int64_t awlBase = 0;        // 0 when there is no 'aul
    std::int64_t raddBase = 0;       // 0 when there is no radd
    std::int64_t finalBase = 0;      // after tashih; 0 when it would exceed 64 bits
    bool awl = false;
    bool radd = false;
    HeirSet raddTo;
    std::uint8_t special = 0;         // specialBit() set
    Fraction unassigned;              // the part no heir receives (only a spouse, default rule)
    std::optional<FaraidMoney> money; // when an estate was given
    Rupiah unassignedAmount;
    std::optional<DistantDivision> distant; // when distant kin inherit

    bool has(SpecialCase c) const { return (special & specialBit(c)) != 0; }
    // The living persons of a kind (no branch).
    const FaraidHeir* heir(HeirKind kind) const;
};

struct FaraidError {
    QString message; // Indonesian, one line
};

} // namespace zw::waris
