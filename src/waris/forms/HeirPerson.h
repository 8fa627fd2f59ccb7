#pragma once

#include "waris/engine/HeirKind.h"

namespace zw::waris {

// One person of the division: the `number`-th (from 1) heir of `kind`.
struct HeirPerson {
    explicit HeirPerson(HeirKind ofKind, int numberInKind = 1)
        : kind(ofKind)
        , number(numberInKind) {}

    friend bool operator==(const HeirPerson&, const HeirPerson&) = default;

    HeirKind kind;
    int number;
};

} // namespace zw::waris
