#include "zakat/forms/ZakatRoad.h"

#include "ui/AppContext.h"
#include "ui/FormRegistry.h"
#include "ui/Navigation.h"
#include "zakat/forms/CompleteZakatForm.h"
#include "zakat/forms/FitrahForm.h"
#include "zakat/forms/HarvestForm.h"
#include "zakat/forms/LivestockForm.h"
#include "zakat/forms/PayerForm.h"
#include "zakat/forms/WealthForm.h"
#include "zakat/forms/ZakatFormNames.h"
#include "zakat/forms/ZakatResultForm.h"

namespace zw::zakat {

ZakatRoad::ZakatRoad(AppContext& context)
    : m_context(context) {}

void ZakatRoad::registerForms() {
    FormRegistry& registry = m_context.forms;
    AppContext& context = m_context;
    registry.add(forms::Form2, [&context, this] { return new PayerForm(context, *this); });
    registry.add(forms::Form4, [&context, this] { return new WealthForm(context, *this); });
    registry.add(forms::Form5, [&context, this] { return new HarvestForm(context, *this); });
    registry.add(forms::Form6, [&context, this] { return new LivestockForm(context, *this); });
    registry.add(forms::Form7, [&context, this] { return new FitrahForm(context, *this); });
    registry.add(forms::Form8, [&context, this] { return new ZakatResultForm(context, *this); });
    registry.add(forms::ZakatLengkap, [&context] { return new CompleteZakatForm(context); });
}

void ZakatRoad::enter() {
    auto& payer = m_context.forms.get<PayerForm>(forms::Form2);
    payer.clear();
    payer.show();
    payer.repaint();
}

void ZakatRoad::startAfresh() {
    FormRegistry& registry = m_context.forms;
    auto& payer = registry.get<PayerForm>(forms::Form2);
    payer.clear();
    for (ZakatKind kind : askingOrder)
        registry.get<ZakatKindForm>(kindFormName(kind)).unlockInputs();
    m_state.sheet = {};
    auto& sheet = registry.get<ZakatResultForm>(forms::Form8);
    sheet.showSheet();
    sheet.hide();
    payer.show();
    payer.focusName();
}

void ZakatRoad::startRun(const std::array<QString, 5>& particulars,
                         const QList<ZakatKind>& chosen) {
    // A new run builds the sheet afresh, so rows always fill from the first one.
    m_state.sheet = {};
    m_state.sheet.particulars = particulars;
    m_state.answers.clear();
    m_state.chosen = chosen;
    auto& sheet = m_context.forms.get<ZakatResultForm>(forms::Form8);
    sheet.showSheet();
    sheet.hide();
    if (!chosen.isEmpty())
        m_context.forms.form(kindFormName(chosen.first())).exec();
}

bool ZakatRoad::kindAnswered(ZakatKind kind, const QString& sentence) {
    m_state.answers.append({kind, sentence});
    const qsizetype next = m_state.chosen.indexOf(kind) + 1;
    if (next > 0 && next < m_state.chosen.size())
        return m_context.forms.form(kindFormName(m_state.chosen[next])).exec() == QDialog::Accepted;
    m_state.fillRows();
    auto& sheet = m_context.forms.get<ZakatResultForm>(forms::Form8);
    sheet.showSheet();
    sheet.show();
    return true;
}

void ZakatRoad::leaveForInheritance() {
    m_context.navigation.hideHelp(Road::Zakat);
    m_context.forms.form(forms::Form8).hide();
    m_context.navigation.startAfresh(Road::Inheritance);
    m_state.sheet.filledRows = 0;
}

} // namespace zw::zakat
