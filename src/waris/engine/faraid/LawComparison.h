#pragma once

// The same case divided by the classical law and by KHI, side by side: per class of persons what
// one person gets under each law and which rule makes the difference.

#include "waris/engine/faraid/FaraidTypes.h"

namespace zw::waris {

struct LawComparisonRow {
    const FaraidHeir* khi = nullptr;       // the persons as KHI divides them
    const FaraidHeir* classical = nullptr; // the same persons in the classical division, if any
    QString reason; // "Pasal 185 KHI (ahli waris pengganti)", ...; empty when both give the same
};

// One row per heir entry of the KHI division, in its order.
std::vector<LawComparisonRow> compareLaws(const FaraidResult& classical, const FaraidResult& khi);

} // namespace zw::waris
