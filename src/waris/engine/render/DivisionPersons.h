#pragma once

// The persons of one division by the names a case gave them: which counted person each person of
// an heir entry is, and how the report calls them. Without names every call gives the kind's own
// words, so that an unnamed report stays as it was.

#include "waris/engine/faraid/FaraidSteps.h"
#include "waris/engine/faraid/FaraidTypes.h"
#include "waris/engine/faraid/Persons.h"

namespace zw::waris {

class DivisionPersons {
public:
    // `result` and `names` must outlive this. `estate` as PersonKey counts it.
    DivisionPersons(const FaraidResult& result, const PersonNames& names, int estate = 0);

    // Whether the case named anyone: the tables then have a row per person.
    bool named() const { return m_named; }

    // The `person`-th (from 0) person of `heir`.
    PersonKey key(const FaraidHeir& heir, int person) const;
    // Where a name was typed for the person, else none.
    const NamedPerson* find(const FaraidHeir& heir, int person) const;
    // Whether a name was typed for any person of `heir`.
    bool anyNamed(const FaraidHeir& heir) const;
    // The heir's kind as the tables name it, a predeceased heir by the name typed for him or
    // her: "Cucu Pria pengganti Hasan".
    QString relation(const FaraidHeir& heir) const;
    // The typed name, else "Anak Pria 2" among several, "Istri" alone.
    QString name(const FaraidHeir& heir, int person) const;
    // "Siti Aminah (Istri)", "Ahmad dan Anak Pria 2 (Anak Pria)"; the heir's name when none of
    // its persons is named.
    QString label(const FaraidHeir& heir) const;
    // label() for the working.
    HeirNaming naming() const;

private:
    // The persons of a classical heir who are a predeceased heir's children, counted last.
    int branchPersons(const FaraidHeir& heir) const;

    const FaraidResult& m_result;
    const PersonNames& m_names;
    int m_estate = 0;
    bool m_named = false;
};

} // namespace zw::waris
