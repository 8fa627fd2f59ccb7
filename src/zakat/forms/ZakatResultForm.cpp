#include "zakat/forms/ZakatResultForm.h"

#include "ui/AppContext.h"
#include "ui/FormWidgets.h"
#include "ui/Navigation.h"
#include "ui/ReportOutput.h"
#include "zakat/forms/ZakatRoad.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace zw::zakat {

namespace {

// The designer names of the caption and the value of each particular.
constexpr std::array<std::array<const char16_t*, 2>, 5> FieldNames{{
    {u"Label1", u"Label6"},
    {u"Label2", u"Label7"},
    {u"Label3", u"Label8"},
    {u"label4", u"Label9"},
    {u"Label5", u"Label10"},
}};

struct ButtonSpec {
    QString name;
    QString caption;
    QString toolTip;
    void (ZakatResultForm::*handler)();
};

} // namespace

ZakatResultForm::ZakatResultForm(AppContext& context, ZakatRoad& road)
    : Form(context)
    , m_road(road) {
    setWindowTitle(u"HASIL"_s);

    QLabel* title = makeTitle(this, u"Label13"_s, sheetText::Title.toString(), 1.4);

    auto* particulars = new QGridLayout;
    particulars->setColumnStretch(2, 1);
    for (std::size_t i = 0; i < FieldNames.size(); ++i) {
        const int gridRow = static_cast<int>(i);
        m_values[i] = makeLabel(this, QString::fromUtf16(FieldNames[i][1]));
        m_values[i]->setWordWrap(true);
        particulars->addWidget(makeLabel(this, QString::fromUtf16(FieldNames[i][0]),
                                         sheetText::FieldNames[i].toString()),
                               gridRow, 0, Qt::AlignTop);
        particulars->addWidget(
            makeLabel(this, indexedName(u"Label15"_s, gridRow), sheetText::Colon.toString()),
            gridRow, 1, Qt::AlignTop);
        particulars->addWidget(m_values[i], gridRow, 2, Qt::AlignTop);
    }

    auto* rows = new QGridLayout;
    rows->setHorizontalSpacing(24);
    rows->setColumnStretch(1, 1);
    QLabel* kindHeading = makeLabel(this, u"Label11"_s, sheetText::KindHeading.toString());
    QLabel* noteHeading = makeLabel(this, u"Label12"_s, sheetText::NoteHeading.toString());
    QFont headingFont = kindHeading->font();
    headingFont.setBold(true);
    kindHeading->setFont(headingFont);
    noteHeading->setFont(headingFont);
    rows->addWidget(kindHeading, 0, 0);
    rows->addWidget(noteHeading, 0, 1);
    for (std::size_t i = 0; i < m_rowKinds.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        m_rowKinds[i] = makeLabel(this, indexedName(u"Label14"_s, number));
        m_rowSentences[i] = makeLabel(this, indexedName(u"Label19"_s, number));
        m_rowSentences[i]->setWordWrap(true);
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
    layout->addWidget(title);
    layout->addSpacing(12);
    layout->addLayout(particulars);
    layout->addSpacing(12);
    layout->addLayout(rows);
    layout->addSpacing(12);
    layout->addLayout(buttons);
}

void ZakatResultForm::showSheet() {
    const ZakatSheet& sheet = m_road.state().sheet;
    for (std::size_t i = 0; i < m_values.size(); ++i)
        m_values[i]->setText(sheet.particulars[i]);
    for (std::size_t i = 0; i < m_rowKinds.size(); ++i) {
        m_rowKinds[i]->setText(sheet.rows[i].kind);
        m_rowSentences[i]->setText(sheet.rows[i].sentence);
    }
}

void ZakatResultForm::fitToFont() {
    // Room for three lines of the longest sentence, so the sheet keeps its size as rows fill.
    const int sentenceHeight = fontMetrics().lineSpacing() * 3;
    const int kindWidth = fontMetrics().horizontalAdvance(u"T e r n a k"_s) + 16;
    for (std::size_t i = 0; i < m_rowKinds.size(); ++i) {
        m_rowKinds[i]->setMinimumWidth(kindWidth);
        m_rowSentences[i]->setMinimumSize(420, sentenceHeight);
    }
}

void ZakatResultForm::closeRequested() {
    finish();
}

void ZakatResultForm::startAgain() {
    m_road.startAfresh();
}

void ZakatResultForm::finish() {
    hide();
    context().navigation.toClosing();
}

void ZakatResultForm::toInheritance() {
    m_road.leaveForInheritance();
}

void ZakatResultForm::save() {
    saveReport(context(), this, [this](LineWriter& writer) {
        renderZakatSheet(m_road.state().sheet, OutputLayout::File, context().now(), writer);
    });
}

void ZakatResultForm::print() {
    printReport(context(), this, [this](LineWriter& writer) {
        renderZakatSheet(m_road.state().sheet, OutputLayout::Print, context().now(), writer);
    });
}

void ZakatResultForm::showHelp() {
    context().navigation.showHelp(Road::Zakat);
}

} // namespace zw::zakat
