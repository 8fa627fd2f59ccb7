#pragma once

// The words of a case's own enumerations, one table each for the file and the window: the sex of
// the deceased and the state a person is in.

#include "common/Choices.h"
#include "waris/engine/kasus/Kasus.h"

namespace zw::waris::choices {

inline constexpr Choice<Sex> SexValues[]{
    {Sex::Male, u"male", u"Laki-laki"},
    {Sex::Female, u"female", u"Perempuan"},
};
inline constexpr ChoiceOption<Sex> Sexes{u"sex", SexValues};

inline constexpr Choice<PersonState> StateValues[]{
    {PersonState::Living, u"living", u"Hidup"},
    {PersonState::Predeceased, u"predeceased", u"Meninggal lebih dahulu",
     u"Meninggal sebelum pewaris; anak-anaknya menggantikan tempatnya"},
    {PersonState::DiedLater, u"died-later", u"Meninggal kemudian",
     u"Meninggal sesudah pewaris, sebelum harta dibagi (munasakhat)"},
    {PersonState::Missing, u"missing", u"Hilang (mafqud)"},
    {PersonState::UnknownSex, u"unknown-sex", u"Khuntsa", u"Jenis kelaminnya tidak diketahui"},
    {PersonState::DiedTogether, u"died-together", u"Meninggal bersama",
     u"Meninggal bersama pewaris, tidak diketahui siapa yang lebih dahulu (gharqa)"},
    {PersonState::Unborn, u"unborn", u"Dalam kandungan (haml)"},
};
inline constexpr ChoiceOption<PersonState> States{u"state", StateValues};

} // namespace zw::waris::choices
