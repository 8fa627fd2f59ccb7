#include "waris/forms/CountForm.h"

#include "ui/AppContext.h"
#include "ui/Dialogs.h"
#include "ui/FormWidgets.h"
#include "ui/Messages.h"
#include "waris/engine/designed/InheritanceEngine.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace zw::waris {

CountForm::CountForm(AppContext& context)
    : Form(context) {
    setWindowTitle(u"INPUT JUMLAH"_s);

    m_question = makeLabel(this, u"Label4"_s);
    m_count = new QLineEdit(this);
    m_count->setObjectName(u"Text1"_s);
    m_count->setMaxLength(2);
    auto* okButton = makeButton(this, u"Command2"_s, u"&O K"_s);
    okButton->setAutoDefault(false);

    auto* grid = new QGridLayout;
    grid->addWidget(makeLabel(this, u"Label1"_s, u"Berapakah Jumlah"_s), 0, 0);
    grid->addWidget(m_question, 0, 1, 1, 2);
    QLabel* countCaption = makeLabel(this, u"Label2"_s, u"Jumlahnya Ada"_s);
    countCaption->setBuddy(m_count);
    grid->addWidget(countCaption, 1, 0);
    grid->addWidget(m_count, 1, 1);
    grid->addWidget(makeLabel(this, u"Label3"_s, u"Orang"_s), 1, 2);
    grid->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(okButton, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(okButton, &QPushButton::clicked, this, &CountForm::confirm);
}

std::optional<QString> CountForm::ask(const QString& question) {
    m_question->setText(question);
    // The field's own caption does not say whom the count is of.
    m_count->setAccessibleDescription(u"Berapakah Jumlah "_s + question);
    m_count->clear();
    if (exec() != Accepted)
        return std::nullopt;
    return enteredCount();
}

QString CountForm::enteredCount() const {
    return m_count->text();
}

void CountForm::activate() {
    m_count->setFocus();
    m_count->clear();
}

void CountForm::fitToFont() {
    m_count->setFixedWidth(m_count->fontMetrics().horizontalAdvance(u"0000"_s) + 12);
    m_question->setMinimumWidth(
        m_question->fontMetrics().horizontalAdvance(u"Anak Pria Saudara Sekandung ?"_s));
}

void CountForm::closeRequested() {
    done(Rejected);
}

void CountForm::confirm() {
    if (m_count->text().isEmpty()) {
        showMessage(context().dialogs, this, messages::incompleteCalculation());
        m_count->setFocus();
        return;
    }
    if (!parseCount(m_count->text(), context().locale)) {
        showMessage(context().dialogs, this, messages::wrongEntry());
        m_count->setFocus();
        return;
    }
    done(Accepted);
}

} // namespace zw::waris
