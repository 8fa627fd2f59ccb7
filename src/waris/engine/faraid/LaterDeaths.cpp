#include "waris/engine/faraid/LaterDeaths.h"

#include "waris/engine/faraid/FaraidInputCheck.h"
#include "waris/engine/faraid/SameHeirs.h"
#include "waris/engine/faraid/SpecialCaseParts.h"

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

using enum HeirKind;
using parts::kindName;
using parts::numbered;

// The first deceased's sex, told by a spouse or else by the case.
std::optional<bool> firstIsMale(const SpecialInput& special) {
    if (special.input.counts[Istri] > 0)
        return true;
    if (special.input.counts[Suami] > 0)
        return false;
    if (special.sex)
        return *special.sex == Sex::Male;
    return std::nullopt;
}

// One of the first deceased's heirs that a later death may name, and a later heir match.
bool numberedFirst(const SpecialPerson& p) {
    return p.estate == 0 && p.key.branch == 0 && p.key.number > 0;
}

int numberedOf(const std::vector<SpecialPerson>& persons, HeirKind kind) {
    int n = 0;
    for (const SpecialPerson& p : persons)
        n += numberedFirst(p) && p.kind == kind ? 1 : 0;
    return n;
}

int missingOf(const SpecialInput& special, HeirKind kind) {
    for (const KindPersons& missing : special.missing) {
        if (missing.kind == kind)
            return missing.count;
    }
    return 0;
}

// The dead person among the first deceased's heirs, or why there is none.
std::variant<std::size_t, FaraidError> deadPerson(const std::vector<SpecialPerson>& persons,
                                                  const LaterDeath& death,
                                                  const SpecialInput& special) {
    const int present = numberedOf(persons, death.kind);
    if (present == 0)
        return FaraidError{kindName(death.kind) %
                           u" yang meninggal kemudian tidak ada di antara ahli waris."_s};
    if (death.person < 1 || death.person > present)
        return FaraidError{kindName(death.kind) % u" ke-"_s % QString::number(death.person) %
                           u" yang meninggal kemudian tidak ada (hanya "_s %
                           QString::number(present) % u" orang)."_s};
    if (death.person > present - missingOf(special, death.kind))
        return FaraidError{kindName(death.kind) % u" ke-"_s % QString::number(death.person) %
                           u" hilang; yang hilang tidak diketahui kapan meninggal, maka tidak "
                           u"dapat disebut meninggal kemudian."_s};
    std::size_t who = 0;
    while (!numberedFirst(persons[who]) || persons[who].kind != death.kind ||
           persons[who].key.number != death.person)
        ++who;
    if (persons[who].died)
        return FaraidError{persons[who].name % u" disebut meninggal kemudian lebih dari sekali."_s};
    return who;
}

// The dead heir's heirs as an input of their own, under the first division's law.
FaraidInput heirsInput(const SpecialInput& special, const LaterDeath& death) {
    FaraidInput next;
    next.law = special.input.law;
    next.options = special.input.options;
    next.counts = death.heirs;
    return next;
}

std::optional<FaraidError> checkHeirs(const SpecialInput& special, const LaterDeath& death,
                                      const QString& dead) {
    const QString where = u"Ahli waris "_s % dead % u": "_s;
    if (auto error = checkFaraidInput(heirsInput(special, death)))
        return FaraidError{where % error->message};
    const bool male = heirInfo(death.kind).male;
    if (death.heirs[male ? Suami : Istri] > 0)
        return FaraidError{where % (male ? u"seorang pria tidak meninggalkan suami."_s
                                         : u"seorang wanita tidak meninggalkan istri."_s)};
    return std::nullopt;
}

// The person of the first division a relation names: living, not yet an heir of this death,
// of the kinds tried in order.
std::optional<std::size_t> samePerson(const SameHeir& same, GrandmotherSide side,
                                      const std::vector<SpecialPerson>& persons,
                                      const std::vector<bool>& taken) {
    for (const HeirKind kind : same.kinds) {
        for (std::size_t i = 0; i < persons.size(); ++i) {
            const SpecialPerson& p = persons[i];
            if (numberedFirst(p) && !p.died && !taken[i] && relationKind(p.kind, side) == kind)
                return i;
        }
    }
    return std::nullopt;
}

// The rows are tried in order.
BaseMatch matchOf(std::int64_t shareParts, std::int64_t base, std::int64_t common) {
    if (shareParts == base)
        return BaseMatch::Same;
    if (shareParts % base == 0)
        return BaseMatch::Divides;
    return common > 1 ? BaseMatch::Agree : BaseMatch::Differ;
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

// An heir of death `d` who is no one counted before: the `p`-th of `count` of the kind.
std::size_t addNewHeir(HeirKind kind, int p, int count, std::size_t d, const QString& dead,
                       std::vector<SpecialPerson>& persons, std::vector<bool>& taken) {
    SpecialPerson person;
    person.name = numbered(kind, p, count) % u" dari "_s % dead;
    person.kind = kind;
    person.estate = static_cast<int>(d + 1);
    person.key = {.estate = person.estate, .kind = kind, .number = p};
    persons.push_back(std::move(person));
    taken.push_back(false);
    return persons.size() - 1;
}

Fraction heldBy(const std::vector<Fraction>& cells) {
    Fraction total;
    for (const Fraction f : cells)
        total += f;
    return total;
}

} // namespace

std::variant<LaterDeaths, FaraidError> LaterDeaths::place(const SpecialInput& special,
                                                          std::vector<SpecialPerson>& persons,
                                                          std::vector<SpecialNote>& notes) {
    LaterDeaths placed(special.input);
    for (std::size_t d = 0; d < special.deaths.size(); ++d) {
        const LaterDeath& death = special.deaths[d];
        const auto who = deadPerson(persons, death, special);
        if (const auto* error = std::get_if<FaraidError>(&who))
            return *error;
        Death step{std::get<std::size_t>(who), persons[std::get<std::size_t>(who)].name, {}};
        if (auto error = checkHeirs(special, death, step.name))
            return *error;
        persons[step.dead].died = true;
        if (auto error = placed.placeHeirs(special, d, step, persons, notes))
            return *error;
        placed.m_deaths.push_back(std::move(step));
    }
    return placed;
}

std::optional<FaraidError> LaterDeaths::placeHeirs(const SpecialInput& special, std::size_t d,
                                                   Death& step, std::vector<SpecialPerson>& persons,
                                                   std::vector<SpecialNote>& notes) const {
    const LaterDeath& death = special.deaths[d];
    const std::optional<bool> male = firstIsMale(special);
    std::vector<bool> taken(persons.size(), false);
    for (int k = 0; k < FaraidKindCount; ++k) {
        const HeirKind kind = heirKind(k);
        if (death.heirs[kind] == 0)
            continue;
        const SameHeir same = sameHeir(death.kind, kind, male, m_options.grandmother);
        if (same.firstDeceased)
            return FaraidError{u"Ahli waris "_s % step.name % u": "_s % kindName(kind) %
                               u" adalah pewaris pertama, yang telah meninggal."_s};
        Placed heirs{kind, {}};
        SpecialNote note{.kind = SpecialNoteKind::SameHeirs, .heir = kind, .person = step.dead};
        for (int p = 1; p <= death.heirs[kind]; ++p) {
            std::optional<std::size_t> at = samePerson(same, m_options.grandmother, persons, taken);
            if (at)
                note.persons.push_back(*at);
            else
                at = addNewHeir(kind, p, death.heirs[kind], d, step.name, persons, taken);
            taken[*at] = true;
            heirs.persons.push_back(*at);
        }
        if (!note.persons.empty())
            notes.push_back(std::move(note));
        step.heirs.push_back(std::move(heirs));
    }
    return std::nullopt;
}

// The dead heir's heirs who live in the outcome, under the first division's law.
FaraidInput LaterDeaths::aliveHeirs(const Death& death, const std::vector<bool>& alive,
                                    FaraidDetail detail) const {
    FaraidInput next;
    next.law = m_law;
    next.options = m_options;
    next.detail = detail;
    for (const Placed& heirs : death.heirs) {
        for (const std::size_t p : heirs.persons)
            next.counts[heirs.kind] += alive[p] ? 1 : 0;
    }
    return next;
}

void LaterDeaths::spread(const Death& death, const SpecialDeath& step,
                         const std::vector<bool>& alive, std::size_t column,
                         std::vector<std::vector<Fraction>>& cells) {
    for (const Placed& heirs : death.heirs) {
        const FaraidHeir* h = step.division.heir(heirs.kind);
        for (const std::size_t p : heirs.persons) {
            if (alive[p] && h)
                cells[p][column] = step.share * h->perPerson;
        }
    }
}

std::variant<LaterDeaths::Divided, FaraidError>
LaterDeaths::divide(std::vector<std::vector<Fraction>>& cells, const std::vector<bool>& alive,
                    std::int64_t base, FaraidDetail detail) const {
    Divided divided;
    divided.jamiah = base;
    for (std::size_t d = 0; d < m_deaths.size(); ++d) {
        const Death& death = m_deaths[d];
        FaraidOutcome outcome = parts::divideOrNobody(aliveHeirs(death, alive, detail));
        if (std::holds_alternative<FaraidError>(outcome))
            return parts::errorOf(outcome, u"Ahli waris "_s % death.name % u": "_s);
        SpecialDeath step;
        step.person = death.dead;
        step.division = std::get<FaraidResult>(std::move(outcome));
        step.share = heldBy(cells[death.dead]);
        if (auto error = matchBase(step, divided.jamiah))
            return *error;
        divided.jamiah = step.jamiah;
        spread(death, step, alive, d + 1, cells);
        divided.treasury += step.share * step.division.unassigned;
        divided.deaths.push_back(std::move(step));
    }
    return divided;
}

} // namespace zw::waris
