#include "zakat/forms/FitrahForm.h"

#include "ui/AppContext.h"
#include "zakat/engine/designed/ZakatRules.h"
#include "zakat/forms/ZakatRoad.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace zw::zakat {

FitrahForm::FitrahForm(AppContext& context, ZakatRoad& road)
    : ZakatKindForm(context, road, ZakatKind::Fitrah, u"Label5"_s, u" "_s, u"&Hasilnya..."_s) {
    setWindowTitle(u" ZAKAT FITRAH"_s);
    m_dependants =
        addInputRow(0, {u"Label1"_s, u"Jumlah &Tanggungan"_s, u"Text1"_s, u"Label2"_s, u"Orang"_s});
    m_ricePrice = addInputRow(
        1, {u"Label3"_s, u"Harga &Beras Saat Ini"_s, u"Text2"_s, u"Label4"_s, u"/ Liter"_s});
}

void FitrahForm::clearInputs() {
    m_dependants->clear();
    m_ricePrice->clear();
}

void FitrahForm::setInputsLocked(bool locked) {
    m_dependants->setReadOnly(locked);
    m_ricePrice->setReadOnly(locked);
}

void FitrahForm::compute() {
    if (m_dependants->text().isEmpty() || m_ricePrice->text().isEmpty()) {
        reportIncomplete(m_dependants);
        return;
    }
    const auto result = fitrahZakat(m_dependants->text(), m_ricePrice->text(), context().locale);
    if (const auto* bad = std::get_if<BadField>(&result)) {
        reportBadField(bad->field == 0 ? m_dependants : m_ricePrice);
        return;
    }
    const QString& sentence = std::get<FitrahResult>(result).sentence;
    road().recordFitrah(sentence);
    showResult(sentence);
}

} // namespace zw::zakat
