#pragma once

#include "zakat/forms/ZakatKindForm.h"

namespace zw::zakat {

// Form6: zakat on a herd of goats or of cattle and buffalo.
class LivestockForm : public ZakatKindForm {
    Q_OBJECT

public:
    LivestockForm(AppContext& context, ZakatRoad& road);

protected:
    void clearInputs() override;
    void setInputsLocked(bool locked) override;
    void compute() override;

private:
    QLineEdit* m_herd = nullptr;
    QRadioButton* m_goats = nullptr;
    QRadioButton* m_cattle = nullptr;
};

} // namespace zw::zakat
