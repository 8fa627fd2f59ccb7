#pragma once

#include "ui/Form.h"
#include "zakat/engine/ZakatReport.h"
#include "zakat/forms/ZakatKind.h"
#include "zakat/forms/ZakatState.h"

#include <array>

class QLabel;

namespace zw::zakat {

// Form8: the zakat result sheet. The payer form writes the particulars, each kind form of a
// run its row; saving and printing read the captions shown at that moment.
class ZakatResultForm : public Form {
    Q_OBJECT

public:
    ZakatResultForm(AppContext& context, ZakatState& state);

    // Name, address, telephone, place and date of birth, occupation.
    void setParticulars(const std::array<QString, 5>& values);
    void clearRows();
    // Counts the row in the run's row count and fills that row.
    void fillNextRow(ZakatKind kind, const QString& sentence);

    ZakatSheet sheet() const;

    // Escape does nothing here: only the buttons and the window's close leave this form.
    void reject() override {}

protected:
    void closeRequested() override;

private:
    void startAgain();
    void finish();
    void toInheritance();
    void save();
    void print();
    void showHelp();

    ZakatState& m_state;
    QLabel* m_title = nullptr;
    QLabel* m_kindHeading = nullptr;
    QLabel* m_noteHeading = nullptr;
    std::array<QLabel*, 5> m_fieldNames{};
    std::array<QLabel*, 5> m_colons{};
    std::array<QLabel*, 5> m_values{};
    std::array<QLabel*, 4> m_rowKinds{};
    std::array<QLabel*, 4> m_rowSentences{};
};

} // namespace zw::zakat
