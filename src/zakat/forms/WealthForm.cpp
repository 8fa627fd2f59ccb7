#include "zakat/forms/WealthForm.h"

#include "ui/AppContext.h"
#include "zakat/engine/designed/ZakatRules.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace zw::zakat {

WealthForm::WealthForm(AppContext& context, ZakatRoad& road)
    : ZakatKindForm(context, road, ZakatKind::Harta, u"Label3"_s, QString(), u"&Hasilnya ..."_s) {
    setWindowTitle(u"ZAKAT HARTA"_s);
    m_wealth = addInputRow(
        0, {u"Label1"_s, u"Jumlah Harta &Anda :  Rp. "_s, u"Text1"_s, u"Label4"_s, u"(bersih)"_s});
    m_goldPrice = addInputRow(
        1, {u"Label2"_s, u"Harga &Emas Saat Ini :  Rp. "_s, u"Text2"_s, u"Label5"_s, u"/  gram"_s});
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
