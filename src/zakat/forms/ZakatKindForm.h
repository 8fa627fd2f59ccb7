#pragma once

#include "ui/Form.h"
#include "zakat/forms/ZakatKind.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace zw::zakat {

class ZakatRoad;

// What the four kind forms share: the result label, "&Hasilnya..." and "&O  K  >>", the reset
// on every showing, and the step of the chain. A kind form is shown with exec(); its result
// tells the form before it whether the run went on to the end (Accepted) or was cancelled.
class ZakatKindForm : public Form {
    Q_OBJECT

public:
    // Makes the inputs editable again for the next run.
    void unlockInputs() { setInputsLocked(false); }

protected:
    // The result label shows emptyResult until a result is computed.
    ZakatKindForm(AppContext& context, ZakatRoad& road, ZakatKind kind,
                  const QString& resultLabelName, const QString& emptyResult,
                  const QString& computeCaption);

    struct InputRow {
        QString labelName;
        QString caption;
        QString fieldName;
        QString unitName = {};
        QString unitCaption = {};
    };
    // One row of the input grid: the caption (which labels the field), the field, its unit.
    QLineEdit* addInputRow(int row, const InputRow& input);
    // The subclass puts further inputs here.
    QGridLayout* inputGrid() const { return m_inputs; }
    // A frame "Frame1" with the exclusive pair "Option1" and "Option2".
    QGroupBox* addOptionFrame(const QString& title, QRadioButton*& first,
                              const QString& firstCaption, QRadioButton*& second,
                              const QString& secondCaption);
    static void deselectOptions(QRadioButton* first, QRadioButton* second);

    // Empties the inputs and the choice of options (and enables the options).
    virtual void clearInputs() = 0;
    virtual void setInputsLocked(bool locked) = 0;
    // "&Hasilnya...": checks, then the rule; ends in showResult() or one of the reports.
    virtual void compute() = 0;

    void reportIncomplete(QWidget* focus);
    void reportBadField(QWidget* field);
    void showResult(const QString& sentence);

    void activate() override;
    // Escape and the window's close cancel the whole run.
    void closeRequested() override;
    void fitToFont() override;

private:
    // Inputs come in the tab order as the subclass adds them, before the buttons.
    void appendToTabOrder(QWidget* first, QWidget* last);
    void goOn();

protected:
    ZakatRoad& road() const { return m_road; }

private:
    ZakatRoad& m_road;
    ZakatKind m_kind;
    QString m_sentence;
    QString m_emptyResult;
    QGridLayout* m_inputs = nullptr;
    QWidget* m_firstInput = nullptr;
    QLabel* m_result = nullptr;
    QPushButton* m_compute = nullptr;
    QPushButton* m_next = nullptr;
};

} // namespace zw::zakat
