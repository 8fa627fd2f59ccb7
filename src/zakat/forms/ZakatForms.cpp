#include "zakat/forms/ZakatForms.h"

#include "ui/AppContext.h"
#include "ui/FormRegistry.h"
#include "zakat/forms/CompleteZakatForm.h"
#include "zakat/forms/FitrahForm.h"
#include "zakat/forms/HarvestForm.h"
#include "zakat/forms/LivestockForm.h"
#include "zakat/forms/PayerForm.h"
#include "zakat/forms/WealthForm.h"
#include "zakat/forms/ZakatResultForm.h"
#include "zakat/forms/ZakatState.h"

namespace zw::zakat {

void registerZakatForms(AppContext& context, ZakatState& state) {
    FormRegistry& registry = context.forms;
    registry.add(forms::Form2, [&context, &state] { return new PayerForm(context, state); });
    registry.add(forms::Form4, [&context, &state] { return new WealthForm(context, state); });
    registry.add(forms::Form5, [&context, &state] { return new HarvestForm(context, state); });
    registry.add(forms::Form6, [&context, &state] { return new LivestockForm(context, state); });
    registry.add(forms::Form7, [&context, &state] { return new FitrahForm(context, state); });
    registry.add(forms::Form8, [&context, &state] { return new ZakatResultForm(context, state); });
    registry.add(forms::ZakatLengkap, [&context] { return new CompleteZakatForm(context); });
}

void clearZakatPayer(AppContext& context) {
    context.forms.get<PayerForm>(forms::Form2).clear();
}

} // namespace zw::zakat
