#include "waris/engine/faraid/DistantKin.h"

#include "waris/engine/faraid/FaraidEngine.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

using enum HeirKind;

constexpr HeirSet UterinePlaces{SaudaraPriaSeIbu, SaudaraWanitaSeIbu};
// Their sons are heirs (a brother's son, an uncle's son); only their daughters are distant kin.
constexpr HeirSet MalePlaces{SaudaraPriaSekandung, SaudaraPriaSeBapak, PamanSekandung,
                             PamanSeBapak};

bool isMalePerson(const DistantPortion& p) {
    return p.branch > 0 ? !p.daughters : heirInfo(p.kind).male;
}

// Shares `whole` among the entries, a male twice a female, or heads alike.
void shareByHeads(std::vector<DistantPortion*> entries, Fraction whole, bool equal) {
    std::int64_t heads = 0;
    for (const DistantPortion* p : entries)
        heads += p->count * (!equal && isMalePerson(*p) ? 2 : 1);
    for (DistantPortion* p : entries)
        p->share = whole * Fraction::of(p->count * (!equal && isMalePerson(*p) ? 2 : 1), heads);
}

HeirSet kindsOf(const std::vector<DistantPortion*>& entries) {
    HeirSet kinds;
    for (const DistantPortion* p : entries)
        kinds |= HeirSet{p->kind};
    return kinds;
}

FaraidResult dividePlaces(const FaraidPerKind<int>& counts) {
    FaraidInput places;
    places.counts = counts;
    places.detail = FaraidDetail::SharesOnly;
    FaraidOutcome outcome = divideEstate(places);
    auto* result = std::get_if<FaraidResult>(&outcome);
    return result != nullptr ? std::move(*result) : FaraidResult{};
}

// Each stands in the place of the heir through whom related; the places are divided as heirs,
// and a place's share among those in it as among that heir's own heirs.
void tanzil(DistantDivision& d) {
    // A branch's entries (its sons, its daughters) count its place once.
    int lastBranch = 0;
    for (const DistantPortion& p : d.portions) {
        if (p.branch == 0)
            d.places[placeOf(p.kind)] = 1;
        else if (p.branch != lastBranch)
            ++d.places[p.kind];
        lastBranch = p.branch;
    }
    const FaraidResult places = dividePlaces(d.places);
    FaraidPerKind<HeirSet> blockedBy{};
    for (const FaraidHeir& heir : places.heirs) {
        d.placeShares[heir.kind] = heir.share;
        blockedBy[heir.kind] = heir.blockedBy;
    }
    const auto in = [&d](auto&& pick) {
        std::vector<DistantPortion*> entries;
        for (DistantPortion& p : d.portions) {
            if (pick(p))
                entries.push_back(&p);
        }
        return entries;
    };
    for (int k = 0; k < FaraidKindCount; ++k) {
        const HeirKind place = heirKind(k);
        if (d.places[place] == 0)
            continue;
        const Fraction share = d.placeShares[place];
        if (share.isZero()) {
            for (DistantPortion* p : in([&](const DistantPortion& e) {
                     return (e.branch > 0 ? e.kind : placeOf(e.kind)) == place;
                 }))
                p->excludedBy = blockedBy[place];
            continue;
        }
        if (place == Ibu) {
            // The mother's father keeps her brothers and sisters out, as a father would.
            const auto grandfather =
                in([](const DistantPortion& e) { return e.kind == KakekDariIbu; });
            const auto siblings = in([](const DistantPortion& e) {
                return e.kind == SaudaraPriaIbu || e.kind == SaudaraWanitaIbu;
            });
            if (!grandfather.empty()) {
                grandfather.front()->share = share;
                for (DistantPortion* p : siblings)
                    p->excludedBy = {KakekDariIbu};
            } else {
                shareByHeads(siblings, share, d.rule == DistantKinRule::Hanbali);
            }
        } else if (place == Bapak) {
            // The father's sisters and his brothers by the mother take as his heirs would.
            FaraidPerKind<int> heirs{};
            for (const DistantPortion& p : d.portions) {
                if (p.kind == SaudaraWanitaBapak)
                    heirs[SaudaraWanitaSekandung] = p.count;
                if (p.kind == PamanSeIbu)
                    heirs[SaudaraPriaSeIbu] = p.count;
            }
            const FaraidResult father = dividePlaces(heirs);
            for (DistantPortion* p : in([](const DistantPortion& e) {
                     return e.kind == SaudaraWanitaBapak || e.kind == PamanSeIbu;
                 })) {
                const HeirKind as =
                    p->kind == SaudaraWanitaBapak ? SaudaraWanitaSekandung : SaudaraPriaSeIbu;
                const FaraidHeir* heir = father.heir(as);
                p->share = heir != nullptr ? share * heir->share : Fraction();
            }
        } else {
            // Each predeceased heir of the place is one of its persons: the place's share in
            // equal parts, and each part among that heir's children.
            const Fraction perBranch = share / d.places[place];
            int branch = -1;
            std::vector<DistantPortion*> children;
            const auto flush = [&] {
                if (!children.empty())
                    shareByHeads(children, perBranch,
                                 d.rule == DistantKinRule::Hanbali ||
                                     UterinePlaces.contains(place));
                children.clear();
            };
            for (DistantPortion* p :
                 in([place](const DistantPortion& e) { return e.branch > 0 && e.kind == place; })) {
                if (p->branch != branch)
                    flush();
                branch = p->branch;
                children.push_back(p);
            }
            flush();
        }
    }
}

// Hanafi order of the persons themselves (Abu Yusuf): the class, then the degree, then the
// strength of the tie; within the nearest, a male twice a female.
struct Rank {
    int klass = 0; // 1 descendants, 2 ascendants, 3 the parents' descendants, 4 the grandparents'
    int degree = 0;
    int strength = 0; // 0 full, 1 through the father, 2 through the mother
    int side = 0;     // class 4: 0 the father's side, 1 the mother's
};

Rank rankOf(const DistantPortion& p) {
    if (p.branch > 0) {
        switch (p.kind) {
        case AnakWanita:
            return {1, 2, 0, 0};
        case CucuWanita:
            return {1, 3, 0, 0};
        case SaudaraPriaSekandung:
        case SaudaraWanitaSekandung:
            return {3, 2, 0, 0};
        case SaudaraPriaSeBapak:
        case SaudaraWanitaSeBapak:
            return {3, 2, 1, 0};
        case PamanSekandung:
            return {4, 4, 0, 0};
        case PamanSeBapak:
            return {4, 4, 1, 0};
        default:
            return {3, 2, 2, 0};
        }
    }
    switch (p.kind) {
    case KakekDariIbu:
        return {2, 2, 0, 0};
    case PamanSeIbu:
        return {4, 3, 2, 0};
    case SaudaraWanitaBapak:
        return {4, 3, 0, 0};
    default:
        return {4, 3, 0, 1};
    }
}

void qarabah(DistantDivision& d) {
    std::vector<DistantPortion*> all;
    for (DistantPortion& p : d.portions)
        all.push_back(&p);
    const auto nearest = [](std::vector<DistantPortion*> entries, auto key) {
        const auto best =
            key(**std::min_element(entries.begin(), entries.end(),
                                   [&key](const DistantPortion* a, const DistantPortion* b) {
                                       return key(*a) < key(*b);
                                   }));
        std::erase_if(entries, [&](const DistantPortion* p) { return key(*p) != best; });
        return entries;
    };
    const auto klass = [](const DistantPortion& p) {
        return rankOf(p).klass;
    };
    const auto degree = [](const DistantPortion& p) {
        return rankOf(p).degree;
    };
    const auto strength = [](const DistantPortion& p) {
        return rankOf(p).strength;
    };
    const auto near = nearest(nearest(all, klass), degree);
    std::vector<DistantPortion*> winners;
    if (rankOf(*near.front()).klass == 4 && rankOf(*near.front()).degree == 3) {
        // The deceased's own aunts and uncles: the father's side takes two thirds and the
        // mother's one third, each its strongest.
        std::vector<DistantPortion*> sides[2];
        for (DistantPortion* p : near)
            sides[rankOf(*p).side].push_back(p);
        for (int side = 0; side < 2; ++side) {
            if (sides[side].empty())
                continue;
            sides[side] = nearest(sides[side], strength);
            const bool both = !sides[1 - side].empty();
            shareByHeads(sides[side], both ? Fraction::of(side == 0 ? 2 : 1, 3) : Fraction(1),
                         false);
            winners.insert(winners.end(), sides[side].begin(), sides[side].end());
        }
    } else {
        winners = nearest(near, strength);
        shareByHeads(winners, Fraction(1), false);
    }
    const HeirSet takers = kindsOf(winners);
    for (DistantPortion* p : all) {
        if (std::find(winners.begin(), winners.end(), p) == winners.end())
            p->excludedBy = takers;
    }
}

} // namespace

const std::vector<HeirKind>& predeceasedPlaces() {
    static const std::vector<HeirKind> places{AnakPria,
                                              AnakWanita,
                                              CucuWanita,
                                              SaudaraPriaSekandung,
                                              SaudaraWanitaSekandung,
                                              SaudaraPriaSeBapak,
                                              SaudaraWanitaSeBapak,
                                              SaudaraPriaSeIbu,
                                              SaudaraWanitaSeIbu,
                                              PamanSekandung,
                                              PamanSeBapak};
    return places;
}

bool isPredeceasedPlace(HeirKind kind) {
    return std::ranges::find(predeceasedPlaces(), kind) != predeceasedPlaces().end();
}

bool distantChildren(HeirKind place, bool daughters) {
    if (place == AnakPria)
        return false;
    return daughters || !MalePlaces.contains(place);
}

HeirKind childKind(HeirKind place, bool daughters) {
    switch (place) {
    case AnakPria:
        return daughters ? CucuWanita : CucuPria;
    case SaudaraPriaSekandung:
        return AnakPriaSaudaraSekandung;
    case SaudaraPriaSeBapak:
        return AnakPriaSaudaraSeBapak;
    case PamanSekandung:
        return AnakPriaPamanSekandung;
    default:
        return AnakPriaPamanSeBapak;
    }
}

HeirSet distantKinds() {
    return HeirSet::range(KakekDariIbu, PamanSeIbu);
}

HeirKind placeOf(HeirKind distantKind) {
    return distantKind == SaudaraWanitaBapak || distantKind == PamanSeIbu ? Bapak : Ibu;
}

QString distantKinRuleName(DistantKinRule rule) {
    switch (rule) {
    case DistantKinRule::Tanzil:
        return u"Tanzil (Syafi'i)"_s;
    case DistantKinRule::Hanbali:
        return u"Tanzil (Hanbali)"_s;
    case DistantKinRule::Qarabah:
        return u"Qarabah (Hanafi, Abu Yusuf)"_s;
    }
    return {};
}

bool onlyDaughtersChildren(const FaraidResult& result) {
    return result.distant && result.distant->rule == DistantKinRule::Tanzil &&
           std::ranges::all_of(result.distant->portions, [](const DistantPortion& p) {
               return p.branch > 0 && p.kind == AnakWanita;
           });
}

DistantDivision divideAmongDistantKin(const FaraidInput& input) {
    DistantDivision d;
    d.rule = input.options.distantKin;
    int branch = 0;
    for (const PredeceasedChild& child : input.predeceased) {
        ++branch;
        for (const bool daughters : {false, true}) {
            const int persons = daughters ? child.daughters : child.sons;
            if (persons > 0 && distantChildren(child.replaces, daughters))
                d.portions.push_back({child.replaces, branch, daughters, persons, {}, {}});
        }
    }
    for (const HeirKind kind : distantKinds()) {
        if (input.counts[kind] > 0)
            d.portions.push_back({kind, 0, false, input.counts[kind], {}, {}});
    }
    if (d.portions.empty())
        return d;
    if (d.rule == DistantKinRule::Qarabah)
        qarabah(d);
    else
        tanzil(d);
    return d;
}

} // namespace zw::waris
