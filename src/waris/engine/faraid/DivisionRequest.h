#pragma once

// One division as a front end asks for it. The window, the command line and a saved case read
// their input into a DivisionRequest; check() holds every rule between its fields and divide()
// runs what it asks, so that every front end refuses and divides alike.

#include "waris/engine/faraid/Persons.h"
#include "waris/engine/faraid/SpecialCases.h"

#include <optional>
#include <variant>

namespace zw::waris {

struct DivisionRequest {
    FaraidInput input;    // the deceased's estate, heirs, law and options
    SpecialInput special; // the special cases; their own `input` is not read
    bool compare = false; // the other law too, side by side
    // Who the persons are, where a case named them; the engines never read these.
    std::optional<Deceased> deceased;
    PersonNames names;
};

// Everything a front end shows of one request.
struct DividedEstate {
    FaraidInput input;   // as the chosen law takes it
    FaraidResult result; // the chosen law's division (with a special case: the first division)
    std::optional<FaraidResult> other;    // the other law's, when comparing (its first division)
    std::optional<SpecialResult> special; // when a special case is set
    std::optional<SpecialResult> otherSpecial; // the other law's, when comparing special cases
    std::optional<Deceased> deceased;          // as the request gave them
    PersonNames names;
};

using DivisionOutcome = std::variant<DividedEstate, FaraidError>;

// The request's first problem, one Indonesian line, or nothing.
std::optional<FaraidError> check(const DivisionRequest& request);
DivisionOutcome divide(const DivisionRequest& request);

} // namespace zw::waris
