#include "waris/engine/faraid/FaraidAmounts.h"

#include <algorithm>
#include <array>

namespace zw::waris {

std::optional<Sen> parseSen(QStringView text) {
    Sen whole = 0;
    int wholeDigits = 0;
    qsizetype i = 0;
    for (; i < text.size() && text[i].isDigit() && text[i].unicode() < 128; ++i) {
        if (++wholeDigits > 15)
            return std::nullopt;
        whole = whole * 10 + (text[i].unicode() - u'0');
    }
    if (wholeDigits == 0)
        return std::nullopt;
    Sen cents = 0;
    if (i < text.size() && text[i] == u'.') {
        ++i;
        int decimals = 0;
        for (; i < text.size() && text[i].isDigit() && text[i].unicode() < 128; ++i) {
            if (++decimals > 2)
                return std::nullopt;
            cents = cents * 10 + (text[i].unicode() - u'0');
        }
        if (decimals == 0)
            return std::nullopt;
        if (decimals == 1)
            cents *= 10;
    }
    if (i != text.size())
        return std::nullopt;
    return whole * 100 + cents;
}

Sen senOf(Money money) {
    constexpr std::int64_t UnitsPerSen = Money::UnitsPerWhole / 100;
    const std::int64_t half = money.units() < 0 ? -UnitsPerSen / 2 : UnitsPerSen / 2;
    return (money.units() + half) / UnitsPerSen;
}

QString senToDecimal(Sen sen) {
    return decimalText(sen, 2);
}

std::optional<FaraidMoney> netEstate(Sen estate, Sen funeral, Sen debts, Sen bequest) {
    FaraidMoney money{estate, funeral, debts, bequest, bequest, false, 0};
    const Sen afterDebts = estate - funeral - debts;
    if (estate < 0 || funeral < 0 || debts < 0 || bequest < 0 || afterDebts < 0)
        return std::nullopt;
    if (bequest > afterDebts / 3) {
        money.bequest = afterDebts / 3; // a third, rounded down to the sen
        money.bequestCut = true;
    }
    money.net = afterDebts - money.bequest;
    return money;
}

Sen distributeAmounts(std::vector<FaraidHeir>& heirs, Fraction unassigned, Sen net) {
    // One block per kind (its persons have equal remainders) and one for the unassigned part.
    struct Block {
        std::size_t heir; // heirs.size(): the unassigned part
        Int128 remainder;
        std::int64_t den;
        std::int64_t persons;
    };
    std::array<Block, HeirKindCount + 1> blocks{};
    std::size_t used = 0;
    Sen handedOut = 0;
    Sen unassignedAmount = 0;
    const auto floorOf = [net](Fraction f, Int128& remainder) {
        const Int128 product = Int128{f.num()} * net;
        remainder = product % f.den();
        return static_cast<Sen>(product / f.den());
    };
    for (std::size_t h = 0; h < heirs.size(); ++h) {
        FaraidHeir& heir = heirs[h];
        Int128 remainder = 0;
        heir.personAmount = floorOf(heir.perPerson, remainder);
        heir.personsWithExtraSen = 0;
        handedOut += heir.personAmount * heir.count;
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
    Sen left = net - handedOut;
    for (std::size_t b = 0; b < used && left > 0; ++b) {
        const auto given = static_cast<int>(std::min<std::int64_t>(left, blocks[b].persons));
        left -= given;
        if (blocks[b].heir == heirs.size())
            unassignedAmount += given;
        else
            heirs[blocks[b].heir].personsWithExtraSen = given;
    }
    for (FaraidHeir& heir : heirs)
        heir.amount = heir.personAmount * heir.count + heir.personsWithExtraSen;
    return unassignedAmount;
}

} // namespace zw::waris
