#pragma once

// How an outcome of the uncertain heirs is named: "lahir 1 anak pria dan 1 anak wanita; khuntsa
// sebagai wanita". The name identifies the outcome as a person's name does; a refusal of one of
// the outcomes' divisions names it too, so it is written here and not in render/.

#include "waris/engine/faraid/SpecialCases.h"

namespace zw::waris {

QString outcomeName(const OutcomeFates& fates);

} // namespace zw::waris
