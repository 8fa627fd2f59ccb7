#pragma once

// The zakat of today, beside the designed four kinds of the older road.
//
// The flow: the texts of a window or of the command line (ZakatEntry) are read into a ZakatInput
// or refused with a message naming the field; calculateZakat applies the rules to it with the
// year's reference values (ReferenceValues, a data file) and gives one KindResult per kind that
// was given; ZakatWorking words the result in Indonesian and CompleteReport turns it into the
// report model that the window, the saved file, the printer and the command line all render.
// Money is exact to the sen and quantities to the hundredth; nothing is a double.

#include "common/Rupiah.h"
#include "zakat/engine/complete/Quantity.h"

#include <array>
#include <cstdint>
#include <optional>

namespace zw::zakat::complete {

enum class NishabBasis : std::uint8_t { Baznas, Gold, Silver };
enum class Period : std::uint8_t { Month, Year };
enum class Irrigation : std::uint8_t { Rain, Paid, Mixed };
enum class FitrahForm : std::uint8_t { Money, RiceKg, RiceLitre };

// In the order of the summary and of the command line's output.
enum class Kind : std::uint8_t {
    Penghasilan,
    Simpanan,
    Emas,
    Perak,
    Perdagangan,
    Pertanian,
    Unta,
    Sapi,
    Kambing,
    Rikaz,
    Tambang,
    Fitrah,
};
inline constexpr int KindCount = 12;

struct IncomeInput {
    Rupiah income;
    Rupiah other;
    Rupiah deductions; // basic needs or instalments
    Period period = Period::Month;
};

struct SavingsInput {
    Rupiah cash; // money, savings and deposits
    Rupiah securities;
    Rupiah receivables; // likely to be paid
    Rupiah debts;       // due now
};

struct GoldInput {
    Quantity grams;
    Quantity carat = Quantity::whole(24);
};

struct TradeInput {
    Rupiah assets; // goods at today's value and business cash
    Rupiah receivables;
    Rupiah debts; // short-term
};

struct HarvestInput {
    Quantity kg; // unhulled grain (gabah)
    Irrigation irrigation = Irrigation::Rain;
    std::optional<Rupiah> pricePerKg;
};

struct FitrahInput {
    std::int64_t persons = 0;
    FitrahForm form = FitrahForm::Money;
    // Money: the value per person (the year's figure when none). Rice: the price of a kilogram or
    // a litre, to give the rupiah beside the rice.
    std::optional<Rupiah> value;
};

// A kind takes part when its member is set.
struct ZakatInput {
    std::optional<int> year; // the latest of the reference values when none
    NishabBasis basis = NishabBasis::Baznas;
    std::optional<Rupiah> goldPrice; // a gram of pure gold
    std::optional<Rupiah> silverPrice;
    bool haulComplete = true; // for every kind that needs a haul

    std::optional<IncomeInput> income;
    std::optional<SavingsInput> savings;
    std::optional<GoldInput> gold;
    std::optional<Quantity> silverGrams;
    std::optional<TradeInput> trade;
    std::optional<HarvestInput> harvest;
    std::optional<std::int64_t> camels;
    std::optional<std::int64_t> cattle;
    std::optional<std::int64_t> goats;
    std::optional<Rupiah> rikaz;
    std::optional<Rupiah> mining;
    std::optional<FitrahInput> fitrah;
};

} // namespace zw::zakat::complete
