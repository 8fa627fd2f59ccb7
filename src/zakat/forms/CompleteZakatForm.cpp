#include "zakat/forms/CompleteZakatForm.h"

#include "common/NumberFormat.h"
#include "ui/AppContext.h"
#include "ui/ChoiceBox.h"
#include "ui/FormWidgets.h"
#include "ui/Messages.h"
#include "zakat/engine/complete/CompleteZakat.h"
#include "zakat/engine/complete/ZakatChoices.h"
#include "zakat/engine/complete/ZakatWorking.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace zw::zakat {

namespace {

using complete::Field;

using ChoiceMaker = QComboBox* (*)(QWidget* parent, const QString& name);

// A row of a kind's section: the field of a typed value, or a choice made by `makeChoice` when
// `choice` is set (its `field` is then not used).
struct RowSpec {
    const char16_t* name;
    const char16_t* caption;
    Field field;
    QComboBox* CompleteZakatForm::*choice = nullptr;
    ChoiceMaker makeChoice = nullptr;
};

// The box of the option that the function `option` returns.
template<auto option> QComboBox* makeChoice(QWidget* parent, const QString& name) {
    return makeChoiceBox(parent, name, option());
}

struct GroupSpec {
    const char16_t* name;
    const char16_t* title;
    const char16_t* explanation;
    std::initializer_list<RowSpec> rows;
};

constexpr int KindColumns = 4;

const QString WindowTitle = u"ZAKAT LENGKAP"_s;

const QString& fitrahValueCaption(complete::FitrahForm form) {
    static const std::array<QString, 3> captions{
        u"Nilai per orang (Rp)"_s, u"Harga beras/kg (Rp)"_s, u"Harga beras/liter (Rp)"_s};
    return captions[static_cast<std::size_t>(form)];
}

} // namespace

CompleteZakatForm::CompleteZakatForm(AppContext& context)
    : ReportWindow(context) {
    setWindowTitle(WindowTitle);
    QLabel* title = makeTitle(this, u"Judul"_s, WindowTitle, 1.3);
    m_name = makeLabel(this, u"Nama"_s);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(makeLabel(this, u"LabelNama"_s, u"Nama :"_s));
    nameRow->addWidget(m_name, 1);

    // The entry and the result each have the window's height; the total and a refusal stay in
    // view under both.
    auto* pages = new QTabWidget(this);
    pages->setObjectName(u"Halaman"_s);
    // Tab reaches the tab bar alone, in its place above the pages.
    pages->setFocusPolicy(Qt::NoFocus);
    pages->addTab(buildEntry(), u"Harta &wajib zakat"_s);
    pages->addTab(buildResult(), u"Ringkasan &zakat"_s);

    m_problem = makeLabel(this, u"Masalah"_s);
    m_problem->setStyleSheet(u"color: #b00000;"_s);
    m_total = makeLabel(this, u"TotalZakat"_s);
    QFont bold = m_total->font();
    bold.setBold(true);
    m_total->setFont(bold);
    m_total->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(nameRow);
    layout->addWidget(pages, 1);
    layout->addWidget(m_problem);
    layout->addWidget(m_total);
    layout->addLayout(makeOutputButtons(u"Perhitungan Zakat Lengkap"_s));

    recompute();
}

QWidget* CompleteZakatForm::buildEntry() {
    auto* page = new QWidget(this);
    page->setObjectName(u"HalamanIsian"_s);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(buildSettings(page));
    layout->addWidget(buildKinds(page), 1);
    return page;
}

QWidget* CompleteZakatForm::buildSettings(QWidget* page) {
    auto* frame = new QGroupBox(u"Nilai acuan"_s, page);
    frame->setObjectName(u"FrameAcuan"_s);
    auto* grid = new QGridLayout(frame);

    m_year = new QComboBox(frame);
    m_year->setObjectName(u"Tahun"_s);
    m_year->setToolTip(u" Tahun nilai nishab dan zakat fitrah menurut BAZNAS  "_s);
    if (const auto* values =
            std::get_if<complete::ReferenceValues>(&complete::ReferenceValues::shipped())) {
        for (auto year = values->years().crbegin(); year != values->years().crend(); ++year)
            m_year->addItem(QString::number(year->year));
    }
    m_basis = makeChoiceBox(frame, u"DasarNishab"_s, complete::nishabOption(),
                            u" Dasar nishab zakat yang diukur dengan uang  "_s);
    m_haul = new QCheckBox(u"Sudah &haul (dimiliki satu tahun)"_s, frame);
    m_haul->setObjectName(u"Haul"_s);
    m_haul->setChecked(true);
    m_haul->setToolTip(u" Berlaku untuk simpanan, emas, perak, perdagangan dan ternak  "_s);

    QLineEdit* gold = addField(frame, Field::GoldPrice, u"HargaEmas"_s);
    QLineEdit* silver = addField(frame, Field::SilverPrice, u"HargaPerak"_s);
    const struct {
        QWidget* widget;
        const char16_t* name;
        const char16_t* caption;
    } cells[] = {
        {m_year, u"LabelTahun", u"Tah&un"},
        {m_basis, u"LabelDasarNishab", u"&Dasar nishab"},
        {gold, u"LabelHargaEmas", u"Harga &emas per gram (Rp)"},
        {silver, u"LabelHargaPerak", u"Harga pe&rak per gram (Rp)"},
    };
    for (int i = 0; i < 4; ++i) {
        const auto& cell = cells[i];
        grid->addWidget(makeBuddyLabel(frame, QString::fromUtf16(cell.name),
                                       QString::fromUtf16(cell.caption), cell.widget),
                        i / 2, i % 2 * 2);
        grid->addWidget(cell.widget, i / 2, i % 2 * 2 + 1);
    }
    grid->addWidget(m_haul, 0, 4);
    m_nishab = makeLabel(frame, u"NilaiNishab"_s);
    grid->addWidget(m_nishab, 2, 0, 1, 5);
    grid->setColumnStretch(5, 1);

    connect(m_year, &QComboBox::currentIndexChanged, this, &CompleteZakatForm::recompute);
    connect(m_basis, &QComboBox::currentIndexChanged, this, &CompleteZakatForm::recompute);
    connect(m_haul, &QCheckBox::toggled, this, &CompleteZakatForm::recompute);
    return frame;
}

QLineEdit* CompleteZakatForm::addField(QWidget* parent, Field field, const QString& name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAlignment(Qt::AlignRight);
    m_fields[static_cast<std::size_t>(field)] = edit;
    connect(edit, &QLineEdit::textChanged, this, &CompleteZakatForm::recompute);
    connect(edit, &QLineEdit::editingFinished, this, [this, field] { refuseIfWrong(field); });
    return edit;
}

QWidget* CompleteZakatForm::buildKinds(QWidget* page) {
    const GroupSpec groups[] = {
        {u"FramePenghasilan",
         u"Pen&ghasilan",
         u"Gaji, honor dan jasa; 2,5%, tanpa haul",
         {{u"Penghasilan", u"Penghasilan (Rp)", Field::Income},
          {u"PenghasilanLain", u"Penghasilan lain (Rp)", Field::IncomeOther},
          {u"Pengurangan", u"Pengurangan (Rp)", Field::IncomeDeductions},
          {u"Periode", u"Periode", Field::Year, &CompleteZakatForm::m_period,
           makeChoice<&complete::periodOption>}}},
        {u"FrameSimpanan",
         u"Si&mpanan",
         u"Tabungan, deposito, saham; 2,5%",
         {{u"Tunai", u"Tunai/tabungan (Rp)", Field::Cash},
          {u"SuratBerharga", u"Surat berharga (Rp)", Field::Securities},
          {u"Piutang", u"Piutang lancar (Rp)", Field::Receivables},
          {u"Utang", u"Utang jatuh tempo (Rp)", Field::Debts}}},
        {u"FrameEmasPerak",
         u"Em&as && Perak",
         u"Nishab 85 g emas murni, 595 g perak",
         {{u"EmasGram", u"Emas (gram)", Field::GoldGrams},
          {u"Karat", u"Kadar (karat)", Field::Carat},
          {u"PerakGram", u"Perak (gram)", Field::SilverGrams}}},
        {u"FramePerdagangan",
         u"Perdaga&ngan",
         u"Barang, kas dan piutang usaha; 2,5%",
         {{u"AsetDagang", u"Barang dan kas (Rp)", Field::TradeAssets},
          {u"PiutangDagang", u"Piutang dagang (Rp)", Field::TradeReceivables},
          {u"UtangDagang", u"Utang dagang (Rp)", Field::TradeDebts}}},
        {u"FramePertanian",
         u"Pertan&ian",
         u"Gabah tiap panen, nishab 653 kg",
         {{u"PanenKg", u"Panen (kg gabah)", Field::HarvestKg},
          {u"Pengairan", u"Pengairan", Field::Year, &CompleteZakatForm::m_irrigation,
           makeChoice<&complete::irrigationOption>},
          {u"HargaGabah", u"Harga gabah/kg (Rp)", Field::HarvestPrice}}},
        {u"FrameTernak",
         u"Terna&k",
         u"Digembalakan; nishab 5, 30, 40 ekor",
         {{u"Unta", u"Unta (ekor)", Field::Camels},
          {u"Sapi", u"Sapi/kerbau (ekor)", Field::Cattle},
          {u"Kambing", u"Kambing/domba (ekor)", Field::Goats}}},
        {u"FrameRikazTambang",
         u"Rikaz && Tam&bang",
         u"Harta temuan 20%; tambang 2,5%",
         {{u"Rikaz", u"Harta temuan (Rp)", Field::Rikaz},
          {u"Tambang", u"Hasil tambang (Rp)", Field::Mining}}},
        {u"FrameFitrah",
         u"&Fitrah",
         u"Per jiwa 2,5 kg/3,5 liter beras atau uang",
         {{u"FitrahOrang", u"Jumlah jiwa", Field::FitrahPersons},
          {u"FitrahBentuk", u"Dibayar dengan", Field::Year, &CompleteZakatForm::m_fitrahForm,
           makeChoice<&complete::fitrahFormOption>},
          {u"FitrahNilai", u"Nilai per orang (Rp)", Field::FitrahValue}}},
    };

    auto* area = new QScrollArea(page);
    m_kinds = area;
    area->setObjectName(u"JenisZakat"_s);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    auto* inner = new QWidget(area);
    auto* grid = new QGridLayout(inner);
    grid->setContentsMargins(0, 0, 0, 0);
    int index = 0;
    for (const GroupSpec& group : groups) {
        auto* frame = new QGroupBox(QString::fromUtf16(group.title), inner);
        frame->setObjectName(QString::fromUtf16(group.name));
        auto* rows = new QFormLayout(frame);
        QLabel* explanation = makeLabel(frame, frame->objectName() + u"Keterangan"_s,
                                        QString::fromUtf16(group.explanation));
        explanation->setForegroundRole(QPalette::PlaceholderText);
        rows->addRow(explanation);
        for (const RowSpec& row : group.rows) {
            const QString name = QString::fromUtf16(row.name);
            QWidget* control = nullptr;
            if (row.choice) {
                QComboBox* box = row.makeChoice(frame, name);
                connect(box, &QComboBox::currentIndexChanged, this, &CompleteZakatForm::recompute);
                this->*row.choice = box;
                control = box;
            } else {
                control = addField(frame, row.field, name);
            }
            QLabel* label =
                makeBuddyLabel(frame, u"Label"_s + name, QString::fromUtf16(row.caption), control);
            if (row.field == Field::FitrahValue)
                m_fitrahValueLabel = label;
            rows->addRow(label, control);
        }
        grid->addWidget(frame, index / KindColumns, index % KindColumns);
        ++index;
    }
    grid->setRowStretch(grid->rowCount(), 1);
    m_fields[static_cast<std::size_t>(Field::Carat)]->setPlaceholderText(u"24"_s);
    connect(m_fitrahForm, &QComboBox::currentIndexChanged, this,
            &CompleteZakatForm::followFitrahForm);
    area->setWidget(inner);
    // The sections on the page's own background, not a second shade of it.
    area->viewport()->setAutoFillBackground(false);
    inner->setAutoFillBackground(false);
    return area;
}

QWidget* CompleteZakatForm::buildResult() {
    auto* page = new QWidget(this);
    page->setObjectName(u"HalamanHasil"_s);
    // The summary over the working; the user moves the line between them.
    auto* splitter = new QSplitter(Qt::Vertical, page);
    splitter->setObjectName(u"PemisahHasil"_s);
    splitter->setChildrenCollapsible(false);
    (new QVBoxLayout(page))->addWidget(splitter);

    auto* summary = new QWidget(splitter);
    m_summary = makeReportTable(summary, u"Ringkasan"_s);
    auto* summaryColumn = new QVBoxLayout(summary);
    summaryColumn->setContentsMargins(0, 0, 0, 0);
    summaryColumn->addWidget(
        makeBuddyLabel(summary, u"LabelRingkasan"_s, u"&Ringkasan per jenis zakat"_s, m_summary));
    summaryColumn->addWidget(m_summary);

    auto* working = new QWidget(splitter);
    m_steps = makeStepsBox(working);
    auto* workingColumn = new QVBoxLayout(working);
    workingColumn->setContentsMargins(0, 0, 0, 0);
    workingColumn->addWidget(
        makeBuddyLabel(working, u"LabelLangkah"_s, u"&Langkah perhitungan"_s, m_steps));
    workingColumn->addWidget(m_steps);

    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    return page;
}

void CompleteZakatForm::fitToFont() {
    // The sections side by side; what the window has no room for scrolls.
    const int scrollBar = m_kinds->verticalScrollBar()->sizeHint().width();
    m_kinds->setMinimumWidth(m_kinds->widget()->minimumSizeHint().width() + scrollBar);
    // Room for a summary of every kind, within the screen whatever the font.
    const QSize wanted(fontMetrics().averageCharWidth() * 185, fontMetrics().height() * 68);
    const QSize screenRoom = screen()->availableSize() * 9 / 10;
    resize(wanted.boundedTo(screenRoom).expandedTo(minimumSizeHint()));
}

void CompleteZakatForm::setPayerName(const QString& name) {
    m_name->setText(name.trimmed());
    recompute();
}

complete::ZakatEntry CompleteZakatForm::entry() const {
    complete::ZakatEntry e;
    for (std::size_t f = 0; f < m_fields.size(); ++f) {
        if (m_fields[f])
            e.texts[f] = m_fields[f]->text();
    }
    e[Field::Year] = m_year->currentText();
    e.basis = choiceValue<complete::NishabBasis>(m_basis);
    e.period = choiceValue<complete::Period>(m_period);
    e.irrigation = choiceValue<complete::Irrigation>(m_irrigation);
    e.fitrahForm = choiceValue<complete::FitrahForm>(m_fitrahForm);
    e.haulComplete = m_haul->isChecked();
    return e;
}

void CompleteZakatForm::recompute() {
    auto outcome = complete::calculateZakat(entry(), context().locale);
    // A refused entry shows no result: one kept from before would be saved as if it were this one.
    if (auto* refusal = std::get_if<complete::Refusal>(&outcome)) {
        m_problem->setText(refusal->message);
        m_problem->show();
        m_refusal = std::move(*refusal);
        hideReport();
        return;
    }
    m_refusal.reset();
    m_problem->clear();
    m_problem->hide();
    const auto& result = std::get<complete::ZakatResult>(outcome);
    m_report.emplace(result, m_name->text(), context().locale);
    const QLocale& locale = context().locale;
    m_nishab->setText(u"Nishab uang %1: %2 per tahun, %3 per bulan (dasar %4)"_s.arg(
        QString::number(result.year.year), formatRupiah(result.nishabYear, locale),
        formatRupiah(result.nishabMonth, locale), complete::basisName(result.input.basis)));
    showReport();
}

void CompleteZakatForm::refuseIfWrong(Field field) {
    const auto slot = static_cast<std::size_t>(field);
    const QString text = m_fields[slot]->text();
    const bool wrong = (m_refusal && m_refusal->field == field) ||
                       complete::fieldProblem(field, text, context().locale);
    if (m_refused.shouldTell(slot, text, wrong))
        showMessage(context().dialogs, this, messages::wrongEntry());
}

void CompleteZakatForm::followFitrahForm() {
    const QString caption = fitrahValueCaption(choiceValue<complete::FitrahForm>(m_fitrahForm));
    m_fitrahValueLabel->setText(caption);
    m_fitrahValueLabel->buddy()->setAccessibleName(caption);
}

void CompleteZakatForm::showReport() {
    showTable(*m_summary, m_report->summary());
    m_total->setText(u"Jumlah zakat: "_s + m_report->total());
    showSteps(*m_steps, m_report->steps());
    enableOutput(true);
}

void CompleteZakatForm::hideReport() {
    m_report.reset();
    m_nishab->clear();
    m_summary->setRowCount(0);
    m_total->clear();
    m_steps->clear();
    enableOutput(false);
}

std::optional<report::Report> CompleteZakatForm::currentReport(const QDateTime& now) const {
    if (!m_report)
        return std::nullopt;
    complete::CompleteReport stamped = *m_report;
    stamped.stamp(now);
    return stamped.report();
}

} // namespace zw::zakat
