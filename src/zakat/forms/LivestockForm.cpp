#include "zakat/forms/LivestockForm.h"

#include "ui/AppContext.h"
#include "zakat/engine/designed/ZakatRules.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace zw::zakat {

LivestockForm::LivestockForm(AppContext& context, ZakatRoad& road)
    : ZakatKindForm(context, road, ZakatKind::Ternak, u"Label4"_s, u" "_s, u"&Hasilnya..."_s) {
    setWindowTitle(u"ZAKAT TERNAK"_s);
    m_herd = addInputRow(0, {u"Label1"_s, u"Jumlah &Ternak Anda"_s, u"Text1"_s});
    QGroupBox* frame =
        addOptionFrame(u"Jenis Ternak"_s, m_goats, u"&Kambing"_s, m_cattle, u"&Sapi / Kerbau"_s);
    inputGrid()->addWidget(frame, 1, 0, 1, 2);
}

void LivestockForm::clearInputs() {
    m_herd->clear();
    deselectOptions(m_goats, m_cattle);
}

void LivestockForm::setInputsLocked(bool locked) {
    m_herd->setReadOnly(locked);
    m_goats->setEnabled(!locked);
    m_cattle->setEnabled(!locked);
}

void LivestockForm::compute() {
    if (!m_goats->isChecked() && !m_cattle->isChecked()) {
        reportIncomplete(m_herd);
        return;
    }
    if (m_herd->text().isEmpty()) {
        reportIncomplete(nullptr);
        return;
    }
    const Livestock livestock = m_goats->isChecked() ? Livestock::Goats : Livestock::Cattle;
    const auto result = livestockZakat(m_herd->text(), livestock, context().locale);
    if (std::holds_alternative<BadField>(result)) {
        reportBadField(m_herd);
        return;
    }
    showResult(std::get<LivestockResult>(result).sentence);
}

} // namespace zw::zakat
