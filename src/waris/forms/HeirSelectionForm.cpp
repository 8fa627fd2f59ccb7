#include "waris/forms/HeirSelectionForm.h"

#include "ui/AppContext.h"
#include "ui/Dialogs.h"
#include "ui/FormRegistry.h"
#include "ui/FormWidgets.h"
#include "ui/Messages.h"
#include "ui/Navigation.h"
#include "waris/forms/CountForm.h"
#include "waris/forms/DeceasedForm.h"
#include "waris/forms/WarisFormNames.h"
#include "waris/forms/WarisRoad.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

constexpr int Husband = index(HeirKind::Suami);
constexpr int Wife = index(HeirKind::Istri);
constexpr int LastMale = Wife - 1;
constexpr int LastFemale = HeirKindCount - 1;
constexpr int MaleRows = 7;

} // namespace

HeirSelectionForm::HeirSelectionForm(AppContext& context, WarisRoad& road)
    : Form(context)
    , m_road(road)
    , m_askCount([this](HeirKind kind) {
        return this->context().forms.get<CountForm>(forms::Berapa).ask(heirInfo(kind).question);
    }) {
    setWindowTitle(u"AHLI WARIS"_s);

    auto* maleFrame = new QGroupBox(u"Ahli Waris Pria"_s, this);
    maleFrame->setObjectName(u"Frame1"_s);
    maleFrame->setToolTip(u"Orang-orang Yang Termasuk Ke dalam Golongan Ahli Waris Jenis Pria"_s);
    auto* femaleFrame = new QGroupBox(u"Ahli Waris Wanita"_s, this);
    femaleFrame->setObjectName(u"Frame2"_s);
    femaleFrame->setToolTip(
        u"Orang-orang Yang Termasuk Ke dalam Golongan Ahli Waris Jenis Wanita"_s);
    auto* maleGrid = new QGridLayout(maleFrame);
    auto* femaleColumn = new QVBoxLayout(femaleFrame);

    for (int kind = 0; kind < HeirKindCount; ++kind) {
        const bool male = kind <= LastMale;
        auto* box = new QCheckBox(heirInfo(heirKind(kind)).caption, male ? maleFrame : femaleFrame);
        box->setObjectName(indexedName(u"Check"_s, kind));
        m_checks[kind] = box;
        if (male)
            maleGrid->addWidget(box, kind % MaleRows, kind / MaleRows);
        else
            femaleColumn->addWidget(box);
    }
    femaleColumn->addStretch();

    m_malePreset = makeButton(this, u"Command1"_s, u"A&hli Waris Pria Lengkap"_s,
                              u"Yang Berhak Mendapatkan Bagian : Suami, Bapak, Anak  Pria  "_s);
    m_femalePreset = makeButton(this, u"Command2"_s, u"Ahli Waris &Wanita Lengkap"_s,
                                u"Yang Berhak Mendapatkan Bagian : Istri, Ibu, Anak Wanita, "
                                u"Saudara Kandung, Cucu Wanita  "_s);
    m_bothPreset = makeButton(this, u"Command3"_s, u"Seluruhn&ya Lengkap"_s,
                              u"Yang Berhak Mendapatkan Bagian : Suami / Istri, Anak Pria, Anak "
                              u"Wanita, Bapak dan Ibu   "_s);
    auto* resetButton =
        makeButton(this, u"Command5"_s, u"&R e s e t"_s,
                   u"Semua Pilihan Akan Dikosongkan Dan Semua Tombol Akan Diaktifkan  "_s);
    auto* proceedButton =
        makeButton(this, u"Command4"_s, u"&Lanjutkan"_s,
                   u"Melanjutkan Ke Proses Perhitungan dari Nilai Yang Dipilih  "_s);
    proceedButton->setDefault(true);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_malePreset);
    buttons->addWidget(m_femalePreset);
    buttons->addWidget(m_bothPreset);
    buttons->addStretch();
    buttons->addWidget(resetButton);
    buttons->addWidget(proceedButton);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(maleFrame);
    layout->addWidget(femaleFrame);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    connect(m_malePreset, &QPushButton::clicked, this, &HeirSelectionForm::applyMalePreset);
    connect(m_femalePreset, &QPushButton::clicked, this, &HeirSelectionForm::applyFemalePreset);
    connect(m_bothPreset, &QPushButton::clicked, this, &HeirSelectionForm::applyBothPreset);
    connect(resetButton, &QPushButton::clicked, this, &HeirSelectionForm::resetSelection);
    connect(proceedButton, &QPushButton::clicked, this, &HeirSelectionForm::calculate);
}

void HeirSelectionForm::excludeSpouse(DeceasedSex sex) {
    QCheckBox* spouse = m_checks[sex == DeceasedSex::Male ? Husband : Wife];
    spouse->setChecked(false);
    spouse->setEnabled(false);
}

void HeirSelectionForm::resetEntry() {
    tickRange(0, LastFemale, false);
    enableRange(0, LastFemale, true);
    for (QPushButton* preset : {m_malePreset, m_femalePreset, m_bothPreset})
        preset->setEnabled(true);
}

HeirSelection HeirSelectionForm::selection() const {
    HeirSelection chosen;
    for (int kind = 0; kind < HeirKindCount; ++kind)
        chosen.setTicked(heirKind(kind), m_checks[kind]->isChecked());
    return chosen;
}

void HeirSelectionForm::closeRequested() {
    hide();
    context().navigation.toClosing();
}

std::optional<DeceasedSex> HeirSelectionForm::deceasedSex() const {
    return context().forms.get<DeceasedForm>(forms::Data).sex();
}

void HeirSelectionForm::refusePreset() {
    showMessage(context().dialogs, this, messages::spousesExclusive());
}

void HeirSelectionForm::applyMalePreset() {
    if (!m_femalePreset->isEnabled()) {
        refusePreset();
        return;
    }
    enableRange(0, LastMale, false);
    const std::optional<DeceasedSex> sex = deceasedSex();
    if (sex)
        tick(Husband, *sex == DeceasedSex::Female);
    tick(index(HeirKind::Bapak), true);
    tick(index(HeirKind::AnakPria), true);
    tick(index(HeirKind::Kakek), false);
    tickRange(index(HeirKind::SaudaraPriaSekandung), LastMale, false);
    m_malePreset->setEnabled(false);
}

void HeirSelectionForm::applyFemalePreset() {
    if (!m_malePreset->isEnabled()) {
        refusePreset();
        return;
    }
    enableRange(Wife, LastFemale, false);
    const std::optional<DeceasedSex> sex = deceasedSex();
    if (sex)
        tick(Wife, *sex == DeceasedSex::Male);
    tick(index(HeirKind::Ibu), true);
    tick(index(HeirKind::AnakWanita), true);
    tick(index(HeirKind::Nenek), false);
    tick(index(HeirKind::CucuWanita), false);
    tick(index(HeirKind::SaudaraWanitaSekandung), true);
    tick(index(HeirKind::SaudaraWanitaSeBapak), false);
    tick(index(HeirKind::SaudaraWanitaSeIbu), false);
    m_femalePreset->setEnabled(false);
}

void HeirSelectionForm::applyBothPreset() {
    enableRange(0, LastFemale, false);
    for (QPushButton* preset : {m_malePreset, m_femalePreset, m_bothPreset})
        preset->setEnabled(false);
    const std::optional<DeceasedSex> sex = deceasedSex();
    if (sex == DeceasedSex::Male)
        tick(Wife, true);
    else if (sex == DeceasedSex::Female)
        tick(Husband, true);
    for (HeirKind kind : {HeirKind::Bapak, HeirKind::AnakPria, HeirKind::Ibu, HeirKind::AnakWanita})
        tick(index(kind), true);
    tick(index(HeirKind::Kakek), false);
    tickRange(index(HeirKind::SaudaraPriaSekandung), LastMale, false);
    tickRange(index(HeirKind::Nenek), LastFemale, false);
}

void HeirSelectionForm::resetSelection() {
    const std::optional<DeceasedSex> sex = deceasedSex();
    // The spouse box that the deceased's sex excludes stays disabled.
    if (sex) {
        QCheckBox* spouse = m_checks[*sex == DeceasedSex::Male ? Wife : Husband];
        spouse->setChecked(false);
        spouse->setEnabled(true);
    }
    for (int kind = 0; kind < HeirKindCount; ++kind) {
        if (kind == Husband || kind == Wife)
            continue;
        m_checks[kind]->setEnabled(true);
        m_checks[kind]->setChecked(false);
    }
    for (QPushButton* preset : {m_malePreset, m_femalePreset, m_bothPreset})
        preset->setEnabled(true);
}

void HeirSelectionForm::calculate() {
    const HeirSelection chosen = selection();
    if (chosen.none()) {
        showMessage(context().dialogs, this, messages::incompleteCalculation());
        return;
    }

    const Locks before = locks();
    enableRange(0, LastFemale, false);
    for (QPushButton* preset : {m_malePreset, m_femalePreset, m_bothPreset})
        preset->setEnabled(false);

    const std::optional<CalculationError> error = m_road.calculate(chosen, m_askCount);
    if (error) {
        restore(before);
        if (*error != CalculationError::Cancelled)
            showMessage(context().dialogs, this, messages::wrongEntry());
    }
}

void HeirSelectionForm::tick(int kind, bool ticked) {
    m_checks[kind]->setChecked(ticked);
}

void HeirSelectionForm::tickRange(int first, int last, bool ticked) {
    for (int kind = first; kind <= last; ++kind)
        tick(kind, ticked);
}

void HeirSelectionForm::enableRange(int first, int last, bool enabled) {
    for (int kind = first; kind <= last; ++kind)
        m_checks[kind]->setEnabled(enabled);
}

HeirSelectionForm::Locks HeirSelectionForm::locks() const {
    Locks current;
    for (int kind = 0; kind < HeirKindCount; ++kind)
        current.boxes[kind] = m_checks[kind]->isEnabled();
    current.presets = {m_malePreset->isEnabled(), m_femalePreset->isEnabled(),
                       m_bothPreset->isEnabled()};
    return current;
}

void HeirSelectionForm::restore(const Locks& locks) {
    for (int kind = 0; kind < HeirKindCount; ++kind)
        m_checks[kind]->setEnabled(locks.boxes[kind]);
    m_malePreset->setEnabled(locks.presets[0]);
    m_femalePreset->setEnabled(locks.presets[1]);
    m_bothPreset->setEnabled(locks.presets[2]);
}

} // namespace zw::waris
