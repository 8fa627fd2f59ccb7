#include "waris/engine/faraid/DivisionOptions.h"

#include "waris/engine/faraid/FaraidChoices.h"
#include "waris/engine/faraid/FaraidEngine.h"

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

// An option's table with its enum seen as an int, so that the six options share one type.
template<typename Value, std::size_t N>
constexpr std::array<Choice<int>, N> asInts(const Choice<Value> (&values)[N]) {
    std::array<Choice<int>, N> ints{};
    for (std::size_t i = 0; i < N; ++i)
        ints[i] = {static_cast<int>(values[i].value), values[i].word, values[i].label,
                   values[i].toolTip};
    return ints;
}

constexpr auto GrandfatherInts = asInts(choices::GrandfatherValues);
constexpr auto MushtarakaInts = asInts(choices::MushtarakaValues);
constexpr auto GrandmotherInts = asInts(choices::GrandmotherValues);
constexpr auto SpouseAloneInts = asInts(choices::SpouseAloneValues);
constexpr auto DaughterInts = asInts(choices::DaughterValues);
constexpr auto KhiRaddInts = asInts(choices::KhiRaddValues);

template<typename Value> void setFrom(Value& target, int value) {
    target = static_cast<Value>(value);
}

} // namespace

const DivisionOptionInfo& divisionOptionInfo(DivisionOption option) {
    static const std::array<DivisionOptionInfo, AllDivisionOptions.size()> infos{{
        {u"Kakek bersama saudara"_s,
         u"Kakek bersama saudara kandung atau sebapak: cara Zaid bin Tsabit (jumhur) membagi "
         u"bersama saudara, cara Abu Hanifah menjadikan kakek penghalang saudara seperti bapak"_s,
         {choices::Grandfather.option, GrandfatherInts}},
        {u"Musytarakah"_s,
         u"Suami, ibu atau nenek, dua saudara seibu atau lebih dan saudara sekandung: saudara "
         u"sekandung ikut berbagi 1/3 bagian saudara seibu (Umar, Maliki, Syafi'i) atau tidak "
         u"mendapat apa-apa (Hanafi, Hanbali)"_s,
         {choices::Mushtaraka.option, MushtarakaInts}},
        {u"Nenek dari pihak"_s,
         u"Nenek yang dipilih di Ahli Waris: dari pihak ibu atau dari pihak bapak; nenek dari "
         u"pihak bapak terhalang juga oleh bapak"_s,
         {choices::Grandmother.option, GrandmotherInts}},
        {u"Sisa bila hanya suami/istri"_s,
         u"Bila hanya suami atau istri yang mewarisi: sisa setelah bagiannya diserahkan ke "
         u"Baitul Mal (jumhur) atau dikembalikan kepadanya"_s,
         {choices::SpouseAlone.option, SpouseAloneInts}},
        {u"Anak wanita dan saudara"_s,
         u"KHI: anak, juga anak wanita atau penggantinya, menghalangi semua saudara dan yang "
         u"sesudahnya (Putusan MA 86 K/AG/1994), atau pendapat jumhur: saudara wanita menjadi "
         u"ashabah bersama anak wanita"_s,
         {choices::Daughter.option, DaughterInts}},
        {u"Radd dalam KHI"_s,
         u"KHI: sisa dikembalikan kepada semua ahli waris bagian tetap termasuk suami/istri "
         u"(Pasal 193), atau seperti fikih klasik hanya kepada kerabat"_s,
         {choices::KhiRaddRule.option, KhiRaddInts}},
    }};
    return infos[static_cast<std::size_t>(option)];
}

bool optionApplies(DivisionOption option, Law law) {
    const bool khiOnly =
        option == DivisionOption::DaughterBlocksSiblings || option == DivisionOption::KhiRadd;
    return !khiOnly || law == Law::Khi;
}

int optionValue(const FaraidOptions& options, DivisionOption option) {
    switch (option) {
    case DivisionOption::Grandfather:
        return static_cast<int>(options.grandfather);
    case DivisionOption::Mushtaraka:
        return static_cast<int>(options.mushtaraka);
    case DivisionOption::Grandmother:
        return static_cast<int>(options.grandmother);
    case DivisionOption::SpouseAlone:
        return static_cast<int>(options.spouseAlone);
    case DivisionOption::DaughterBlocksSiblings:
        return static_cast<int>(options.daughter);
    case DivisionOption::KhiRadd:
        return static_cast<int>(options.khiRadd);
    }
    return 0;
}

void setOptionValue(FaraidOptions& options, DivisionOption option, int value) {
    switch (option) {
    case DivisionOption::Grandfather:
        return setFrom(options.grandfather, value);
    case DivisionOption::Mushtaraka:
        return setFrom(options.mushtaraka, value);
    case DivisionOption::Grandmother:
        return setFrom(options.grandmother, value);
    case DivisionOption::SpouseAlone:
        return setFrom(options.spouseAlone, value);
    case DivisionOption::DaughterBlocksSiblings:
        return setFrom(options.daughter, value);
    case DivisionOption::KhiRadd:
        return setFrom(options.khiRadd, value);
    }
}

QString optionLabel(const FaraidOptions& options, DivisionOption option) {
    return divisionOptionInfo(option).choices.label(optionValue(options, option));
}

bool optionMatters(const FaraidInput& input, const FaraidResult& result, DivisionOption option) {
    if (!optionApplies(option, input.law))
        return false;
    FaraidInput other = input;
    other.detail = FaraidDetail::SharesOnly;
    // Money cannot change which shares the other choice gives.
    other.estate = other.jointProperty = other.funeral = other.zakat = other.debts =
        other.obligatoryBequest = other.bequest = std::nullopt;
    // Each of these options has two values.
    const int value = optionValue(input.options, option);
    for (const Choice<int>& choice : divisionOptionInfo(option).choices.choices) {
        if (choice.value != value)
            setOptionValue(other.options, option, choice.value);
    }
    const FaraidOutcome outcome = divideEstate(other);
    const auto* alternative = std::get_if<FaraidResult>(&outcome);
    if (!alternative || alternative->unassigned != result.unassigned)
        return alternative != nullptr;
    for (std::size_t i = 0; i < result.heirs.size(); ++i) {
        const FaraidHeir& mine = result.heirs[i];
        const FaraidHeir& theirs = alternative->heirs[i];
        if (mine.share != theirs.share || mine.status != theirs.status)
            return true;
    }
    return false;
}

} // namespace zw::waris
