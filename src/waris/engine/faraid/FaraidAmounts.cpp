#include "waris/engine/faraid/FaraidAmounts.h"

#include <algorithm>
#include <array>

namespace zw::waris {

std::optional<FaraidMoney> netEstate(Rupiah estate, Rupiah funeral, Rupiah debts, Rupiah bequest) {
    FaraidMoney money{estate, funeral, debts, bequest, bequest, false, Rupiah()};
    const Rupiah afterDebts = estate - funeral - debts;
    const Rupiah none;
    if (estate < none || funeral < none || debts < none || bequest < none || afterDebts < none)
        return std::nullopt;
    const Rupiah third = *afterDebts.scaled(1, 3, Rupiah::Rounding::Down);
    if (bequest > third) {
        money.bequest = third;
        money.bequestCut = true;
    }
    money.net = afterDebts - money.bequest;
    return money;
}

Rupiah distributeAmounts(std::vector<FaraidHeir>& heirs, Fraction unassigned, Rupiah net) {
    const std::int64_t netSen = net.sen();
    // One block per kind (its persons have equal remainders) and one for the unassigned part.
    struct Block {
        std::size_t heir; // heirs.size(): the unassigned part
        Int128 remainder;
        std::int64_t den;
        std::int64_t persons;
    };
    std::array<Block, HeirKindCount + 1> blocks{};
    std::size_t used = 0;
    std::int64_t handedOut = 0;
    std::int64_t unassignedAmount = 0;
    const auto floorOf = [netSen](Fraction f, Int128& remainder) {
        const Int128 product = Int128{f.num()} * netSen;
        remainder = product % f.den();
        return static_cast<std::int64_t>(product / f.den());
    };
    for (std::size_t h = 0; h < heirs.size(); ++h) {
        FaraidHeir& heir = heirs[h];
        Int128 remainder = 0;
        const std::int64_t person = floorOf(heir.perPerson, remainder);
        heir.personAmount = Rupiah::fromSen(person);
        heir.personsWithExtraSen = 0;
        handedOut += person * heir.count;
        if (remainder != 0)
            blocks[used++] = {h, remainder, heir.perPerson.den(), heir.count};
    }
    {
        Int128 remainder = 0;
        unassignedAmount = floorOf(unassigned, remainder);
        handedOut += unassignedAmount;
        if (remainder != 0)
            blocks[used++] = {heirs.size(), remainder, unassigned.den(), 1};
    }
    std::stable_sort(
        blocks.begin(), blocks.begin() + static_cast<std::ptrdiff_t>(used),
        [](const Block& a, const Block& b) { return a.remainder * b.den > b.remainder * a.den; });
    std::int64_t left = netSen - handedOut;
    for (std::size_t b = 0; b < used && left > 0; ++b) {
        const auto given = static_cast<int>(std::min<std::int64_t>(left, blocks[b].persons));
        left -= given;
        if (blocks[b].heir == heirs.size())
            unassignedAmount += given;
        else
            heirs[blocks[b].heir].personsWithExtraSen = given;
    }
    for (FaraidHeir& heir : heirs)
        heir.amount = heir.personAmount * heir.count + Rupiah::fromSen(heir.personsWithExtraSen);
    return Rupiah::fromSen(unassignedAmount);
}

} // namespace zw::waris
