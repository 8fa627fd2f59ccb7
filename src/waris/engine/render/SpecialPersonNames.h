#pragma once

// The persons of the special cases by the names a case gave them (SpecialPerson::key): how the
// tables and the sentences call each person, and who the heirs of each later death are. A later
// deceased's heir is called by his or her relation to the dead person's name: "Siti Aminah
// (istri Ahmad)". Without names every call gives the division's own words.

#include "waris/engine/faraid/FaraidSteps.h"
#include "waris/engine/faraid/Persons.h"
#include "waris/engine/faraid/SpecialCases.h"

#include <vector>

namespace zw::waris {

class SpecialPersonNames {
public:
    // `result` and `names` must outlive this.
    SpecialPersonNames(const SpecialResult& result, const PersonNames& names);

    // Whether the case named anyone: the tables then have a name column.
    bool named() const { return m_named; }

    // Where a name was typed for the person, else none.
    const NamedPerson* find(std::size_t person) const;
    // The typed name, else the division's ("Anak Pria 2", "Istri dari Ahmad").
    QString name(std::size_t person) const;
    // Who the person is to the deceased or to the later deceased: "Istri", "Anak Pria (hilang)",
    // "Istri dari Ahmad", "Kandungan".
    QString relation(std::size_t person) const;
    // In a sentence: "Siti Aminah (Istri)", "Siti Aminah (istri Ahmad)"; unnamed as name().
    QString label(std::size_t person) const;

    // The persons who are `heir` in the division of later death `death` (from 0), in its order.
    std::vector<std::size_t> heirsOf(std::size_t death, const FaraidHeir& heir) const;
    // The heir of a later death's division as label() names its persons: "Siti Aminah (istri
    // Ahmad)", "Budi dan Citra (anak pria Ahmad)"; the heir's name when none is named.
    QString heirLabel(std::size_t death, const FaraidHeir& heir) const;
    // heirLabel() for the working of that death's division.
    HeirNaming naming(std::size_t death) const;

private:
    // The division's own name, with a named dead person's name for the later heirs.
    QString fallback(std::size_t person) const;
    // The dead person whose heir `person` first was: a later death's heir only.
    std::size_t deadOf(std::size_t person) const;
    // One of the missing, the last of their kind.
    bool missing(std::size_t person) const;

    const SpecialResult& m_result;
    const PersonNames& m_names;
    bool m_named = false;
};

} // namespace zw::waris
