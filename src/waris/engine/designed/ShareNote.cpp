#include "waris/engine/designed/ShareNote.h"

using namespace Qt::StringLiterals;

namespace zw::waris {

QString shareNoteText(ShareNote note) {
    switch (note) {
    case ShareNote::Empty:
        return QString();
    case ShareNote::Eighth:
        return u"1 / 8 (Seperdelapan) Bagian"_s;
    case ShareNote::Quarter:
        return u"1 / 4 (Seperempat) Bagian"_s;
    case ShareNote::Third:
        return u"1 / 3 (Sepertiga) Bagian"_s;
    case ShareNote::Sixth:
        return u"1 / 6 (Seperenam) Bagian"_s;
    case ShareNote::Half:
        return u"1 / 2 (Setengah) Bagian"_s;
    case ShareNote::TwoThirds:
        return u"2 / 3 (Duapertiga) Bagian"_s;
    case ShareNote::Ashabah:
        return u"-> Ashabah"_s;
    case ShareNote::AshabahBersamaAnakPria:
        return u"-> Ashabah Bersama Anak Pria"_s;
    case ShareNote::AshabahBersamaCucuPria:
        return u"-> Ashabah Bersama Cucu Pria"_s;
    case ShareNote::AshabahBersamaSaudaraKandungPria:
        return u"-> Ashabah Bersama Saudara Kandung Pria"_s;
    case ShareNote::AshabahBersamaSaudaraSeBapakPria:
        return u"-> Ashabah Bersama Saudara Se-Bapak Pria"_s;
    case ShareNote::AshabahBersamaSaudaraSeIbuPria:
        return u"-> Ashabah Bersama Saudara Se-Ibu Pria"_s;
    case ShareNote::AshabahBersamaAnakCucuWanita:
        return u"-> Ashabah Bersama Anak/Cucu Wanita"_s;
    case ShareNote::AshabahKarenaAnakCucuWanita:
        return u"-> Ashabah Karena Anak/Cucu Wanita"_s;
    case ShareNote::TerhalangSuamiBapak:
        return u"Terhalang Suami/Bapak"_s;
    case ShareNote::TerhalangAnakCucuBapakKakek:
        return u"Terhalang Anak/Cucu/Bapak/Kakek"_s;
    case ShareNote::TerhalangAnakPriaAnakWanita:
        return u"Terhalang Anak Pria/Anak Wanita"_s;
    case ShareNote::TerhalangAnakCucuSuamiBapakKakek:
        return u"Terhalang Anak/Cucu/Suami/Bapak/Kakek"_s;
    case ShareNote::TerhalangAnakCucuBapakKakekSauPria:
        return u"Terhalang Anak/Cucu/Bapak/Kakek/Sau.Pria"_s;
    case ShareNote::TerhalangAnakBpkKakekSauPriaPaman:
        return u"Terhalang Anak/Bpk/Kakek/Sau.Pria/Paman"_s;
    case ShareNote::TerhalangBapakIbu:
        return u"Terhalang Bapak/Ibu"_s;
    case ShareNote::TerhalangAnakPria:
        return u"Terhalang Anak Pria"_s;
    case ShareNote::TerhalangBersamaCucuPria:
        return u"Terhalang Bersama Cucu Pria"_s;
    case ShareNote::TerhalangBersamaSaudaraKandungPria:
        return u"Terhalang Bersama Saudara Kandung Pria"_s;
    case ShareNote::TerhalangBersamaSaudaraSeBapakPria:
        return u"Terhalang Bersama Saudara Se-Bapak Pria"_s;
    case ShareNote::TerhalangBersamaSaudaraSeIbuPria:
        return u"Terhalang Bersama Saudara Se-Ibu Pria"_s;
    case ShareNote::TerhalangAnakCucuBapakKakekNenek:
        return u"Terhalang Anak/Cucu/Bapak/Kakek/Nenek"_s;
    case ShareNote::TerhalangSauPriaSekandung:
        return u"Terhalang Sau. Pria Sekandung"_s;
    }
    return QString();
}

} // namespace zw::waris
