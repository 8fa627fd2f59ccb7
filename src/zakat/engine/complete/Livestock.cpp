#include "zakat/engine/complete/Livestock.h"

namespace zw::zakat::complete {

namespace {

std::vector<InKind> animals(std::int64_t count, InKindUnit unit) {
    return {InKind{Quantity::whole(count), unit}};
}

// Tens of head covered by `small` and `large` tens (3 and 4 for cattle, 4 and 5 for camels), all
// of them, with as many of the larger as possible; every count of tens from the first band of
// this rule on has such a cover.
std::vector<InKind> coverByTens(std::int64_t head, std::int64_t small, InKindUnit smallUnit,
                                std::int64_t large, InKindUnit largeUnit) {
    const std::int64_t tens = head / 10;
    std::int64_t larges = tens / large;
    while (larges > 0 && (tens - larges * large) % small != 0)
        --larges;
    const std::int64_t smalls = (tens - larges * large) / small;
    std::vector<InKind> due;
    if (smalls > 0)
        due.push_back({Quantity::whole(smalls), smallUnit});
    if (larges > 0)
        due.push_back({Quantity::whole(larges), largeUnit});
    return due;
}

} // namespace

std::vector<InKind> camelsDue(std::int64_t head) {
    if (head < CamelNishab)
        return {};
    if (head <= 24)
        return animals(head / 5, InKindUnit::Kambing);
    if (head <= 35)
        return animals(1, InKindUnit::BintuMakhad);
    if (head <= 45)
        return animals(1, InKindUnit::BintuLabun);
    if (head <= 60)
        return animals(1, InKindUnit::Hiqqah);
    if (head <= 75)
        return animals(1, InKindUnit::Jadzaah);
    if (head <= 90)
        return animals(2, InKindUnit::BintuLabun);
    if (head <= 120)
        return animals(2, InKindUnit::Hiqqah);
    // A bintu labun for every forty and a hiqqah for every fifty.
    return coverByTens(head, 4, InKindUnit::BintuLabun, 5, InKindUnit::Hiqqah);
}

std::vector<InKind> cattleDue(std::int64_t head) {
    if (head < CattleNishab)
        return {};
    if (head < 40)
        return animals(1, InKindUnit::Tabi);
    if (head < 60)
        return animals(1, InKindUnit::Musinnah);
    // A tabi' for every thirty and a musinnah for every forty.
    return coverByTens(head, 3, InKindUnit::Tabi, 4, InKindUnit::Musinnah);
}

std::vector<InKind> goatsDue(std::int64_t head) {
    if (head < GoatNishab)
        return {};
    if (head <= 120)
        return animals(1, InKindUnit::Kambing);
    if (head <= 200)
        return animals(2, InKindUnit::Kambing);
    if (head < 400)
        return animals(3, InKindUnit::Kambing);
    return animals(head / 100, InKindUnit::Kambing);
}

} // namespace zw::zakat::complete
