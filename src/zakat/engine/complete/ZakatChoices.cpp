#include "zakat/engine/complete/ZakatChoices.h"

#include <array>

namespace zw::zakat::complete {

namespace {

constexpr std::array<Choice<NishabBasis>, 3> Bases{{
    {NishabBasis::Baznas, u"baznas", u"BAZNAS (angka tahun itu)"},
    {NishabBasis::Gold, u"gold", u"Emas: 85 gram"},
    {NishabBasis::Silver, u"silver", u"Perak: 595 gram"},
}};

constexpr std::array<Choice<bool>, 2> Hauls{{
    {true, u"yes", u"sudah genap satu tahun"},
    {false, u"no", u"belum genap satu tahun"},
}};

constexpr std::array<Choice<Period>, 2> Periods{{
    {Period::Month, u"month", u"per bulan"},
    {Period::Year, u"year", u"per tahun"},
}};

constexpr std::array<Choice<Irrigation>, 3> Irrigations{{
    {Irrigation::Rain, u"rain", u"tadah hujan (10%)"},
    {Irrigation::Paid, u"paid", u"irigasi berbiaya (5%)"},
    {Irrigation::Mixed, u"mixed", u"campuran (7,5%)"},
}};

constexpr std::array<Choice<FitrahForm>, 3> FitrahForms{{
    {FitrahForm::Money, u"money", u"uang"},
    {FitrahForm::RiceKg, u"rice-kg", u"beras kg"},
    {FitrahForm::RiceLitre, u"rice-litre", u"beras liter"},
}};

constexpr ChoiceOption<NishabBasis> NishabOption{u"nishab", Bases};
constexpr ChoiceOption<bool> HaulOption{u"haul", Hauls};
constexpr ChoiceOption<Period> PeriodOption{u"period", Periods};
constexpr ChoiceOption<Irrigation> IrrigationOption{u"irrigation", Irrigations};
constexpr ChoiceOption<FitrahForm> FitrahFormOption{u"fitrah-in", FitrahForms};

} // namespace

const ChoiceOption<NishabBasis>& nishabOption() {
    return NishabOption;
}

const ChoiceOption<bool>& haulOption() {
    return HaulOption;
}

const ChoiceOption<Period>& periodOption() {
    return PeriodOption;
}

const ChoiceOption<Irrigation>& irrigationOption() {
    return IrrigationOption;
}

const ChoiceOption<FitrahForm>& fitrahFormOption() {
    return FitrahFormOption;
}

std::vector<OptionWords> choiceWords() {
    return {NishabOption.optionWords(), HaulOption.optionWords(), PeriodOption.optionWords(),
            IrrigationOption.optionWords(), FitrahFormOption.optionWords()};
}

} // namespace zw::zakat::complete
