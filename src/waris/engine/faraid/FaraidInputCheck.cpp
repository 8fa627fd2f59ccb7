#include "waris/engine/faraid/FaraidInputCheck.h"

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

using enum HeirKind;

std::optional<FaraidError> checkCounts(const PerKind<int>& counts) {
    bool any = false;
    for (int k = 0; k < HeirKindCount; ++k) {
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
    if (!any)
        return FaraidError{u"Belum ada ahli waris yang dipilih."_s};
    if (counts[Suami] > 0 && counts[Istri] > 0)
        return FaraidError{u"Suami dan istri tidak dapat bersama-sama menjadi ahli waris."_s};
    return std::nullopt;
}

} // namespace

std::optional<FaraidError> checkFaraidInput(const FaraidInput& input) {
    if (auto error = checkCounts(input.counts))
        return error;
    const std::pair<const std::optional<Rupiah>*, QString> amounts[] = {
        {&input.estate, u"Harta peninggalan"_s},
        {&input.funeral, u"Biaya pengurusan jenazah"_s},
        {&input.debts, u"Utang"_s},
        {&input.bequest, u"Wasiat"_s},
    };
    for (const auto& [amount, name] : amounts) {
        if (*amount && **amount < Rupiah())
            return FaraidError{name % u" tidak boleh negatif."_s};
        if (*amount && **amount > Rupiah::max())
            return FaraidError{name % u" terlalu besar (paling banyak "_s %
                               Rupiah::max().toPlainDecimal() % u")."_s};
    }
    if (!input.estate && (input.funeral || input.debts || input.bequest))
        return FaraidError{u"Biaya, utang dan wasiat memerlukan harta peninggalan."_s};
    if (input.estate &&
        input.funeral.value_or(Rupiah()) + input.debts.value_or(Rupiah()) > *input.estate)
        return FaraidError{u"Biaya pengurusan jenazah dan utang melebihi harta peninggalan."_s};
    return std::nullopt;
}

} // namespace zw::waris
