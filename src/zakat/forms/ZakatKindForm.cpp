#include "zakat/forms/ZakatKindForm.h"

#include "ui/AppContext.h"
#include "ui/Dialogs.h"
#include "ui/FormWidgets.h"
#include "ui/Messages.h"
#include "zakat/forms/ZakatRoad.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace zw::zakat {

ZakatKindForm::ZakatKindForm(AppContext& context, ZakatRoad& road, ZakatKind kind,
                             const QString& resultLabelName, const QString& emptyResult,
                             const QString& computeCaption)
    : Form(context)
    , m_road(road)
    , m_kind(kind)
    , m_emptyResult(emptyResult) {
    m_inputs = new QGridLayout;
    m_inputs->setHorizontalSpacing(10);

    m_result = new QLabel(this);
    m_result->setObjectName(resultLabelName);
    m_result->setTextFormat(Qt::PlainText);
    m_result->setWordWrap(true);
    m_result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont resultFont = m_result->font();
    resultFont.setBold(true);
    m_result->setFont(resultFont);

    m_compute = new QPushButton(computeCaption, this);
    m_compute->setObjectName(u"Command2"_s);
    m_next = new QPushButton(u"&O  K  >>"_s, this);
    m_next->setObjectName(u"Command1"_s);
    for (QPushButton* button : {m_compute, m_next})
        button->setAutoDefault(false);
    connect(m_compute, &QPushButton::clicked, this, [this] { compute(); });
    connect(m_next, &QPushButton::clicked, this, [this] { goOn(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_compute);
    buttons->addWidget(m_next);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(m_inputs);
    layout->addSpacing(8);
    layout->addWidget(m_result);
    layout->addSpacing(6);
    layout->addLayout(buttons);
}

QLineEdit* ZakatKindForm::addInputRow(int row, const InputRow& input) {
    auto* field = new QLineEdit(this);
    field->setObjectName(input.fieldName);
    field->setMinimumWidth(160);
    appendToTabOrder(field, field);
    QLabel* caption = makeLabel(this, input.labelName, input.caption);
    caption->setBuddy(field);
    m_inputs->addWidget(caption, row, 0);
    m_inputs->addWidget(field, row, 1);
    if (!input.unitName.isEmpty())
        m_inputs->addWidget(makeLabel(this, input.unitName, input.unitCaption), row, 2);
    return field;
}

QGroupBox* ZakatKindForm::addOptionFrame(const QString& title, QRadioButton*& first,
                                         const QString& firstCaption, QRadioButton*& second,
                                         const QString& secondCaption) {
    auto* frame = new QGroupBox(title, this);
    frame->setObjectName(u"Frame1"_s);
    first = new QRadioButton(firstCaption, frame);
    first->setObjectName(u"Option1"_s);
    second = new QRadioButton(secondCaption, frame);
    second->setObjectName(u"Option2"_s);
    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(first);
    layout->addWidget(second);
    layout->addStretch();
    appendToTabOrder(first, second);
    return frame;
}

void ZakatKindForm::appendToTabOrder(QWidget* first, QWidget* last) {
    if (!m_firstInput)
        m_firstInput = first;
    // The buttons exist before the inputs that the subclass adds above them.
    setTabOrder(last, m_compute);
    setTabOrder(m_compute, m_next);
}

void ZakatKindForm::deselectOptions(QRadioButton* first, QRadioButton* second) {
    // An exclusive pair cannot be emptied while it is exclusive.
    for (QRadioButton* option : {first, second}) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

void ZakatKindForm::activate() {
    m_next->setEnabled(false);
    m_next->setDefault(false);
    m_compute->setEnabled(true);
    m_compute->setDefault(true);
    clearInputs();
    setInputsLocked(false);
    m_result->setText(m_emptyResult);
    if (m_firstInput)
        m_firstInput->setFocus();
}

void ZakatKindForm::fitToFont() {
    m_result->setMinimumSize(380, m_result->fontMetrics().lineSpacing() * 3);
}

void ZakatKindForm::closeRequested() {
    done(Rejected);
}

void ZakatKindForm::reportIncomplete(QWidget* focus) {
    showMessage(context().dialogs, this, messages::incompleteEntry());
    if (focus)
        focus->setFocus();
}

void ZakatKindForm::reportBadField(QWidget* field) {
    showMessage(context().dialogs, this, messages::wrongEntry());
    field->setFocus();
}

void ZakatKindForm::showResult(const QString& sentence) {
    m_sentence = sentence;
    m_result->setText(sentence);
    m_result->setVisible(true);
    setInputsLocked(true);
    m_next->setEnabled(true);
    m_next->setDefault(true);
    m_compute->setDefault(false);
    m_compute->setEnabled(false);
}

void ZakatKindForm::goOn() {
    // Hiding ends this form's exec() once the handler returns; the result set below is what
    // the form before it sees.
    hide();
    setResult(m_road.kindAnswered(m_kind, m_sentence) ? Accepted : Rejected);
}

} // namespace zw::zakat
