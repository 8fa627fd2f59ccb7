#include "app/PasswordGate.h"

#include "app/AppFormNames.h"
#include "ui/AppContext.h"
#include "ui/Dialogs.h"
#include "ui/FormRegistry.h"
#include "ui/Messages.h"
#include "ui/SoundPlayer.h"
#include "ui/WindowStyle.h"

#include <QCryptographicHash>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace zw {

namespace {

// Only the digest is kept in the program, so the password is not among its plain strings.
bool isPassword(const QString& entry) {
    static const QByteArray digest =
        QByteArray::fromHex("a14d84f887d2927c68537ddc5a5d93c208126288a9eb6920413e0918df54901c");
    return QCryptographicHash::hash(entry.toUtf8(), QCryptographicHash::Sha256) == digest;
}

} // namespace

PasswordGate::PasswordGate(AppContext& context)
    : Form(context) {
    setWindowTitle(u"PASSWORD"_s);

    auto* prompt = new QLabel(u"Your Password, Please ....!"_s, this);
    prompt->setObjectName(u"Label1"_s);
    prompt->setFont(preferredFont({u"Comic Sans MS"_s, u"Comic Neue"_s}, 11));

    m_entry = new QLineEdit(this);
    m_entry->setObjectName(u"Text1"_s);
    m_entry->setEchoMode(QLineEdit::Password);
    m_entry->setStyleSheet(u"lineedit-password-character: 42;"_s);
    m_entry->setMaxLength(15);
    prompt->setBuddy(m_entry);

    auto* ok = new QPushButton(u"&O K"_s, this);
    ok->setObjectName(u"Command1"_s);
    ok->setDefault(true);
    auto* exit = new QPushButton(u"&E x i t"_s, this);
    exit->setObjectName(u"Command2"_s);
    setEscapeButton(exit);
    connect(ok, &QPushButton::clicked, this, &PasswordGate::check);
    connect(exit, &QPushButton::clicked, this, &PasswordGate::leave);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(exit);
    buttons->addStretch();

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setHorizontalSpacing(16);
    layout->addWidget(makePicture(u"Picture1"_s, u"lock.png"_s, this), 0, 0, 3, 1);
    layout->addWidget(prompt, 0, 1);
    layout->addWidget(m_entry, 1, 1);
    layout->addLayout(buttons, 2, 1);
    layout->addWidget(makePicture(u"Picture2"_s, u"key.png"_s, this), 0, 2, 3, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_entry, ok);
    setTabOrder(ok, exit);
    m_entry->setFocus();
}

void PasswordGate::closeRequested() {
    leave();
}

void PasswordGate::check() {
    const QString entry = m_entry->text();
    if (entry.isEmpty()) {
        context().sounds.play(Sound::Error);
        showMessage(context().dialogs, this, messages::noPassword());
        m_entry->setFocus();
    }
    if (!isPassword(entry)) {
        context().sounds.play(Sound::Error);
        showMessage(context().dialogs, this, messages::wrongPassword());
        m_entry->setFocus();
        return;
    }
    context().sounds.play(Sound::Success);
    hide();
    m_entry->clear();
}

void PasswordGate::leave() {
    AppContext& app = context();
    for (FormName name : forms::passwordExitOrder)
        app.forms.close(name);
    hide();
    app.sounds.play(Sound::Exit);
    app.endProgram();
}

} // namespace zw
