#pragma once

#include "waris/forms/HeirPerson.h"

#include <QString>

#include <optional>

namespace zw::waris {

// A row of the heirs who die later: who dies (nobody while the division has no heirs) and the
// heirs he or she leaves, as typed.
struct LaterDeathRow {
    explicit LaterDeathRow(std::optional<HeirPerson> dying, QString heirsLeft = {})
        : who(dying)
        , heirs(std::move(heirsLeft)) {}

    std::optional<HeirPerson> who;
    QString heirs;
};

} // namespace zw::waris
