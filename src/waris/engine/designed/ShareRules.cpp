#include "waris/engine/designed/ShareRules.h"

#include <span>

namespace zw::waris {

namespace {

// What a rule looks at: ticks, whether counts equal 1, and notes written earlier.
struct Facts {
    std::uint32_t ticked = 0;
    std::uint32_t countIsOne = 0;
    const PerKind<ShareNote>* notes = nullptr;
};

// One test of a rule. Every part left empty holds; the parts that are set must all hold.
struct Test {
    std::uint32_t anyTicked = 0; // at least one of these is ticked
    std::uint32_t allTicked = 0;
    std::uint32_t noneTicked = 0;
    std::uint32_t countIsOne = 0;
    std::uint32_t countIsNotOne = 0;
    HeirKind noteKind = HeirKind::Suami;
    ShareNote noteIs = ShareNote::Empty; // Empty: the notes play no part

    template<typename... Kinds> constexpr Test andAnyOf(Kinds... kinds) const {
        Test test = *this;
        test.anyTicked |= (kindBit(kinds) | ...);
        return test;
    }
    template<typename... Kinds> constexpr Test andAllOf(Kinds... kinds) const {
        Test test = *this;
        test.allTicked |= (kindBit(kinds) | ...);
        return test;
    }
    template<typename... Kinds> constexpr Test andNoneOf(Kinds... kinds) const {
        Test test = *this;
        test.noneTicked |= (kindBit(kinds) | ...);
        return test;
    }
    constexpr Test andCountIsOne(HeirKind kind) const {
        Test test = *this;
        test.countIsOne |= kindBit(kind);
        return test;
    }
    constexpr Test andNoteIs(HeirKind kind, ShareNote note) const {
        Test test = *this;
        test.noteKind = kind;
        test.noteIs = note;
        return test;
    }

    bool holds(const Facts& facts) const {
        return (anyTicked == 0 || (facts.ticked & anyTicked) != 0) &&
               (facts.ticked & allTicked) == allTicked && (facts.ticked & noneTicked) == 0 &&
               (facts.countIsOne & countIsOne) == countIsOne &&
               (facts.countIsOne & countIsNotOne) == 0 &&
               (noteIs == ShareNote::Empty ||
                (*facts.notes)[static_cast<std::size_t>(index(noteKind))] == noteIs);
    }
};

constexpr Test otherwise() {
    return Test{};
}
template<typename... Kinds> constexpr Test anyOf(Kinds... kinds) {
    return Test{}.andAnyOf(kinds...);
}
template<typename... Kinds> constexpr Test allOf(Kinds... kinds) {
    return Test{}.andAllOf(kinds...);
}
template<typename... Kinds> constexpr Test noneOf(Kinds... kinds) {
    return Test{}.andNoneOf(kinds...);
}
constexpr Test countIsOne(HeirKind kind) {
    return Test{}.andCountIsOne(kind);
}
constexpr Test countIsNotOne(HeirKind kind) {
    Test test;
    test.countIsNotOne = kindBit(kind);
    return test;
}

// No fraction: the amount is the whole number 0.
inline constexpr std::optional<double> Nothing = std::nullopt;

// The tests of a rule are tried in order; the first that holds decides.
struct Row {
    Test test;
    std::optional<double> fraction;
    ShareNote note;
};

using enum HeirKind;
using enum ShareNote;

constexpr Row SuamiRule[] = {
    {anyOf(AnakWanita, AnakPria, CucuPria, CucuWanita), 0.25, Quarter},
    {otherwise(), 0.5, Half},
};

constexpr Row BapakRule[] = {
    {anyOf(AnakPria, AnakWanita, CucuPria, CucuWanita), 1.0 / 6.0, Sixth},
    {otherwise(), Nothing, Ashabah},
};

constexpr Row KakekRule[] = {
    {noneOf(Bapak).andAnyOf(Suami, Istri).andNoneOf(CucuWanita, CucuPria, AnakWanita, AnakPria),
     Nothing, Ashabah},
    {noneOf(Bapak).andAnyOf(AnakWanita, AnakPria, CucuPria, CucuWanita), 1.0 / 6.0, Sixth},
    {anyOf(Bapak, Suami), Nothing, TerhalangSuamiBapak},
    {otherwise(), Nothing, Ashabah},
};

constexpr Row AnakPriaRule[] = {
    {otherwise(), Nothing, Ashabah},
};

constexpr Row SaudaraPriaSekandungRule[] = {
    {anyOf(AnakPria, CucuPria, Bapak, Kakek), Nothing, TerhalangAnakCucuBapakKakek},
    {otherwise(), Nothing, Ashabah},
};

constexpr Row SaudaraPriaSeBapakRule[] = {
    {anyOf(AnakPria, CucuPria, Bapak, Kakek, SaudaraPriaSekandung), Nothing,
     TerhalangAnakCucuBapakKakek},
    {otherwise(), Nothing, Ashabah},
};

// The sixth is the same whatever the number of brothers.
constexpr Row SaudaraPriaSeIbuRule[] = {
    {anyOf(AnakPria, CucuPria, Bapak, Kakek, SaudaraPriaSekandung, SaudaraPriaSeBapak), Nothing,
     TerhalangAnakCucuBapakKakek},
    {otherwise(), 1.0 / 6.0, Sixth},
};

constexpr Row CucuPriaRule[] = {
    {anyOf(AnakPria, AnakWanita), Nothing, TerhalangAnakPriaAnakWanita},
    {otherwise(), Nothing, Ashabah},
};

// Sons of full brothers and of brothers by the father alike.
constexpr Row AnakPriaSaudaraRule[] = {
    {anyOf(AnakPria, AnakWanita, CucuPria, CucuWanita, Suami, Bapak, Kakek), Nothing,
     TerhalangAnakCucuSuamiBapakKakek},
    {otherwise(), Nothing, Ashabah},
};

constexpr Row PamanRule[] = {
    {anyOf(AnakPria, AnakWanita, CucuPria, Bapak, Kakek, SaudaraPriaSekandung, SaudaraPriaSeBapak),
     Nothing, TerhalangAnakCucuBapakKakekSauPria},
    {otherwise(), Nothing, Ashabah},
};

constexpr Row AnakPriaPamanRule[] = {
    {anyOf(AnakPria, AnakWanita, CucuPria, Bapak, Kakek, SaudaraPriaSekandung, SaudaraPriaSeBapak,
           PamanSekandung, PamanSeBapak),
     Nothing, TerhalangAnakBpkKakekSauPriaPaman},
    {otherwise(), Nothing, Ashabah},
};

// The amount is for all wives together.
constexpr Row IstriRule[] = {
    {anyOf(AnakWanita, AnakPria, CucuPria, CucuWanita), 1.0 / 8.0, Eighth},
    {otherwise(), 0.25, Quarter},
};

// Only whether the siblings are ticked counts, not how many they are.
constexpr Row IbuRule[] = {
    {anyOf(AnakWanita, AnakPria, CucuPria, CucuWanita), 1.0 / 6.0, Sixth},
    {anyOf(SaudaraPriaSekandung, SaudaraWanitaSekandung, SaudaraWanitaSeIbu), 1.0 / 6.0, Sixth},
    {otherwise(), 1.0 / 3.0, Third},
};

constexpr Row AnakWanitaRule[] = {
    {anyOf(AnakPria), Nothing, AshabahBersamaAnakPria},
    {countIsOne(AnakWanita), 1.0 / 2.0, Half},
    {otherwise(), 2.0 / 3.0, TwoThirds},
};

constexpr Row NenekRule[] = {
    {anyOf(Bapak, Ibu), Nothing, TerhalangBapakIbu},
    {otherwise(), 1.0 / 6.0, Sixth},
};

constexpr Row CucuWanitaRule[] = {
    {anyOf(AnakPria), Nothing, TerhalangAnakPria},
    {allOf(CucuPria).andNoteIs(CucuPria, TerhalangAnakPriaAnakWanita), Nothing,
     TerhalangBersamaCucuPria},
    {allOf(CucuPria), Nothing, AshabahBersamaCucuPria},
    {countIsOne(AnakWanita).andAllOf(AnakWanita).andNoneOf(AnakPria, CucuPria), 1.0 / 6.0, Sixth},
    {countIsNotOne(CucuWanita), 2.0 / 3.0, TwoThirds},
    {otherwise(), 0.5, Half},
};

constexpr Row SaudaraWanitaSekandungRule[] = {
    {allOf(SaudaraPriaSekandung).andNoteIs(SaudaraPriaSekandung, TerhalangAnakCucuBapakKakek),
     Nothing, TerhalangBersamaSaudaraKandungPria},
    {allOf(SaudaraPriaSekandung), Nothing, AshabahBersamaSaudaraKandungPria},
    {countIsOne(AnakWanita).andAllOf(AnakWanita, CucuWanita).andCountIsOne(CucuWanita), Nothing,
     AshabahKarenaAnakCucuWanita},
    {anyOf(AnakPria, CucuPria, Bapak, Kakek, Nenek), Nothing, TerhalangAnakCucuBapakKakekNenek},
    {anyOf(AnakWanita, CucuWanita), Nothing, AshabahBersamaAnakCucuWanita},
    {allOf(Istri, Ibu).andNoneOf(AnakWanita, CucuWanita, Nenek), Nothing, Ashabah},
    {countIsOne(SaudaraWanitaSekandung), 0.5, Half},
    {otherwise(), 2.0 / 3.0, TwoThirds},
};

// Daughters are looked at before the blocking heirs here, unlike for the full sister.
constexpr Row SaudaraWanitaSeBapakRule[] = {
    {allOf(SaudaraPriaSeBapak).andNoteIs(SaudaraPriaSeBapak, TerhalangAnakCucuBapakKakek), Nothing,
     TerhalangBersamaSaudaraSeBapakPria},
    {allOf(SaudaraPriaSeBapak), Nothing, AshabahBersamaSaudaraSeBapakPria},
    {anyOf(AnakWanita, CucuWanita), Nothing, AshabahBersamaAnakCucuWanita},
    {anyOf(AnakPria, CucuPria, Bapak, Kakek, Nenek), Nothing, TerhalangAnakCucuBapakKakekNenek},
    {allOf(Istri, Ibu).andNoneOf(AnakWanita, CucuWanita, Nenek, SaudaraWanitaSekandung), Nothing,
     Ashabah},
    {countIsOne(SaudaraWanitaSeBapak)
         .andNoneOf(AnakPria, SaudaraPriaSekandung, CucuPria, AnakWanita, CucuWanita),
     1.0 / 6.0, Sixth},
    {countIsOne(SaudaraWanitaSeBapak), 0.5, Half},
    {otherwise(), 2.0 / 3.0, TwoThirds},
};

// The third is the same whatever the number of sisters.
constexpr Row SaudaraWanitaSeIbuRule[] = {
    {allOf(SaudaraPriaSeIbu).andNoteIs(SaudaraPriaSeIbu, TerhalangAnakCucuBapakKakek), Nothing,
     TerhalangBersamaSaudaraSeIbuPria},
    {allOf(SaudaraPriaSeIbu), Nothing, AshabahBersamaSaudaraSeIbuPria},
    {anyOf(AnakPria, AnakWanita, CucuWanita, CucuPria, Bapak, Kakek, Nenek), Nothing,
     TerhalangAnakCucuBapakKakekNenek},
    {anyOf(SaudaraPriaSekandung), Nothing, TerhalangSauPriaSekandung},
    {otherwise(), 1.0 / 3.0, Third},
};

constexpr PerKind<std::span<const Row>> Rules = {
    SuamiRule,
    BapakRule,
    KakekRule,
    AnakPriaRule,
    SaudaraPriaSekandungRule,
    SaudaraPriaSeBapakRule,
    SaudaraPriaSeIbuRule,
    CucuPriaRule,
    AnakPriaSaudaraRule,
    AnakPriaSaudaraRule,
    PamanRule,
    PamanRule,
    AnakPriaPamanRule,
    AnakPriaPamanRule,
    IstriRule,
    IbuRule,
    AnakWanitaRule,
    NenekRule,
    CucuWanitaRule,
    SaudaraWanitaSekandungRule,
    SaudaraWanitaSeBapakRule,
    SaudaraWanitaSeIbuRule,
};

const Row& decidingRow(HeirKind kind, const Facts& facts) {
    const auto rows = Rules[static_cast<std::size_t>(index(kind))];
    for (const Row& row : rows.first(rows.size() - 1)) {
        if (row.test.holds(facts))
            return row;
    }
    return rows.back();
}

DividedTotal addUp(const PerKind<HeirAmount>& amounts) {
    bool fixed = true;
    for (const HeirAmount& amount : amounts)
        fixed = fixed && amount.type() != HeirAmount::Type::Double;
    if (fixed)
        return amounts[static_cast<std::size_t>(index(CucuWanita))].money();

    double total = 0.0;
    for (const HeirKind kind : SummingOrder)
        total += amounts[static_cast<std::size_t>(index(kind))].toDouble();
    return total;
}

} // namespace

double toDouble(const DividedTotal& total) {
    if (const auto* fixed = std::get_if<Money>(&total))
        return fixed->toDouble();
    return std::get<double>(total);
}

std::optional<Shares> computeShares(const ShareInput& input) {
    Shares shares;
    shares.amounts[static_cast<std::size_t>(index(CucuWanita))] = HeirAmount(Money());
    shares.notes = input.earlierNotes;

    Facts facts;
    facts.ticked = input.ticked;
    for (int k = 0; k < HeirKindCount; ++k) {
        if (input.counts[static_cast<std::size_t>(k)] == 1)
            facts.countIsOne |= std::uint32_t{1} << k;
    }
    facts.notes = &shares.notes;

    for (int k = 0; k < HeirKindCount; ++k) {
        const HeirKind kind = heirKind(k);
        if ((input.ticked & kindBit(kind)) == 0)
            continue;
        const Row& row = decidingRow(kind, facts);
        const auto slot = static_cast<std::size_t>(k);
        shares.notes[slot] = row.note;
        if (!row.fraction)
            continue;
        const double amount = *row.fraction * input.estate;
        if (kind == CucuWanita) {
            const auto fixed = Money::fromDouble(amount);
            if (!fixed)
                return std::nullopt;
            shares.amounts[slot] = HeirAmount(*fixed);
        } else {
            shares.amounts[slot] = HeirAmount(amount);
        }
    }

    shares.dividedTotal = addUp(shares.amounts);
    const auto remainder = Money::fromDouble(input.estate - toDouble(shares.dividedTotal));
    if (!remainder)
        return std::nullopt;
    shares.remainder = *remainder;
    return shares;
}

} // namespace zw::waris
