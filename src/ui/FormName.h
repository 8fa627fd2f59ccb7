#pragma once

#include <QString>
#include <QStringView>

#include <array>

namespace zw {

// The designer name of a form: its objectName and its key in the registry.
class FormName {
public:
    explicit constexpr FormName(QStringView name)
        : m_name(name) {}

    QString toString() const { return m_name.toString(); }
    constexpr QStringView view() const { return m_name; }

private:
    QStringView m_name;
};

namespace forms {

inline constexpr FormName Splash{u"Splash"};
inline constexpr FormName Awal{u"Awal"};
inline constexpr FormName Sandi{u"Sandi"};
inline constexpr FormName Programmer{u"Programmer"};
inline constexpr FormName Akhir{u"Akhir"};
inline constexpr FormName Bantuan{u"Bantuan"};
inline constexpr FormName Form1{u"Form1"};

inline constexpr FormName Data{u"Data"};
inline constexpr FormName AhliWaris{u"Ahli_Waris"};
inline constexpr FormName Berapa{u"Berapa"};
inline constexpr FormName Hasil{u"Hasil"};
inline constexpr FormName Detail{u"Detail"};
inline constexpr FormName Pembagian{u"Pembagian"};

inline constexpr FormName Form2{u"Form2"};
inline constexpr FormName Form4{u"Form4"};
inline constexpr FormName Form5{u"Form5"};
inline constexpr FormName Form6{u"Form6"};
inline constexpr FormName Form7{u"Form7"};
inline constexpr FormName Form8{u"Form8"};
inline constexpr FormName ZakatLengkap{u"ZakatLengkap"};

// Start-up creates every form before the first is used, in three steps between which the splash
// window changes its text. The zakat help Form1 is created on first use.
inline constexpr std::array startUpFirst{AhliWaris, Akhir, Bantuan, Berapa};
inline constexpr std::array startUpSecond{Data,  Detail, Form2, Form4, Form5,
                                          Form6, Form7,  Form8, Awal};
inline constexpr std::array startUpLast{Hasil, Programmer, Sandi};

// What the password window's Exit closes before the program ends (itself excluded).
inline constexpr std::array passwordExitOrder{Awal,   AhliWaris,    Akhir, Bantuan,   Berapa, Data,
                                              Detail, Form2,        Form4, Form5,     Form6,  Form7,
                                              Form8,  ZakatLengkap, Hasil, Programmer};

// What the closing window hides at once, and what it closes after its pause, itself last.
inline constexpr std::array closingHidesAtOnce{Form8, ZakatLengkap, Hasil, Pembagian};
inline constexpr std::array closingOrder{
    AhliWaris, Awal,  Bantuan, Berapa, Data,         Detail, Pembagian,  Form2, Form4,
    Form5,     Form6, Form7,   Form8,  ZakatLengkap, Hasil,  Programmer, Sandi, Akhir};

} // namespace forms

} // namespace zw
