#include "waris/forms/DeceasedForm.h"

#include "common/NumberFormat.h"
#include "ui/AppContext.h"
#include "ui/Dialogs.h"
#include "ui/FormWidgets.h"
#include "ui/Messages.h"
#include "ui/Navigation.h"
#include "waris/engine/designed/InheritanceEngine.h"
#include "waris/forms/WarisRoad.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

struct FieldSpec {
    const char16_t* labelName;
    const char16_t* caption;
    const char16_t* fieldName;
    int maxLength;
};

constexpr std::array<FieldSpec, 5> Fields{{
    {u"Label2", u"&N a m a", u"Text1", 75},
    {u"Label3", u"&A l a m a t", u"Text2", 75},
    {u"Label4", u"&Tempat/Tgl. Lahir", u"Text3", 75},
    {u"Label5", u"Tempat/Tgl. &Wafat", u"Text4", 75},
    {u"Label7", u"&Harta Waris :    Rp.", u"Text5", 12},
}};
constexpr int EstateField = 4;

void deselect(QRadioButton* button) {
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
}

} // namespace

DeceasedForm::DeceasedForm(AppContext& context, WarisRoad& road)
    : Form(context)
    , m_road(road) {
    setWindowTitle(u"DATA MUWARRIS"_s);

    auto* title = makeTitle(this, u"Label1"_s, u"DATA   MUWARRITS"_s, 1.3);
    title->setToolTip(u"MUWARRITS  Adalah Sebutan Bagi Orang Yang Wafat dan Meniggalkan Harta "
                      u"Waris Ini Untuk Dibagikan  "_s);

    auto* grid = new QGridLayout;
    std::array<QLabel*, 5> labels{};
    for (std::size_t i = 0; i < Fields.size(); ++i) {
        const FieldSpec& spec = Fields[i];
        labels[i] =
            makeLabel(this, QString::fromUtf16(spec.labelName), QString::fromUtf16(spec.caption));
        m_fields[i] = new QLineEdit(this);
        m_fields[i]->setObjectName(QString::fromUtf16(spec.fieldName));
        m_fields[i]->setMaxLength(spec.maxLength);
        labels[i]->setBuddy(m_fields[i]);
    }
    const QString estateTip = u" Jumlah Total Harta Waris Setelah Dikurangi Biaya Lainnya;  "
                              u"Wasiat, Pemakamam, Hutang  "_s;
    labels[EstateField]->setToolTip(estateTip);
    m_fields[EstateField]->setToolTip(estateTip);

    for (int row = 0; row < EstateField; ++row) {
        grid->addWidget(labels[row], row, 0);
        grid->addWidget(m_fields[row], row, 1);
    }
    auto* sexLabel = makeLabel(this, u"Label6"_s, u"Jenis Kelamin"_s);
    m_male = new QRadioButton(u"&Laki-laki"_s, this);
    m_male->setObjectName(u"Option1"_s);
    m_female = new QRadioButton(u"&Perempuan"_s, this);
    m_female->setObjectName(u"Option2"_s);
    auto* sexes = new QHBoxLayout;
    sexes->addWidget(m_male);
    sexes->addWidget(m_female);
    sexes->addStretch();
    grid->addWidget(sexLabel, EstateField, 0);
    grid->addLayout(sexes, EstateField, 1);
    grid->addWidget(labels[EstateField], EstateField + 1, 0);
    grid->addWidget(m_fields[EstateField], EstateField + 1, 1, Qt::AlignLeft);

    auto* backButton = makeButton(this, u"Command2"_s, u"<<  &B a c k"_s);
    auto* exitButton = makeButton(this, u"Command3"_s, u"&E x i t"_s);
    auto* okButton = makeButton(this, u"Command1"_s, u"&O  K   >>"_s);
    okButton->setDefault(true);
    setEscapeButton(backButton);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(backButton);
    buttons->addStretch();
    buttons->addWidget(exitButton);
    buttons->addStretch();
    buttons->addWidget(okButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addSpacing(8);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    setTabOrder(m_fields[3], m_male);
    setTabOrder(m_male, m_female);
    setTabOrder(m_female, m_fields[EstateField]);
    setTabOrder(m_fields[EstateField], backButton);
    setTabOrder(backButton, exitButton);
    setTabOrder(exitButton, okButton);

    connect(okButton, &QPushButton::clicked, this, &DeceasedForm::confirm);
    connect(backButton, &QPushButton::clicked, this, &DeceasedForm::back);
    connect(exitButton, &QPushButton::clicked, this, &DeceasedForm::leave);
}

std::optional<DeceasedSex> DeceasedForm::sex() const {
    if (m_male->isChecked())
        return DeceasedSex::Male;
    if (m_female->isChecked())
        return DeceasedSex::Female;
    return std::nullopt;
}

QString DeceasedForm::estateText() const {
    return m_fields[EstateField]->text();
}

void DeceasedForm::clearTexts() {
    for (QLineEdit* field : m_fields)
        field->clear();
}

void DeceasedForm::clearEntry() {
    clearTexts();
    deselect(m_male);
    deselect(m_female);
}

void DeceasedForm::activate() {
    m_fields[0]->setFocus();
}

void DeceasedForm::fitToFont() {
    const int characterWidth = m_fields[0]->fontMetrics().averageCharWidth();
    m_fields[0]->setMinimumWidth(characterWidth * 50);
    m_fields[EstateField]->setMinimumWidth(characterWidth * 18);
}

void DeceasedForm::closeRequested() {
    leave();
}

void DeceasedForm::confirm() {
    const QString name = m_fields[0]->text();
    const QString estate = estateText();
    const std::optional<DeceasedSex> chosen = sex();
    if (name.isEmpty() || estate.isEmpty() || !chosen) {
        showMessage(context().dialogs, this, messages::incompleteEntry());
        return;
    }
    if (!parseEstate(estate, context().locale)) {
        showMessage(context().dialogs, this, messages::wrongEntry());
        m_fields[EstateField]->setFocus();
        return;
    }

    const QString sexText = *chosen == DeceasedSex::Male ? u"Laki - Laki"_s : u"Perempuan"_s;
    m_road.recordDeceased({name, m_fields[1]->text(), m_fields[2]->text(), m_fields[3]->text(),
                           sexText,
                           formatText(estate, NumberPattern::RupiahEstate, context().locale)},
                          *chosen);
}

void DeceasedForm::back() {
    clearEntry();
    hide();
    context().navigation.toMainMenu();
}

void DeceasedForm::leave() {
    hide();
    context().navigation.toClosing();
}

} // namespace zw::waris
