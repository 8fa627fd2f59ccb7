#pragma once

#include "zakat/engine/complete/ZakatInput.h"

#include <QLocale>
#include <QString>
#include <QStringView>

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <variant>

namespace zw::zakat::complete {

// Every typed value of the complete zakat, whether from a window's field or an option.
enum class Field : std::uint8_t {
    Year,
    GoldPrice,
    SilverPrice,
    Income,
    IncomeOther,
    IncomeDeductions,
    Cash,
    Securities,
    Receivables,
    Debts,
    GoldGrams,
    Carat,
    SilverGrams,
    TradeAssets,
    TradeReceivables,
    TradeDebts,
    HarvestKg,
    HarvestPrice,
    Camels,
    Cattle,
    Goats,
    Rikaz,
    Mining,
    FitrahPersons,
    FitrahValue,
};
inline constexpr int FieldCount = 25;

// "Harga emas per gram": how messages name the field.
QString fieldName(Field field);
// "gold-price": the command's option of the field, --gold-price.
QString fieldOption(Field field);
// The field of an option; none when the option names no field.
std::optional<Field> fieldOfOption(QStringView option);

// Input that gives no result, and the field to correct (none when the fault is the program's own
// reference file).
struct Refusal {
    std::optional<Field> field;
    QString message;
};

// The entry as typed: a text per field (empty when not given) and the choices. A kind takes part
// when one of its fields is filled or it is marked as given (the command line marks a kind whose
// choice alone was given, such as --irrigation).
struct ZakatEntry {
    std::array<QString, FieldCount> texts;
    NishabBasis basis = NishabBasis::Baznas;
    Period period = Period::Month;
    Irrigation irrigation = Irrigation::Rain;
    FitrahForm fitrahForm = FitrahForm::Money;
    bool haulComplete = true;
    std::bitset<KindCount> given;

    QString& operator[](Field field) { return texts[static_cast<std::size_t>(field)]; }
    const QString& operator[](Field field) const { return texts[static_cast<std::size_t>(field)]; }

    // The choice of an option of ZakatChoices ("irrigation") named by `word` ("paid"), whatever
    // its case. Given this way a choice brings its kind in, so that --irrigation paid alone is a
    // harvest of 0 kg. False when the option has no such word.
    bool choose(QStringView option, QStringView word);
};

// Numbers are read in the locale's format (a window), or as plain digits with '.' as the decimal
// mark when there is none (the command line).
std::variant<ZakatInput, Refusal> readZakatEntry(const ZakatEntry& entry,
                                                 const std::optional<QLocale>& locale);

// What is wrong with one field's text on its own; none when it can be read.
std::optional<Refusal> fieldProblem(Field field, QStringView text,
                                    const std::optional<QLocale>& locale);

} // namespace zw::zakat::complete
