#include "zakat/forms/ZakatResultForm.h"

#include "ui/AppContext.h"
#include "ui/FormRegistry.h"
#include "ui/FormWidgets.h"
#include "ui/Navigation.h"
#include "ui/ReportOutput.h"
#include "zakat/forms/PayerForm.h"
#include "zakat/forms/ZakatForms.h"
#include "zakat/forms/ZakatKindForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace zw::zakat {

namespace {

struct FieldRow {
    QString nameLabel;
    QString caption;
    QString valueLabel;
};

const std::array<FieldRow, 5>& fieldRows() {
    static const std::array<FieldRow, 5> table{{
        {u"Label1"_s, u"N a m a"_s, u"Label6"_s},
        {u"Label2"_s, u"A l a m a t"_s, u"Label7"_s},
        {u"Label3"_s, u"T e l e p o n "_s, u"Label8"_s},
        {u"label4"_s, u"Tempat/Tgl. Lahir"_s, u"Label9"_s},
        {u"Label5"_s, u"P e k e r j a a n "_s, u"Label10"_s},
    }};
    return table;
}

struct ButtonSpec {
    QString name;
    QString caption;
    QString toolTip;
    void (ZakatResultForm::*handler)();
};

} // namespace

ZakatResultForm::ZakatResultForm(AppContext& context, ZakatState& state)
    : Form(context)
    , m_state(state) {
    setWindowTitle(u"HASIL"_s);

    m_title = makeTitle(this, u"Label13"_s, u" HASIL  PERHITUNGAN ZAKAT "_s, 1.4);

    auto* particulars = new QGridLayout;
    particulars->setColumnStretch(2, 1);
    for (std::size_t i = 0; i < fieldRows().size(); ++i) {
        const FieldRow& row = fieldRows()[i];
        const int gridRow = static_cast<int>(i);
        m_fieldNames[i] = makeLabel(this, row.nameLabel, row.caption);
        m_colons[i] = makeLabel(this, indexedName(u"Label15"_s, static_cast<int>(i)), u":"_s);
        m_values[i] = makeLabel(this, row.valueLabel);
        m_values[i]->setWordWrap(true);
        particulars->addWidget(m_fieldNames[i], gridRow, 0, Qt::AlignTop);
        particulars->addWidget(m_colons[i], gridRow, 1, Qt::AlignTop);
        particulars->addWidget(m_values[i], gridRow, 2, Qt::AlignTop);
    }

    auto* rows = new QGridLayout;
    rows->setHorizontalSpacing(24);
    rows->setColumnStretch(1, 1);
    m_kindHeading = makeLabel(this, u"Label11"_s, u"Jenis Zakat"_s);
    m_noteHeading = makeLabel(this, u"Label12"_s, u"Keterangan"_s);
    QFont headingFont = m_kindHeading->font();
    headingFont.setBold(true);
    m_kindHeading->setFont(headingFont);
    m_noteHeading->setFont(headingFont);
    rows->addWidget(m_kindHeading, 0, 0);
    rows->addWidget(m_noteHeading, 0, 1);
    // Room for three lines of the longest sentence, so the sheet keeps its size as rows fill.
    const int sentenceHeight = fontMetrics().lineSpacing() * 3;
    for (std::size_t i = 0; i < m_rowKinds.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        m_rowKinds[i] = makeLabel(this, indexedName(u"Label14"_s, number));
        m_rowKinds[i]->setMinimumWidth(fontMetrics().horizontalAdvance(u"T e r n a k"_s) + 16);
        m_rowSentences[i] = makeLabel(this, indexedName(u"Label19"_s, number));
        m_rowSentences[i]->setWordWrap(true);
        m_rowSentences[i]->setMinimumSize(420, sentenceHeight);
        m_rowSentences[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        rows->addWidget(m_rowKinds[i], number, 0, Qt::AlignTop);
        rows->addWidget(m_rowSentences[i], number, 1);
    }

    const std::array<ButtonSpec, 6> buttonSpecs{{
        {u"Command1"_s, u"&U la n g i"_s, u" Menampilkan Kembali Form Pengisian Data Zakat  "_s,
         &ZakatResultForm::startAgain},
        {u"Command2"_s, u"&S e l e s a i"_s, u" Anda Sudah Yakin ...?  "_s,
         &ZakatResultForm::finish},
        {u"Command3"_s, u"&Waris"_s, u" Menampilkan Form Pengisian Data Waris  "_s,
         &ZakatResultForm::toInheritance},
        {u"Command4"_s, u"Si&mpan"_s,
         u" Menyimpan Hasil Perhitungan Zakat Berikut Keterangannya  "_s, &ZakatResultForm::save},
        {u"Command5"_s, u"&P r i n t"_s,
         u" Mencetak Hasil Perhitungan Zakat Berikut Keterangnannya  "_s, &ZakatResultForm::print},
        {u"Command6"_s, u"&H e l p"_s, QString(), &ZakatResultForm::showHelp},
    }};
    auto* buttons = new QHBoxLayout;
    for (const ButtonSpec& spec : buttonSpecs) {
        auto* button = new QPushButton(spec.caption, this);
        button->setObjectName(spec.name);
        button->setToolTip(spec.toolTip);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this,
                [this, handler = spec.handler] { (this->*handler)(); });
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_title);
    layout->addSpacing(12);
    layout->addLayout(particulars);
    layout->addSpacing(12);
    layout->addLayout(rows);
    layout->addSpacing(12);
    layout->addLayout(buttons);
}

void ZakatResultForm::setParticulars(const std::array<QString, 5>& values) {
    for (std::size_t i = 0; i < values.size(); ++i)
        m_values[i]->setText(values[i]);
}

void ZakatResultForm::clearRows() {
    for (std::size_t i = 0; i < m_rowKinds.size(); ++i) {
        m_rowKinds[i]->clear();
        m_rowSentences[i]->clear();
    }
}

void ZakatResultForm::fillNextRow(ZakatKind kind, const QString& sentence) {
    std::int16_t& count = m_state.rowCount;
    if (count >= static_cast<std::int16_t>(m_rowKinds.size()))
        return;
    ++count;
    const auto index = static_cast<std::size_t>(count - 1);
    m_rowKinds[index]->setText(kindRowText(kind));
    m_rowSentences[index]->setText(sentence);
    m_rowKinds[index]->setVisible(true);
    m_rowSentences[index]->setVisible(true);
}

ZakatSheet ZakatResultForm::sheet() const {
    ZakatSheet sheet;
    sheet.title = m_title->text();
    for (std::size_t i = 0; i < m_fieldNames.size(); ++i) {
        sheet.fieldNames[i] = m_fieldNames[i]->text();
        sheet.colons[i] = m_colons[i]->text();
        sheet.values[i] = m_values[i]->text();
    }
    sheet.kindHeading = m_kindHeading->text();
    sheet.noteHeading = m_noteHeading->text();
    for (std::size_t i = 0; i < m_rowKinds.size(); ++i) {
        sheet.rowKinds[i] = m_rowKinds[i]->text();
        sheet.rowSentences[i] = m_rowSentences[i]->text();
    }
    return sheet;
}

void ZakatResultForm::closeRequested() {
    finish();
}

void ZakatResultForm::startAgain() {
    clearZakatPayer(context());
    for (ZakatKind kind : askingOrder)
        context().forms.get<ZakatKindForm>(kindFormName(kind)).unlockInputs();
    setParticulars({});
    clearRows();
    m_state.rowCount = 0;
    hide();
    auto& payer = context().forms.get<PayerForm>(forms::Form2);
    payer.show();
    payer.focusName();
}

void ZakatResultForm::finish() {
    hide();
    context().navigation.toClosing();
}

void ZakatResultForm::toInheritance() {
    if (context().forms.exists(forms::Form1))
        context().forms.form(forms::Form1).hide();
    hide();
    context().navigation.toInheritance();
    m_state.rowCount = 0;
}

void ZakatResultForm::save() {
    saveReport(context(), this, [this](LineWriter& writer) {
        renderZakatSheet(sheet(), OutputLayout::File, context().now(), writer);
    });
}

void ZakatResultForm::print() {
    printReport(context(), this, [this](LineWriter& writer) {
        renderZakatSheet(sheet(), OutputLayout::Print, context().now(), writer);
    });
}

void ZakatResultForm::showHelp() {
    context().forms.form(forms::Form1).show();
}

} // namespace zw::zakat
