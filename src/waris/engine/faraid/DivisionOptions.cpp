#include "waris/engine/faraid/DivisionOptions.h"

#include "waris/engine/faraid/FaraidEngine.h"

using namespace Qt::StringLiterals;

namespace zw::waris {

const DivisionOptionInfo& divisionOptionInfo(DivisionOption option) {
    static const std::array<DivisionOptionInfo, AllDivisionOptions.size()> infos{{
        {u"Kakek bersama saudara"_s,
         u"Kakek bersama saudara kandung atau sebapak: cara Zaid bin Tsabit (jumhur) membagi "
         u"bersama saudara, cara Abu Hanifah menjadikan kakek penghalang saudara seperti bapak"_s,
         {u"Berbagi cara Zaid bin Tsabit"_s, u"Menghalangi saudara (Abu Hanifah)"_s}},
        {u"Musytarakah"_s,
         u"Suami, ibu atau nenek, dua saudara seibu atau lebih dan saudara sekandung: saudara "
         u"sekandung ikut berbagi 1/3 bagian saudara seibu (Umar, Maliki, Syafi'i) atau tidak "
         u"mendapat apa-apa (Hanafi, Hanbali)"_s,
         {u"Sekandung ikut berbagi 1/3"_s, u"Sekandung tidak mendapat"_s}},
        {u"Nenek dari pihak"_s,
         u"Nenek yang dipilih di Ahli Waris: dari pihak ibu atau dari pihak bapak; nenek dari "
         u"pihak bapak terhalang juga oleh bapak"_s,
         {u"Ibu"_s, u"Bapak"_s}},
        {u"Sisa bila hanya suami/istri"_s,
         u"Bila hanya suami atau istri yang mewarisi: sisa setelah bagiannya diserahkan ke "
         u"Baitul Mal (jumhur) atau dikembalikan kepadanya"_s,
         {u"Diserahkan ke Baitul Mal"_s, u"Dikembalikan kepada suami/istri"_s}},
        {u"Anak wanita dan saudara"_s,
         u"KHI: anak, juga anak wanita atau penggantinya, menghalangi semua saudara dan yang "
         u"sesudahnya (Putusan MA 86 K/AG/1994), atau pendapat jumhur: saudara wanita menjadi "
         u"ashabah bersama anak wanita"_s,
         {u"Anak menghijab saudara (MA)"_s, u"Saudara tetap mewarisi (jumhur)"_s}},
        {u"Radd dalam KHI"_s,
         u"KHI: sisa dikembalikan kepada semua ahli waris bagian tetap termasuk suami/istri "
         u"(Pasal 193), atau seperti fikih klasik hanya kepada kerabat"_s,
         {u"Kepada semua, termasuk suami/istri"_s, u"Hanya kepada kerabat"_s}},
    }};
    return infos[static_cast<std::size_t>(option)];
}

bool optionApplies(DivisionOption option, Law law) {
    const bool khiOnly =
        option == DivisionOption::DaughterBlocksSiblings || option == DivisionOption::KhiRadd;
    return !khiOnly || law == Law::Khi;
}

QString lawName(Law law) {
    return law == Law::Khi ? u"Kompilasi Hukum Islam (KHI)"_s : u"Fikih klasik (jumhur)"_s;
}

int optionChoice(const FaraidOptions& options, DivisionOption option) {
    switch (option) {
    case DivisionOption::Grandfather:
        return options.grandfather == GrandfatherRule::Zayd ? 0 : 1;
    case DivisionOption::Mushtaraka:
        return options.mushtaraka == MushtarakaRule::Share ? 0 : 1;
    case DivisionOption::Grandmother:
        return options.grandmother == GrandmotherSide::Maternal ? 0 : 1;
    case DivisionOption::SpouseAlone:
        return options.spouseAlone == SpouseAloneRule::Treasury ? 0 : 1;
    case DivisionOption::DaughterBlocksSiblings:
        return options.daughter == DaughterRule::BlocksSiblings ? 0 : 1;
    case DivisionOption::KhiRadd:
        return options.khiRadd == KhiRadd::All ? 0 : 1;
    }
    return 0;
}

void setOptionChoice(FaraidOptions& options, DivisionOption option, int choice) {
    const bool majority = choice == 0;
    switch (option) {
    case DivisionOption::Grandfather:
        options.grandfather = majority ? GrandfatherRule::Zayd : GrandfatherRule::Hanafi;
        break;
    case DivisionOption::Mushtaraka:
        options.mushtaraka = majority ? MushtarakaRule::Share : MushtarakaRule::None;
        break;
    case DivisionOption::Grandmother:
        options.grandmother = majority ? GrandmotherSide::Maternal : GrandmotherSide::Paternal;
        break;
    case DivisionOption::SpouseAlone:
        options.spouseAlone = majority ? SpouseAloneRule::Treasury : SpouseAloneRule::RestToSpouse;
        break;
    case DivisionOption::DaughterBlocksSiblings:
        options.daughter = majority ? DaughterRule::BlocksSiblings : DaughterRule::Majority;
        break;
    case DivisionOption::KhiRadd:
        options.khiRadd = majority ? KhiRadd::All : KhiRadd::Blood;
        break;
    }
}

bool optionMatters(const FaraidInput& input, const FaraidResult& result, DivisionOption option) {
    if (!optionApplies(option, input.law))
        return false;
    FaraidInput other = input;
    other.detail = FaraidDetail::SharesOnly;
    // Money cannot change which shares the other choice gives.
    other.estate = other.jointProperty = other.funeral = other.zakat = other.debts =
        other.obligatoryBequest = other.bequest = std::nullopt;
    setOptionChoice(other.options, option, 1 - optionChoice(input.options, option));
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
