#pragma once

// The questions on which the schools divide differently, as the window and the report offer
// them: a caption, an explanation and the choices of the option's table, the first being the
// majority view (or, for the last two, which only KHI asks, the courts' reading).

#include "common/Choices.h"
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

struct DivisionOptionInfo {
    QString caption;
    QString toolTip;
    ChoiceOption<int> choices; // the option's table, each value's enum as an int
};

const DivisionOptionInfo& divisionOptionInfo(DivisionOption option);

// The option's value as an int (its enum's), and back.
int optionValue(const FaraidOptions& options, DivisionOption option);
void setOptionValue(FaraidOptions& options, DivisionOption option, int value);
// "Berbagi cara Zaid bin Tsabit": the label of the value chosen.
QString optionLabel(const FaraidOptions& options, DivisionOption option);

// Whether the law asks it and the other choice would divide this case differently; `result` is
// the division of `input` as it is.
bool optionMatters(const FaraidInput& input, const FaraidResult& result, DivisionOption option);

} // namespace zw::waris
