#pragma once

// A case (kasus) as a clerk keeps it: the deceased, the estate, the law and its options, and every
// person by name in the state he or she is in. The division's request is read from it
// (KasusRequest.h): the counts of every kind, the predeceased heirs' branches and the special cases
// all come from the persons, so the engines stay counting kinds and never see a name. The file
// (KasusFile.h) keeps exactly this value.

#include "common/Rupiah.h"
#include "waris/engine/faraid/Persons.h"
#include "waris/engine/faraid/SpecialCases.h"

#include <QString>

#include <optional>
#include <vector>

namespace zw::waris {

// The most persons of one case.
inline constexpr int MaxKasusPersons = 500;

struct EstateItem {
    QString description;
    Rupiah value;

    bool operator==(const EstateItem&) const = default;
};

enum class PersonState : std::uint8_t {
    Living,
    Predeceased,  // died before the deceased; the persons `of` it stand in its place
    DiedLater,    // died after the deceased, before the division; the persons `of` it are its heirs
    Missing,      // mafqud
    UnknownSex,   // khuntsa
    DiedTogether, // gharqa: no one knows who died first
    Unborn,       // haml; `relation` is the kind it would be: a child, a son's child or a sibling
};

struct Person {
    int id = 0; // unique within the case, kept across saves; other persons refer to it
    Particulars particulars;
    // To the deceased; with `of`, to that person: a predeceased heir's son or daughter
    // (AnakPria, AnakWanita), or an heir of one who died later.
    HeirKind relation = HeirKind::AnakPria;
    PersonState state = PersonState::Living;
    int of = 0;
    // An heir of one who died later who is also a person of the first division: that person's id
    // (the particulars are that person's).
    int sameAs = 0;

    bool operator==(const Person&) const = default;
};

struct Kasus {
    Deceased deceased;
    // The deceased's own property: given, or the sum of the items when there are items.
    std::optional<Rupiah> estate;
    std::vector<EstateItem> estateItems;
    std::optional<Rupiah> jointProperty;
    std::optional<Rupiah> funeral;
    std::optional<Rupiah> zakat; // unpaid
    std::optional<Rupiah> debts;
    std::optional<Rupiah> bequest;
    std::optional<Rupiah> obligatoryBequest;
    BequestRecipient obligatoryBequestTo = BequestRecipient::AdoptedChild;
    Law law = Law::Classical;
    bool compare = false;
    FaraidOptions options;
    UnbornReserve reserve = UnbornReserve::Hanbali;
    std::optional<int> unbornMax;
    IntersexView intersexView = IntersexView::Shafii;
    QString notes;
    std::vector<Person> persons;

    bool operator==(const Kasus&) const = default;
};

} // namespace zw::waris
