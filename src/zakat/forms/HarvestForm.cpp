#include "zakat/forms/HarvestForm.h"

#include "ui/AppContext.h"
#include "zakat/engine/designed/ZakatRules.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace zw::zakat {

HarvestForm::HarvestForm(AppContext& context, ZakatRoad& road)
    : ZakatKindForm(context, road, ZakatKind::Tani, u"Label5"_s, u" "_s, u"&Hasilnya..."_s) {
    setWindowTitle(u"ZAKAT TANI"_s);
    m_harvest = addInputRow(
        0, {u"Label1"_s, u"Jumlah &Panen Anda  "_s, u"Text1"_s, u"Label2"_s, u"Kilogram"_s});
    QGroupBox* frame = addOptionFrame(u"Sistem Pengairan"_s, m_irrigated, u"&Diairi"_s,
                                      m_notIrrigated, u"&Tidak Diairi"_s);
    inputGrid()->addWidget(frame, 1, 0, 1, 3);
}

void HarvestForm::clearInputs() {
    m_harvest->clear();
    deselectOptions(m_irrigated, m_notIrrigated);
}

void HarvestForm::setInputsLocked(bool locked) {
    // The irrigation choice stays selectable after a result.
    m_harvest->setReadOnly(locked);
}

void HarvestForm::compute() {
    if (m_harvest->text().isEmpty()) {
        reportIncomplete(m_harvest);
        return;
    }
    if (!m_irrigated->isChecked() && !m_notIrrigated->isChecked()) {
        reportIncomplete(nullptr);
        return;
    }
    const Irrigation irrigation =
        m_irrigated->isChecked() ? Irrigation::Irrigated : Irrigation::NotIrrigated;
    const auto result = harvestZakat(m_harvest->text(), irrigation, context().locale);
    if (std::holds_alternative<BadField>(result)) {
        reportBadField(m_harvest);
        return;
    }
    showResult(std::get<HarvestResult>(result).sentence);
}

} // namespace zw::zakat
