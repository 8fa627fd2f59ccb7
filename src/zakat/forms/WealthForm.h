#pragma once

#include "zakat/forms/ZakatKindForm.h"

namespace zw::zakat {

// Form4: zakat on wealth, from the net wealth and today's price of gold.
class WealthForm : public ZakatKindForm {
    Q_OBJECT

public:
    WealthForm(AppContext& context, ZakatRoad& road);

protected:
    void clearInputs() override;
    void setInputsLocked(bool locked) override;
    void compute() override;

private:
    QLineEdit* m_wealth = nullptr;
    QLineEdit* m_goldPrice = nullptr;
};

} // namespace zw::zakat
