#pragma once

#include "ui/FormName.h"
#include "waris/forms/WarisFormNames.h"
#include "zakat/forms/ZakatFormNames.h"

#include <array>

namespace zw::forms {

inline constexpr FormName Splash{u"Splash"};
inline constexpr FormName Awal{u"Awal"};
inline constexpr FormName Sandi{u"Sandi"};
inline constexpr FormName Programmer{u"Programmer"};
inline constexpr FormName Akhir{u"Akhir"};
inline constexpr FormName Bantuan{u"Bantuan"};
inline constexpr FormName Form1{u"Form1"};

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

} // namespace zw::forms
