#pragma once

#include "ui/Form.h"
#include "waris/engine/InheritanceReport.h"

#include <array>

class QLabel;

namespace zw::waris {

// Hasil: the particulars of the deceased, the estate, the total divided and the remainder, with
// the ways on: detail, save, print, a new calculation, zakat, help and the end.
class ResultForm final : public Form {
    Q_OBJECT

public:
    explicit ResultForm(AppContext& context);

    // Name, address, birth, death, sex, estate.
    void setParticulars(const std::array<QString, 6>& values);
    void setTotals(const QString& dividedTotal, const QString& remainder);

    // What Hasil and Detail show at this moment.
    InheritanceSheet sheet() const;

protected:
    void closeRequested() override;
    // Escape has no role here.
    void reject() override {}

private:
    void save();
    void print();
    void startOver();
    void showHelp();
    void showDetail();
    void goToZakat();
    void leave();

    QLabel* m_title = nullptr;
    std::array<QLabel*, 6> m_fieldNames{};
    std::array<QLabel*, 8> m_colons{};
    std::array<QLabel*, 6> m_fieldValues{};
    QLabel* m_totalHeading = nullptr;
    QLabel* m_dividedCaption = nullptr;
    QLabel* m_dividedValue = nullptr;
    QLabel* m_remainderCaption = nullptr;
    QLabel* m_remainderValue = nullptr;
};

} // namespace zw::waris
