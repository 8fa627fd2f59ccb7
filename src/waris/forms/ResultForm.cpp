#include "waris/forms/ResultForm.h"

#include "common/LineWriter.h"
#include "ui/AppContext.h"
#include "ui/FormRegistry.h"
#include "ui/FormWidgets.h"
#include "ui/Navigation.h"
#include "ui/ReportOutput.h"
#include "waris/engine/render/InheritanceReport.h"
#include "waris/forms/DivisionForm.h"
#include "waris/forms/WarisFormNames.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

// The designer names of the caption and the value of each particular.
constexpr std::array<std::array<const char16_t*, 2>, 6> FieldNames{{
    {u"Label2", u"Label8"},
    {u"Label3", u"Label9"},
    {u"Label4", u"Label10"},
    {u"Label5", u"Label11"},
    {u"Label6", u"Label12"},
    {u"Label7", u"Label13"},
}};

struct ButtonSpec {
    const char16_t* name;
    const char16_t* caption;
    const char16_t* toolTip;
    void (ResultForm::*action)();
};

} // namespace

ResultForm::ResultForm(AppContext& context, const InheritanceSheet& sheet)
    : Form(context)
    , m_sheet(sheet) {
    setWindowTitle(u"HASIL"_s);

    QLabel* title = makeTitle(this, u"Label1"_s, sheetText::Title.toString(), 1.3);

    std::array<QLabel*, 8> colons{};
    for (std::size_t i = 0; i < colons.size(); ++i) {
        colons[i] = makeLabel(this, indexedName(u"Label18"_s, static_cast<int>(i)),
                              sheetText::Colon.toString());
    }

    auto* grid = new QGridLayout;
    m_grid = grid;
    grid->setHorizontalSpacing(4);
    grid->addWidget(title, 0, 0, 1, 3);
    const auto addRow = [grid](int row, QLabel* caption, QLabel* colon, QLabel* value) {
        grid->addWidget(caption, row, 0);
        grid->addWidget(colon, row, 1);
        grid->addWidget(value, row, 2);
    };
    for (std::size_t i = 0; i < FieldNames.size(); ++i) {
        QLabel* caption = makeLabel(this, QString::fromUtf16(FieldNames[i][0]),
                                    sheetText::FieldNames[i].toString());
        m_fieldValues[i] = makeLabel(this, QString::fromUtf16(FieldNames[i][1]));
        addRow(static_cast<int>(i) + 2, caption, colons[i], m_fieldValues[i]);
    }
    QLabel* totalHeading = makeLabel(this, u"Label16"_s, sheetText::TotalHeading.toString());
    QFont headingFont = totalHeading->font();
    headingFont.setUnderline(true);
    totalHeading->setFont(headingFont);
    grid->addWidget(totalHeading, 9, 0, 1, 3);
    m_dividedValue = makeLabel(this, u"Label17"_s);
    addRow(10, makeLabel(this, u"Label19"_s, sheetText::DividedCaption.toString()), colons[7],
           m_dividedValue);
    m_remainderValue = makeLabel(this, u"Label15"_s);
    addRow(11, makeLabel(this, u"Label14"_s, sheetText::RemainderCaption.toString()), colons[6],
           m_remainderValue);
    grid->setColumnStretch(2, 1);

    const std::array<ButtonSpec, ButtonCount> buttons{{
        {u"Command4", u"&P r i n t", u" Mencetak Hasil Perhitungan Harta Waris Berikut Detailnya  ",
         &ResultForm::print},
        {u"Command1", u"S i &m p a n",
         u" Menyimpan Hasil Perhitungan Harta Waris Berikut Detailnya  ", &ResultForm::save},
        {u"Command5", u"&U l a n g i", u" Menampilkan Kembali Form Pengisian Data Waris  ",
         &ResultForm::startOver},
        {u"Command7", u"&H e l p", u" Perlu Bantuan ...?  ", &ResultForm::showHelp},
        {u"Command2", u"&D e t a i l", u" Melihat Detail Hasil Perhitungan Waris  ",
         &ResultForm::showDetail},
        {u"Command8", u"Pembagian &Lengkap",
         u" Pembagian Lengkap Per Ahli Waris (Sisa, 'Aul, Radd)  ", &ResultForm::showDivision},
        {u"Command6", u"&Z a k a t", u" Menampilkan Form Pengisian Data Zakat  ",
         &ResultForm::goToZakat},
        {u"Command3", u"&S e l e s a i", u" Anda Sudah Yakin ... ?    ", &ResultForm::leave},
    }};
    constexpr std::size_t FrameButtons = 4;

    auto* frame = new QGroupBox(this);
    frame->setObjectName(u"Frame1"_s);
    auto* frameRow = new QHBoxLayout(frame);
    auto* rightColumn = new QVBoxLayout;
    rightColumn->addStretch();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const ButtonSpec& spec = buttons[i];
        auto* button =
            makeButton(this, QString::fromUtf16(spec.name), QString::fromUtf16(spec.caption),
                       QString::fromUtf16(spec.toolTip));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, spec.action);
        if (i < FrameButtons)
            frameRow->addWidget(button);
        else
            rightColumn->addWidget(button);
        m_buttons[i] = button;
    }

    auto* layout = new QGridLayout(this);
    layout->addLayout(grid, 0, 0);
    layout->addWidget(frame, 1, 0);
    layout->addLayout(rightColumn, 0, 1, 2, 1);
    layout->setHorizontalSpacing(24);
}

void ResultForm::showSheet() {
    for (std::size_t i = 0; i < m_fieldValues.size(); ++i)
        m_fieldValues[i]->setText(m_sheet.particulars[i]);
    m_dividedValue->setText(dividedTotalText(m_sheet, context().locale));
    m_remainderValue->setText(remainderText(m_sheet, context().locale));
}

void ResultForm::fitToFont() {
    m_grid->setRowMinimumHeight(1, fontMetrics().height());
    m_grid->setRowMinimumHeight(8, fontMetrics().height() / 2);
    m_grid->setColumnMinimumWidth(2, fontMetrics().averageCharWidth() * 30);
    int widest = 0;
    for (const QPushButton* button : m_buttons)
        widest = std::max(widest, button->sizeHint().width());
    for (QPushButton* button : m_buttons)
        button->setMinimumWidth(widest);
}

void ResultForm::closeRequested() {
    leave();
}

void ResultForm::save() {
    saveReport(context(), this, [this](LineWriter& writer) {
        renderInheritanceSheet(m_sheet, OutputLayout::File, context().now(), context().locale,
                               writer);
    });
}

void ResultForm::print() {
    printReport(context(), this, [this](LineWriter& writer) {
        renderInheritanceSheet(m_sheet, OutputLayout::Print, context().now(), context().locale,
                               writer);
    });
}

void ResultForm::startOver() {
    hide();
    context().navigation.startAfresh(Road::Inheritance);
}

void ResultForm::showHelp() {
    context().navigation.showHelp(Road::Inheritance);
}

void ResultForm::showDetail() {
    context().forms.form(forms::Detail).show();
    hide();
}

void ResultForm::showDivision() {
    auto& division = context().forms.get<DivisionForm>(forms::Pembagian);
    division.openFromRoad();
    division.show();
    division.raise();
    division.activateWindow();
}

void ResultForm::hideDivision() {
    if (context().forms.exists(forms::Pembagian))
        context().forms.form(forms::Pembagian).hide();
}

void ResultForm::goToZakat() {
    hideDivision();
    context().navigation.hideHelp(Road::Inheritance);
    hide();
    context().navigation.enter(Road::Zakat);
}

void ResultForm::leave() {
    hideDivision();
    hide();
    context().navigation.toClosing();
}

} // namespace zw::waris
