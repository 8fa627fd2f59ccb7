#include "zakat/forms/PayerForm.h"

#include "ui/AppContext.h"
#include "ui/Dialogs.h"
#include "ui/FormRegistry.h"
#include "ui/FormWidgets.h"
#include "ui/Messages.h"
#include "ui/Navigation.h"
#include "zakat/forms/CompleteZakatForm.h"
#include "zakat/forms/ZakatRoad.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace zw::zakat {

namespace {

struct Particular {
    QString labelName;
    QString caption;
    QString fieldName;
};

const std::array<Particular, 5>& particulars() {
    static const std::array<Particular, 5> table{{
        {u"Label2"_s, u"&N a m a"_s, u"Text1"_s},
        {u"Label3"_s, u"&A l a m a t"_s, u"Text2"_s},
        {u"Label4"_s, u"&T e l e p o n"_s, u"Text3"_s},
        {u"Label5"_s, u"Te&mpat/Tgl. Lahir"_s, u"Text4"_s},
        {u"Label7"_s, u"&P e k e r j a a n"_s, u"Text5"_s},
    }};
    return table;
}

struct KindBox {
    ZakatKind kind;
    QString name;
    QString caption;
};

const std::array<KindBox, 4>& kindBoxes() {
    static const std::array<KindBox, 4> table{{
        {ZakatKind::Harta, u"Check1"_s, u"&Harta"_s},
        {ZakatKind::Tani, u"Check2"_s, u"Tan&i"_s},
        {ZakatKind::Ternak, u"Check3"_s, u"Terna&k"_s},
        {ZakatKind::Fitrah, u"Check4"_s, u"&Fitrah"_s},
    }};
    return table;
}

} // namespace

PayerForm::PayerForm(AppContext& context, ZakatRoad& road)
    : Form(context)
    , m_road(road) {
    setWindowTitle(u"DATA MUZAKKI"_s);

    QLabel* title = makeTitle(this, u"Label1"_s, u"  DATA  MUZAKKI  "_s, 1.4);
    title->setToolTip(u" Muzakkki adalah Orang Yang Memberikan Zakat  "_s);

    auto* fields = new QFormLayout;
    for (std::size_t i = 0; i < particulars().size(); ++i) {
        const Particular& row = particulars()[i];
        auto* edit = new QLineEdit(this);
        edit->setObjectName(row.fieldName);
        edit->setMinimumWidth(280);
        auto* label = new QLabel(row.caption, this);
        label->setObjectName(row.labelName);
        label->setBuddy(edit);
        fields->addRow(label, edit);
        m_particulars[i] = edit;
    }

    auto* frame = new QGroupBox(u"Jenis Zakat"_s, this);
    frame->setObjectName(u"Frame1"_s);
    auto* frameLayout = new QHBoxLayout(frame);
    for (const KindBox& box : kindBoxes()) {
        auto* check = new QCheckBox(box.caption, frame);
        check->setObjectName(box.name);
        frameLayout->addWidget(check);
        m_kinds[static_cast<std::size_t>(box.kind)] = check;
    }

    QPushButton* back = makeButton(this, u"Command2"_s, u"<< B a c k"_s);
    QPushButton* ok = makeButton(this, u"Command1"_s, u"&O  K "_s);
    QPushButton* exit = makeButton(this, u"Command3"_s, u"&E x i t >>"_s);
    QPushButton* complete =
        makeButton(this, u"Command4"_s, u"Zakat &Lengkap..."_s,
                   u" Menghitung Semua Jenis Zakat Menurut Ketentuan Sekarang  "_s);
    for (QPushButton* button : {back, complete, ok, exit})
        button->setAutoDefault(false);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { startRun(); });
    connect(back, &QPushButton::clicked, this, [this] { goBack(); });
    connect(exit, &QPushButton::clicked, this, [this] { leaveProgram(); });
    connect(complete, &QPushButton::clicked, this, [this] { openComplete(); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addStretch();
    buttons->addWidget(complete);
    buttons->addWidget(ok);
    buttons->addWidget(exit);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(title);
    layout->addSpacing(8);
    layout->addLayout(fields);
    layout->addWidget(frame);
    layout->addSpacing(8);
    layout->addLayout(buttons);
}

bool PayerForm::isChosen(ZakatKind kind) const {
    return m_kinds[static_cast<std::size_t>(kind)]->isChecked();
}

void PayerForm::clear() {
    for (QLineEdit* edit : m_particulars)
        edit->clear();
    for (QCheckBox* check : m_kinds)
        check->setChecked(false);
}

void PayerForm::focusName() {
    m_particulars[0]->setFocus();
}

void PayerForm::closeRequested() {
    leaveProgram();
}

void PayerForm::startRun() {
    QList<ZakatKind> chosen;
    for (ZakatKind kind : askingOrder) {
        if (isChosen(kind))
            chosen.append(kind);
    }
    if (m_particulars[0]->text().isEmpty() || chosen.isEmpty()) {
        showMessage(context().dialogs, this, messages::incompleteEntry());
        focusName();
        return;
    }
    std::array<QString, 5> particulars;
    for (std::size_t i = 0; i < m_particulars.size(); ++i)
        particulars[i] = m_particulars[i]->text();
    m_road.startRun(particulars, chosen);
}

void PayerForm::openComplete() {
    auto& complete = context().forms.get<CompleteZakatForm>(forms::ZakatLengkap);
    complete.setPayerName(m_particulars[0]->text());
    complete.show();
    complete.raise();
    complete.activateWindow();
}

void PayerForm::goBack() {
    clear();
    hide();
    context().navigation.toMainMenu();
}

void PayerForm::leaveProgram() {
    hide();
    context().navigation.toClosing();
}

} // namespace zw::zakat
