#pragma once

#include "ui/Form.h"
#include "zakat/forms/ZakatKind.h"

#include <array>

class QCheckBox;
class QLineEdit;

namespace zw::zakat {

class ZakatRoad;

// Form2: the payer's particulars and the kinds of zakat; its OK starts a run through the
// chosen kind forms.
class PayerForm : public Form {
    Q_OBJECT

public:
    PayerForm(AppContext& context, ZakatRoad& road);

    bool isChosen(ZakatKind kind) const;
    // Empties the five particulars and unticks the four kinds.
    void clear();
    void focusName();

    // Escape does nothing here: only the buttons and the window's close leave this form.
    void reject() override {}

protected:
    void closeRequested() override;

private:
    void startRun();
    void openComplete();
    void goBack();
    void leaveProgram();

    ZakatRoad& m_road;
    std::array<QLineEdit*, 5> m_particulars{};
    std::array<QCheckBox*, 4> m_kinds{}; // indexed by ZakatKind
};

} // namespace zw::zakat
