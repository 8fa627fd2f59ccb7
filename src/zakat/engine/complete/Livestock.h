#pragma once

#include "zakat/engine/complete/ZakatResult.h"

#include <cstdint>
#include <vector>

namespace zw::zakat::complete {

// The classical tables of animals grazing freely for a year (al-Bukhari No. 1454, at-Tirmidhi
// Nos. 621-623): what a herd of the given size owes, nothing below its nishab.
std::vector<InKind> camelsDue(std::int64_t head);
std::vector<InKind> cattleDue(std::int64_t head);
std::vector<InKind> goatsDue(std::int64_t head);

inline constexpr std::int64_t CamelNishab = 5;
inline constexpr std::int64_t CattleNishab = 30;
inline constexpr std::int64_t GoatNishab = 40;

} // namespace zw::zakat::complete
