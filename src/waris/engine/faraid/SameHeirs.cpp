#include "waris/engine/faraid/SameHeirs.h"

namespace zw::waris {

namespace {

using enum HeirKind;

// The first deceased's sex a relation needs.
enum class Needs : std::uint8_t { Any, Male, Female };

// What the relation names: some of the first deceased's kinds, the heir's own kind (a full
// brother's uncle is the deceased's uncle), or the first deceased.
enum class Names : std::uint8_t { Kinds, Itself, FirstDeceased };

struct Relation {
    HeirSet dead;  // the kinds of the heir who died later
    HeirSet heirs; // the kinds of his or her heirs
    Needs needs = Needs::Any;
    HeirSet same{};
    Names names = Names::Kinds;
};

constexpr HeirSet Spouses{Suami, Istri};
constexpr HeirSet Children{AnakPria, AnakWanita};
constexpr HeirSet Grandchildren{CucuPria, CucuWanita};
constexpr HeirSet FullSiblings{SaudaraPriaSekandung, SaudaraWanitaSekandung};
constexpr HeirSet PaternalSiblings{SaudaraPriaSeBapak, SaudaraWanitaSeBapak};
constexpr HeirSet UterineSiblings{SaudaraPriaSeIbu, SaudaraWanitaSeIbu};
constexpr HeirSet Brothers{SaudaraPriaSekandung, SaudaraPriaSeBapak, SaudaraPriaSeIbu};
constexpr HeirSet Sisters{SaudaraWanitaSekandung, SaudaraWanitaSeBapak, SaudaraWanitaSeIbu};
constexpr HeirSet FathersSons{SaudaraPriaSekandung, SaudaraPriaSeBapak};
constexpr HeirSet FathersDaughters{SaudaraWanitaSekandung, SaudaraWanitaSeBapak};
constexpr HeirSet Nephews{AnakPriaSaudaraSekandung, AnakPriaSaudaraSeBapak};
constexpr HeirSet Cousins{AnakPriaPamanSekandung, AnakPriaPamanSeBapak};
constexpr HeirSet MothersSiblings{SaudaraPriaIbu, SaudaraWanitaIbu};
constexpr HeirSet FathersOtherSiblings{SaudaraWanitaBapak, PamanSeIbu};
constexpr HeirSet Uncles{PamanSekandung, PamanSeBapak, PamanSeIbu};
// The father's and the mother's side, as a brother or sister sees them too.
constexpr HeirSet FathersSide =
    HeirSet{Bapak, Kakek, NenekDariBapak, SaudaraWanitaBapak} | Uncles | Cousins;
constexpr HeirSet MothersSide{Ibu, NenekDariIbu, KakekDariIbu, SaudaraPriaIbu, SaudaraWanitaIbu};

constexpr Relation first(HeirSet dead, HeirKind heir, Needs needs) {
    return {dead, {heir}, needs, {}, Names::FirstDeceased};
}
constexpr Relation itself(HeirSet dead, HeirSet heirs) {
    return {dead, heirs, Needs::Any, {}, Names::Itself};
}

// A row for each relation that can name a person already counted; several rows may name
// candidates for one heir, tried together in kind order.
constexpr Relation Relations[] = {
    // A dead spouse's descendants are the deceased's; a spouse of the dead spouse is another
    // (remarried) one.
    itself(Spouses, Children | Grandchildren),

    // A dead child.
    first(Children, Bapak, Needs::Male),
    first(Children, Ibu, Needs::Female),
    {Children, {Bapak}, Needs::Female, {Suami}},
    {Children, {Ibu}, Needs::Male, {Istri}},
    {Children, {SaudaraPriaSekandung}, Needs::Any, {AnakPria}},
    {Children, {SaudaraWanitaSekandung}, Needs::Any, {AnakWanita}},
    {Children, {SaudaraPriaSeBapak}, Needs::Male, {AnakPria}},
    {Children, {SaudaraWanitaSeBapak}, Needs::Male, {AnakWanita}},
    {Children, {SaudaraPriaSeIbu}, Needs::Female, {AnakPria}},
    {Children, {SaudaraWanitaSeIbu}, Needs::Female, {AnakWanita}},
    {Children, {Kakek}, Needs::Male, {Bapak}},
    {Children, {KakekDariIbu}, Needs::Female, {Bapak}},
    {Children, {NenekDariBapak}, Needs::Male, {Ibu}},
    {Children, {NenekDariIbu}, Needs::Female, {Ibu}},
    {Children, {PamanSekandung}, Needs::Male, {SaudaraPriaSekandung}},
    {Children, {PamanSeBapak}, Needs::Male, {SaudaraPriaSeBapak}},
    {Children, {PamanSeIbu}, Needs::Male, {SaudaraPriaSeIbu}},
    {Children, {SaudaraWanitaBapak}, Needs::Male, Sisters},
    {Children, {SaudaraPriaIbu}, Needs::Female, Brothers},
    {Children, {SaudaraWanitaIbu}, Needs::Female, Sisters},
    {Children, {AnakPriaPamanSekandung}, Needs::Male, {AnakPriaSaudaraSekandung}},
    {Children, {AnakPriaPamanSeBapak}, Needs::Male, {AnakPriaSaudaraSeBapak}},
    {Children, {AnakPriaSaudaraSekandung}, Needs::Any, {CucuPria}},
    {Children, {AnakPriaSaudaraSeBapak}, Needs::Male, {CucuPria}},
    {{AnakPria}, {AnakPria}, Needs::Any, {CucuPria}},
    {{AnakPria}, {AnakWanita}, Needs::Any, {CucuWanita}},

    // A dead son's child.
    first(Grandchildren, Kakek, Needs::Male),
    first(Grandchildren, NenekDariBapak, Needs::Female),
    {Grandchildren, {Bapak}, Needs::Any, {AnakPria}},
    {Grandchildren, {Kakek}, Needs::Female, {Suami}},
    {Grandchildren, {NenekDariBapak}, Needs::Male, {Istri}},
    {Grandchildren, {SaudaraPriaSekandung, SaudaraPriaSeBapak}, Needs::Any, {CucuPria}},
    {Grandchildren, {SaudaraWanitaSekandung, SaudaraWanitaSeBapak}, Needs::Any, {CucuWanita}},
    {Grandchildren, {PamanSekandung}, Needs::Any, {AnakPria}},
    {Grandchildren, {PamanSeBapak}, Needs::Male, {AnakPria}},
    {Grandchildren, {PamanSeIbu}, Needs::Female, {AnakPria}},
    {Grandchildren, {SaudaraWanitaBapak}, Needs::Any, {AnakWanita}},
    {Grandchildren, {AnakPriaPamanSekandung}, Needs::Any, {CucuPria}},
    {Grandchildren, {AnakPriaPamanSeBapak}, Needs::Male, {CucuPria}},

    // The dead father.
    {{Bapak}, {Istri}, Needs::Any, {Ibu}},
    {{Bapak}, {Bapak}, Needs::Any, {Kakek}},
    {{Bapak}, {Ibu}, Needs::Any, {NenekDariBapak}},
    {{Bapak}, {AnakPria}, Needs::Any, FathersSons},
    {{Bapak}, {AnakWanita}, Needs::Any, FathersDaughters},
    {{Bapak}, {CucuPria}, Needs::Any, Nephews},
    {{Bapak}, {CucuPria}, Needs::Male, {AnakPria}},
    {{Bapak}, {CucuWanita}, Needs::Male, {AnakWanita}},
    {{Bapak}, {SaudaraPriaSekandung}, Needs::Any, {PamanSekandung}},
    {{Bapak}, {SaudaraPriaSeBapak}, Needs::Any, {PamanSeBapak}},
    {{Bapak}, {SaudaraPriaSeIbu}, Needs::Any, {PamanSeIbu}},
    {{Bapak}, Sisters, Needs::Any, {SaudaraWanitaBapak}},
    {{Bapak}, {AnakPriaSaudaraSekandung}, Needs::Any, {AnakPriaPamanSekandung}},
    {{Bapak}, {AnakPriaSaudaraSeBapak}, Needs::Any, {AnakPriaPamanSeBapak}},

    // The dead mother.
    {{Ibu}, {Suami}, Needs::Any, {Bapak}},
    {{Ibu}, {Ibu}, Needs::Any, {NenekDariIbu}},
    {{Ibu}, {Bapak}, Needs::Any, {KakekDariIbu}},
    {{Ibu}, {AnakPria}, Needs::Any, {SaudaraPriaSekandung, SaudaraPriaSeIbu}},
    {{Ibu}, {AnakWanita}, Needs::Any, {SaudaraWanitaSekandung, SaudaraWanitaSeIbu}},
    {{Ibu}, {CucuPria}, Needs::Any, {AnakPriaSaudaraSekandung}},
    {{Ibu}, {CucuPria}, Needs::Male, {AnakPria}},
    {{Ibu}, {CucuWanita}, Needs::Male, {AnakWanita}},
    {{Ibu}, Brothers, Needs::Any, {SaudaraPriaIbu}},
    {{Ibu}, Sisters, Needs::Any, {SaudaraWanitaIbu}},

    // The grandparents.
    {{Kakek}, {Istri}, Needs::Any, {NenekDariBapak}},
    {{Kakek}, {AnakPria}, Needs::Any, {Bapak, PamanSekandung, PamanSeBapak}},
    {{Kakek}, {AnakWanita}, Needs::Any, {SaudaraWanitaBapak}},
    {{Kakek}, {CucuPria}, Needs::Any, FathersSons | Cousins},
    {{Kakek}, {CucuWanita}, Needs::Any, FathersDaughters},
    {{NenekDariBapak}, {Suami}, Needs::Any, {Kakek}},
    {{NenekDariBapak}, {AnakPria}, Needs::Any, {Bapak, PamanSekandung, PamanSeIbu}},
    {{NenekDariBapak}, {AnakWanita}, Needs::Any, {SaudaraWanitaBapak}},
    {{NenekDariBapak}, {CucuPria}, Needs::Any, FathersSons | HeirSet{AnakPriaPamanSekandung}},
    {{NenekDariBapak}, {CucuWanita}, Needs::Any, FathersDaughters},
    {{NenekDariIbu}, {Suami}, Needs::Any, {KakekDariIbu}},
    {{KakekDariIbu}, {Istri}, Needs::Any, {NenekDariIbu}},
    {{NenekDariIbu, KakekDariIbu}, {AnakPria}, Needs::Any, {SaudaraPriaIbu}},
    {{NenekDariIbu, KakekDariIbu}, {AnakWanita}, Needs::Any, {Ibu, SaudaraWanitaIbu}},

    // A dead full brother or sister shares both parents and all above them.
    itself(FullSiblings, FathersSide | MothersSide | Brothers | Sisters | Nephews),
    {{SaudaraPriaSekandung}, {AnakPria}, Needs::Any, {AnakPriaSaudaraSekandung}},
    {FullSiblings, {AnakPriaSaudaraSekandung}, Needs::Male, {AnakPria}},

    // A paternal one shares the father's side; his or her full siblings are the deceased's
    // paternal ones, the paternal ones are full or paternal.
    itself(PaternalSiblings, FathersSide),
    {PaternalSiblings, {SaudaraPriaSekandung}, Needs::Any, {SaudaraPriaSeBapak}},
    {PaternalSiblings, {SaudaraWanitaSekandung}, Needs::Any, {SaudaraWanitaSeBapak}},
    {PaternalSiblings, {SaudaraPriaSeBapak}, Needs::Any, FathersSons},
    {PaternalSiblings, {SaudaraWanitaSeBapak}, Needs::Any, FathersDaughters},
    {PaternalSiblings, {AnakPriaSaudaraSekandung}, Needs::Any, {AnakPriaSaudaraSeBapak}},
    {PaternalSiblings, {AnakPriaSaudaraSeBapak}, Needs::Any, Nephews},
    {PaternalSiblings, {AnakPriaSaudaraSeBapak}, Needs::Male, {AnakPria}},
    {{SaudaraPriaSeBapak}, {AnakPria}, Needs::Any, {AnakPriaSaudaraSeBapak}},

    // A uterine one shares the mother's side.
    itself(UterineSiblings, MothersSide),
    {UterineSiblings, {SaudaraPriaSekandung}, Needs::Any, {SaudaraPriaSeIbu}},
    {UterineSiblings, {SaudaraWanitaSekandung}, Needs::Any, {SaudaraWanitaSeIbu}},
    {UterineSiblings, {SaudaraPriaSeIbu}, Needs::Any, {SaudaraPriaSekandung, SaudaraPriaSeIbu}},
    {UterineSiblings,
     {SaudaraWanitaSeIbu},
     Needs::Any,
     {SaudaraWanitaSekandung, SaudaraWanitaSeIbu}},

    // A brother's son.
    {{AnakPriaSaudaraSekandung}, {Bapak, PamanSekandung}, Needs::Any, {SaudaraPriaSekandung}},
    {{AnakPriaSaudaraSekandung}, {PamanSeBapak}, Needs::Any, {SaudaraPriaSeBapak}},
    {{AnakPriaSaudaraSeBapak}, {Bapak, PamanSekandung}, Needs::Any, {SaudaraPriaSeBapak}},
    {{AnakPriaSaudaraSeBapak}, {PamanSeBapak}, Needs::Any, FathersSons},
    {Nephews, {Kakek}, Needs::Any, {Bapak}},
    {{AnakPriaSaudaraSekandung}, {NenekDariBapak}, Needs::Any, {Ibu}},
    {{AnakPriaSaudaraSekandung}, FathersSons, Needs::Any, {AnakPriaSaudaraSekandung}},
    {{AnakPriaSaudaraSeBapak}, FathersSons, Needs::Any, {AnakPriaSaudaraSeBapak}},
    {{AnakPriaSaudaraSekandung}, {AnakPriaPamanSekandung}, Needs::Any, {AnakPriaSaudaraSekandung}},
    {{AnakPriaSaudaraSekandung}, {AnakPriaPamanSekandung}, Needs::Male, {AnakPria}},
    {{AnakPriaSaudaraSeBapak}, Cousins, Needs::Any, Nephews},
    {{AnakPriaSaudaraSeBapak}, {AnakPriaPamanSeBapak}, Needs::Male, {AnakPria}},

    // A paternal uncle and his son.
    {{PamanSekandung, PamanSeBapak}, {Bapak}, Needs::Any, {Kakek}},
    {{PamanSekandung}, {Ibu}, Needs::Any, {NenekDariBapak}},
    {{PamanSekandung}, {AnakPria}, Needs::Any, {AnakPriaPamanSekandung}},
    {{PamanSeBapak}, {AnakPria}, Needs::Any, {AnakPriaPamanSeBapak}},
    {{PamanSekandung}, {SaudaraPriaSekandung}, Needs::Any, {Bapak, PamanSekandung}},
    {{PamanSekandung}, {SaudaraPriaSeBapak}, Needs::Any, {PamanSeBapak}},
    {{PamanSekandung}, {SaudaraPriaSeIbu}, Needs::Any, {PamanSeIbu}},
    {{PamanSeBapak}, {SaudaraPriaSekandung}, Needs::Any, {PamanSeBapak}},
    {{PamanSeBapak}, {SaudaraPriaSeBapak}, Needs::Any, {Bapak, PamanSekandung, PamanSeBapak}},
    {{PamanSekandung}, Sisters, Needs::Any, {SaudaraWanitaBapak}},
    {{PamanSeBapak}, FathersDaughters, Needs::Any, {SaudaraWanitaBapak}},
    {{PamanSekandung}, {AnakPriaSaudaraSekandung}, Needs::Any, FathersSons | Cousins},
    {{PamanSekandung}, {AnakPriaSaudaraSeBapak}, Needs::Any, {AnakPriaPamanSeBapak}},
    {{PamanSeBapak}, {AnakPriaSaudaraSekandung}, Needs::Any, {AnakPriaPamanSeBapak}},
    {{PamanSeBapak}, {AnakPriaSaudaraSeBapak}, Needs::Any, FathersSons | Cousins},
    {{AnakPriaPamanSekandung}, {Bapak}, Needs::Any, {PamanSekandung}},
    {{AnakPriaPamanSeBapak}, {Bapak}, Needs::Any, {PamanSeBapak}},
    {Cousins, {Kakek}, Needs::Any, {Kakek}},
    {{AnakPriaPamanSekandung}, {NenekDariBapak}, Needs::Any, {NenekDariBapak}},
    {{AnakPriaPamanSekandung}, FathersSons, Needs::Any, {AnakPriaPamanSekandung}},
    {{AnakPriaPamanSeBapak}, FathersSons, Needs::Any, {AnakPriaPamanSeBapak}},
    {{AnakPriaPamanSekandung}, {PamanSekandung}, Needs::Any, {Bapak, PamanSekandung}},
    {{AnakPriaPamanSekandung}, {PamanSeBapak}, Needs::Any, {PamanSeBapak}},
    {{AnakPriaPamanSeBapak}, {PamanSekandung}, Needs::Any, {PamanSeBapak}},
    {{AnakPriaPamanSeBapak}, {PamanSeBapak}, Needs::Any, {Bapak, PamanSekandung, PamanSeBapak}},

    // The distant kin of the mother's and the father's side.
    {MothersSiblings, {Bapak}, Needs::Any, {KakekDariIbu}},
    {MothersSiblings, {Ibu}, Needs::Any, {NenekDariIbu}},
    {MothersSiblings, Brothers, Needs::Any, {SaudaraPriaIbu}},
    {MothersSiblings, Sisters, Needs::Any, {Ibu, SaudaraWanitaIbu}},
    {FathersOtherSiblings, {Ibu}, Needs::Any, {NenekDariBapak}},
    {{SaudaraWanitaBapak}, {Bapak}, Needs::Any, {Kakek}},
    {FathersOtherSiblings, Brothers, Needs::Any, {Bapak, PamanSekandung, PamanSeBapak, PamanSeIbu}},
    {FathersOtherSiblings, Sisters, Needs::Any, {SaudaraWanitaBapak}},
};

bool holds(Needs needs, std::optional<bool> male) {
    return needs == Needs::Any || (male && *male == (needs == Needs::Male));
}

} // namespace

HeirKind relationKind(HeirKind kind, GrandmotherSide side) {
    if (kind != Nenek)
        return kind;
    return side == GrandmotherSide::Paternal ? NenekDariBapak : NenekDariIbu;
}

SameHeir sameHeir(HeirKind dead, HeirKind heir, std::optional<bool> male, GrandmotherSide side) {
    const HeirKind d = relationKind(dead, side);
    const HeirKind h = relationKind(heir, side);
    SameHeir same;
    for (const Relation& r : Relations) {
        if (!r.dead.contains(d) || !r.heirs.contains(h) || !holds(r.needs, male))
            continue;
        switch (r.names) {
        case Names::FirstDeceased:
            same.firstDeceased = true;
            break;
        case Names::Itself:
            same.kinds |= HeirSet{h};
            break;
        case Names::Kinds:
            same.kinds |= r.same;
            break;
        }
    }
    return same;
}

} // namespace zw::waris
