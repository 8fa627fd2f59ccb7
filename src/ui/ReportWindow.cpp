#include "ui/ReportWindow.h"

#include "common/LineWriter.h"
#include "common/report/ReportDocument.h"
#include "common/report/ReportText.h"
#include "ui/AppContext.h"
#include "ui/FormWidgets.h"
#include "ui/ReportOutput.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPagedPaintDevice>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextDocument>
#include <QtMath>

using namespace Qt::StringLiterals;

namespace zw {

QHBoxLayout* ReportWindow::makeOutputButtons(const QString& subject) {
    const struct {
        QString name;
        QString caption;
        QString toolTip;
        void (ReportWindow::*action)();
    } specs[] = {
        {u"Simpan"_s, u"&Simpan"_s, u" Menyimpan "_s % subject % u" Sebagai File Teks  "_s,
         &ReportWindow::save},
        {u"Cetak"_s, u"&Cetak"_s, u" Mencetak "_s % subject % u"  "_s, &ReportWindow::print},
        {u"Pratinjau"_s, u"Pratin&jau"_s, u" Melihat Tampilan Cetak Sebelum Dicetak  "_s,
         &ReportWindow::preview},
        {u"Pdf"_s, u"&PDF"_s, u" Menyimpan "_s % subject % u" Sebagai File PDF  "_s,
         &ReportWindow::writePdf},
        {u"Tutup"_s, u"&Tutup"_s, u" Menutup Jendela "_s % subject % u"  "_s,
         &ReportWindow::closeRequested},
    };
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (const auto& spec : specs) {
        QPushButton* button = makeButton(this, spec.name, spec.caption, spec.toolTip);
        // Return in a field only ends the entry; it presses no button.
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, spec.action);
        row->addWidget(button);
        if (spec.action == &ReportWindow::closeRequested)
            setEscapeButton(button);
        else
            m_outputButtons.push_back(button);
    }
    return row;
}

void ReportWindow::enableOutput(bool resultShown) {
    for (QPushButton* button : m_outputButtons)
        button->setEnabled(resultShown);
}

QTableWidget* ReportWindow::makeReportTable(QWidget* parent, const QString& name) {
    auto* view = new QTableWidget(parent);
    view->setObjectName(name);
    view->setFont(fixedWidthFont(font()));
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setWordWrap(false);
    view->setTabKeyNavigation(false);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    // The corner button selects the whole table; without a caption screen readers announce a
    // nameless button.
    if (auto* corner = view->findChild<QAbstractButton*>())
        corner->setText(u"Pilih Semua"_s);
    return view;
}

void ReportWindow::showTable(QTableWidget& view, const report::Table& table) {
    const int columns = static_cast<int>(table.columns.size());
    const int rows = static_cast<int>(table.rows.size());
    if (view.columnCount() != columns || view.horizontalHeaderItem(0) == nullptr) {
        view.setColumnCount(columns);
        QStringList headings;
        for (const report::Column& column : table.columns)
            headings.append(column.heading);
        view.setHorizontalHeaderLabels(headings);
    }
    view.setRowCount(rows);
    QFont totalFont = view.font();
    totalFont.setBold(true);
    // The columns fit their texts. In the fixed-width font a text's width is its length, so
    // nothing is measured: fitting through the header measures every cell on every change, at
    // several times the cost of the whole calculation.
    std::vector<qsizetype> lengths;
    for (const report::Column& column : table.columns)
        lengths.push_back(column.heading.size());
    for (int r = 0; r < rows; ++r) {
        const report::Row& row = table.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < columns; ++c) {
            const auto slot = static_cast<std::size_t>(c);
            QTableWidgetItem* item = view.item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                view.setItem(r, c, item);
            }
            const QString text = row.cells.value(c);
            item->setText(text);
            item->setTextAlignment((table.columns[slot].align == report::Align::Right
                                        ? Qt::AlignRight
                                        : Qt::AlignLeft) |
                                   Qt::AlignVCenter);
            item->setFont(row.total ? totalFont : view.font());
            lengths[slot] = std::max(lengths[slot], text.size());
        }
    }
    // The advance is fractional: rounded, it falls short by a pixel every few characters.
    const qreal character = QFontMetricsF(totalFont).horizontalAdvance(u'0');
    for (int c = 0; c < columns; ++c) {
        const int width =
            qCeil(static_cast<qreal>(lengths[static_cast<std::size_t>(c)] + 2) * character);
        if (view.columnWidth(c) != width)
            view.setColumnWidth(c, width);
    }
}

QPlainTextEdit* ReportWindow::makeStepsBox(QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(u"Langkah"_s);
    box->setReadOnly(true);
    box->setTabChangesFocus(true);
    return box;
}

void ReportWindow::showSteps(QPlainTextEdit& box, const QStringList& steps) {
    QStringList numbered;
    numbered.reserve(steps.size());
    for (qsizetype i = 0; i < steps.size(); ++i)
        numbered.append(report::numberedStep(i, steps[i]));
    box.setPlainText(numbered.join(u'\n'));
}

void ReportWindow::save() {
    const std::optional<report::Report> report = currentReport(context().now());
    if (!report)
        return;
    saveReport(context(), this,
               [&report](LineWriter& writer) { report::writeReport(*report, writer); });
}

void ReportWindow::print() {
    const std::optional<report::Report> report = currentReport(context().now());
    if (!report)
        return;
    printPages(context(), this,
               [this, &report](QPagedPaintDevice& device) { paint(*report, device); });
}

void ReportWindow::preview() {
    const std::optional<report::Report> report = currentReport(context().now());
    if (!report)
        return;
    previewPages(context(), this,
                 [this, &report](QPagedPaintDevice& device) { paint(*report, device); });
}

void ReportWindow::writePdf() {
    const std::optional<report::Report> report = currentReport(context().now());
    if (!report)
        return;
    savePdf(context(), this, report->title,
            [this, &report](QPagedPaintDevice& device) { paint(*report, device); });
}

void ReportWindow::paint(const report::Report& report, QPagedPaintDevice& device) const {
    QFont body = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    body.setPointSizeF(10);
    QFont table = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    table.setPointSizeF(8);
    report::reportDocument(report, body, table)->print(&device);
}

} // namespace zw
