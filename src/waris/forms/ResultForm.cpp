#include "waris/forms/ResultForm.h"

#include "common/LineWriter.h"
#include "ui/AppContext.h"
#include "ui/FormRegistry.h"
#include "ui/FormWidgets.h"
#include "ui/Navigation.h"
#include "ui/ReportOutput.h"
#include "waris/forms/DetailForm.h"
#include "waris/forms/WarisForms.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

struct FieldSpec {
    const char16_t* captionName;
    const char16_t* caption;
    const char16_t* valueName;
};

constexpr std::array<FieldSpec, 6> Fields{{
    {u"Label2", u"N a m a               ", u"Label8"},
    {u"Label3", u"A l a m a t           ", u"Label9"},
    {u"Label4", u"Tempat / Tgl. Lahir   ", u"Label10"},
    {u"Label5", u"Tempat / Tgl. Wafat   ", u"Label11"},
    {u"Label6", u"Jenis Kelamin         ", u"Label12"},
    {u"Label7", u"Total Harta Waris    ", u"Label13"},
}};

struct ButtonSpec {
    const char16_t* name;
    const char16_t* caption;
    const char16_t* toolTip;
    void (ResultForm::*action)();
};

} // namespace

ResultForm::ResultForm(AppContext& context)
    : Form(context) {
    setWindowTitle(u"HASIL"_s);

    m_title = makeTitle(this, u"Label1"_s, u" HASIL PERHITUNGAN HARTA WARIS "_s, 1.3);

    for (std::size_t i = 0; i < m_colons.size(); ++i)
        m_colons[i] = makeLabel(this, indexedName(u"Label18"_s, static_cast<int>(i)), u":  "_s);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->addWidget(m_title, 0, 0, 1, 3);
    grid->setRowMinimumHeight(1, fontMetrics().height());
    const auto addRow = [grid](int row, QLabel* caption, QLabel* colon, QLabel* value) {
        grid->addWidget(caption, row, 0);
        grid->addWidget(colon, row, 1);
        grid->addWidget(value, row, 2);
    };
    for (std::size_t i = 0; i < Fields.size(); ++i) {
        const FieldSpec& spec = Fields[i];
        m_fieldNames[i] =
            makeLabel(this, QString::fromUtf16(spec.captionName), QString::fromUtf16(spec.caption));
        m_fieldValues[i] = makeLabel(this, QString::fromUtf16(spec.valueName));
        addRow(static_cast<int>(i) + 2, m_fieldNames[i], m_colons[i], m_fieldValues[i]);
    }
    m_totalHeading = makeLabel(this, u"Label16"_s, u"Jumlah Harta Waris "_s);
    QFont headingFont = m_totalHeading->font();
    headingFont.setUnderline(true);
    m_totalHeading->setFont(headingFont);
    grid->setRowMinimumHeight(8, fontMetrics().height() / 2);
    grid->addWidget(m_totalHeading, 9, 0, 1, 3);
    m_dividedCaption = makeLabel(this, u"Label19"_s, u"Yang Dibagikan"_s);
    m_dividedValue = makeLabel(this, u"Label17"_s);
    addRow(10, m_dividedCaption, m_colons[7], m_dividedValue);
    m_remainderCaption = makeLabel(this, u"Label14"_s, u"Sisa  Setelah Dibagi  "_s);
    m_remainderValue = makeLabel(this, u"Label15"_s);
    addRow(11, m_remainderCaption, m_colons[6], m_remainderValue);
    grid->setColumnStretch(2, 1);
    grid->setColumnMinimumWidth(2, fontMetrics().averageCharWidth() * 30);

    const std::array<ButtonSpec, 7> buttons{{
        {u"Command4", u"&P r i n t", u" Mencetak Hasil Perhitungan Harta Waris Berikut Detailnya  ",
         &ResultForm::print},
        {u"Command1", u"S i &m p a n",
         u" Menyimpan Hasil Perhitungan Harta Waris Berikut Detailnya  ", &ResultForm::save},
        {u"Command5", u"&U l a n g i", u" Menampilkan Kembali Form Pengisian Data Waris  ",
         &ResultForm::startOver},
        {u"Command7", u"&H e l p", u" Perlu Bantuan ...?  ", &ResultForm::showHelp},
        {u"Command2", u"&D e t a i l", u" Melihat Detail Hasil Perhitungan Waris  ",
         &ResultForm::showDetail},
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
    std::array<QPushButton*, 7> made{};
    int widest = 0;
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
        made[i] = button;
        widest = std::max(widest, button->sizeHint().width());
    }
    for (QPushButton* button : made)
        button->setMinimumWidth(widest);

    auto* layout = new QGridLayout(this);
    layout->addLayout(grid, 0, 0);
    layout->addWidget(frame, 1, 0);
    layout->addLayout(rightColumn, 0, 1, 2, 1);
    layout->setHorizontalSpacing(24);
}

void ResultForm::setParticulars(const std::array<QString, 6>& values) {
    for (std::size_t i = 0; i < values.size(); ++i)
        m_fieldValues[i]->setText(values[i]);
}

void ResultForm::setTotals(const QString& dividedTotal, const QString& remainder) {
    m_dividedValue->setText(dividedTotal);
    m_remainderValue->setText(remainder);
}

InheritanceSheet ResultForm::sheet() const {
    InheritanceSheet shown;
    shown.title = m_title->text();
    for (std::size_t i = 0; i < m_fieldNames.size(); ++i) {
        shown.fieldNames[i] = m_fieldNames[i]->text();
        shown.fieldValues[i] = m_fieldValues[i]->text();
    }
    for (std::size_t i = 0; i < m_colons.size(); ++i)
        shown.colons[i] = m_colons[i]->text();
    shown.totalHeading = m_totalHeading->text();
    shown.dividedCaption = m_dividedCaption->text();
    shown.dividedValue = m_dividedValue->text();
    shown.remainderCaption = m_remainderCaption->text();
    shown.remainderValue = m_remainderValue->text();
    const auto& detail = context().forms.get<DetailForm>(forms::Detail);
    shown.detailHeadings = detail.headings();
    shown.rows = detail.rows();
    return shown;
}

void ResultForm::closeRequested() {
    leave();
}

void ResultForm::save() {
    const InheritanceSheet shown = sheet();
    saveReport(context(), this, [this, &shown](LineWriter& writer) {
        renderInheritanceSheet(shown, OutputLayout::File, context().now(), context().locale,
                               writer);
    });
}

void ResultForm::print() {
    const InheritanceSheet shown = sheet();
    printReport(context(), this, [this, &shown](LineWriter& writer) {
        renderInheritanceSheet(shown, OutputLayout::Print, context().now(), context().locale,
                               writer);
    });
}

void ResultForm::startOver() {
    resetInheritanceEntry(context());
    hide();
    Form& entry = context().forms.form(forms::Data);
    entry.show();
    entry.repaint();
}

void ResultForm::showHelp() {
    context().forms.form(forms::Bantuan).show();
}

void ResultForm::showDetail() {
    context().forms.form(forms::Detail).show();
    hide();
}

void ResultForm::goToZakat() {
    if (context().forms.exists(forms::Bantuan))
        context().forms.form(forms::Bantuan).hide();
    hide();
    context().navigation.toZakat();
}

void ResultForm::leave() {
    hide();
    context().navigation.toClosing();
}

} // namespace zw::waris
