#include "waris/forms/WarisForms.h"

#include "ui/AppContext.h"
#include "ui/FormRegistry.h"
#include "waris/forms/CountForm.h"
#include "waris/forms/DeceasedForm.h"
#include "waris/forms/DetailForm.h"
#include "waris/forms/DivisionForm.h"
#include "waris/forms/HeirSelectionForm.h"
#include "waris/forms/ResultForm.h"
#include "waris/forms/WarisState.h"

namespace zw::waris {

void registerWarisForms(AppContext& context, WarisState& state) {
    FormRegistry& registry = context.forms;
    registry.add(forms::Data,
                 [&context, &state] { return new DeceasedForm(context, state.sheet); });
    registry.add(forms::AhliWaris,
                 [&context, &state] { return new HeirSelectionForm(context, state); });
    registry.add(forms::Berapa, [&context] { return new CountForm(context); });
    registry.add(forms::Hasil, [&context, &state] { return new ResultForm(context, state.sheet); });
    registry.add(forms::Detail,
                 [&context, &state] { return new DetailForm(context, state.sheet); });
    registry.add(forms::Pembagian, [&context, &state] { return new DivisionForm(context, state); });
}

void resetInheritanceEntry(AppContext& context) {
    FormRegistry& registry = context.forms;
    registry.get<DeceasedForm>(forms::Data).clearEntry();
    registry.get<HeirSelectionForm>(forms::AhliWaris).resetEntry();
    registry.get<DetailForm>(forms::Detail).clearRows();
    if (registry.exists(forms::Pembagian))
        registry.get<DivisionForm>(forms::Pembagian).clearEntry();
}

void clearDeceasedTexts(AppContext& context) {
    context.forms.get<DeceasedForm>(forms::Data).clearTexts();
}

} // namespace zw::waris
