#pragma once

#include "zakat/forms/ZakatKindForm.h"

namespace zw::zakat {

// Form7: zakat fitrah of a household, in rice and in money.
class FitrahForm : public ZakatKindForm {
    Q_OBJECT

public:
    FitrahForm(AppContext& context, ZakatRoad& road);

protected:
    void clearInputs() override;
    void setInputsLocked(bool locked) override;
    void compute() override;

private:
    QLineEdit* m_dependants = nullptr;
    QLineEdit* m_ricePrice = nullptr;
};

} // namespace zw::zakat
