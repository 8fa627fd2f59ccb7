#include "waris/engine/HeirKind.h"

#include <array>

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

using Catalogue = std::array<HeirInfo, FaraidKindCount>;

Catalogue makeCatalogue() {
    return {{
        {u"Suami"_s, u"&Suami"_s, u"S u a m i       "_s, u"Suami"_s, QString(), false, true},
        {u"Bapak"_s, u"&Bapak"_s, u"B a p a k       "_s, u"Bapak"_s, QString(), false, true},
        {u"Kakek"_s, u"&Kakek"_s, u"Kakek dari Bapak"_s, u"Kakek"_s, QString(), false, true},
        {u"AnakPria"_s, u"&Anak"_s, u"Anak Pria          "_s, u"Anak Pria"_s, u"Anak Pria ?"_s,
         true, true},
        {u"SaudaraPriaSekandung"_s, u"Saudara Sekan&dung"_s, u"Saudara Pria Sekandung"_s,
         u"Saudara Pria Sekandung"_s, u"Saudara Pria Sekandung ?"_s, true, true},
        {u"SaudaraPriaSeBapak"_s, u"Saudara Se-Ba&pak"_s, u"Saudara Pria Se-Bapak"_s,
         u"Saudara Pria Se-Bapak"_s, u"Saudara Pria Se-Bapak ?"_s, true, true},
        {u"SaudaraPriaSeIbu"_s, u"Saudara Se-Ibu"_s, u"Saudara Pria Se-Ibu"_s,
         u"Saudara Pria Se-Ibu"_s, u"Saudara Pria Se-Ibu ?"_s, true, true},
        {u"CucuPria"_s, u"&Cucu"_s, u"Cucu Pria dari Anak Pria"_s, u"Cucu Pria"_s, u"Cucu Pria ?"_s,
         true, true},
        {u"AnakPriaSaudaraSekandung"_s, u"Anak Saudara Sekandung"_s,
         u"Anak Pria Saudara Sekandung"_s, u"Anak Pria Saudara Sekandung"_s,
         u"Anak Pria Saudara Sekandung ?"_s, true, true},
        {u"AnakPriaSaudaraSeBapak"_s, u"Anak Saudara Se-Bapak"_s, u"Anak Pria Saudara Se-Bapak"_s,
         u"Anak Pria Saudara Se-Bapak"_s, u"Anak Pria Saudara Se-Bapak ?"_s, true, true},
        {u"PamanSekandung"_s, u"Pa&man Sekandung"_s, u"Paman Sekandung"_s, u"Paman Sekandung"_s,
         u"Paman Sekandung ?"_s, true, true},
        {u"PamanSeBapak"_s, u"Paman Se-Bapak"_s, u"Paman Se-Bapak"_s, u"Paman Se-Bapak"_s,
         u"Paman Se-Bapak ?"_s, true, true},
        {u"AnakPriaPamanSekandung"_s, u"Anak Paman Sekandung "_s, u"Anak Pria Paman Kandung"_s,
         u"Anak Pria Paman Sekandung"_s, u"Anak Pria Paman Kandung ?"_s, true, true},
        {u"AnakPriaPamanSeBapak"_s, u"Anak Paman Se-Bapak"_s, u"Anak Pria Paman Se-Bapak"_s,
         u"Anak Pria Paman Se-Bapak"_s, u"Anak Pria Paman Se-Bapak ?"_s, true, true},
        {u"Istri"_s, u"Is&tri"_s, u"I s t r i            "_s, u"Istri"_s, u"I s t r i  ?"_s, true,
         false},
        {u"Ibu"_s, u"&Ibu"_s, u"I b u                "_s, u"Ibu"_s, QString(), false, false},
        {u"AnakWanita"_s, u"A&nak"_s, u"Anak Wanita           "_s, u"Anak Wanita"_s,
         u"Anak Wanita ?"_s, true, false},
        {u"Nenek"_s, u"N&enek Bapak/Ibu"_s, u"Nenek Pihak Bapak/Ibu"_s, u"Nenek"_s, QString(),
         false, false},
        {u"CucuWanita"_s, u"C&ucu "_s, u"Cucu Wanita dari Anak Pria"_s, u"Cucu Wanita"_s,
         u"Cucu Wanita ?"_s, true, false},
        {u"SaudaraWanitaSekandung"_s, u"Saudara Kandun&g"_s, u"Saudara Wanita Sekandung"_s,
         u"Saudara Wanita Sekandung"_s, u"Saudara Wanita Sekandung?"_s, true, false},
        {u"SaudaraWanitaSeBapak"_s, u"Saudara Se-Bapak"_s, u"Saudara Wanita Se-Bapak"_s,
         u"Saudara Wanita Se-Bapak"_s, u"Saudara Wanita Se-Bapak ?"_s, true, false},
        {u"SaudaraWanitaSeIbu"_s, u"Saudara Se-Ibu"_s, u"Saudara Wanita Se-Ibu"_s,
         u"Saudara Wanita Se-Ibu"_s, u"Saudara Wanita Se-Ibu ?"_s, true, false},
        {u"NenekDariIbu"_s, u"Nenek dari &Ibu"_s, u"Nenek dari Ibu"_s, u"Nenek dari Ibu"_s,
         QString(), false, false},
        {u"NenekDariBapak"_s, u"Nenek dari &Bapak"_s, u"Nenek dari Bapak"_s, u"Nenek dari Bapak"_s,
         QString(), false, false},
        {u"KakekDariIbu"_s, u"&Kakek dari Ibu"_s, u"Kakek dari Ibu"_s, u"Kakek dari Ibu"_s,
         QString(), false, true},
        {u"SaudaraPriaIbu"_s, u"Saudara &Pria Ibu"_s, u"Saudara Pria Ibu"_s, u"Saudara Pria Ibu"_s,
         u"Saudara Pria Ibu ?"_s, true, true},
        {u"SaudaraWanitaIbu"_s, u"Saudara &Wanita Ibu"_s, u"Saudara Wanita Ibu"_s,
         u"Saudara Wanita Ibu"_s, u"Saudara Wanita Ibu ?"_s, true, false},
        {u"SaudaraWanitaBapak"_s, u"Saudara Wanita &Bapak"_s, u"Saudara Wanita Bapak"_s,
         u"Saudara Wanita Bapak"_s, u"Saudara Wanita Bapak ?"_s, true, false},
        {u"PamanSeIbu"_s, u"Paman Se-&Ibu"_s, u"Paman Se-Ibu"_s, u"Paman Se-Ibu"_s,
         u"Paman Se-Ibu ?"_s, true, true},
    }};
}

} // namespace

const HeirInfo& heirInfo(HeirKind kind) {
    static const Catalogue catalogue = makeCatalogue();
    return catalogue[static_cast<std::size_t>(index(kind))];
}

std::optional<HeirKind> heirKindNamed(QStringView identifier) {
    for (int k = 0; k < FaraidKindCount; ++k) {
        if (identifier.compare(heirInfo(heirKind(k)).identifier, Qt::CaseInsensitive) == 0)
            return heirKind(k);
    }
    return std::nullopt;
}

HeirSelection HeirSelection::fromBits(std::uint32_t bits) {
    HeirSelection selection;
    selection.m_bits = std::bitset<HeirKindCount>(bits);
    return selection;
}

} // namespace zw::waris
