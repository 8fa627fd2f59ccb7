#include "zakat/FitrahForm.h"

#include "shell/AppContext.h"
#include "shell/AppState.h"
#include "zakat/ZakatRules.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace zw::zakat {

FitrahForm::FitrahForm(AppContext& context)
    : ZakatKindForm(context, ZakatKind::Fitrah, u"Label5"_s, u" "_s, u"&Hasilnya..."_s) {
    setWindowTitle(u" ZAKAT FITRAH"_s);
    m_dependants = addLineEdit(u"Text1"_s);
    m_ricePrice = addLineEdit(u"Text2"_s);

    QLabel* dependantsLabel = addLabel(u"Label1"_s, u"Jumlah &Tanggungan"_s);
    QLabel* priceLabel = addLabel(u"Label3"_s, u"Harga &Beras Saat Ini"_s);
    dependantsLabel->setBuddy(m_dependants);
    priceLabel->setBuddy(m_ricePrice);

    QGridLayout* grid = inputGrid();
    grid->addWidget(dependantsLabel, 0, 0);
    grid->addWidget(m_dependants, 0, 1);
    grid->addWidget(addLabel(u"Label2"_s, u"Orang"_s), 0, 2);
    grid->addWidget(priceLabel, 1, 0);
    grid->addWidget(m_ricePrice, 1, 1);
    grid->addWidget(addLabel(u"Label4"_s, u"/ Liter"_s), 1, 2);
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
    context().state.fitrahText = sentence;
    showResult(sentence);
}

} // namespace zw::zakat
