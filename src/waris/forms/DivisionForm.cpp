#include "waris/forms/DivisionForm.h"

#include "common/NumberReader.h"
#include "common/report/ReportDocument.h"
#include "common/report/ReportText.h"
#include "ui/Accessibility.h"
#include "ui/AppContext.h"
#include "ui/FormWidgets.h"
#include "ui/Messages.h"
#include "ui/ReportOutput.h"
#include "waris/engine/faraid/FaraidEngine.h"
#include "waris/engine/render/DivisionTitles.h"
#include "waris/engine/table/InheritanceSheet.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPagedPaintDevice>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

struct DeductionSpec {
    const char16_t* name;
    const char16_t* caption;
    const char16_t* toolTip;
    const char16_t* problem;
};

constexpr std::array<DeductionSpec, 3> Deductions{{
    {u"Biaya", u"&Biaya Pengurusan Jenazah", u" Biaya pengurusan jenazah, kosong = 0  ",
     u"Biaya pengurusan jenazah bukan angka yang sah atau negatif."},
    {u"Utang", u"&Utang", u" Utang yang ditinggalkan, kosong = 0  ",
     u"Utang bukan angka yang sah atau negatif."},
    {u"Wasiat", u"&Wasiat", u" Wasiat, paling banyak 1/3 harta setelah biaya dan utang  ",
     u"Wasiat bukan angka yang sah atau negatif."},
}};

struct OptionSpec {
    const char16_t* name;
    const char16_t* caption;
};

// In the order of AllDivisionOptions.
constexpr std::array<OptionSpec, AllDivisionOptions.size()> Options{{
    {u"Kakek", u"&Kakek bersama saudara"},
    {u"Musytarakah", u"&Musytarakah"},
    {u"Nenek", u"&Nenek dari pihak"},
    {u"SisaPasangan", u"Sisa bila &hanya suami/istri"},
}};

// Empty is 0; a negative amount, one beyond the range and a text that is no number are refused.
std::optional<Rupiah> readAmount(const QString& text, const QLocale& locale) {
    if (text.trimmed().isEmpty())
        return Rupiah();
    const AmountReading reading = readRupiah(text, locale);
    if (const auto* amount = std::get_if<Rupiah>(&reading))
        return *amount;
    return std::nullopt;
}

QLabel* buddyLabel(QWidget* parent, const QString& name, const QString& caption, QWidget* buddy) {
    QLabel* label = makeLabel(parent, name, caption);
    label->setBuddy(buddy);
    buddy->setAccessibleName(captionWithoutAccessKeys(caption));
    return label;
}

} // namespace

DivisionForm::DivisionForm(AppContext& context, const WarisState& state)
    : Form(context)
    , m_state(state) {
    setWindowTitle(divisionTitles::Window.toString());
    QLabel* title = makeTitle(this, u"Judul"_s, divisionTitles::Window.toString(), 1.3);

    m_name = makeLabel(this, u"Nama"_s);
    m_estate = makeLabel(this, u"Harta"_s);
    auto* particulars = new QGridLayout;
    particulars->addWidget(
        makeLabel(this, u"LabelNama"_s, sheetText::FieldNames[0].trimmed().toString()), 0, 0);
    particulars->addWidget(makeLabel(this, u"TitikDuaNama"_s, sheetText::Colon.toString()), 0, 1);
    particulars->addWidget(m_name, 0, 2);
    particulars->addWidget(
        makeLabel(this, u"LabelHarta"_s, sheetText::FieldNames[5].trimmed().toString()), 1, 0);
    particulars->addWidget(makeLabel(this, u"TitikDuaHarta"_s, sheetText::Colon.toString()), 1, 1);
    particulars->addWidget(m_estate, 1, 2);
    particulars->setColumnStretch(2, 1);

    auto* deductionFrame = new QGroupBox(divisionTitles::Deductions.toString(), this);
    deductionFrame->setObjectName(u"FramePengurangan"_s);
    auto* deductionGrid = new QGridLayout(deductionFrame);
    for (std::size_t i = 0; i < Deductions.size(); ++i) {
        const DeductionSpec& spec = Deductions[i];
        auto* field = new QLineEdit(deductionFrame);
        field->setObjectName(QString::fromUtf16(spec.name));
        field->setToolTip(QString::fromUtf16(spec.toolTip));
        field->setAlignment(Qt::AlignRight);
        m_deductions[i] = field;
        const int row = static_cast<int>(i);
        deductionGrid->addWidget(buddyLabel(deductionFrame, u"Label"_s + field->objectName(),
                                            QString::fromUtf16(spec.caption), field),
                                 row, 0);
        deductionGrid->addWidget(field, row, 1);
        connect(field, &QLineEdit::textChanged, this, &DivisionForm::divide);
        connect(field, &QLineEdit::editingFinished, this,
                [this, i] { refuseIfWrong(static_cast<Deduction>(i)); });
    }
    m_net = makeLabel(deductionFrame, u"HartaBersih"_s);
    m_net->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const int netRow = static_cast<int>(Deductions.size());
    deductionGrid->addWidget(makeLabel(deductionFrame, u"LabelHartaBersih"_s, u"Harta Bersih"_s),
                             netRow, 0);
    deductionGrid->addWidget(m_net, netRow, 1);
    m_bequestNote = makeLabel(deductionFrame, u"CatatanWasiat"_s);
    m_bequestNote->setWordWrap(true);
    deductionGrid->addWidget(m_bequestNote, netRow + 1, 0, 1, 2);
    m_problem = makeLabel(deductionFrame, u"Masalah"_s);
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(u"color: #b00000;"_s);
    deductionGrid->addWidget(m_problem, netRow + 2, 0, 1, 2);
    deductionGrid->setRowStretch(netRow + 3, 1);

    auto* optionFrame = new QGroupBox(divisionTitles::Options.toString(), this);
    optionFrame->setObjectName(u"FramePilihan"_s);
    auto* optionGrid = new QGridLayout(optionFrame);
    for (std::size_t i = 0; i < Options.size(); ++i) {
        const DivisionOptionInfo& info = divisionOptionInfo(AllDivisionOptions[i]);
        auto* box = new QComboBox(optionFrame);
        box->setObjectName(QString::fromUtf16(Options[i].name));
        box->addItems({info.choices[0], info.choices[1]});
        box->setToolTip(info.toolTip);
        m_options[i] = box;
        const int row = static_cast<int>(i);
        optionGrid->addWidget(buddyLabel(optionFrame, u"Label"_s + box->objectName(),
                                         QString::fromUtf16(Options[i].caption), box),
                              row, 0);
        optionGrid->addWidget(box, row, 1);
        connect(box, &QComboBox::currentIndexChanged, this, &DivisionForm::divide);
    }
    optionGrid->setRowStretch(static_cast<int>(Options.size()), 1);

    m_table = new QTableWidget(this);
    m_table->setObjectName(u"Tabel"_s);
    m_table->setFont(fixedWidthFont(font()));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    // The corner button selects the whole table; without a caption screen readers announce a
    // nameless button.
    if (auto* corner = m_table->findChild<QAbstractButton*>())
        corner->setText(u"Pilih Semua"_s);
    QLabel* tableLabel =
        buddyLabel(this, u"LabelTabel"_s, u"&Rincian pembagian per ahli waris"_s, m_table);

    m_notes = makeLabel(this, u"Catatan"_s);
    m_notes->setWordWrap(true);

    m_steps = new QPlainTextEdit(this);
    m_steps->setObjectName(u"Langkah"_s);
    m_steps->setReadOnly(true);
    m_steps->setTabChangesFocus(true);
    QLabel* stepsLabel = buddyLabel(this, u"LabelLangkah"_s, u"&Langkah perhitungan"_s, m_steps);

    const struct {
        const char16_t* name;
        const char16_t* caption;
        const char16_t* toolTip;
        void (DivisionForm::*action)();
    } buttons[] = {
        {u"Simpan", u"&Simpan", u" Menyimpan Pembagian Lengkap Sebagai File Teks  ",
         &DivisionForm::save},
        {u"Cetak", u"&Cetak", u" Mencetak Pembagian Lengkap  ", &DivisionForm::print},
        {u"Pratinjau", u"Pra&tinjau", u" Melihat Tampilan Cetak Sebelum Dicetak  ",
         &DivisionForm::preview},
        {u"Pdf", u"&PDF", u" Menyimpan Pembagian Lengkap Sebagai File PDF  ",
         &DivisionForm::writePdf},
        {u"Tutup", u"&Tutup", u" Menutup Jendela Pembagian Lengkap  ", &DivisionForm::hide},
    };
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    for (const auto& spec : buttons) {
        QPushButton* button =
            makeButton(this, QString::fromUtf16(spec.name), QString::fromUtf16(spec.caption),
                       QString::fromUtf16(spec.toolTip));
        // Return in a deduction only ends the entry; it presses no button.
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, spec.action);
        buttonRow->addWidget(button);
        if (spec.action == &DivisionForm::hide)
            setEscapeButton(button);
    }

    auto* top = new QHBoxLayout;
    top->addWidget(deductionFrame, 1);
    top->addWidget(optionFrame, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(particulars);
    layout->addLayout(top);
    layout->addWidget(tableLabel);
    layout->addWidget(m_table, 3);
    layout->addWidget(m_notes);
    layout->addWidget(stepsLabel);
    layout->addWidget(m_steps, 2);
    layout->addLayout(buttonRow);

    // Room for a whole table of the usual size, within the screen whatever the font.
    const QSize wanted(fontMetrics().averageCharWidth() * 150, fontMetrics().height() * 52);
    const QSize screenRoom = screen()->availableSize() * 9 / 10;
    resize(wanted.boundedTo(screenRoom).expandedTo(minimumSizeHint()));
}

void DivisionForm::activate() {
    follow();
}

void DivisionForm::follow() {
    divide();
}

void DivisionForm::clearEntry() {
    for (QLineEdit* field : m_deductions)
        field->clear();
    for (QComboBox* box : m_options)
        box->setCurrentIndex(0);
    m_refused = {};
}

void DivisionForm::showProblem(const QString& problem) {
    m_problemText = problem;
    m_problem->setText(problem);
}

std::optional<FaraidInput> DivisionForm::input() const {
    FaraidInput in;
    in.counts = m_state.lastCounts();
    for (std::size_t i = 0; i < m_options.size(); ++i)
        setOptionChoice(in.options, AllDivisionOptions[i], m_options[i]->currentIndex());
    in.estate = readAmount(m_state.calculation.estateText(), context().locale);
    // An estate beyond the amounts the program holds is divided in parts only.
    if (!in.estate)
        return in;
    std::array<std::optional<Rupiah>*, DeductionCount> targets{&in.funeral, &in.debts, &in.bequest};
    for (std::size_t i = 0; i < m_deductions.size(); ++i) {
        *targets[i] = readAmount(m_deductions[i]->text(), context().locale);
        if (!*targets[i])
            return std::nullopt;
    }
    return in;
}

void DivisionForm::divide() {
    const std::optional<FaraidInput> in = input();
    if (!in) {
        for (std::size_t i = 0; i < m_deductions.size(); ++i) {
            if (!readAmount(m_deductions[i]->text(), context().locale)) {
                showProblem(QString::fromUtf16(Deductions[i].problem));
                break;
            }
        }
        forgetOtherCase();
        return;
    }
    const FaraidOutcome outcome = divideEstate(*in);
    if (const auto* error = std::get_if<FaraidError>(&outcome)) {
        showProblem(error->message);
        forgetOtherCase();
        return;
    }
    showProblem(QString());
    const auto& result = std::get<FaraidResult>(outcome);
    m_case = DivisionCase{m_state.sheet.particulars[0], m_state.sheet.particulars[5], *in};
    m_report.emplace(*m_case, result, context().locale);
    showReport(*m_report);
}

void DivisionForm::forgetOtherCase() {
    // The last valid division stands in for a refused entry, but never for another calculation.
    if (!m_case || (m_case->input.counts == m_state.lastCounts() &&
                    m_case->estateText == m_state.sheet.particulars[5]))
        return;
    m_case.reset();
    m_report.reset();
    m_table->setRowCount(0);
    m_net->clear();
    m_bequestNote->hide();
    m_notes->hide();
    m_steps->clear();
}

void DivisionForm::refuseIfWrong(Deduction deduction) {
    const auto slot = static_cast<std::size_t>(deduction);
    const QString text = m_deductions[slot]->text();
    if (m_problemText.isEmpty()) {
        m_refused[slot].clear();
        return;
    }
    // Leaving the field again without a change asks no second time.
    if (m_refused[slot] == text)
        return;
    m_refused[slot] = text;
    showMessage(context().dialogs, this, messages::wrongEntry());
}

void DivisionForm::showReport(const DivisionReport& report) {
    m_name->setText(m_case->name);
    m_estate->setText(m_case->estateText);
    m_net->setText(report.net);
    m_bequestNote->setText(report.bequestNote);
    m_bequestNote->setVisible(!report.bequestNote.isEmpty());
    for (std::size_t i = 0; i < m_options.size(); ++i)
        m_options[i]->setEnabled(report.optionsMatter[i]);
    fillTable(report.table);
    m_notes->setText(report.notes.join(u'\n'));
    m_notes->setVisible(!report.notes.isEmpty());
    QStringList numbered;
    numbered.reserve(report.steps.size());
    for (qsizetype i = 0; i < report.steps.size(); ++i)
        numbered.append(report::numberedStep(i, report.steps[i]));
    m_steps->setPlainText(numbered.join(u'\n'));
}

void DivisionForm::fillTable(const report::Table& table) {
    const int columns = static_cast<int>(table.columns.size());
    const int rows = static_cast<int>(table.rows.size());
    if (m_table->columnCount() != columns) {
        m_table->setColumnCount(columns);
        QStringList headings;
        for (const report::Column& column : table.columns)
            headings.append(column.heading);
        m_table->setHorizontalHeaderLabels(headings);
    }
    m_table->setRowCount(rows);
    QFont totalFont = m_table->font();
    totalFont.setBold(true);
    // The columns fit their texts. In the fixed-width font a text's width is its length, so
    // nothing is measured: fitting through the header measures every cell on every change, at
    // several times the cost of the whole division.
    std::vector<qsizetype> lengths;
    for (const report::Column& column : table.columns)
        lengths.push_back(column.heading.size());
    for (int r = 0; r < rows; ++r) {
        const report::Row& row = table.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < columns; ++c) {
            const auto slot = static_cast<std::size_t>(c);
            QTableWidgetItem* item = m_table->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                m_table->setItem(r, c, item);
            }
            const QString text = row.cells.value(c);
            item->setText(text);
            item->setTextAlignment((table.columns[slot].align == report::Align::Right
                                        ? Qt::AlignRight
                                        : Qt::AlignLeft) |
                                   Qt::AlignVCenter);
            item->setFont(row.total ? totalFont : m_table->font());
            lengths[slot] = std::max(lengths[slot], text.size());
        }
    }
    const QFontMetrics metrics(totalFont);
    const int character = metrics.horizontalAdvance(u'0');
    for (int c = 0; c < columns; ++c) {
        const int width = static_cast<int>(lengths[static_cast<std::size_t>(c)] + 2) * character;
        if (m_table->columnWidth(c) != width)
            m_table->setColumnWidth(c, width);
    }
}

void DivisionForm::save() {
    if (!m_report)
        return;
    const report::Report report = m_report->report(divisionStamp(context().now()));
    saveReport(context(), this,
               [&report](LineWriter& writer) { report::writeReport(report, writer); });
}

void DivisionForm::print() {
    if (!m_report)
        return;
    printPages(context(), this, [this](QPagedPaintDevice& device) { paintReport(device); });
}

void DivisionForm::preview() {
    if (!m_report)
        return;
    previewPages(context(), this, [this](QPagedPaintDevice& device) { paintReport(device); });
}

void DivisionForm::writePdf() {
    if (!m_report)
        return;
    savePdf(context(), this, divisionTitles::Report.toString(),
            [this](QPagedPaintDevice& device) { paintReport(device); });
}

void DivisionForm::paintReport(QPagedPaintDevice& device) const {
    QFont body = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    body.setPointSizeF(10);
    QFont table = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    table.setPointSizeF(8);
    report::reportDocument(m_report->report(divisionStamp(context().now())), body, table)
        ->print(&device);
}

} // namespace zw::waris
