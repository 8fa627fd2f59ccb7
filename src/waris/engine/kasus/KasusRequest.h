#pragma once

// Between a case and the division's request: the counts, branches and special cases read from the
// case's persons, and a case of a request's counts (for saving what a command line or the heir
// selection describes).

#include "waris/engine/faraid/DivisionRequest.h"
#include "waris/engine/kasus/Kasus.h"

#include <variant>

namespace zw::waris {

// The request the case's persons describe, carrying who each counted person is (Persons.h). The
// refusal is one Indonesian line naming the first person whose relationship cannot be; what only
// the division can tell is left to check() and divide().
std::variant<DivisionRequest, FaraidError> kasusRequest(const Kasus& kasus);

// A case of the request: one person for each counted person, named as the request's names have it
// or by kind and number ("Anak Pria 2"). The request is one that divides.
Kasus kasusFromRequest(const DivisionRequest& request);

} // namespace zw::waris
