#pragma once

#include "ui/Form.h"

#include <QString>

#include <optional>

class QLabel;
class QLineEdit;

namespace zw::waris {

// Berapa: the modal question for the number of persons of one heir kind.
class CountForm final : public Form {
    Q_OBJECT

public:
    explicit CountForm(AppContext& context);

    // Shows the question modal; the count as typed, or nothing when the user cancelled.
    std::optional<QString> ask(const QString& question);

    QString enteredCount() const;

protected:
    void activate() override;
    void closeRequested() override;
    void fitToFont() override;

private:
    void confirm();

    QLabel* m_question = nullptr;
    QLineEdit* m_count = nullptr;
};

} // namespace zw::waris
