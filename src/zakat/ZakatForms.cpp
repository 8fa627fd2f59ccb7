#include "zakat/ZakatForms.h"

#include "shell/AppContext.h"
#include "shell/FormRegistry.h"
#include "zakat/FitrahForm.h"
#include "zakat/HarvestForm.h"
#include "zakat/LivestockForm.h"
#include "zakat/PayerForm.h"
#include "zakat/WealthForm.h"
#include "zakat/ZakatResultForm.h"

using namespace Qt::StringLiterals;

namespace zw {

void registerZakatForms(AppContext& context) {
    context.forms.add(u"Form2"_s, [&context] { return new zakat::PayerForm(context); });
    context.forms.add(u"Form4"_s, [&context] { return new zakat::WealthForm(context); });
    context.forms.add(u"Form5"_s, [&context] { return new zakat::HarvestForm(context); });
    context.forms.add(u"Form6"_s, [&context] { return new zakat::LivestockForm(context); });
    context.forms.add(u"Form7"_s, [&context] { return new zakat::FitrahForm(context); });
    context.forms.add(u"Form8"_s, [&context] { return new zakat::ZakatResultForm(context); });
}

void clearZakatPayer(AppContext& context) {
    context.forms.get<zakat::PayerForm>(u"Form2"_s).clear();
}

} // namespace zw
