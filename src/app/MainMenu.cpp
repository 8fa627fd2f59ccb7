#include "app/MainMenu.h"

#include "app/AppFormNames.h"
#include "ui/AppContext.h"
#include "ui/FormRegistry.h"
#include "ui/Navigation.h"
#include "ui/WindowStyle.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace zw {

MainMenu::MainMenu(AppContext& context)
    : Form(context) {
    auto* frame = new QFrame(this);
    frame->setObjectName(u"Frame1"_s);
    frame->setFrameShape(QFrame::Box);
    auto* column = new QVBoxLayout(frame);
    column->setContentsMargins(24, 16, 24, 12);
    column->setSpacing(8);

    auto addLabel = [frame, column](const QString& name, const QString& text, const QFont& font) {
        auto* label = new QLabel(text, frame);
        label->setObjectName(name);
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
        column->addWidget(label);
        return label;
    };
    const QStringList comic = {u"Comic Sans MS"_s, u"Comic Neue"_s};
    addLabel(u"Label1"_s, u"Assalamualaikum Warahmatullahi Wabarakatuh..."_s,
             preferredFont(comic, 11));
    addLabel(u"Label2"_s, u"Selamat Datang  di"_s, preferredFont(comic, 11));
    addLabel(u"Label3"_s, u"Aplikasi Penghitungan\nZakat & Harta Waris"_s,
             preferredFont(comic, 22, true));
    column->addSpacing(12);

    struct Button {
        const char16_t* name;
        const char16_t* caption;
        void (MainMenu::*handler)();
    };
    const Button buttons[] = {
        {u"Command2", u"&About", &MainMenu::showAbout},
        {u"Command1", u"&Zakat", &MainMenu::startZakat},
        {u"Command4", u"&Waris", &MainMenu::startWaris},
        {u"Command3", u"&E x i t", &MainMenu::leave},
        {u"KasusBaru", u"Kasus &Baru", &MainMenu::newCase},
        {u"BukaKasus", u"B&uka Kasus", &MainMenu::openCase},
    };
    auto* row = new QHBoxLayout;
    row->setSpacing(12);
    QList<QPushButton*> created;
    for (const Button& button : buttons) {
        auto* push = new QPushButton(QString::fromUtf16(button.caption), frame);
        push->setObjectName(QString::fromUtf16(button.name));
        push->setMinimumWidth(96);
        connect(push, &QPushButton::clicked, this, button.handler);
        row->addWidget(push);
        created.append(push);
    }
    column->addLayout(row);
    column->addSpacing(12);

    QPushButton* waris = created.at(2);
    waris->setDefault(true);
    // From the default to the right, then from the row's start.
    setTabOrder(waris, created.at(3));
    setTabOrder(created.at(3), created.at(4));
    setTabOrder(created.at(4), created.at(5));
    setTabOrder(created.at(5), created.at(0));
    setTabOrder(created.at(0), created.at(1));
    waris->setFocus();

    const QFont small = preferredFont(comic, 8);
    addLabel(u"Label4"_s, u"Hak Cipta \u00a9 2026 Pengembang Zakat & Waris"_s, small);
    addLabel(u"Label5"_s, u"Dibuat dengan C++ dan Qt"_s, small);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(frame);
    makeFixedUntitled(*this);
}

void MainMenu::closeRequested() {
    leave();
}

void MainMenu::startZakat() {
    hide();
    context().navigation.enter(Road::Zakat);
}

void MainMenu::startWaris() {
    hide();
    context().navigation.enter(Road::Inheritance);
}

void MainMenu::newCase() {
    if (context().navigation.newCase())
        hide();
}

void MainMenu::openCase() {
    if (context().navigation.openCase({}))
        hide();
}

void MainMenu::showAbout() {
    Form& about = context().forms.form(forms::Programmer);
    about.show();
    about.raise();
    about.activateWindow();
    about.repaint();
}

void MainMenu::leave() {
    hide();
    context().navigation.toClosing();
}

} // namespace zw
