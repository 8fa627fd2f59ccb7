#pragma once

#include "zakat/forms/ZakatKindForm.h"

class QRadioButton;

namespace zw::zakat {

// Form5: zakat on a harvest, from its weight and the manner of irrigation.
class HarvestForm : public ZakatKindForm {
    Q_OBJECT

public:
    HarvestForm(AppContext& context, ZakatRoad& road);

protected:
    void clearInputs() override;
    void setInputsLocked(bool locked) override;
    void compute() override;

private:
    QLineEdit* m_harvest = nullptr;
    QRadioButton* m_irrigated = nullptr;
    QRadioButton* m_notIrrigated = nullptr;
};

} // namespace zw::zakat
