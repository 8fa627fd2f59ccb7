#pragma once
#include "waris/engine/faraid/DivisionRequest.h"
#include "waris/engine/kasus/Kasus.h"
namespace zw::waris {
std::variant<DivisionRequest, FaraidError> kasusRequest(const Kasus& kasus);
Kasus kasusFromRequest(const DivisionRequest& request);
}
