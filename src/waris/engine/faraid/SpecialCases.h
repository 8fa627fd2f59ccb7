#pragma once

// The special cases of the full division, a layer over divideEstate: heirs who die before the
// estate is divided (munasakhat), an unborn child (haml), a missing heir (mafqud), an heir whose
// sex is not known (khuntsa) and those who died together with the deceased (gharqa). Any of them
// go together.
//
// Those who died together are left out first. The uncertain cases make outcomes, one for each
// way the unborn, the missing and the khuntsa may turn out (one outcome when nothing is
// uncertain). In each outcome the first estate is divided, then every later death divides the
// dead heir's share again over his or her heirs, who are matched to the persons already counted
// (LaterDeaths.h). Every person is given, of each estate, the least that any outcome gives; the
// rest is held until the outcome is known. With later deaths the divisions meet on one common
// base (jami'ah). An outcome in which no one inherits gives the estate to the treasury (Baitul
// Mal). Everything stays exact until the amounts are rounded to the sen once, at the end.

#include "waris/engine/faraid/FaraidTypes.h"
#include "waris/engine/faraid/Persons.h"

#include <variant>

namespace zw::waris {

// A person of a kind: the `person`-th (from 1) of `count` persons of `kind`.
struct KindPersons {
    HeirKind kind = HeirKind::AnakPria;
    int count = 1;
};

// The `person`-th (from 1) heir of `kind` of the first division dies before it is divided,
// leaving `heirs` (counted as heirs of that person).
struct LaterDeath {
    HeirKind kind = HeirKind::Suami;
    int person = 1;
    FaraidPerKind<int> heirs{};
};

// Whose child is expected: the deceased's (by a widow, or a wife who is no heir), a son's who died
// (a grandchild), the deceased's mother's by the late father (a full brother or sister), the late
// father's widow's who is not the deceased's mother (a paternal one), or the mother's by another
// husband (a uterine one).
enum class UnbornKind : std::uint8_t {
    Child,
    Grandchild,
    FullSibling,
    PaternalSibling,
    UterineSibling
};
// How much is held for an unborn child beside its own brothers and sisters: two sons or two
// daughters, whichever gives more (Hanbali, the default), nothing given to them until the birth
// (Shafi'i), or one son or daughter (Hanafi, Abu Yusuf).
enum class UnbornReserve : std::uint8_t { Hanbali, Shafii, Hanafi };
// An heir of unknown sex: every heir the lesser and the rest held (Shafi'i), the khuntsa alone
// the lesser and no hold (Hanafi), or the mean of both (Hanbali and Maliki).
enum class IntersexView : std::uint8_t { Shafii, Hanafi, Average };

inline constexpr int MaxLaterDeaths = 8;
inline constexpr int MaxUnborn = 4;
inline constexpr int MaxOutcomes = 64;

struct SpecialInput {
    FaraidInput input; // the first deceased and the heirs as entered
    // The first deceased's sex where it is known without a spouse (a case tells it).
    std::optional<Sex> sex;
    std::vector<LaterDeath> deaths;
    std::optional<UnbornKind> unborn;
    std::optional<int> unbornMax; // none: as the reserve has it
    UnbornReserve reserve = UnbornReserve::Hanbali;
    std::vector<KindPersons> missing;
    std::optional<HeirKind> intersex; // one of the persons of this kind
    IntersexView intersexView = IntersexView::Shafii;
    std::vector<KindPersons> diedTogether;

    bool any() const {
        return !deaths.empty() || unborn || !missing.empty() || intersex || !diedTogether.empty();
    }
};

// One person of the merged division.
struct SpecialPerson {
    QString name;  // "Anak Pria 2", "Bapak dari Suami", "Kandungan"
    PersonKey key; // which counted person, for the names a case gives (Persons.h)
    HeirKind kind = HeirKind::AnakPria;
    // 0: an heir of the first deceased; d: first met as an heir of death d; -1: a predeceased
    // child's branch, never one of a later deceased's heirs.
    int estate = 0;
    bool died = false;    // a later death: what he or she received passed on
    bool unknown = false; // the unborn or the khuntsa: nothing certain before it is known
    // Of the first estate, from each estate: index 0 the first deceased's, d the d-th later.
    std::vector<Fraction> fromEstates;
    Fraction share;         // what is given now (a dead person: what passed on)
    std::int64_t parts = 0; // of the common base (munasakhat)
    Rupiah amount;
    std::vector<Rupiah> amountsFrom; // with fromEstates, adding up to amount
};

// How the missing persons of a kind turn out: `alive` of them live.
struct MissingFate {
    KindPersons missing;
    int alive = 0;
};

// How every uncertain heir turns out in one outcome.
struct OutcomeFates {
    std::optional<UnbornKind> unborn{}; // born as `sons` and `daughters`, none: stillborn
    int sons = 0;
    int daughters = 0;
    std::vector<MissingFate> missing{}; // per SpecialInput::missing
    std::optional<bool> intersexMale{}; // with a khuntsa
    bool intersexAverage = false;       // the mean of the khuntsa as either (Hanbali and Maliki)
};

// One possible outcome: who turns out how, and what everyone then receives.
struct SpecialOutcome {
    OutcomeFates fates;
    FaraidResult division;
    std::vector<Fraction> shares; // per person of SpecialResult::persons
    std::vector<Rupiah> amounts;  // the certain amount plus the held part that comes to them
    Fraction treasury;
    Rupiah treasuryAmount;
};

// How a dead heir's parts of the common base meet the base of his or her own division.
enum class BaseMatch : std::uint8_t {
    Same,    // tamatsul: the base stays
    Divides, // the parts divide by the base: the base stays
    Agree,   // tawafuq: the base grows by the base over their common factor
    Differ,  // tabayun: the base grows by the whole base
};

// A later death: the dead person's share divided over his or her heirs.
struct SpecialDeath {
    std::size_t person = 0; // in SpecialResult::persons
    FaraidResult division;
    Fraction share;              // what the dead person held, of the first estate
    std::int64_t shareParts = 0; // of the previous common base
    std::int64_t factor = 1;     // the previous base is multiplied by it
    std::int64_t jamiah = 0;     // the common base after this death
    BaseMatch match = BaseMatch::Same;
};

// What the report says about the special cases, in the order they arise.
enum class SpecialNoteKind : std::uint8_t {
    DiedTogether,        // `count` persons of `heir` left out
    FirstOutcome,        // the division shown is the first outcome's
    IntersexHanafi,      // everyone as in `outcome`, the khuntsa's lesser
    IntersexAverage,     // everyone the mean of both outcomes
    UnbornHeld,          // by `reserve`
    MissingHeld,         // until a judge rules
    MissingHeldKhi,      // until the religious court rules (KHI art. 171)
    IntersexShafii,      // everyone the lesser, the rest held
    LaterDeaths,         // the division shown is the first deceased's
    SameHeirs,           // `heir` of the dead `person` are `persons` of the first division
    IntersexHanafiEach,  // beside other uncertain heirs: the khuntsa's lesser in each outcome
    IntersexAverageEach, // beside other uncertain heirs: the mean in each outcome
    DeathsEachOutcome,   // the later deaths are divided in every outcome; the first's shown
    NoHeirs,             // an outcome with no heir gives all to the treasury (KHI art. 191)
};

struct SpecialNote {
    SpecialNoteKind kind = SpecialNoteKind::FirstOutcome;
    HeirKind heir = HeirKind::AnakPria;
    int count = 0;
    std::size_t outcome = 0;
    std::size_t person = 0; // in SpecialResult::persons
    std::vector<std::size_t> persons{};
    UnbornReserve reserve = UnbornReserve::Hanbali;
};

struct SpecialResult {
    FaraidResult first; // the first division as entered (an uncertain case: its first outcome)
    std::vector<SpecialPerson> persons;
    std::vector<SpecialDeath> deaths;
    std::vector<SpecialOutcome> outcomes;
    Fraction held;
    Rupiah heldAmount;
    Fraction treasury; // what no heir receives in any division (Baitul Mal)
    Rupiah treasuryAmount;
    std::int64_t jamiah = 0; // the common base of the merged division
    std::vector<SpecialNote> notes;
};

using SpecialOutcomeOrError = std::variant<SpecialResult, FaraidError>;

SpecialOutcomeOrError divideSpecial(const SpecialInput& special);

// A child, son's child or sibling: a person of this kind may be a khuntsa.
bool mayBeIntersex(HeirKind kind);

} // namespace zw::waris
