#pragma once

#include "ui/FormName.h"

namespace zw::forms {

inline constexpr FormName Form2{u"Form2"};
inline constexpr FormName Form4{u"Form4"};
inline constexpr FormName Form5{u"Form5"};
inline constexpr FormName Form6{u"Form6"};
inline constexpr FormName Form7{u"Form7"};
inline constexpr FormName Form8{u"Form8"};
inline constexpr FormName ZakatLengkap{u"ZakatLengkap"};

} // namespace zw::forms
