#include "waris/engine/faraid/LaterDeaths.h"

#include "waris/engine/faraid/FaraidText.h"
#include "waris/engine/faraid/SpecialCaseParts.h"

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

using enum HeirKind;
using parts::kindName;
using parts::numbered;

// Who an heir of a later deceased is among the first deceased's heirs, when the two relations
// name one person: a dead spouse's children are the deceased's children, a dead child's full
// brothers are the deceased's other sons, ... `male`: the sex of the first deceased, when known.
std::optional<HeirKind> sameAs(HeirKind dead, HeirKind heir, std::optional<bool> male) {
    switch (dead) {
    case Suami:
    case Istri:
        if (heir == AnakPria || heir == AnakWanita)
            return heir;
        break;
    case AnakPria:
    case AnakWanita:
        if (heir == SaudaraPriaSekandung)
            return AnakPria;
        if (heir == SaudaraWanitaSekandung)
            return AnakWanita;
        // Half brothers and sisters through the deceased: the deceased's other children.
        if ((heir == SaudaraPriaSeBapak && male != false) ||
            (heir == SaudaraPriaSeIbu && male == false))
            return AnakPria;
        if ((heir == SaudaraWanitaSeBapak && male != false) ||
            (heir == SaudaraWanitaSeIbu && male == false))
            return AnakWanita;
        // The dead child's grandmother on the first deceased's side is the deceased's mother.
        if (heir == Nenek || (heir == NenekDariIbu && male == false) ||
            (heir == NenekDariBapak && male == true))
            return Ibu;
        if (heir == Ibu && male == true)
            return Istri;
        if (heir == Bapak && male == false)
            return Suami;
        if (heir == Kakek && male == true)
            return Bapak;
        if (dead == AnakPria && (heir == AnakPria || heir == AnakWanita))
            return heir == AnakPria ? CucuPria : CucuWanita;
        break;
    case SaudaraPriaSekandung:
    case SaudaraWanitaSekandung:
        if (heir == SaudaraPriaSekandung || heir == SaudaraWanitaSekandung || heir == Ibu ||
            heir == Bapak)
            return heir;
        break;
    case SaudaraPriaSeBapak:
    case SaudaraWanitaSeBapak:
        if (heir == SaudaraPriaSeBapak || heir == SaudaraWanitaSeBapak || heir == Bapak)
            return heir;
        break;
    case SaudaraPriaSeIbu:
    case SaudaraWanitaSeIbu:
        if (heir == SaudaraPriaSeIbu || heir == SaudaraWanitaSeIbu || heir == Ibu)
            return heir;
        break;
    case Bapak:
        if (heir == Istri)
            return Ibu;
        if (heir == Bapak)
            return Kakek;
        break;
    case Ibu:
        if (heir == Suami)
            return Bapak;
        break;
    default:
        break;
    }
    return std::nullopt;
}

// Whether an heir of a later deceased is the first deceased: a dead spouse's spouse, a dead
// child's mother or father.
bool isFirstDeceased(HeirKind dead, HeirKind heir, std::optional<bool> male) {
    if (dead == Suami || dead == Istri)
        return heir == Suami || heir == Istri;
    if (dead == AnakPria || dead == AnakWanita)
        return (heir == Ibu && male == false) || (heir == Bapak && male == true);
    return false;
}

// The persons of the first division, each alone; a predeceased child's branch keeps its name.
std::vector<SpecialPerson> personsOf(const FaraidResult& first, std::size_t estates) {
    std::vector<SpecialPerson> persons;
    for (const FaraidHeir& h : first.heirs) {
        for (int p = 1; p <= h.count; ++p) {
            SpecialPerson person;
            person.name = h.inBranch() ? faraidHeirName(h) %
                                             (h.count > 1 ? u' ' % QString::number(p) : QString())
                                       : numbered(h.kind, p, h.count);
            person.kind = h.kind;
            person.estate = h.inBranch() ? -1 : 0; // a branch is never a later heir's match
            person.fromEstates.assign(estates, Fraction());
            person.fromEstates[0] = h.perPerson;
            persons.push_back(person);
        }
    }
    return persons;
}

// The `person`-th living or dead person of `kind` among the first deceased's heirs.
std::optional<std::size_t> firstPerson(const std::vector<SpecialPerson>& persons, HeirKind kind,
                                       int person) {
    int seen = 0;
    for (std::size_t i = 0; i < persons.size(); ++i) {
        if (persons[i].estate == 0 && persons[i].kind == kind && ++seen == person)
            return i;
    }
    return std::nullopt;
}

Fraction heldBy(const SpecialPerson& person) {
    Fraction total;
    for (const Fraction f : person.fromEstates)
        total += f;
    return total;
}

// The rows are tried in order.
BaseMatch matchOf(std::int64_t shareParts, std::int64_t base, std::int64_t common) {
    if (shareParts == base)
        return BaseMatch::Same;
    if (shareParts % base == 0)
        return BaseMatch::Divides;
    return common > 1 ? BaseMatch::Agree : BaseMatch::Differ;
}

// The first deceased's sex, when a spouse tells it.
std::optional<bool> firstIsMale(const FaraidInput& input) {
    if (input.counts[Istri] > 0)
        return true;
    if (input.counts[Suami] > 0)
        return false;
    return std::nullopt;
}

// The dead person among the first deceased's heirs, or why there is none.
std::variant<std::size_t, FaraidError> deadPerson(const std::vector<SpecialPerson>& persons,
                                                  const LaterDeath& death,
                                                  const FaraidInput& input) {
    const int present = input.counts[death.kind];
    const auto who = firstPerson(persons, death.kind, death.person);
    if (!who && present == 0)
        return FaraidError{kindName(death.kind) %
                           u" yang meninggal kemudian tidak ada di antara ahli waris."_s};
    if (!who)
        return FaraidError{kindName(death.kind) % u" ke-"_s % QString::number(death.person) %
                           u" yang meninggal kemudian tidak ada (hanya "_s %
                           QString::number(present) % u" orang)."_s};
    if (persons[*who].died)
        return FaraidError{persons[*who].name %
                           u" disebut meninggal kemudian lebih dari sekali."_s};
    return *who;
}

// The dead person's estate divided over his or her heirs, under the first division's law.
FaraidOutcome divideDeath(const LaterDeath& death, const FaraidInput& input) {
    FaraidInput next;
    next.law = input.law;
    next.options = input.options;
    next.counts = death.heirs;
    next.detail = FaraidDetail::Full;
    return divideEstate(next);
}

// The dead person's parts of the common base `jamiah` against the base of his or her own
// division: how far the common base grows.
std::optional<FaraidError> matchBase(SpecialDeath& step, std::int64_t jamiah) {
    const Fraction parts = step.share * Fraction(jamiah);
    const std::int64_t base = step.division.finalBase;
    const std::int64_t common = gcd64(parts.num(), base);
    step.shareParts = parts.num();
    step.factor = base / (common == 0 ? 1 : common);
    if (!parts.valid() || !parts.isInteger() || common == 0)
        return FaraidError{u"Angka pembagian terlalu besar untuk dihitung dengan tepat."_s};
    step.match = matchOf(step.shareParts, base, common);
    const Fraction next = Fraction(jamiah) * Fraction(step.factor);
    if (!next.valid())
        return FaraidError{u"Angka pembagian terlalu besar untuk dihitung dengan tepat."_s};
    if (step.shareParts == 0)
        step.factor = 1;
    step.jamiah = step.shareParts == 0 ? jamiah : next.num();
    return std::nullopt;
}

// Who an heir of death `d` is: a living person of the first division the relation names and
// not yet taken, or a new person.
std::size_t placeHeir(std::optional<HeirKind> match, const FaraidHeir& h, int p, std::size_t d,
                      std::size_t who, std::vector<bool>& used,
                      std::vector<SpecialPerson>& persons) {
    for (std::size_t i = 0; match && i < persons.size(); ++i) {
        if (persons[i].estate == 0 && persons[i].kind == *match && !persons[i].died && !used[i] &&
            i != who)
            return i;
    }
    SpecialPerson person;
    person.name = numbered(h.kind, p, h.count) % u" dari "_s % persons[who].name;
    person.kind = h.kind;
    person.estate = static_cast<int>(d + 1);
    person.fromEstates.assign(persons[who].fromEstates.size(), Fraction());
    persons.push_back(person);
    used.push_back(false);
    return persons.size() - 1;
}

// Each heir of the dead person, with what he or she receives of the first estate through death
// `d`.
std::optional<FaraidError> placeHeirs(const LaterDeath& death, std::size_t d,
                                      std::optional<bool> male, const SpecialDeath& step,
                                      SpecialResult& result) {
    std::vector<SpecialPerson>& persons = result.persons;
    std::vector<bool> used(persons.size(), false);
    const QString dead = persons[step.person].name;
    for (const FaraidHeir& h : step.division.heirs) {
        if (isFirstDeceased(death.kind, h.kind, male))
            return FaraidError{u"Ahli waris "_s % dead % u": "_s % kindName(h.kind) %
                               u" adalah pewaris pertama, yang telah meninggal."_s};
        const auto match = sameAs(death.kind, h.kind, male);
        SpecialNote same{.kind = SpecialNoteKind::SameHeirs, .heir = h.kind, .person = step.person};
        for (int p = 1; p <= h.count; ++p) {
            const std::size_t at = placeHeir(match, h, p, d, step.person, used, persons);
            if (persons[at].estate == 0)
                same.persons.push_back(at);
            used[at] = true;
            persons[at].fromEstates[d + 1] = step.share * h.perPerson;
        }
        if (!same.persons.empty())
            result.notes.push_back(std::move(same));
    }
    return std::nullopt;
}

// Death `d`: the dead person's share divided again and the common base grown to take it.
std::optional<FaraidError> addDeath(const SpecialInput& special, const FaraidInput& input,
                                    std::size_t d, SpecialResult& result) {
    const LaterDeath& death = special.deaths[d];
    const auto who = deadPerson(result.persons, death, input);
    if (const auto* error = std::get_if<FaraidError>(&who))
        return *error;
    SpecialDeath step;
    step.person = std::get<std::size_t>(who);
    FaraidOutcome outcome = divideDeath(death, input);
    if (std::holds_alternative<FaraidError>(outcome))
        return parts::errorOf(outcome,
                              u"Ahli waris "_s % result.persons[step.person].name % u": "_s);
    step.division = std::get<FaraidResult>(std::move(outcome));
    step.share = heldBy(result.persons[step.person]);
    if (auto error = matchBase(step, result.jamiah))
        return error;
    result.jamiah = step.jamiah;
    result.persons[step.person].died = true;
    if (auto error = placeHeirs(death, d, firstIsMale(input), step, result))
        return error;
    result.treasury += step.share * step.division.unassigned;
    result.deaths.push_back(std::move(step));
    return std::nullopt;
}

// Every living person's share and parts of the final common base.
void mergeOnBase(SpecialResult& result) {
    for (SpecialPerson& person : result.persons) {
        person.share = person.died ? Fraction() : heldBy(person);
        person.parts = (person.share * Fraction(result.jamiah)).num();
    }
}

} // namespace

std::optional<FaraidError> divideLaterDeaths(const SpecialInput& special, const FaraidInput& input,
                                             SpecialResult& result) {
    result.persons = personsOf(result.first, special.deaths.size() + 1);
    result.treasury = result.first.unassigned;
    result.jamiah = result.first.finalBase;
    if (special.deaths.empty()) {
        for (SpecialPerson& person : result.persons)
            person.share = person.fromEstates[0];
        return std::nullopt;
    }
    result.notes.push_back({.kind = SpecialNoteKind::LaterDeaths});
    for (std::size_t d = 0; d < special.deaths.size(); ++d) {
        if (auto error = addDeath(special, input, d, result))
            return error;
    }
    mergeOnBase(result);
    return std::nullopt;
}

} // namespace zw::waris
