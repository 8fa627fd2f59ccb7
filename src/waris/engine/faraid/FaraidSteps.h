#pragma once

// The working of a full division in Indonesian, as a teacher writes it on the board.

#include "waris/engine/faraid/FaraidText.h"
#include "waris/engine/faraid/FaraidTypes.h"

#include <QLocale>

#include <functional>

namespace zw::waris {

// How the working writes an amount.
using MoneyText = std::function<QString(Rupiah)>;
// "Rp 1000000.00": for JSON and other machine-read text.
MoneyText plainMoney();
// "Rp 1.000.000,00" in Indonesian: for people.
MoneyText moneyIn(const QLocale& locale);

// How the working calls an heir: by its kind, or by the names a case gave its persons.
using HeirNaming = std::function<QString(const FaraidHeir&)>;

// Money (when given), the blocked heirs, the base and each group's parts, the 'aul or radd, the
// tashih, the final parts and amounts, the special case.
QStringList faraidSteps(const FaraidResult& result, const MoneyText& money,
                        const HeirNaming& name = faraidHeirName);

} // namespace zw::waris
