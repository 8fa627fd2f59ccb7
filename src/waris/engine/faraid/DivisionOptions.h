#pragma once

// The questions on which the schools divide differently, as the window and the report offer
// them: a caption, an explanation and two choices, the first being the majority view (or, for
// the last two, which only KHI asks, the courts' reading).

#include "waris/engine/faraid/FaraidTypes.h"

#include <array>

namespace zw::waris {

enum class DivisionOption : std::uint8_t {
    Grandfather,
    Mushtaraka,
    Grandmother,
    SpouseAlone,
    DaughterBlocksSiblings,
    KhiRadd,
};
inline constexpr std::array AllDivisionOptions{DivisionOption::Grandfather,
                                               DivisionOption::Mushtaraka,
                                               DivisionOption::Grandmother,
                                               DivisionOption::SpouseAlone,
                                               DivisionOption::DaughterBlocksSiblings,
                                               DivisionOption::KhiRadd};

// Whether the law asks the question at all.
bool optionApplies(DivisionOption option, Law law);

// "Fikih klasik (jumhur)", "Kompilasi Hukum Islam (KHI)"
QString lawName(Law law);

struct DivisionOptionInfo {
    QString caption;
    QString toolTip;
    std::array<QString, 2> choices;
};

const DivisionOptionInfo& divisionOptionInfo(DivisionOption option);

// 0 for the majority view, 1 for the other.
int optionChoice(const FaraidOptions& options, DivisionOption option);
void setOptionChoice(FaraidOptions& options, DivisionOption option, int choice);

// Whether the law asks it and the other choice would divide this case differently; `result` is
// the division of `input` as it is.
bool optionMatters(const FaraidInput& input, const FaraidResult& result, DivisionOption option);

} // namespace zw::waris
