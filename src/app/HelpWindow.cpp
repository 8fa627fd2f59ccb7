#include "app/HelpWindow.h"

#include "ui/AppContext.h"
#include "ui/FormRegistry.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace zw {

namespace {

constexpr int maxTextLength = 5000;

// Drops what was typed beyond the maximum length, at the cursor.
void keepWithinMaximum(QPlainTextEdit& text) {
    const qsizetype excess = text.toPlainText().size() - maxTextLength;
    if (excess <= 0)
        return;
    QTextCursor cursor = text.textCursor();
    const int end = cursor.position();
    cursor.setPosition(std::max(0, end - int(excess)));
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

} // namespace

HelpWindow::HelpWindow(AppContext& context, const QString& heading, const QString& text,
                       bool readOnly)
    : Form(context) {
    setWindowTitle(u"H e l p"_s);
    setSizeGripEnabled(true);

    auto* label = new QLabel(heading, this);
    label->setObjectName(u"Label1"_s);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);

    auto* edit = new QPlainTextEdit(this);
    edit->setObjectName(u"Text1"_s);
    edit->setPlainText(text);
    edit->setReadOnly(readOnly);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    label->setBuddy(edit);
    connect(edit, &QPlainTextEdit::textChanged, this, [edit] { keepWithinMaximum(*edit); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(edit);
    resize(440, 520);
}

void HelpWindow::closeRequested() {
    hide();
    context().forms.close(FormName(objectName()));
}

} // namespace zw
