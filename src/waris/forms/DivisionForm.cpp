#include "waris/forms/DivisionForm.h"

#include "common/NumberReader.h"
#include "ui/AppContext.h"
#include "ui/ChoiceBox.h"
#include "ui/FormWidgets.h"
#include "ui/Messages.h"
#include "waris/engine/designed/InheritanceSheet.h"
#include "waris/engine/faraid/FaraidChoices.h"
#include "waris/engine/faraid/FaraidText.h"
#include "waris/engine/render/DivisionTitles.h"
#include "waris/engine/render/SpecialCasesReport.h"
#include "waris/engine/render/SpecialCasesText.h"
#include "waris/forms/PredeceasedTable.h"
#include "waris/forms/SpecialCasesBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
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

// In the order of DivisionForm::Deduction.
constexpr std::array<DeductionSpec, 6> Deductions{{
    {u"HartaBersama", u"Harta B&ersama",
     u" Harta bersama dengan suami/istri yang masih hidup; separuhnya milik suami/istri, "
     u"kosong = 0  ",
     u"Harta bersama bukan angka yang sah atau negatif."},
    {u"Biaya", u"&Biaya Pengurusan Jenazah", u" Biaya pengurusan jenazah, kosong = 0  ",
     u"Biaya pengurusan jenazah bukan angka yang sah atau negatif."},
    {u"ZakatTerutang", u"&Zakat yang Belum Dibayar", u" Zakat yang belum dibayar, kosong = 0  ",
     u"Zakat yang belum dibayar bukan angka yang sah atau negatif."},
    {u"Utang", u"&Utang", u" Utang yang ditinggalkan, kosong = 0  ",
     u"Utang bukan angka yang sah atau negatif."},
    {u"WasiatWajibah", u"Wasiat Wa&jibah",
     u" KHI: wasiat wajibah, didahulukan; bersama wasiat paling banyak 1/3  ",
     u"Wasiat wajibah bukan angka yang sah atau negatif."},
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
    {u"AnakMenghijabSaudara", u"&Anak wanita dan saudara"},
    {u"RaddKhi", u"Ra&dd dalam KHI"},
}};

} // namespace

DivisionForm::DivisionForm(AppContext& context, const WarisState& state)
    : ReportWindow(context)
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
    m_law = makeChoiceBox(this, u"Hukum"_s, choices::Laws,
                          u" Fikih klasik (jumhur) atau Kompilasi Hukum Islam, seperti di "
                          u"Pengadilan Agama  "_s);
    particulars->addWidget(makeBuddyLabel(this, u"LabelHukum"_s, u"Hukum yan&g Dipakai"_s, m_law),
                           0, 3);
    particulars->addWidget(m_law, 0, 4);
    connect(m_law, &QComboBox::currentIndexChanged, this, &DivisionForm::divide);

    auto* deductionFrame = new QGroupBox(divisionTitles::Deductions.toString(), this);
    deductionFrame->setObjectName(u"FramePengurangan"_s);
    auto* deductionGrid = new QGridLayout(deductionFrame);
    int deductionRow = 0;
    for (std::size_t i = 0; i < Deductions.size(); ++i) {
        const DeductionSpec& spec = Deductions[i];
        auto* field = new QLineEdit(deductionFrame);
        field->setObjectName(QString::fromUtf16(spec.name));
        field->setToolTip(QString::fromUtf16(spec.toolTip));
        field->setAlignment(Qt::AlignRight);
        m_deductions[i] = field;
        deductionGrid->addWidget(makeBuddyLabel(deductionFrame, u"Label"_s + field->objectName(),
                                                QString::fromUtf16(spec.caption), field),
                                 deductionRow, 0);
        deductionGrid->addWidget(field, deductionRow++, 1);
        connect(field, &QLineEdit::textChanged, this, &DivisionForm::divide);
        connect(field, &QLineEdit::editingFinished, this,
                [this, i] { refuseIfWrong(static_cast<Deduction>(i)); });
        if (i != Obligatory)
            continue;
        m_recipient = makeChoiceBox(deductionFrame, u"PenerimaWasiatWajibah"_s, choices::Recipient);
        deductionGrid->addWidget(makeBuddyLabel(deductionFrame, u"LabelPenerimaWasiatWajibah"_s,
                                                u"Pener&ima Wasiat Wajibah"_s, m_recipient),
                                 deductionRow, 0);
        deductionGrid->addWidget(m_recipient, deductionRow++, 1);
        connect(m_recipient, &QComboBox::currentIndexChanged, this, &DivisionForm::divide);
    }
    m_net = makeLabel(deductionFrame, u"HartaBersih"_s);
    m_net->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const int netRow = deductionRow;
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

    auto* predeceasedFrame = new QGroupBox(u"Pengganti"_s, this);
    predeceasedFrame->setObjectName(u"FramePengganti"_s);
    m_predeceased = new PredeceasedTable(predeceasedFrame);
    (new QVBoxLayout(predeceasedFrame))->addWidget(m_predeceased);
    connect(m_predeceased, &PredeceasedTable::changed, this, &DivisionForm::divide);

    m_special = new SpecialCasesBox(this);
    connect(m_special, &SpecialCasesBox::changed, this, &DivisionForm::divide);

    auto* optionFrame = new QGroupBox(divisionTitles::Options.toString(), this);
    optionFrame->setObjectName(u"FramePilihan"_s);
    auto* optionGrid = new QGridLayout(optionFrame);
    for (std::size_t i = 0; i < Options.size(); ++i) {
        const DivisionOptionInfo& info = divisionOptionInfo(AllDivisionOptions[i]);
        QComboBox* box = makeChoiceBox(optionFrame, QString::fromUtf16(Options[i].name),
                                       info.choices, info.toolTip);
        m_options[i] = box;
        const int row = static_cast<int>(i);
        optionGrid->addWidget(makeBuddyLabel(optionFrame, u"Label"_s + box->objectName(),
                                             QString::fromUtf16(Options[i].caption), box),
                              row, 0);
        optionGrid->addWidget(box, row, 1);
        connect(box, &QComboBox::currentIndexChanged, this, &DivisionForm::divide);
    }
    optionGrid->setRowStretch(static_cast<int>(Options.size()), 1);

    m_table = makeReportTable(this, u"Rincian"_s);
    QLabel* tableLabel =
        makeBuddyLabel(this, u"LabelRincian"_s, u"&Rincian pembagian per ahli waris"_s, m_table);
    m_compare = new QCheckBox(u"Bandingkan &fikih klasik dan KHI"_s, this);
    m_compare->setObjectName(u"Bandingkan"_s);
    m_compare->setToolTip(u" Menampilkan bagian menurut kedua hukum berdampingan  "_s);
    connect(m_compare, &QCheckBox::toggled, this, &DivisionForm::divide);
    auto* tableHead = new QHBoxLayout;
    tableHead->addWidget(tableLabel);
    tableHead->addStretch();
    tableHead->addWidget(m_compare);

    m_notes = makeLabel(this, u"Catatan"_s);
    m_notes->setWordWrap(true);

    m_steps = makeStepsBox(this);
    QLabel* stepsLabel =
        makeBuddyLabel(this, u"LabelLangkah"_s, u"&Langkah perhitungan"_s, m_steps);

    QHBoxLayout* buttonRow = makeOutputButtons(u"Pembagian Lengkap"_s);

    auto* top = new QHBoxLayout;
    top->addWidget(deductionFrame, 3);
    // Both are seldom needed: one beside the other would leave the table no room.
    auto* cases = new QTabWidget(this);
    cases->setObjectName(u"TabKasus"_s);
    // Tab reaches the tab bar alone, in its place above the pages.
    cases->setFocusPolicy(Qt::NoFocus);
    cases->tabBar()->setFocusPolicy(Qt::TabFocus);
    cases->addTab(predeceasedFrame, u"Pengganti"_s);
    cases->addTab(m_special, u"Kasus khusus"_s);
    top->addWidget(cases, 3);
    top->addWidget(optionFrame, 3);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(particulars);
    layout->addLayout(top);
    layout->addLayout(tableHead);
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
    m_law->setCurrentIndex(0);
    m_recipient->setCurrentIndex(0);
    m_predeceased->clear();
    m_special->clear();
    m_compare->setChecked(false);
    m_refused.forget();
}

void DivisionForm::showProblem(const QString& problem) {
    m_problemText = problem;
    m_problem->setText(problem);
}

bool DivisionForm::khiAsked() const {
    return choiceValue<Law>(m_law) == Law::Khi || m_compare->isChecked();
}

// The deductions, when the estate can be read; an estate beyond the amounts the program holds is
// divided in parts only.
QString DivisionForm::readDeductions(FaraidInput& input) const {
    input.estate = m_state.estate;
    if (!input.estate)
        return {};
    const std::array<std::optional<Rupiah>*, DeductionCount> targets{
        &input.jointProperty, &input.funeral,           &input.zakat,
        &input.debts,         &input.obligatoryBequest, &input.bequest};
    for (std::size_t i = 0; i < m_deductions.size(); ++i) {
        // The obligatory bequest is KHI's; beside the classical law it counts for the comparison.
        if (i == Obligatory && !khiAsked())
            continue;
        *targets[i] = readFieldAmount(m_deductions[i]->text(), context().locale);
        if (!*targets[i])
            return QString::fromUtf16(Deductions[i].problem);
    }
    input.obligatoryBequestTo = choiceValue<BequestRecipient>(m_recipient);
    return {};
}

std::variant<DivisionRequest, QString> DivisionForm::request() const {
    DivisionRequest request;
    FaraidInput& in = request.input;
    in.law = choiceValue<Law>(m_law);
    request.compare = m_compare->isChecked();
    in.counts = m_state.lastCounts();
    in.predeceased = m_predeceased->children();
    // A disabled option keeps its choice for later, but it is not asked now.
    const Law asked = khiAsked() ? Law::Khi : Law::Classical;
    for (std::size_t i = 0; i < m_options.size(); ++i) {
        if (optionApplies(AllDivisionOptions[i], asked))
            setOptionValue(in.options, AllDivisionOptions[i], m_options[i]->currentData().toInt());
    }
    if (QString problem = readDeductions(in); !problem.isEmpty())
        return problem;
    auto special = m_special->special();
    if (auto* problem = std::get_if<QString>(&special))
        return std::move(*problem);
    request.special = std::get<SpecialInput>(std::move(special));
    if (QString problem = m_special->addDistantKin(in); !problem.isEmpty())
        return problem;
    return request;
}

void DivisionForm::divide() {
    m_deductions[Obligatory]->setEnabled(khiAsked());
    m_recipient->setEnabled(khiAsked());
    m_special->setHeirs(m_state.lastCounts());
    const auto read = request();
    if (const auto* problem = std::get_if<QString>(&read))
        return showNoResult(*problem);
    DivisionOutcome outcome = waris::divide(std::get<DivisionRequest>(read));
    if (const auto* error = std::get_if<FaraidError>(&outcome))
        return showNoResult(error->message);
    showDivision(std::get<DividedEstate>(std::move(outcome)));
}

void DivisionForm::showDivision(DividedEstate divided) {
    showProblem(QString());
    m_case =
        DivisionCase{m_state.sheet.particulars[0], m_state.sheet.particulars[5], divided.input};
    m_report.emplace(*m_case, divided.result, context().locale,
                     divided.other ? &*divided.other : nullptr);
    m_divided = std::move(divided);
    showReport(*m_report);
    enableOutput(true);
}

// A refused entry shows no result: a division of what was half typed is no answer.
void DivisionForm::showNoResult(const QString& problem) {
    showProblem(problem);
    m_case.reset();
    m_report.reset();
    m_divided.reset();
    m_table->setRowCount(0);
    m_net->clear();
    m_bequestNote->hide();
    m_notes->hide();
    m_steps->setPlainText(problem);
    enableOutput(false);
}

void DivisionForm::refuseIfWrong(Deduction deduction) {
    const auto slot = static_cast<std::size_t>(deduction);
    if (m_refused.shouldTell(slot, m_deductions[slot]->text(), !m_problemText.isEmpty()))
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
    QStringList notes = report.notes;
    QStringList steps = report.steps;
    if (const auto& special = m_divided->special) {
        showTable(*m_table, specialFinalTable(*special, context().locale));
        notes += specialNotes(*special);
        steps += specialSteps(*special);
        steps += heldAmountSteps(*special, context().locale);
    } else {
        showTable(*m_table, report.comparison ? *report.comparison : report.table);
    }
    m_notes->setText(notes.join(u'\n'));
    m_notes->setVisible(!notes.isEmpty());
    showSteps(*m_steps, steps);
}

std::optional<report::Report> DivisionForm::currentReport(const QDateTime& now) const {
    if (!m_report)
        return std::nullopt;
    return fullReport(*m_report, *m_divided, context().locale, divisionStamp(now));
}

} // namespace zw::waris
