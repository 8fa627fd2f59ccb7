#include "zakat/WealthForm.h"

#include "shell/AppContext.h"
#include "zakat/ZakatRules.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace zw::zakat {

WealthForm::WealthForm(AppContext& context)
    : ZakatKindForm(context, ZakatKind::Harta, u"Label3"_s, QString(), u"&Hasilnya ..."_s) {
    setWindowTitle(u"ZAKAT HARTA"_s);
    m_wealth = addLineEdit(u"Text1"_s);
    m_goldPrice = addLineEdit(u"Text2"_s);

    QLabel* wealthLabel = addLabel(u"Label1"_s, u"Jumlah Harta &Anda :  Rp. "_s);
    QLabel* goldLabel = addLabel(u"Label2"_s, u"Harga &Emas Saat Ini :  Rp. "_s);
    wealthLabel->setBuddy(m_wealth);
    goldLabel->setBuddy(m_goldPrice);

    QGridLayout* grid = inputGrid();
    grid->addWidget(wealthLabel, 0, 0);
    grid->addWidget(m_wealth, 0, 1);
    grid->addWidget(addLabel(u"Label4"_s, u"(bersih)"_s), 0, 2);
    grid->addWidget(goldLabel, 1, 0);
    grid->addWidget(m_goldPrice, 1, 1);
    grid->addWidget(addLabel(u"Label5"_s, u"/  gram"_s), 1, 2);
}

void WealthForm::clearInputs() {
    m_wealth->clear();
    m_goldPrice->clear();
}

void WealthForm::setInputsLocked(bool locked) {
    m_wealth->setReadOnly(locked);
    m_goldPrice->setReadOnly(locked);
}

void WealthForm::compute() {
    if (m_wealth->text().isEmpty() || m_goldPrice->text().isEmpty()) {
        reportIncomplete(m_wealth);
        return;
    }
    const auto result = wealthZakat(m_wealth->text(), m_goldPrice->text(), context().locale);
    if (const auto* bad = std::get_if<BadField>(&result)) {
        reportBadField(bad->field == 0 ? m_wealth : m_goldPrice);
        return;
    }
    showResult(std::get<WealthResult>(result).sentence);
}

} // namespace zw::zakat
