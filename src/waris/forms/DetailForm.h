#pragma once

#include "ui/Form.h"
#include "waris/engine/designed/InheritanceSheet.h"

#include <array>

class QGridLayout;
class QLabel;

namespace zw::waris {

// Detail: the table of heirs, one row per heir kind of the calculation.
class DetailForm final : public Form {
    Q_OBJECT

public:
    DetailForm(AppContext& context, const InheritanceSheet& sheet);

    // Shows the sheet's rows as they are now.
    void showSheet();

protected:
    void closeRequested() override;
    void fitToFont() override;

private:
    void back();

    // Name, count, amount, note.
    using RowLabels = std::array<QLabel*, 4>;

    const InheritanceSheet& m_sheet;
    QGridLayout* m_grid = nullptr;
    std::array<RowLabels, DetailRowCount> m_rows{};
};

} // namespace zw::waris
