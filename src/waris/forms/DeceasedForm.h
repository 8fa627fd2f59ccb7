#pragma once

#include "ui/Form.h"
#include "waris/forms/WarisState.h"

#include <QString>

#include <array>
#include <optional>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zw::waris {

class WarisRoad;

// Data: the particulars of the deceased and the net estate; its OK puts them on the result sheet
// and leads to the heir selection.
class DeceasedForm final : public Form {
    Q_OBJECT

public:
    DeceasedForm(AppContext& context, WarisRoad& road);

    std::optional<DeceasedSex> sex() const;
    QString estateText() const;

    // The five text fields only; the sex choice stays.
    void clearTexts();
    // The text fields and the sex choice.
    void clearEntry();

protected:
    void activate() override;
    void closeRequested() override;
    void fitToFont() override;

private:
    void confirm();
    void back();
    void leave();

    WarisRoad& m_road;
    // Name, address, birth, death, estate.
    std::array<QLineEdit*, 5> m_fields{};
    QRadioButton* m_male = nullptr;
    QRadioButton* m_female = nullptr;
};

} // namespace zw::waris
