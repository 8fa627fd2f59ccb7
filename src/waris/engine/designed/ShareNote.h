#pragma once

#include <QString>

#include <cstdint>

namespace zw::waris {

// The explanation written beside each heir kind's amount. Kept as a code while calculating; the
// rules of the female kinds compare notes of male kinds, which is the same as comparing texts
// because every code has its own text.
enum class ShareNote : std::uint8_t {
    Empty, // never written in this run of the program

    Eighth,
    Quarter,
    Third,
    Sixth,
    Half,
    TwoThirds,

    Ashabah,
    AshabahBersamaAnakPria,
    AshabahBersamaCucuPria,
    AshabahBersamaSaudaraKandungPria,
    AshabahBersamaSaudaraSeBapakPria,
    AshabahBersamaSaudaraSeIbuPria,
    AshabahBersamaAnakCucuWanita,
    AshabahKarenaAnakCucuWanita,

    TerhalangSuamiBapak,
    TerhalangAnakCucuBapakKakek,
    TerhalangAnakPriaAnakWanita,
    TerhalangAnakCucuSuamiBapakKakek,
    TerhalangAnakCucuBapakKakekSauPria,
    TerhalangAnakBpkKakekSauPriaPaman,
    TerhalangBapakIbu,
    TerhalangAnakPria,
    TerhalangBersamaCucuPria,
    TerhalangBersamaSaudaraKandungPria,
    TerhalangBersamaSaudaraSeBapakPria,
    TerhalangBersamaSaudaraSeIbuPria,
    TerhalangAnakCucuBapakKakekNenek,
    TerhalangSauPriaSekandung,
};

QString shareNoteText(ShareNote note);

} // namespace zw::waris
