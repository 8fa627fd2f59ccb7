#pragma once

// The values of the full division (faraid): what goes in, the options, what comes out.

#include "waris/engine/faraid/Fraction.h"
#include "waris/engine/HeirKind.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace zw::waris {

// Money in sen (1/100 rupiah). 999 trillion rupiah fit easily; products go through 128 bits.
using Sen = std::int64_t;

enum class GrandfatherRule : std::uint8_t { Zayd, Hanafi };
enum class MushtarakaRule : std::uint8_t { Share, None };
enum class GrandmotherSide : std::uint8_t { Maternal, Paternal };
enum class SpouseAloneRule : std::uint8_t { Treasury, RestToSpouse };

struct FaraidOptions {
    GrandfatherRule grandfather = GrandfatherRule::Zayd;
    MushtarakaRule mushtaraka = MushtarakaRule::Share;
    GrandmotherSide grandmother = GrandmotherSide::Maternal;
    SpouseAloneRule spouseAlone = SpouseAloneRule::Treasury;
};

enum class FaraidDetail : std::uint8_t {
    SharesOnly, // fractions, statuses and bases; no amounts, texts or steps (for sweeps)
    Full,       // plus amounts, the basis of every heir, the table comparison and the steps
};

struct FaraidInput {
    PerKind<int> counts{}; // persons of each kind; 0: not among the heirs
    std::optional<Sen> estate;
    std::optional<Sen> funeral;
    std::optional<Sen> debts;
    std::optional<Sen> bequest;
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
// "umariyyatain", "mushtaraka", "akdariyyah", "muaddah", "jadd-wal-ikhwah"
QString specialCaseName(SpecialCase c);

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
};

// One group of heirs that receives one share of the base together.
struct FaraidGroup {
    std::uint32_t kinds = 0; // kind bits
    Fraction fard;           // the group's fixed share (0: none)
    bool takesResidue = false;
    std::int64_t baseParts = 0; // parts of the base (asal masalah), residue included
    Fraction share;             // final, of the whole estate
};

struct FaraidHeir {
    HeirKind kind = HeirKind::Suami;
    int count = 0;
    FaraidStatus status = FaraidStatus::Blocked;
    Residuary residuary = Residuary::None;
    FaraidBasis basisCode = FaraidBasis::Blocked;
    // The fixed share before 'aul or radd (0 for a pure residuary); for the father or the
    // grandfather beside daughters it is the sixth he takes before the residue.
    Fraction fard;
    Fraction share;              // of the whole estate, final
    Fraction perPerson;          // share / count
    std::uint32_t blockedBy = 0; // kind bits of the heirs that block this one
    bool receivesRadd = false;
    std::int64_t partsPerPerson = 0; // of the final base (after tashih)

    // FaraidDetail::Full only.
    Sen amount = 0;       // all persons of the kind together
    Sen personAmount = 0; // the first `personsWithExtraSen` persons get one sen more
    int personsWithExtraSen = 0;
    QString basis;           // why: "1/4 karena ada keturunan", "terhalang oleh Anak Pria", ...
    QString tableDifference; // empty when the rule table (computeShares) treats it the same

    std::int64_t parts() const { return partsPerPerson * count; }
    Sen amountOfPerson(int person) const {
        return personAmount + (person < personsWithExtraSen ? 1 : 0);
    }
};

struct FaraidMoney {
    Sen estate = 0;
    Sen funeral = 0;
    Sen debts = 0;
    Sen bequestAsked = 0;
    Sen bequest = 0; // as carried out, at most a third of estate - funeral - debts
    bool bequestCut = false;
    Sen net = 0;
};

struct FaraidResult {
    std::vector<FaraidHeir> heirs;   // every given kind, in kind order
    std::vector<FaraidGroup> groups; // the receiving groups, as the base lists them
    std::int64_t base = 0;           // asal masalah
    std::int64_t awlBase = 0;        // 0 when there is no 'aul
    std::int64_t raddBase = 0;       // 0 when there is no radd
    std::int64_t finalBase = 0;      // after tashih
    bool awl = false;
    bool radd = false;
    std::uint32_t raddTo = 0;         // kind bits
    std::uint8_t special = 0;         // specialBit() set
    Fraction unassigned;              // the part no heir receives (only a spouse, default rule)
    std::optional<FaraidMoney> money; // when an estate was given
    Sen unassignedAmount = 0;
    QStringList steps; // FaraidDetail::Full only

    bool has(SpecialCase c) const { return (special & specialBit(c)) != 0; }
    const FaraidHeir* heir(HeirKind kind) const;
};

struct FaraidError {
    QString message; // Indonesian, one line
};

} // namespace zw::waris
