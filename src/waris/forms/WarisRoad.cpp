#include "waris/forms/WarisRoad.h"

#include "common/NumberReader.h"
#include "ui/AppContext.h"
#include "ui/FormRegistry.h"
#include "waris/forms/CountForm.h"
#include "waris/forms/DeceasedForm.h"
#include "waris/forms/DetailForm.h"
#include "waris/forms/DivisionForm.h"
#include "waris/forms/HeirSelectionForm.h"
#include "waris/forms/ResultForm.h"
#include "waris/forms/WarisFormNames.h"

namespace zw::waris {

WarisRoad::WarisRoad(AppContext& context)
    : m_context(context) {}

void WarisRoad::registerForms() {
    FormRegistry& registry = m_context.forms;
    AppContext& context = m_context;
    registry.add(forms::Data, [&context, this] { return new DeceasedForm(context, *this); });
    registry.add(forms::AhliWaris,
                 [&context, this] { return new HeirSelectionForm(context, *this); });
    registry.add(forms::Berapa, [&context] { return new CountForm(context); });
    registry.add(forms::Hasil, [&context, this] { return new ResultForm(context, m_state.sheet); });
    registry.add(forms::Detail,
                 [&context, this] { return new DetailForm(context, m_state.sheet); });
    registry.add(forms::Pembagian, [&context, this] { return new DivisionForm(context, m_state); });
}

void WarisRoad::enter() {
    FormRegistry& registry = m_context.forms;
    auto& deceased = registry.get<DeceasedForm>(forms::Data);
    deceased.clearTexts();
    deceased.show();
}

bool WarisRoad::newCase() {
    auto& division = m_context.forms.get<DivisionForm>(forms::Pembagian);
    if (!division.newCase())
        return false;
    division.show();
    division.raise();
    division.activateWindow();
    return true;
}

bool WarisRoad::openCase(const QString& path) {
    auto& division = m_context.forms.get<DivisionForm>(forms::Pembagian);
    if (!division.openCase(path))
        return false;
    division.show();
    division.raise();
    division.activateWindow();
    return true;
}

bool WarisRoad::mayQuit() {
    FormRegistry& registry = m_context.forms;
    if (!registry.exists(forms::Pembagian))
        return true;
    return registry.get<DivisionForm>(forms::Pembagian).mayQuit();
}

void WarisRoad::showCase() {
    Form& division = m_context.forms.form(forms::Pembagian);
    division.show();
    division.raise();
    division.activateWindow();
}

void WarisRoad::startAfresh() {
    FormRegistry& registry = m_context.forms;
    if (registry.exists(forms::Pembagian)) {
        auto& division = registry.get<DivisionForm>(forms::Pembagian);
        division.hide();
        division.clearEntry();
    }
    registry.get<HeirSelectionForm>(forms::AhliWaris).resetEntry();
    m_state.sheet.clearRows();
    registry.get<DetailForm>(forms::Detail).showSheet();
    auto& deceased = registry.get<DeceasedForm>(forms::Data);
    deceased.clearEntry();
    deceased.show();
    deceased.repaint();
}

void WarisRoad::recordDeceased(const std::array<QString, 6>& particulars, DeceasedSex sex) {
    FormRegistry& registry = m_context.forms;
    auto& heirs = registry.get<HeirSelectionForm>(forms::AhliWaris);
    heirs.excludeSpouse(sex);
    m_state.sheet.particulars = particulars;
    registry.get<ResultForm>(forms::Hasil).showSheet();
    heirs.show();
    heirs.repaint();
    registry.form(forms::Data).hide();
}

std::optional<CalculationError> WarisRoad::calculate(const HeirSelection& chosen,
                                                     const CountAsker& askCount) {
    FormRegistry& registry = m_context.forms;
    const QString estate = registry.get<DeceasedForm>(forms::Data).estateText();
    const CalculationOutcome outcome =
        waris::calculate(m_state.calculation, chosen, estate, m_context.locale, askCount);
    if (const auto* error = std::get_if<CalculationError>(&outcome))
        return *error;

    m_state.sheet.setCalculation(std::get<CalculationResult>(outcome));
    m_state.lastSelection = chosen;
    m_state.estate = readFieldAmount(m_state.calculation.estateText(), m_context.locale);
    if (registry.exists(forms::Pembagian)) {
        auto& division = registry.get<DivisionForm>(forms::Pembagian);
        if (division.isVisible())
            division.follow();
    }
    registry.get<DetailForm>(forms::Detail).showSheet();
    auto& result = registry.get<ResultForm>(forms::Hasil);
    result.showSheet();
    registry.form(forms::AhliWaris).hide();
    result.show();
    result.repaint();
    return std::nullopt;
}

} // namespace zw::waris
