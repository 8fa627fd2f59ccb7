#include "waris/WarisForms.h"

#include "shell/AppContext.h"
#include "shell/FormRegistry.h"
#include "waris/CountForm.h"
#include "waris/DeceasedForm.h"
#include "waris/DetailForm.h"
#include "waris/HeirSelectionForm.h"
#include "waris/ResultForm.h"

using namespace Qt::StringLiterals;

namespace zw {

void registerWarisForms(AppContext& context) {
    FormRegistry& forms = context.forms;
    forms.add(u"Data"_s, [&context] { return new waris::DeceasedForm(context); });
    forms.add(u"Ahli_Waris"_s, [&context] { return new waris::HeirSelectionForm(context); });
    forms.add(u"Berapa"_s, [&context] { return new waris::CountForm(context); });
    forms.add(u"Hasil"_s, [&context] { return new waris::ResultForm(context); });
    forms.add(u"Detail"_s, [&context] { return new waris::DetailForm(context); });
}

void resetInheritanceEntry(AppContext& context) {
    FormRegistry& forms = context.forms;
    forms.get<waris::DeceasedForm>(u"Data"_s).clearEntry();
    forms.get<waris::HeirSelectionForm>(u"Ahli_Waris"_s).resetEntry();
    forms.get<waris::DetailForm>(u"Detail"_s).clearRows();
}

void clearDeceasedTexts(AppContext& context) {
    context.forms.get<waris::DeceasedForm>(u"Data"_s).clearTexts();
}

} // namespace zw
