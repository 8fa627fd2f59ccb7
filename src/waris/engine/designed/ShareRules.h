#pragma once

// The share rules and the sums, without any display text: what the calculation and the
// exhaustive checks share.

#include "common/Money.h"
#include "waris/engine/HeirKind.h"
#include "waris/engine/designed/HeirAmount.h"
#include "waris/engine/designed/ShareNote.h"

#include <array>
#include <cstdint>
#include <optional>
#include <variant>

namespace zw::waris {

struct ShareInput {
    std::uint32_t ticked = 0; // bit k: kind k is ticked
    // The numeric value of each kind's count; the rules only tell 1 from anything else.
    // Kinds never counted hold 0.
    PerKind<int> counts{};
    // The notes left by the previous calculation; the kinds handled now overwrite theirs.
    PerKind<ShareNote> earlierNotes{};
    double estate = 0.0;
};

// Fixed-point when every amount is the whole 0 or the son's daughter's fixed-point amount.
using DividedTotal = std::variant<Money, double>;
double toDouble(const DividedTotal& total);

struct Shares {
    PerKind<HeirAmount> amounts{};
    PerKind<ShareNote> notes{};
    DividedTotal dividedTotal;
    Money remainder;
};

// The kinds in the order in which their amounts are added up.
inline constexpr std::array<HeirKind, HeirKindCount> SummingOrder = {
    HeirKind::Suami,
    HeirKind::Bapak,
    HeirKind::Kakek,
    HeirKind::AnakPria,
    HeirKind::SaudaraPriaSekandung,
    HeirKind::SaudaraPriaSeBapak,
    HeirKind::SaudaraPriaSeIbu,
    HeirKind::CucuPria,
    HeirKind::AnakPriaSaudaraSekandung,
    HeirKind::AnakPriaSaudaraSeBapak,
    HeirKind::PamanSekandung,
    HeirKind::PamanSeBapak,
    HeirKind::AnakPriaPamanSekandung,
    HeirKind::AnakPriaPamanSeBapak,
    HeirKind::Istri,
    HeirKind::Ibu,
    HeirKind::AnakWanita,
    HeirKind::Nenek,
    HeirKind::SaudaraWanitaSekandung,
    HeirKind::SaudaraWanitaSeBapak,
    HeirKind::SaudaraWanitaSeIbu,
    HeirKind::CucuWanita,
};

// Runs the rule of every ticked kind in ascending order, then adds the amounts and subtracts
// the total from the estate. No value when an amount does not fit the fixed-point type.
std::optional<Shares> computeShares(const ShareInput& input);

} // namespace zw::waris
