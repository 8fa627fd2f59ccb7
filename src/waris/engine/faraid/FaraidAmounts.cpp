#include "waris/engine/faraid/FaraidAmounts.h"

#include <algorithm>
#include <vector>

namespace zw::waris {

std::optional<FaraidMoney> netEstate(const FaraidInput& input) {
    if (!input.estate)
        return std::nullopt;
    const Rupiah none;
    FaraidMoney money;
    money.estate = *input.estate;
    money.jointProperty = input.jointProperty.value_or(none);
    // An odd sen of the joint property stays in the estate.
    money.spouseJointShare = *money.jointProperty.scaled(1, 2, Rupiah::Rounding::Down);
    money.funeral = input.funeral.value_or(none);
    money.zakat = input.zakat.value_or(none);
    money.debts = input.debts.value_or(none);
    money.obligatoryAsked = input.obligatoryBequest.value_or(none);
    money.obligatoryTo = input.obligatoryBequestTo;
    money.bequestAsked = input.bequest.value_or(none);
    const Rupiah afterDebts = money.afterDebts();
    if (afterDebts < none || money.obligatoryAsked < none || money.bequestAsked < none)
        return std::nullopt;
    const Rupiah third = *afterDebts.scaled(1, 3, Rupiah::Rounding::Down);
    money.obligatory = std::min(money.obligatoryAsked, third);
    money.bequest = std::min(money.bequestAsked, third - money.obligatory);
    money.net = afterDebts - money.obligatory - money.bequest;
    return money;
}

Rupiah distributeAmounts(std::vector<FaraidHeir>& heirs, Fraction unassigned, Rupiah net) {
    const std::int64_t netSen = net.sen();
    // One block per entry (its persons have equal remainders) and one for the unassigned part.
    struct Block {
        std::size_t heir; // heirs.size(): the unassigned part
        Int128 remainder;
        std::int64_t den;
        std::int64_t persons;
    };
    std::vector<Block> blocks;
    blocks.reserve(heirs.size() + 1);
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
            blocks.push_back({h, remainder, heir.perPerson.den(), heir.count});
    }
    {
        Int128 remainder = 0;
        unassignedAmount = floorOf(unassigned, remainder);
        handedOut += unassignedAmount;
        if (remainder != 0)
            blocks.push_back({heirs.size(), remainder, unassigned.den(), 1});
    }
    std::stable_sort(blocks.begin(), blocks.end(), [](const Block& a, const Block& b) {
        return a.remainder * b.den > b.remainder * a.den;
    });
    std::int64_t left = netSen - handedOut;
    for (const Block& block : blocks) {
        if (left <= 0)
            break;
        const auto given = static_cast<int>(std::min<std::int64_t>(left, block.persons));
        left -= given;
        if (block.heir == heirs.size())
            unassignedAmount += given;
        else
            heirs[block.heir].personsWithExtraSen = given;
    }
    for (FaraidHeir& heir : heirs)
        heir.amount = heir.personAmount * heir.count + Rupiah::fromSen(heir.personsWithExtraSen);
    return Rupiah::fromSen(unassignedAmount);
}

std::vector<Rupiah> apportion(const std::vector<Fraction>& shares, Rupiah total) {
    const std::int64_t totalSen = total.sen();
    std::vector<std::int64_t> sen(shares.size());
    std::vector<std::pair<Int128, std::int64_t>> remainders(shares.size());
    std::vector<std::size_t> order(shares.size());
    std::int64_t left = totalSen;
    for (std::size_t i = 0; i < shares.size(); ++i) {
        const Int128 product = Int128{shares[i].num()} * totalSen;
        sen[i] = static_cast<std::int64_t>(product / shares[i].den());
        remainders[i] = {product % shares[i].den(), shares[i].den()};
        left -= sen[i];
        order[i] = i;
    }
    std::stable_sort(order.begin(), order.end(), [&remainders](std::size_t a, std::size_t b) {
        return remainders[a].first * remainders[b].second >
               remainders[b].first * remainders[a].second;
    });
    for (std::size_t i = 0; i < order.size() && left > 0; ++i, --left)
        ++sen[order[i]];
    std::vector<Rupiah> amounts;
    amounts.reserve(shares.size());
    for (const std::int64_t s : sen)
        amounts.push_back(Rupiah::fromSen(s));
    return amounts;
}

} // namespace zw::waris
