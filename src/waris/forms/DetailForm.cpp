#include "waris/forms/DetailForm.h"

#include "ui/AppContext.h"
#include "ui/FormRegistry.h"
#include "ui/FormWidgets.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

struct ColumnSpec {
    const char16_t* headingName;
    const char16_t* heading;
    const char16_t* rowName;
    int minimumCharacters;
};

constexpr std::array<ColumnSpec, 4> Columns{{
    {u"Label1", u"Nama Ahli Waris", u"Label4", 28},
    {u"Label2", u"Jumlah", u"Label5", 3},
    {u"Label3", u"B a g i a n", u"Label6", 20},
    {u"Label8", u"K e t e r a n g a n", u"Label7", 36},
}};

// A fixed-width family at the size of the interface font, so a larger chosen font enlarges
// the table too.
QFont tableFont(QFont font) {
    const QString courier = u"Courier New"_s;
    font.setFamily(QFontDatabase::hasFamily(courier)
                       ? courier
                       : QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    return font;
}

} // namespace

DetailForm::DetailForm(AppContext& context)
    : Form(context) {
    setWindowTitle(u"DETAIL"_s);
    setFont(tableFont(font()));
    const int characterWidth = fontMetrics().horizontalAdvance(u'0');

    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(characterWidth);
    for (std::size_t column = 0; column < Columns.size(); ++column) {
        const ColumnSpec& spec = Columns[column];
        const int gridColumn = static_cast<int>(column);
        m_headings[column] =
            makeLabel(this, QString::fromUtf16(spec.headingName), QString::fromUtf16(spec.heading));
        grid->addWidget(m_headings[column], 0, gridColumn);
        grid->setColumnMinimumWidth(gridColumn, characterWidth * spec.minimumCharacters);
        for (int row = 1; row <= DetailRowCount; ++row) {
            QLabel* label = makeLabel(this, indexedName(QString::fromUtf16(spec.rowName), row));
            m_rows[row - 1][column] = label;
            grid->addWidget(label, row + 1, gridColumn);
        }
    }
    grid->setRowMinimumHeight(1, fontMetrics().height() / 2);
    for (int row = 2; row <= DetailRowCount + 1; ++row)
        grid->setRowMinimumHeight(row, fontMetrics().height());

    auto* okButton = makeButton(this, u"Command1"_s, u"&O  K"_s);
    okButton->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addWidget(okButton, 0, Qt::AlignHCenter);

    connect(okButton, &QPushButton::clicked, this, &DetailForm::back);
}

void DetailForm::showRows(const QList<DetailRow>& rows) {
    const qsizetype count = std::min<qsizetype>(rows.size(), DetailRowCount);
    for (qsizetype i = 0; i < count; ++i) {
        const DetailRow& row = rows[i];
        const RowLabels& labels = m_rows[static_cast<std::size_t>(i)];
        labels[0]->setText(row.name);
        labels[1]->setText(row.count);
        labels[2]->setText(row.amount);
        labels[3]->setText(row.note);
    }
}

void DetailForm::clearRows() {
    for (const RowLabels& labels : m_rows) {
        for (QLabel* label : labels)
            label->clear();
    }
}

std::array<QString, 4> DetailForm::headings() const {
    return {m_headings[0]->text(), m_headings[1]->text(), m_headings[2]->text(),
            m_headings[3]->text()};
}

std::array<InheritanceSheet::Row, DetailRowCount> DetailForm::rows() const {
    std::array<InheritanceSheet::Row, DetailRowCount> shown;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const RowLabels& labels = m_rows[i];
        shown[i] = {labels[0]->text(), labels[1]->text(), labels[2]->text(), labels[3]->text()};
    }
    return shown;
}

void DetailForm::closeRequested() {
    back();
}

void DetailForm::back() {
    hide();
    context().forms.form(forms::Hasil).show();
}

} // namespace zw::waris
