#pragma once

#include "common/Rupiah.h"
#include "zakat/engine/complete/Quantity.h"
#include "zakat/engine/complete/ReferenceValues.h"
#include "zakat/engine/complete/ZakatInput.h"

#include <array>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace zw::zakat::complete {

// What a kind is measured in.
enum class Unit : std::uint8_t { Rupiah, Gram, Kg, Ekor, Orang };

// What is given when zakat is due in kind.
enum class InKindUnit : std::uint8_t {
    Kambing,
    Tabi,        // a calf in its second year
    Musinnah,    // a cow in its third year
    BintuMakhad, // a she-camel in its second year
    BintuLabun,  // in its third year
    Hiqqah,      // in its fourth year
    Jadzaah,     // in its fifth year
    Kg,
    Liter,
    GramEmas,
    GramPerak,
};

struct InKind {
    Quantity count;
    InKindUnit unit;
};

// The share of the base that is due, in lowest terms.
struct Rate {
    std::int64_t numerator;
    std::int64_t denominator;
};

// A base or a nishab: rupiah for the kinds measured in money, else a quantity of the unit.
using Measure = std::variant<Rupiah, Quantity>;

struct KindResult {
    Kind kind;
    Unit unit;
    Measure base;
    std::optional<Measure> nishab; // none for rikaz and fitrah
    bool reached = false;
    std::optional<bool> haul; // for the kinds that need one
    std::optional<Rate> rate; // none for livestock and fitrah
    bool due = false;         // reached, and the haul complete where one is needed
    // Rupiah due; none where the kind is due only in kind and no price was given.
    std::optional<Rupiah> dueAmount;
    std::vector<InKind> dueInKind;
    bool inKindRoundedUp = false; // a share of grams or kilograms that ended below a hundredth
    // For the kinds measured against a rupiah nishab: whether each other basis would make the
    // kind due; none for a basis whose price is not given.
    std::array<std::optional<bool>, 3> dueByBasis{}; // indexed by NishabBasis
};

struct ZakatResult {
    ZakatInput input;
    YearValues year;
    Rupiah nishabYear; // of the chosen basis
    Rupiah nishabMonth;
    std::optional<Rupiah> fitrahValue; // the money per person used, typed or the year's
    std::vector<KindResult> kinds;     // in the order of Kind, only those given
    Rupiah total;                      // every rupiah due
};

} // namespace zw::zakat::complete
