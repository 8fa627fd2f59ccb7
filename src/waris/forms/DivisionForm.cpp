#include "waris/forms/DivisionForm.h"

#include "common/NumberFormat.h"
#include "common/NumberReader.h"
#include "ui/AppContext.h"
#include "ui/ChoiceBox.h"
#include "ui/FormRegistry.h"
#include "ui/FormWidgets.h"
#include "ui/Messages.h"
#include "ui/Navigation.h"
#include "waris/engine/designed/InheritanceSheet.h"
#include "waris/engine/faraid/FaraidChoices.h"
#include "waris/engine/kasus/KasusRequest.h"
#include "waris/engine/render/DivisionTitles.h"
#include "waris/engine/render/SpecialCasesReport.h"
#include "waris/engine/render/SpecialCasesText.h"
#include "waris/forms/CaseFiles.h"
#include "waris/forms/DeceasedPage.h"
#include "waris/forms/PersonsTable.h"
#include "waris/forms/SpecialOptionsBox.h"
#include "waris/forms/WarisFormNames.h"

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
#include <QSplitter>
#include <QStringBuilder>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <map>
#include <set>

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

struct DeductionSpec {
    const char16_t* name;
    const char16_t* caption;
    const char16_t* toolTip;
    const char16_t* problem;
};

// In the order of DivisionForm::Deduction. No access keys on a tab's page: on a hidden page they
// would reach nothing; the tab's own key leads there.
constexpr std::array<DeductionSpec, 6> Deductions{{
    {u"HartaBersama", u"Harta Bersama",
     u" Harta bersama dengan suami/istri yang masih hidup; separuhnya milik suami/istri, "
     u"kosong = 0  ",
     u"Harta bersama bukan angka yang sah atau negatif."},
    {u"Biaya", u"Biaya Pengurusan Jenazah", u" Biaya pengurusan jenazah, kosong = 0  ",
     u"Biaya pengurusan jenazah bukan angka yang sah atau negatif."},
    {u"ZakatTerutang", u"Zakat yang Belum Dibayar", u" Zakat yang belum dibayar, kosong = 0  ",
     u"Zakat yang belum dibayar bukan angka yang sah atau negatif."},
    {u"Utang", u"Utang", u" Utang yang ditinggalkan, kosong = 0  ",
     u"Utang bukan angka yang sah atau negatif."},
    {u"WasiatWajibah", u"Wasiat Wajibah",
     u" KHI: wasiat wajibah, didahulukan; bersama wasiat paling banyak 1/3  ",
     u"Wasiat wajibah bukan angka yang sah atau negatif."},
    {u"Wasiat", u"Wasiat", u" Wasiat, paling banyak 1/3 harta setelah biaya dan utang  ",
     u"Wasiat bukan angka yang sah atau negatif."},
}};

struct OptionSpec {
    const char16_t* name;
    const char16_t* caption;
};

// In the order of AllDivisionOptions.
constexpr std::array<OptionSpec, AllDivisionOptions.size()> Options{{
    {u"Kakek", u"Kakek bersama saudara"},
    {u"Musytarakah", u"Musytarakah"},
    {u"Nenek", u"Nenek dari pihak"},
    {u"SisaPasangan", u"Sisa bila hanya suami/istri"},
    {u"AnakMenghijabSaudara", u"Anak wanita dan saudara"},
    {u"RaddKhi", u"Radd dalam KHI"},
}};

// The persons of the designed road's counts, without names until the user types them.
std::vector<Person> personsOfCounts(const PerKind<int>& counts) {
    std::vector<Person> persons;
    for (int k = 0; k < HeirKindCount; ++k) {
        const HeirKind kind = heirKind(k);
        for (int n = 1; n <= counts[kind]; ++n) {
            Person person;
            person.id = static_cast<int>(persons.size()) + 1;
            person.relation = kind;
            persons.push_back(std::move(person));
        }
    }
    return persons;
}

// What was typed of the earlier persons stays with the persons of the same kind and number; the
// persons of persons stay with them.
std::vector<Person> keepTyped(std::vector<Person> fresh, const std::vector<Person>& earlier) {
    std::map<HeirKind, std::vector<const Person*>> before;
    for (const Person& person : earlier) {
        if (person.of == 0 && person.state != PersonState::Unborn)
            before[person.relation].push_back(&person);
    }
    std::map<HeirKind, std::size_t> used;
    int nextId = 1;
    for (const Person& person : earlier)
        nextId = std::max(nextId, person.id + 1);
    std::set<int> kept;
    for (Person& person : fresh) {
        const auto& same = before[person.relation];
        std::size_t& n = used[person.relation];
        if (n < same.size()) {
            person = *same[n++];
            kept.insert(person.id);
        } else {
            person.id = nextId++;
        }
    }
    for (const Person& person : earlier) {
        if ((person.of != 0 && kept.contains(person.of)) ||
            (person.of == 0 && person.state == PersonState::Unborn))
            fresh.push_back(person);
    }
    return fresh;
}

} // namespace

DivisionForm::DivisionForm(AppContext& context, const WarisState& state)
    : ReportWindow(context)
    , m_state(state) {
    QLabel* title = makeTitle(this, u"Judul"_s, divisionTitles::Window.toString(), 1.3);
    m_files = new CaseFiles(
        *this, context.dialogs, divisionTitles::Window.toString(),
        {[this, &context]() -> std::optional<Kasus> {
             auto read = kasus();
             if (auto* problem = std::get_if<QString>(&read)) {
                 showMessage(context.dialogs, this, {divisionTitles::Window.toString(), *problem});
                 return std::nullopt;
             }
             return std::get<Kasus>(std::move(read));
         },
         [this](const Kasus& kasus) {
             m_fromRoad = false;
             showKasus(kasus);
         },
         [this, &context](const QString& problem) {
             showMessage(context.dialogs, this, {divisionTitles::Window.toString(), problem});
         }});

    // First in the window, so first in the focus chain.
    QHBoxLayout* fileButtons = m_files->makeButtons();

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
    m_compare = new QCheckBox(u"Bandingkan &fikih klasik dan KHI"_s, this);
    m_compare->setObjectName(u"Bandingkan"_s);
    m_compare->setToolTip(u" Menampilkan bagian menurut kedua hukum berdampingan  "_s);
    particulars->addWidget(m_compare, 1, 3, 1, 2);
    connect(m_law, &QComboBox::currentIndexChanged, this, &DivisionForm::entryChanged);
    connect(m_compare, &QCheckBox::toggled, this, &DivisionForm::entryChanged);

    m_deceased = new DeceasedPage(context.locale, this);
    connect(m_deceased, &DeceasedPage::changed, this, &DivisionForm::entryChanged);
    m_persons = new PersonsTable(this);
    connect(m_persons, &PersonsTable::changed, this, &DivisionForm::entryChanged);

    m_entry = new QTabWidget(this);
    m_entry->setObjectName(u"TabKasus"_s);
    // Tab reaches the tab bar alone, in its place above the pages.
    m_entry->setFocusPolicy(Qt::NoFocus);
    m_entry->tabBar()->setFocusPolicy(Qt::TabFocus);
    m_entry->addTab(m_deceased, u"P&ewaris"_s);
    m_entry->addTab(m_persons, u"Ahli &Waris"_s);
    m_entry->addTab(makeDeductions(), u"Pe&ngurangan"_s);
    m_entry->addTab(makeOptions(), u"&Opsi Hukum"_s);
    m_entry->setCurrentWidget(m_persons);
    setTabOrder(m_compare, m_entry->tabBar());

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(u"Pemisah"_s);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(m_entry);
    splitter->addWidget(makeResult());
    splitter->setStretchFactor(0, 5);
    splitter->setStretchFactor(1, 6);

    QHBoxLayout* buttonRow = makeOutputButtons(u"Pembagian Lengkap"_s);

    auto* head = new QHBoxLayout;
    head->addWidget(title);
    head->addStretch();
    head->addLayout(fileButtons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addLayout(particulars);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttonRow);

    // Wide enough for the entry and the result side by side, within the screen whatever the font.
    const QSize wanted(fontMetrics().averageCharWidth() * 190, fontMetrics().height() * 40);
    const QSize screenRoom = screen()->availableSize() * 9 / 10;
    resize(wanted.boundedTo(screenRoom).expandedTo(minimumSizeHint()));
    // The result's table has the more columns.
    splitter->setSizes({width() * 2 / 5, width() * 3 / 5});
    showKasus(roadKasus());
}

QWidget* DivisionForm::makeDeductions() {
    auto* frame = new QWidget(this);
    frame->setObjectName(u"FramePengurangan"_s);
    auto* grid = new QGridLayout(frame);
    int row = 0;
    for (std::size_t i = 0; i < Deductions.size(); ++i) {
        const DeductionSpec& spec = Deductions[i];
        auto* field = new QLineEdit(frame);
        field->setObjectName(QString::fromUtf16(spec.name));
        field->setToolTip(QString::fromUtf16(spec.toolTip));
        field->setAlignment(Qt::AlignRight);
        m_deductions[i] = field;
        grid->addWidget(makeBuddyLabel(frame, u"Label"_s + field->objectName(),
                                       QString::fromUtf16(spec.caption), field),
                        row, 0);
        grid->addWidget(field, row++, 1);
        connect(field, &QLineEdit::textChanged, this, &DivisionForm::entryChanged);
        connect(field, &QLineEdit::editingFinished, this,
                [this, i] { refuseIfWrong(static_cast<Deduction>(i)); });
        if (i != Obligatory)
            continue;
        m_recipient = makeChoiceBox(frame, u"PenerimaWasiatWajibah"_s, choices::Recipient);
        grid->addWidget(makeBuddyLabel(frame, u"LabelPenerimaWasiatWajibah"_s,
                                       u"Penerima Wasiat Wajibah"_s, m_recipient),
                        row, 0);
        grid->addWidget(m_recipient, row++, 1);
        connect(m_recipient, &QComboBox::currentIndexChanged, this, &DivisionForm::entryChanged);
    }
    m_net = makeLabel(frame, u"HartaBersih"_s);
    m_net->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(makeLabel(frame, u"LabelHartaBersih"_s, u"Harta Bersih"_s), row, 0);
    grid->addWidget(m_net, row++, 1);
    m_bequestNote = makeLabel(frame, u"CatatanWasiat"_s);
    m_bequestNote->setWordWrap(true);
    grid->addWidget(m_bequestNote, row++, 0, 1, 2);
    grid->setRowStretch(row, 1);
    return frame;
}

QWidget* DivisionForm::makeOptions() {
    auto* page = new QWidget(this);
    page->setObjectName(u"HalamanOpsi"_s);
    auto* optionFrame = new QGroupBox(divisionTitles::Options.toString(), page);
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
        connect(box, &QComboBox::currentIndexChanged, this, &DivisionForm::entryChanged);
    }
    m_special = new SpecialOptionsBox(page);
    connect(m_special, &SpecialOptionsBox::changed, this, &DivisionForm::entryChanged);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(optionFrame);
    layout->addWidget(m_special);
    layout->addStretch();
    return page;
}

QWidget* DivisionForm::makeResult() {
    auto* result = new QWidget(this);
    result->setObjectName(u"HalamanHasil"_s);
    m_table = makeReportTable(result, u"Rincian"_s);
    QLabel* tableLabel =
        makeBuddyLabel(result, u"LabelRincian"_s, u"&Rincian pembagian per ahli waris"_s, m_table);
    m_problem = makeLabel(result, u"Masalah"_s);
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(u"color: #b00000;"_s);
    m_notes = makeLabel(result, u"Catatan"_s);
    m_notes->setWordWrap(true);
    m_steps = makeStepsBox(result);
    QLabel* stepsLabel =
        makeBuddyLabel(result, u"LabelLangkah"_s, u"&Langkah perhitungan"_s, m_steps);

    auto* tablePart = new QWidget(result);
    auto* tableLayout = new QVBoxLayout(tablePart);
    tableLayout->setContentsMargins(0, 0, 0, 0);
    tableLayout->addWidget(tableLabel);
    tableLayout->addWidget(m_problem);
    tableLayout->addWidget(m_table, 1);
    tableLayout->addWidget(m_notes);
    auto* stepsPart = new QWidget(result);
    auto* stepsLayout = new QVBoxLayout(stepsPart);
    stepsLayout->setContentsMargins(0, 0, 0, 0);
    stepsLayout->addWidget(stepsLabel);
    stepsLayout->addWidget(m_steps, 1);
    auto* split = new QSplitter(Qt::Vertical, result);
    split->setObjectName(u"PemisahHasil"_s);
    split->setChildrenCollapsible(false);
    split->addWidget(tablePart);
    split->addWidget(stepsPart);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(result);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(split);
    return result;
}

void DivisionForm::activate() {
    divide();
}

// Opened from the main menu, the window goes back to it; from Hasil, Hasil stays.
void DivisionForm::closeRequested() {
    hide();
    if (!context().forms.form(forms::Hasil).isVisible())
        context().navigation.toMainMenu();
}

void DivisionForm::openFromRoad() {
    if (!m_fromRoad) {
        if (!m_files->newCase(roadKasus()))
            return;
        m_fromRoad = true;
        return;
    }
    follow();
}

void DivisionForm::follow() {
    if (!m_fromRoad)
        return;
    auto read = kasus();
    Kasus road = roadKasus();
    if (auto* typed = std::get_if<Kasus>(&read)) {
        road.persons = keepTyped(std::move(road.persons), typed->persons);
        road.deceased = typed->deceased;
        road.deceased.particulars.name = m_state.sheet.particulars[0];
    }
    if (auto* typed = std::get_if<Kasus>(&read);
        typed && typed->persons == road.persons && typed->estate == road.estate)
        return divide();
    const bool changed = m_files->changed();
    showKasus(road);
    if (changed)
        m_files->markChanged();
}

void DivisionForm::clearEntry() {
    if (!m_fromRoad)
        return;
    // The road's own case goes with the road's calculation, as Data's entries do.
    m_files->replace(roadKasus());
    m_fromRoad = true;
    m_refused.forget();
}

bool DivisionForm::newCase() {
    if (!m_files->newCase(Kasus{}))
        return false;
    m_entry->setCurrentWidget(m_deceased);
    return true;
}

bool DivisionForm::openCase(const QString& path) {
    return path.isEmpty() ? m_files->openAsked() : m_files->open(path);
}

bool DivisionForm::mayQuit() {
    return m_files->mayDiscard();
}

// The designed road's heirs, estate and the deceased's particulars as Data took them.
Kasus DivisionForm::roadKasus() const {
    Kasus kasus;
    const auto& sheet = m_state.sheet.particulars;
    kasus.deceased.particulars.name = sheet[0];
    kasus.deceased.particulars.address = sheet[1];
    kasus.deceased.particulars.birthPlace = sheet[2];
    kasus.deceased.deathPlace = sheet[3];
    const PerKind<int> counts = m_state.lastCounts();
    kasus.deceased.sex = sheet[4].startsWith(u'P') ? Sex::Female : Sex::Male;
    kasus.estate = m_state.estate;
    kasus.persons = personsOfCounts(counts);
    return kasus;
}

void DivisionForm::entryChanged() {
    m_files->markChanged();
    divide();
}

void DivisionForm::showProblem(const QString& problem) {
    m_problemText = problem;
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
}

bool DivisionForm::khiAsked() const {
    return choiceValue<Law>(m_law) == Law::Khi || m_compare->isChecked();
}

// An empty field is no amount given.
QString DivisionForm::readDeductions(Kasus& kasus) const {
    const std::array<std::optional<Rupiah>*, DeductionCount> targets{
        &kasus.jointProperty, &kasus.funeral,           &kasus.zakat,
        &kasus.debts,         &kasus.obligatoryBequest, &kasus.bequest};
    for (std::size_t i = 0; i < m_deductions.size(); ++i) {
        const QString text = m_deductions[i]->text();
        if (text.trimmed().isEmpty()) {
            targets[i]->reset();
            continue;
        }
        *targets[i] = readFieldAmount(text, context().locale);
        if (!*targets[i])
            return QString::fromUtf16(Deductions[i].problem);
    }
    kasus.obligatoryBequestTo = choiceValue<BequestRecipient>(m_recipient);
    return {};
}

std::variant<Kasus, QString> DivisionForm::kasus() const {
    Kasus kasus;
    if (QString problem = m_deceased->read(kasus); !problem.isEmpty())
        return problem;
    kasus.persons = m_persons->persons();
    kasus.law = choiceValue<Law>(m_law);
    kasus.compare = m_compare->isChecked();
    for (std::size_t i = 0; i < m_options.size(); ++i)
        setOptionValue(kasus.options, AllDivisionOptions[i], m_options[i]->currentData().toInt());
    m_special->read(kasus);
    if (QString problem = readDeductions(kasus); !problem.isEmpty())
        return problem;
    return kasus;
}

std::variant<DivisionRequest, QString> DivisionForm::request() const {
    auto read = kasus();
    if (auto* problem = std::get_if<QString>(&read))
        return std::move(*problem);
    return requestOf(std::get<Kasus>(read));
}

std::variant<DivisionRequest, QString> DivisionForm::requestOf(Kasus asked) const {
    // A disabled entry keeps its value for later, but it is not asked now.
    const Law law = khiAsked() ? Law::Khi : Law::Classical;
    const FaraidOptions defaults;
    for (const DivisionOption option : AllDivisionOptions) {
        if (!optionApplies(option, law))
            setOptionValue(asked.options, option, optionValue(defaults, option));
    }
    if (!khiAsked())
        asked.obligatoryBequest.reset();
    auto request = kasusRequest(asked);
    if (auto* error = std::get_if<FaraidError>(&request))
        return error->message;
    return std::get<DivisionRequest>(std::move(request));
}

void DivisionForm::showKasus(const Kasus& kasus) {
    {
        const QSignalBlocker quietLaw(m_law);
        const QSignalBlocker quietCompare(m_compare);
        const QSignalBlocker quietRecipient(m_recipient);
        const QSignalBlocker quietPersons(m_persons);
        m_deceased->show(kasus);
        m_persons->setPersons(kasus.persons);
        setChoiceValue(m_law, kasus.law);
        m_compare->setChecked(kasus.compare);
        const std::array<std::optional<Rupiah>, DeductionCount> amounts{
            kasus.jointProperty, kasus.funeral,           kasus.zakat,
            kasus.debts,         kasus.obligatoryBequest, kasus.bequest};
        for (std::size_t i = 0; i < m_deductions.size(); ++i) {
            const QSignalBlocker quiet(m_deductions[i]);
            m_deductions[i]->setText(
                amounts[i] ? formatNumber(*amounts[i], NumberPattern::Amount, context().locale)
                           : QString());
        }
        setChoiceValue(m_recipient, kasus.obligatoryBequestTo);
        for (std::size_t i = 0; i < m_options.size(); ++i) {
            const QSignalBlocker quiet(m_options[i]);
            setChoiceValue(m_options[i], optionValue(kasus.options, AllDivisionOptions[i]));
        }
        m_special->show(kasus);
    }
    m_refused.forget();
    divide();
}

void DivisionForm::divide() {
    m_deductions[Obligatory]->setEnabled(khiAsked());
    m_recipient->setEnabled(khiAsked());
    const auto entry = kasus();
    m_files->enableSaving(std::holds_alternative<Kasus>(entry));
    const auto read = std::holds_alternative<Kasus>(entry)
                          ? requestOf(std::get<Kasus>(entry))
                          : std::variant<DivisionRequest, QString>(std::get<QString>(entry));
    if (const auto* problem = std::get_if<QString>(&read))
        return showNoResult(*problem);
    DivisionOutcome outcome = waris::divide(std::get<DivisionRequest>(read));
    if (const auto* error = std::get_if<FaraidError>(&outcome))
        return showNoResult(error->message);
    showDivision(std::get<DividedEstate>(std::move(outcome)));
}

void DivisionForm::showDivision(DividedEstate divided) {
    showProblem(QString());
    const QString name = divided.deceased ? divided.deceased->particulars.name : QString();
    // A case of the road shows its estate as Hasil does.
    const QString estate =
        m_fromRoad ? m_state.sheet.particulars[5]
        : divided.input.estate
            ? formatNumber(*divided.input.estate, NumberPattern::RupiahEstate, context().locale)
            : QString();
    m_case = DivisionCase{name, estate, divided.input};
    m_report.emplace(*m_case, divided, context().locale);
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
        const PersonNames& names = m_divided->names;
        showTable(*m_table, specialFinalTable(*special, context().locale, names));
        notes += specialNotes(*special, names);
        steps += specialSteps(*special, names);
        steps += heldAmountSteps(*special, context().locale, names);
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
