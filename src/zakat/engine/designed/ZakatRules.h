#pragma once

// Zakat rules.
//
// Each kind of zakat is one pure function: the texts typed on its form (read with the user's
// number format) and the option chosen go in; the values and the result sentence come out, or
// the index of the first field that cannot be used (not a number, out of range, or negative
// where that is nonsense). Empty fields and unchosen options are the form's to refuse before
// calling. No widgets here; the forms only read fields, call these and show the sentence.

#include "common/Money.h"

#include <QLocale>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <variant>

namespace zw::zakat {

// The field that was refused, counted from 0 in the order of the function's text parameters.
struct BadField {
    int field;
    friend bool operator==(BadField, BadField) = default;
};

struct WealthResult {
    Money wealth;
    Money goldPrice;
    Money nishab;
    std::optional<Money> zakat; // only when the threshold is reached
    QString sentence;
};
std::variant<WealthResult, BadField> wealthZakat(QStringView wealthText, QStringView goldPriceText,
                                                 const QLocale& locale);

enum class Irrigation { Irrigated, NotIrrigated };
struct HarvestResult {
    double harvestKg = 0.0;
    std::optional<double> zakatKg; // only when the threshold is reached
    QString sentence;
};
std::variant<HarvestResult, BadField> harvestZakat(QStringView harvestKgText, Irrigation irrigation,
                                                   const QLocale& locale);

enum class Livestock { Goats, Cattle };
struct LivestockResult {
    Money herd;
    QString sentence;
};
std::variant<LivestockResult, BadField> livestockZakat(QStringView herdText, Livestock livestock,
                                                       const QLocale& locale);

struct FitrahResult {
    std::int16_t dependants = 0;
    Money ricePrice;
    double riceLitres = 0.0;
    Money money;
    QString sentence;
};
std::variant<FitrahResult, BadField> fitrahZakat(QStringView dependantsText,
                                                 QStringView ricePriceText, const QLocale& locale);

} // namespace zw::zakat
