#pragma once

// Every choice of the full division with its one word (the command's and the JSON's), its label
// in the window and the working, and its tool tip.

#include "common/Choices.h"
#include "waris/engine/faraid/SpecialCases.h"

namespace zw::waris::choices {

inline constexpr Choice<Law> LawValues[]{
    {Law::Classical, u"classical", u"Fikih klasik (jumhur)"},
    {Law::Khi, u"khi", u"Kompilasi Hukum Islam (KHI)"},
};
inline constexpr ChoiceOption<Law> Laws{u"law", LawValues};

inline constexpr Choice<GrandfatherRule> GrandfatherValues[]{
    {GrandfatherRule::Zayd, u"zayd", u"Berbagi cara Zaid bin Tsabit"},
    {GrandfatherRule::Hanafi, u"hanafi", u"Menghalangi saudara (Abu Hanifah)"},
};
inline constexpr ChoiceOption<GrandfatherRule> Grandfather{u"grandfather", GrandfatherValues};

inline constexpr Choice<MushtarakaRule> MushtarakaValues[]{
    {MushtarakaRule::Share, u"share", u"Sekandung ikut berbagi 1/3"},
    {MushtarakaRule::None, u"none", u"Sekandung tidak mendapat"},
};
inline constexpr ChoiceOption<MushtarakaRule> Mushtaraka{u"mushtaraka", MushtarakaValues};

inline constexpr Choice<GrandmotherSide> GrandmotherValues[]{
    {GrandmotherSide::Maternal, u"maternal", u"Ibu"},
    {GrandmotherSide::Paternal, u"paternal", u"Bapak"},
};
inline constexpr ChoiceOption<GrandmotherSide> Grandmother{u"grandmother", GrandmotherValues};

inline constexpr Choice<SpouseAloneRule> SpouseAloneValues[]{
    {SpouseAloneRule::Treasury, u"treasury", u"Diserahkan ke Baitul Mal"},
    {SpouseAloneRule::RestToSpouse, u"rest-to-spouse", u"Dikembalikan kepada suami/istri"},
};
inline constexpr ChoiceOption<SpouseAloneRule> SpouseAlone{u"spouse-alone", SpouseAloneValues};

inline constexpr Choice<DaughterRule> DaughterValues[]{
    {DaughterRule::BlocksSiblings, u"yes", u"Anak menghijab saudara (MA)"},
    {DaughterRule::Majority, u"no", u"Saudara tetap mewarisi (jumhur)"},
};
inline constexpr ChoiceOption<DaughterRule> Daughter{u"daughter-blocks-siblings", DaughterValues};

inline constexpr Choice<KhiRadd> KhiRaddValues[]{
    {KhiRadd::All, u"all", u"Kepada semua, termasuk suami/istri"},
    {KhiRadd::Blood, u"blood", u"Hanya kepada kerabat"},
};
inline constexpr ChoiceOption<KhiRadd> KhiRaddRule{u"khi-radd", KhiRaddValues};

inline constexpr Choice<DistantKinRule> DistantKinValues[]{
    {DistantKinRule::Tanzil, u"tanzil", u"Tanzil (Syafi'i)"},
    {DistantKinRule::Hanbali, u"hanbali", u"Tanzil (Hanbali)"},
    {DistantKinRule::Qarabah, u"qarabah", u"Qarabah (Hanafi)"},
};
inline constexpr ChoiceOption<DistantKinRule> DistantKin{u"distant-kin", DistantKinValues};

inline constexpr Choice<BequestRecipient> RecipientValues[]{
    {BequestRecipient::AdoptedChild, u"adopted-child", u"Anak angkat",
     u"anak angkat (Pasal 209 ayat 2 KHI)"},
    {BequestRecipient::AdoptiveParent, u"adoptive-parent", u"Orang tua angkat",
     u"orang tua angkat (Pasal 209 ayat 1 KHI)"},
    {BequestRecipient::NonMuslimRelative, u"non-muslim-relative", u"Kerabat non-Muslim",
     u"kerabat non-Muslim (Putusan MA 368 K/AG/1995 dan 51 K/AG/1999)"},
};
inline constexpr ChoiceOption<BequestRecipient> Recipient{u"obligatory-bequest-to",
                                                          RecipientValues};

inline constexpr Choice<UnbornKind> UnbornValues[]{
    {UnbornKind::Child, u"child", u"Anak dari yang meninggal"},
    {UnbornKind::Grandchild, u"grandchild", u"Cucu dari anak pria"},
    {UnbornKind::FullSibling, u"full-sibling", u"Saudara sekandung",
     u"Ibu pewaris mengandung anak dari bapak pewaris yang telah meninggal"},
    {UnbornKind::PaternalSibling, u"paternal-sibling", u"Saudara sebapak",
     u"Istri bapak pewaris (bukan ibu pewaris) mengandung anak bapak yang telah meninggal"},
    {UnbornKind::UterineSibling, u"uterine-sibling", u"Saudara seibu",
     u"Ibu pewaris mengandung anak dari suami lain"},
};
inline constexpr ChoiceOption<UnbornKind> Unborn{u"unborn", UnbornValues};

inline constexpr Choice<UnbornReserve> ReserveValues[]{
    {UnbornReserve::Hanbali, u"hanbali", u"Hanbali: yang terbesar"},
    {UnbornReserve::Shafii, u"shafii", u"Syafi'i: saudaranya menunggu"},
    {UnbornReserve::Hanafi, u"hanafi", u"Hanafi: satu anak"},
};
inline constexpr ChoiceOption<UnbornReserve> Reserve{u"reserve", ReserveValues};

inline constexpr Choice<IntersexView> IntersexValues[]{
    {IntersexView::Shafii, u"shafii", u"Syafi'i"},
    {IntersexView::Hanafi, u"hanafi", u"Hanafi"},
    {IntersexView::Average, u"average", u"Rata-rata"},
};
inline constexpr ChoiceOption<IntersexView> Intersex{u"intersex-view", IntersexValues};

// Every option above, in the order the help lists them.
inline std::vector<OptionWords> all() {
    return {Laws.optionWords(),        Grandfather.optionWords(), Mushtaraka.optionWords(),
            Grandmother.optionWords(), SpouseAlone.optionWords(), DistantKin.optionWords(),
            Daughter.optionWords(),    KhiRaddRule.optionWords(), Recipient.optionWords(),
            Unborn.optionWords(),      Reserve.optionWords(),     Intersex.optionWords()};
}

} // namespace zw::waris::choices
