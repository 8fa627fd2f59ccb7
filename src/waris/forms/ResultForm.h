#pragma once

#include "ui/Form.h"
#include "waris/engine/designed/InheritanceSheet.h"

#include <array>

class QGridLayout;
class QLabel;
class QPushButton;

namespace zw::waris {

// Hasil: the particulars of the deceased, the estate, the total divided and the remainder, with
// the ways on: detail, save, print, a new calculation, zakat, help and the end. Saving and
// printing write the sheet, which Detail shows too.
class ResultForm final : public Form {
    Q_OBJECT

public:
    ResultForm(AppContext& context, const InheritanceSheet& sheet);

    // Shows the sheet's particulars and totals as they are now.
    void showSheet();

protected:
    void closeRequested() override;
    // Escape has no role here.
    void reject() override {}
    void fitToFont() override;

private:
    void save();
    void print();
    void startOver();
    void showHelp();
    void showDetail();
    void showDivision();
    void hideDivision();
    void goToZakat();
    void leave();

    const InheritanceSheet& m_sheet;
    std::array<QLabel*, 6> m_fieldValues{};
    QLabel* m_dividedValue = nullptr;
    QLabel* m_remainderValue = nullptr;
    QGridLayout* m_grid = nullptr;
    static constexpr std::size_t ButtonCount = 8;
    std::array<QPushButton*, ButtonCount> m_buttons{};
};

} // namespace zw::waris
