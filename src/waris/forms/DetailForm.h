#pragma once

#include "ui/Form.h"
#include "waris/engine/InheritanceEngine.h"
#include "waris/engine/InheritanceReport.h"

#include <QList>

#include <array>

class QLabel;

namespace zw::waris {

// Detail: the table of heirs, one row per heir kind of the calculation.
class DetailForm final : public Form {
    Q_OBJECT

public:
    explicit DetailForm(AppContext& context);

    // Fills rows 1 to n; the rows below keep what they showed.
    void showRows(const QList<DetailRow>& rows);
    void clearRows();

    std::array<QString, 4> headings() const;
    std::array<InheritanceSheet::Row, DetailRowCount> rows() const;

protected:
    void closeRequested() override;

private:
    void back();

    // Name, count, amount, note.
    using RowLabels = std::array<QLabel*, 4>;

    std::array<QLabel*, 4> m_headings{};
    std::array<RowLabels, DetailRowCount> m_rows{};
};

} // namespace zw::waris
