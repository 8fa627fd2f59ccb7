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

namespace {

// Parts of a total, each of `persons` equal persons with `perPerson` of the total.
struct Portion {
    Fraction perPerson;
    std::int64_t persons = 1;
};
struct Apportioned {
    std::int64_t perPersonSen = 0;
    std::int64_t personsWithExtraSen = 0;
};

// Largest remainder: every person the sen below their part, then one sen more to the persons of
// the largest remainders (the earlier portion first of equal ones) until the total is reached.
std::vector<Apportioned> largestRemainder(const std::vector<Portion>& portions,
                                          std::int64_t totalSen) {
    std::vector<Apportioned> parts(portions.size());
    std::vector<Int128> remainders(portions.size());
    std::vector<std::size_t> order(portions.size());
    std::int64_t left = totalSen;
    for (std::size_t i = 0; i < portions.size(); ++i) {
        const Fraction f = portions[i].perPerson;
        const Int128 product = Int128{f.num()} * totalSen;
        parts[i].perPersonSen = static_cast<std::int64_t>(product / f.den());
        remainders[i] = product % f.den();
        left -= parts[i].perPersonSen * portions[i].persons;
        order[i] = i;
    }
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return remainders[a] * portions[b].perPerson.den() >
               remainders[b] * portions[a].perPerson.den();
    });
    for (const std::size_t i : order) {
        if (left <= 0)
            break;
        parts[i].personsWithExtraSen = std::min(left, portions[i].persons);
        left -= parts[i].personsWithExtraSen;
    }
    return parts;
}

} // namespace

Rupiah distributeAmounts(std::vector<FaraidHeir>& heirs, Fraction unassigned, Rupiah net) {
    std::vector<Portion> portions;
    portions.reserve(heirs.size() + 1);
    for (const FaraidHeir& heir : heirs)
        portions.push_back({heir.perPerson, heir.count});
    portions.push_back({unassigned, 1});
    const std::vector<Apportioned> parts = largestRemainder(portions, net.sen());
    for (std::size_t h = 0; h < heirs.size(); ++h) {
        FaraidHeir& heir = heirs[h];
        heir.personAmount = Rupiah::fromSen(parts[h].perPersonSen);
        heir.personsWithExtraSen = static_cast<int>(parts[h].personsWithExtraSen);
        heir.amount = heir.personAmount * heir.count + Rupiah::fromSen(heir.personsWithExtraSen);
    }
    const Apportioned& rest = parts.back();
    return Rupiah::fromSen(rest.perPersonSen + rest.personsWithExtraSen);
}

std::vector<Rupiah> apportion(const std::vector<Fraction>& shares, Rupiah total) {
    std::vector<Portion> portions;
    portions.reserve(shares.size());
    for (const Fraction share : shares)
        portions.push_back({share, 1});
    std::vector<Rupiah> amounts;
    amounts.reserve(shares.size());
    for (const Apportioned& part : largestRemainder(portions, total.sen()))
        amounts.push_back(Rupiah::fromSen(part.perPersonSen + part.personsWithExtraSen));
    return amounts;
}

} // namespace zw::waris
