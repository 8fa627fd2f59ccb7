#include "app/AppNavigation.h"

#include "ui/AppContext.h"
#include "ui/Form.h"
#include "ui/FormRegistry.h"
#include "waris/forms/WarisForms.h"
#include "zakat/forms/ZakatForms.h"

namespace zw {

namespace {

void showNow(Form& form) {
    form.show();
    form.repaint();
}

} // namespace

AppNavigation::AppNavigation(AppContext& context)
    : m_context(context) {}

void AppNavigation::toZakat() {
    zakat::clearZakatPayer(m_context);
    showNow(m_context.forms.form(forms::Form2));
}

void AppNavigation::toInheritance() {
    waris::resetInheritanceEntry(m_context);
    m_context.forms.form(forms::Data).show();
}

void AppNavigation::toClosing() {
    showNow(m_context.forms.form(forms::Akhir));
}

} // namespace zw
