#pragma once

#include "common/Choices.h"
#include "zakat/engine/complete/ZakatInput.h"

#include <QStringList>
#include <QStringView>

#include <vector>

namespace zw::zakat::complete {

// The choices of the complete zakat: the command's option and words (the JSON's too) and the
// window's labels, each written once.
const ChoiceOption<NishabBasis>& nishabOption();
const ChoiceOption<bool>& haulOption(); // true: the haul is complete
const ChoiceOption<Period>& periodOption();
const ChoiceOption<Irrigation>& irrigationOption();
const ChoiceOption<FitrahForm>& fitrahFormOption();

// Every option above, in the order the help lists them.
std::vector<OptionWords> choiceWords();

} // namespace zw::zakat::complete
