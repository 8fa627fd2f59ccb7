#pragma once

#include "ui/FormName.h"

namespace zw::forms {

inline constexpr FormName Data{u"Data"};
inline constexpr FormName AhliWaris{u"Ahli_Waris"};
inline constexpr FormName Berapa{u"Berapa"};
inline constexpr FormName Hasil{u"Hasil"};
inline constexpr FormName Detail{u"Detail"};
inline constexpr FormName Pembagian{u"Pembagian"};

} // namespace zw::forms
