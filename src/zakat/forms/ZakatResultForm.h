#pragma once

#include "ui/Form.h"
#include "zakat/engine/designed/ZakatReport.h"

#include <array>

class QLabel;

namespace zw::zakat {

class ZakatRoad;

// Form8: shows the zakat result sheet of the road's state, which the payer form and the kind forms
// of a run fill; saving and printing write that sheet.
class ZakatResultForm : public Form {
    Q_OBJECT

public:
    ZakatResultForm(AppContext& context, ZakatRoad& road);

    // Shows the sheet as it is now.
    void showSheet();

    // Escape does nothing here: only the buttons and the window's close leave this form.
    void reject() override {}

protected:
    void closeRequested() override;
    void fitToFont() override;

private:
    void startAgain();
    void finish();
    void toInheritance();
    void save();
    void print();
    void showHelp();

    ZakatRoad& m_road;
    std::array<QLabel*, 5> m_values{};
    std::array<QLabel*, 4> m_rowKinds{};
    std::array<QLabel*, 4> m_rowSentences{};
};

} // namespace zw::zakat
