#pragma once

// Who the persons of a division are. The engines count persons by kind and never see a name; a
// PersonKey says which counted person a row of a result is, and PersonNames gives that person's
// name and particulars where a case named them ("Anak Pria 2" where it did not).

#include "waris/engine/HeirKind.h"

#include <QDate>
#include <QString>

#include <compare>
#include <map>

namespace zw::waris {

struct Particulars {
    QString name;
    QString nik; // Nomor Induk Kependudukan, as typed
    QString birthPlace;
    QDate birthDate;
    QString address;

    bool operator==(const Particulars&) const = default;
};

enum class Sex : std::uint8_t { Male, Female };

struct Deceased {
    Particulars particulars;
    Sex sex = Sex::Male;
    QString deathPlace;
    QDate deathDate;
    QString deathCertificate; // akta kematian

    bool operator==(const Deceased&) const = default;
};

// One counted person: the `number`-th (from 1) of `kind` among the heirs of the first deceased
// (estate 0) or of the d-th later death's own heirs (estate d), or of a predeceased heir's branch.
// - The first deceased's heirs are numbered within their kind in the order entered, those who
//   died together with the deceased left out and the missing last; a later death names its dead
//   heir by this number.
// - A predeceased heir's sons or daughters: estate 0, the kind replaced, the branch (1, 2, ... in
//   the order the predeceased are entered, all kinds together) and `daughters`, numbered within
//   it; so too where the classical law counts them as a son's sons or a brother's sons.
// - A later death's heir who is a person already counted carries that person's key. The others
//   have estate d (from 1, in the order of death), their kind as heirs of the one who died, and
//   their number among all that death's heirs of the kind, the matched first: of three sons of
//   whom two are already counted, the new one is number 3.
// - A predeceased heir himself or herself is the branch's number 0 (sons' side).
// - The unborn and the khuntsa have number 0: the khuntsa the kind entered, the unborn the male
//   kind it would be and `daughters` set, so that a khuntsa son and an unborn child stay apart.
struct PersonKey {
    int estate = 0;
    HeirKind kind = HeirKind::AnakPria;
    int branch = 0;         // a predeceased heir's branch (1, 2, ... in input order); 0: none
    bool daughters = false; // in a branch: its daughters, else its sons
    int number = 1;

    auto operator<=>(const PersonKey&) const = default;
};

struct NamedPerson {
    Particulars particulars;
    int id = 0; // the case's person
};

class PersonNames {
public:
    void add(const PersonKey& key, NamedPerson person) { m_persons[key] = std::move(person); }
    const NamedPerson* find(const PersonKey& key) const {
        const auto it = m_persons.find(key);
        return it == m_persons.end() ? nullptr : &it->second;
    }
    // The typed name, or `fallback` where none was typed.
    QString nameOr(const PersonKey& key, const QString& fallback) const {
        const NamedPerson* person = find(key);
        return person && !person->particulars.name.isEmpty() ? person->particulars.name : fallback;
    }
    bool empty() const { return m_persons.empty(); }
    const std::map<PersonKey, NamedPerson>& all() const { return m_persons; }

private:
    std::map<PersonKey, NamedPerson> m_persons;
};

} // namespace zw::waris
