#include "waris/engine/faraid/FaraidInputCheck.h"

#include "waris/engine/faraid/DistantKin.h"
#include "waris/engine/faraid/FaraidAmounts.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

using enum HeirKind;

std::optional<FaraidError> checkCounts(const FaraidInput& input, HeirsNeeded heirs) {
    const FaraidPerKind<int>& counts = input.counts;
    bool any = !input.predeceased.empty();
    for (int k = 0; k < FaraidKindCount; ++k) {
        const HeirKind kind = heirKind(k);
        const HeirInfo& info = heirInfo(kind);
        const int n = counts[kind];
        any = any || n != 0;
        if (kind == Istri && n > 4)
            return FaraidError{u"Istri paling banyak empat orang."_s};
        if (!info.several && n != 0 && n != 1)
            return FaraidError{info.name % u" hanya boleh satu orang."_s};
        if (n < 0 || n > MaxPersons)
            return FaraidError{u"Jumlah "_s % info.name % u" harus antara 1 dan "_s %
                               QString::number(MaxPersons) % u'.'};
    }
    if (!any && heirs == HeirsNeeded::Some)
        return FaraidError{u"Belum ada ahli waris yang dipilih."_s};
    if (counts[Nenek] > 0 && (counts[NenekDariIbu] > 0 || counts[NenekDariBapak] > 0))
        return FaraidError{u"Nenek tidak dapat disebut bersama Nenek dari Ibu atau Nenek dari "
                           u"Bapak; sebutkan kedua nenek itu secara terpisah."_s};
    if (counts[Suami] > 0 && counts[Istri] > 0)
        return FaraidError{u"Suami dan istri tidak dapat bersama-sama menjadi ahli waris."_s};
    if (input.law == Law::Khi && (counts[CucuPria] > 0 || counts[CucuWanita] > 0))
        return FaraidError{u"Dalam KHI cucu tidak dimasukkan sebagai Cucu Pria atau Cucu Wanita, "
                           u"melainkan sebagai anak dari anak yang meninggal lebih dahulu."_s};
    return std::nullopt;
}

std::optional<FaraidError> checkPredeceased(const std::vector<PredeceasedChild>& children,
                                            Law law) {
    for (const PredeceasedChild& child : children) {
        if (!isPredeceasedPlace(child.replaces))
            return FaraidError{u"Yang meninggal lebih dahulu hanya anak, cucu wanita dari anak "
                               u"pria, saudara atau paman."_s};
        if (law == Law::Khi && child.replaces == CucuWanita)
            return FaraidError{u"Dalam KHI cucu wanita yang meninggal lebih dahulu tidak dapat "
                               u"digantikan; sebutkan anak pria yang meninggal lebih dahulu."_s};
        if (child.sons < 0 || child.sons > MaxPersons || child.daughters < 0 ||
            child.daughters > MaxPersons)
            return FaraidError{u"Jumlah anak dari anak yang meninggal lebih dahulu harus antara 0 "
                               u"dan "_s %
                               QString::number(MaxPersons) % u'.'};
        if (child.sons + child.daughters == 0)
            return FaraidError{u"Anak yang meninggal lebih dahulu harus meninggalkan sedikitnya "
                               u"seorang anak."_s};
    }
    for (const HeirKind side : predeceasedPlaces()) {
        if (std::count_if(children.cbegin(), children.cend(), [side](const PredeceasedChild& c) {
                return c.replaces == side;
            }) > MaxPersons)
            return FaraidError{heirInfo(side).name %
                               u" yang meninggal lebih dahulu paling banyak "_s %
                               QString::number(MaxPersons) % u" orang."_s};
    }
    return std::nullopt;
}

} // namespace

std::optional<FaraidError> checkFaraidInput(const FaraidInput& input, HeirsNeeded heirs) {
    if (auto error = checkCounts(input, heirs))
        return error;
    if (auto error = checkPredeceased(input.predeceased, input.law))
        return error;
    const std::pair<const std::optional<Rupiah>*, QString> amounts[] = {
        {&input.estate, u"Harta peninggalan"_s},
        {&input.jointProperty, u"Harta bersama"_s},
        {&input.funeral, u"Biaya pengurusan jenazah"_s},
        {&input.zakat, u"Zakat yang belum dibayar"_s},
        {&input.debts, u"Utang"_s},
        {&input.obligatoryBequest, u"Wasiat wajibah"_s},
        {&input.bequest, u"Wasiat"_s},
    };
    for (const auto& [amount, name] : amounts) {
        if (*amount && **amount < Rupiah())
            return FaraidError{name % u" tidak boleh negatif."_s};
        if (*amount && **amount > Rupiah::max())
            return FaraidError{name % u" terlalu besar (paling banyak "_s %
                               Rupiah::max().toPlainDecimal() % u")."_s};
    }
    if (!input.estate && (input.jointProperty || input.funeral || input.zakat || input.debts ||
                          input.obligatoryBequest || input.bequest))
        return FaraidError{u"Harta bersama, biaya, zakat, utang dan wasiat memerlukan harta "
                           u"peninggalan."_s};
    if (input.jointProperty && *input.jointProperty > Rupiah() && input.counts[Suami] == 0 &&
        input.counts[Istri] == 0)
        return FaraidError{u"Harta bersama memerlukan suami atau istri yang masih hidup."_s};
    if (input.obligatoryBequest && *input.obligatoryBequest > Rupiah() && input.law != Law::Khi)
        return FaraidError{u"Wasiat wajibah hanya dikenal dalam KHI."_s};
    if (const auto money = netEstate(input); input.estate && !money)
        return FaraidError{input.zakat ? u"Biaya pengurusan jenazah, zakat dan utang melebihi "
                                         u"harta peninggalan."_s
                                       : u"Biaya pengurusan jenazah dan utang melebihi harta "
                                         u"peninggalan."_s};
    return std::nullopt;
}

} // namespace zw::waris
