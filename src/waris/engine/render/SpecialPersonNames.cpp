#include "waris/engine/render/SpecialPersonNames.h"

#include "waris/engine/faraid/FaraidText.h"
#include "waris/engine/faraid/SpecialCaseParts.h"
#include "waris/engine/render/PersonWords.h"

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

using parts::kindName;

// As the division marks one of the missing.
constexpr QStringView MissingMark = u" (hilang)";

} // namespace

SpecialPersonNames::SpecialPersonNames(const SpecialResult& result, const PersonNames& names)
    : m_result(result)
    , m_names(names)
    , m_named(anyNamed(names)) {}

const NamedPerson* SpecialPersonNames::find(std::size_t person) const {
    return m_named ? namedPerson(m_names, m_result.persons[person].key) : nullptr;
}

QString SpecialPersonNames::name(std::size_t person) const {
    const NamedPerson* named = find(person);
    return named ? named->particulars.name : fallback(person);
}

std::size_t SpecialPersonNames::deadOf(std::size_t person) const {
    const auto death = static_cast<std::size_t>(m_result.persons[person].estate - 1);
    return m_result.deaths[death].person;
}

QString SpecialPersonNames::fallback(std::size_t person) const {
    const SpecialPerson& p = m_result.persons[person];
    if (!m_named || p.estate < 1)
        return p.name;
    // "Istri dari Suami" becomes "Istri dari Ahmad".
    const std::size_t dead = deadOf(person);
    const QString suffix = u" dari "_s % m_result.persons[dead].name;
    return p.name.endsWith(suffix) ? p.name.chopped(suffix.size()) % u" dari "_s % name(dead)
                                   : p.name;
}

QString SpecialPersonNames::relation(std::size_t person) const {
    const SpecialPerson& p = m_result.persons[person];
    if (p.unknown)
        return p.name;
    if (p.estate >= 1)
        return kindName(p.kind) % u" dari "_s % name(deadOf(person));
    if (p.key.branch > 0) {
        for (const FaraidHeir& h : m_result.first.heirs) {
            if (h.branch == p.key.branch && h.branchDaughters == p.key.daughters)
                return faraidHeirName(h);
        }
    }
    return kindName(p.kind) % (p.name.endsWith(MissingMark) ? MissingMark : QStringView());
}

QString SpecialPersonNames::label(std::size_t person) const {
    const NamedPerson* named = find(person);
    if (!named)
        return fallback(person);
    const SpecialPerson& p = m_result.persons[person];
    if (p.estate >= 1)
        return namedGroup({named->particulars.name},
                          kindName(p.kind).toLower() % u' ' % name(deadOf(person)));
    // "Budi (Anak Pria, hilang)"
    const QString to = relation(person);
    return namedGroup({named->particulars.name},
                      to.endsWith(MissingMark) ? to.chopped(MissingMark.size()) % u", hilang"_s
                                               : to);
}

std::vector<std::size_t> SpecialPersonNames::heirsOf(std::size_t death,
                                                     const FaraidHeir& heir) const {
    const std::size_t dead = m_result.deaths[death].person;
    // The persons of the first division the relation named come first, then the new ones.
    std::vector<std::size_t> persons;
    for (const SpecialNote& note : m_result.notes) {
        if (note.kind == SpecialNoteKind::SameHeirs && note.person == dead &&
            note.heir == heir.kind)
            persons = note.persons;
    }
    const int estate = static_cast<int>(death) + 1;
    for (std::size_t i = 0; i < m_result.persons.size(); ++i) {
        const SpecialPerson& p = m_result.persons[i];
        if (p.estate == estate && p.kind == heir.kind)
            persons.push_back(i);
    }
    return persons;
}

QString SpecialPersonNames::heirLabel(std::size_t death, const FaraidHeir& heir) const {
    if (!m_named)
        return faraidHeirName(heir);
    QStringList names;
    bool anyone = false;
    for (const std::size_t person : heirsOf(death, heir)) {
        anyone = anyone || find(person) != nullptr;
        names.append(name(person));
    }
    if (!anyone)
        return faraidHeirName(heir);
    return namedGroup(names,
                      kindName(heir.kind).toLower() % u' ' % name(m_result.deaths[death].person));
}

HeirNaming SpecialPersonNames::naming(std::size_t death) const {
    return [this, death](const FaraidHeir& heir) {
        return heirLabel(death, heir);
    };
}

} // namespace zw::waris
