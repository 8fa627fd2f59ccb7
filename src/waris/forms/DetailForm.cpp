#include "waris/forms/DetailForm.h"

#include "ui/AppContext.h"
#include "ui/FormRegistry.h"
#include "ui/FormWidgets.h"
#include "waris/forms/WarisFormNames.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

struct ColumnSpec {
    const char16_t* headingName;
    const char16_t* rowName;
    int minimumCharacters;
};

// Name, count, share, note, as the sheet's headings.
constexpr std::array<ColumnSpec, 4> Columns{{
    {u"Label1", u"Label4", 28},
    {u"Label2", u"Label5", 3},
    {u"Label3", u"Label6", 20},
    {u"Label8", u"Label7", 36},
}};

} // namespace

DetailForm::DetailForm(AppContext& context, const InheritanceSheet& sheet)
    : Form(context)
    , m_sheet(sheet) {
    setWindowTitle(u"DETAIL"_s);

    m_grid = new QGridLayout;
    m_grid->setVerticalSpacing(2);
    for (std::size_t column = 0; column < Columns.size(); ++column) {
        const ColumnSpec& spec = Columns[column];
        const int gridColumn = static_cast<int>(column);
        m_grid->addWidget(makeLabel(this, QString::fromUtf16(spec.headingName),
                                    sheetText::DetailHeadings[column].toString()),
                          0, gridColumn);
        for (int row = 1; row <= DetailRowCount; ++row) {
            QLabel* label = makeLabel(this, indexedName(QString::fromUtf16(spec.rowName), row));
            m_rows[row - 1][column] = label;
            m_grid->addWidget(label, row + 1, gridColumn);
        }
    }

    auto* okButton = makeButton(this, u"Command1"_s, u"&O  K"_s);
    okButton->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_grid);
    layout->addSpacing(8);
    layout->addWidget(okButton, 0, Qt::AlignHCenter);

    connect(okButton, &QPushButton::clicked, this, &DetailForm::back);
}

void DetailForm::showSheet() {
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const InheritanceSheet::Row& row = m_sheet.rows[i];
        const RowLabels& labels = m_rows[i];
        labels[0]->setText(row.name);
        labels[1]->setText(row.count);
        labels[2]->setText(amountText(row, NumberPattern::Amount, context().locale));
        labels[3]->setText(row.note);
    }
}

void DetailForm::fitToFont() {
    setFont(fixedWidthFont(font()));
    const int characterWidth = fontMetrics().horizontalAdvance(u'0');
    m_grid->setHorizontalSpacing(characterWidth);
    for (std::size_t column = 0; column < Columns.size(); ++column) {
        m_grid->setColumnMinimumWidth(static_cast<int>(column),
                                      characterWidth * Columns[column].minimumCharacters);
    }
    m_grid->setRowMinimumHeight(1, fontMetrics().height() / 2);
    for (int row = 2; row <= DetailRowCount + 1; ++row)
        m_grid->setRowMinimumHeight(row, fontMetrics().height());
}

void DetailForm::closeRequested() {
    back();
}

void DetailForm::back() {
    hide();
    context().forms.form(forms::Hasil).show();
}

} // namespace zw::waris
