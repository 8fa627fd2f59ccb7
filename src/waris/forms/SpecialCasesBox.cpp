#include "waris/forms/SpecialCasesBox.h"

#include "ui/ChoiceBox.h"
#include "ui/FormWidgets.h"
#include "waris/engine/faraid/DistantKin.h"
#include "waris/engine/faraid/FaraidChoices.h"
#include "waris/engine/faraid/HeirList.h"
#include "waris/forms/LaterDeathTable.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

QComboBox* makeCombo(QWidget* parent, const QString& name, const QStringList& items,
                     const QString& toolTip) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems(items);
    box->setToolTip(toolTip);
    return box;
}

// Refills `box` with none and the kinds `present` admits, keeping the kind chosen when it stays.
void fillKinds(QComboBox* box, const PerKind<int>& counts, bool (*admits)(HeirKind)) {
    const QVariant chosen = box->currentData();
    const QSignalBlocker quiet(box);
    box->clear();
    box->addItem(u"(tidak ada)"_s);
    for (int k = 0; k < HeirKindCount; ++k) {
        if (counts[heirKind(k)] > 0 && admits(heirKind(k)))
            box->addItem(heirInfo(heirKind(k)).name, k);
    }
    box->setCurrentIndex(std::max(0, box->findData(chosen)));
}

std::optional<HeirKind> chosenKind(const QComboBox* box) {
    return box->currentIndex() > 0 ? std::optional(heirKind(box->currentData().toInt()))
                                   : std::nullopt;
}

} // namespace

SpecialCasesBox::SpecialCasesBox(QWidget* parent)
    : QGroupBox(u"Kasus khusus"_s, parent) {
    setObjectName(u"FrameKasusKhusus"_s);
    m_deaths = new LaterDeathTable(this);
    m_unborn = makeChoiceBox(this, u"Kandungan"_s, choices::Unborn,
                             u" Istri pewaris, atau istri anak pria yang meninggal, sedang "
                             u"mengandung  "_s);
    m_unborn->insertItem(0, u"(tidak ada)"_s);
    m_unborn->setCurrentIndex(0);
    m_unbornMax = new QSpinBox(this);
    m_unbornMax->setObjectName(u"KandunganPalingBanyak"_s);
    m_unbornMax->setRange(1, MaxUnborn);
    m_unbornMax->setValue(2);
    m_unbornMax->setToolTip(u" Jumlah bayi yang diperhitungkan  "_s);
    // Screen readers reach the spin box's own field too.
    m_unbornMax->findChild<QLineEdit*>()->setAccessibleName(u"Bayi"_s);
    m_reserve = makeChoiceBox(this, u"CadanganKandungan"_s, choices::Reserve,
                              u" Bagian yang ditahan untuk kandungan  "_s);
    m_missing = makeCombo(this, u"Hilang"_s, {}, u" Ahli waris yang hilang (mafqud)  "_s);
    m_missingCount = new QSpinBox(this);
    m_missingCount->setObjectName(u"HilangOrang"_s);
    m_missingCount->setRange(1, 1);
    m_missingCount->setToolTip(u" Berapa orang dari jenis ini yang hilang  "_s);
    m_missingCount->findChild<QLineEdit*>()->setAccessibleName(u"Orang hilang"_s);
    m_intersex = makeCombo(this, u"Khuntsa"_s, {},
                           u" Seorang dari jenis ini tidak diketahui jenis kelaminnya  "_s);
    m_intersexView = makeChoiceBox(this, u"PandanganKhuntsa"_s, choices::Intersex,
                                   u" Syafi'i: semua menerima yang lebih kecil, sisa ditangguhkan; "
                                   u"Hanafi: khuntsa saja yang lebih kecil; rata-rata kedua "
                                   u"kemungkinan (Hanbali dan Maliki)  "_s);
    m_intersexView->setAccessibleName(u"Pandangan khuntsa"_s);
    m_diedTogether = new QListWidget(this);
    m_diedTogether->setObjectName(u"MeninggalBersama"_s);
    m_diedTogether->setToolTip(u" Ahli waris yang meninggal bersama pewaris (gharqa)  "_s);
    m_diedTogether->setMaximumHeight(m_diedTogether->fontMetrics().height() * 3);
    m_distantKin = new QLineEdit(this);
    m_distantKin->setObjectName(u"KerabatJauh"_s);
    m_distantKin->setPlaceholderText(u"misalnya SaudaraWanitaIbu=2, KakekDariIbu"_s);
    m_distantKin->setToolTip(u" Dzawil arham yang bukan anak ahli waris: KakekDariIbu, "
                             u"SaudaraPriaIbu, SaudaraWanitaIbu, SaudaraWanitaBapak, PamanSeIbu; "
                             u"anak-anak ahli waris yang meninggal lebih dahulu di tab "
                             u"Pengganti  "_s);
    m_distantRule = makeChoiceBox(
        this, u"CaraKerabatJauh"_s, choices::DistantKin,
        u" Tanzil: di tempat ahli waris yang menghubungkannya, laki-laki dua kali perempuan "
        u"(Syafi'i) atau sama (Hanbali); qarabah: kerabat terdekat lebih dahulu  "_s);
    m_distantRule->setAccessibleName(u"Cara dzawil arham"_s);
    fillHeirs();

    // No access keys: on a hidden tab they would reach nothing.
    auto* grid = new QGridLayout(this);
    // On a tab under the deductions' height, so that the table below keeps its room.
    grid->setVerticalSpacing(2);
    grid->addWidget(m_deaths, 0, 0, 1, 4);
    const auto addRow = [this, grid](int row, const QString& caption, QWidget* field, int span) {
        grid->addWidget(makeBuddyLabel(this, u"Label"_s % field->objectName(), caption, field), row,
                        0);
        grid->addWidget(field, row, 1, 1, span);
    };
    addRow(1, u"Kandungan"_s, m_unborn, 1);
    grid->addWidget(makeBuddyLabel(this, u"LabelKandunganPalingBanyak"_s, u"Bayi"_s, m_unbornMax),
                    1, 2);
    grid->addWidget(m_unbornMax, 1, 3);
    addRow(2, u"Cadangan"_s, m_reserve, 3);
    addRow(3, u"Hilang"_s, m_missing, 1);
    grid->addWidget(makeBuddyLabel(this, u"LabelHilangOrang"_s, u"Orang"_s, m_missingCount), 3, 2);
    grid->addWidget(m_missingCount, 3, 3);
    addRow(4, u"Khuntsa"_s, m_intersex, 1);
    grid->addWidget(m_intersexView, 4, 2, 1, 2);
    grid->addWidget(
        makeBuddyLabel(this, u"LabelMeninggalBersama"_s, u"Meninggal bersama"_s, m_diedTogether), 5,
        0, Qt::AlignTop);
    grid->addWidget(m_diedTogether, 5, 1, 1, 3);
    addRow(6, u"Dzawil arham"_s, m_distantKin, 1);
    grid->addWidget(m_distantRule, 6, 2, 1, 2);
    grid->setColumnStretch(1, 1);

    connect(m_deaths, &LaterDeathTable::changed, this, &SpecialCasesBox::changed);
    for (QComboBox* box : {m_unborn, m_reserve, m_missing, m_intersex, m_intersexView})
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            enableViews();
            Q_EMIT changed();
        });
    connect(m_unbornMax, &QSpinBox::valueChanged, this, &SpecialCasesBox::changed);
    connect(m_missingCount, &QSpinBox::valueChanged, this, &SpecialCasesBox::changed);
    connect(m_diedTogether, &QListWidget::itemChanged, this, &SpecialCasesBox::changed);
    connect(m_distantKin, &QLineEdit::textChanged, this, &SpecialCasesBox::changed);
    connect(m_distantRule, &QComboBox::currentIndexChanged, this, &SpecialCasesBox::changed);
    enableViews();
}

void SpecialCasesBox::setHeirs(const PerKind<int>& counts) {
    m_deaths->setPersons(counts);
    if (counts == m_counts)
        return;
    m_counts = counts;
    fillHeirs();
    enableViews();
}

void SpecialCasesBox::fillHeirs() {
    fillKinds(m_missing, m_counts, [](HeirKind) { return true; });
    fillKinds(m_intersex, m_counts, mayBeIntersex);
    QSet<int> ticked;
    for (int row = 0; row < m_diedTogether->count(); ++row) {
        if (m_diedTogether->item(row)->checkState() == Qt::Checked)
            ticked.insert(m_diedTogether->item(row)->data(Qt::UserRole).toInt());
    }
    const QSignalBlocker quiet(m_diedTogether);
    m_diedTogether->clear();
    for (int k = 0; k < HeirKindCount; ++k) {
        const int count = m_counts[heirKind(k)];
        for (int person = 1; person <= count; ++person) {
            const QString& name = heirInfo(heirKind(k)).name;
            auto* item = new QListWidgetItem(
                count > 1 ? name % u' ' % QString::number(person) : name, m_diedTogether);
            // The persons of a kind are alike: what counts is how many of them are ticked.
            const int key = k * (MaxPersons + 1) + person;
            item->setData(Qt::UserRole, key);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
            item->setCheckState(ticked.contains(key) ? Qt::Checked : Qt::Unchecked);
        }
    }
}

void SpecialCasesBox::enableViews() {
    const bool unborn = m_unborn->currentIndex() > 0;
    m_reserve->setEnabled(unborn);
    // The Hanafi reserve is one child, whatever the number.
    m_unbornMax->setEnabled(unborn &&
                            choiceValue<UnbornReserve>(m_reserve) != UnbornReserve::Hanafi);
    m_intersexView->setEnabled(m_intersex->currentIndex() > 0);
    // Up to every person of the kind chosen.
    const auto missing = chosenKind(m_missing);
    const QSignalBlocker quiet(m_missingCount);
    m_missingCount->setMaximum(missing ? m_counts[*missing] : 1);
    m_missingCount->setEnabled(missing && m_counts[*missing] > 1);
}

std::variant<SpecialInput, QString> SpecialCasesBox::special() const {
    SpecialInput special;
    auto deaths = m_deaths->deaths();
    if (const auto* problem = std::get_if<QString>(&deaths))
        return *problem;
    special.deaths = std::get<std::vector<LaterDeath>>(std::move(deaths));
    if (m_unborn->currentIndex() > 0) {
        special.unborn = choiceValue<UnbornKind>(m_unborn);
        special.reserve = choiceValue<UnbornReserve>(m_reserve);
        if (special.reserve != UnbornReserve::Hanafi)
            special.unbornMax = m_unbornMax->value();
    }
    if (const auto kind = chosenKind(m_missing))
        special.missing.push_back({*kind, m_missingCount->value()});
    if (const auto kind = chosenKind(m_intersex)) {
        special.intersex = *kind;
        special.intersexView = choiceValue<IntersexView>(m_intersexView);
    }
    for (int row = 0; row < m_diedTogether->count(); ++row) {
        const QListWidgetItem* item = m_diedTogether->item(row);
        if (item->checkState() != Qt::Checked)
            continue;
        const HeirKind kind = heirKind(item->data(Qt::UserRole).toInt() / (MaxPersons + 1));
        if (!special.diedTogether.empty() && special.diedTogether.back().kind == kind)
            ++special.diedTogether.back().count;
        else
            special.diedTogether.push_back({kind, 1});
    }
    return special;
}

QString SpecialCasesBox::addDistantKin(FaraidInput& input) const {
    FaraidPerKind<int> named{};
    if (QString problem = readHeirList(heirListEntries(m_distantKin->text()), named);
        !problem.isEmpty())
        return u"Dzawil arham: "_s % problem;
    for (int k = 0; k < FaraidKindCount; ++k) {
        const HeirKind kind = heirKind(k);
        if (named[kind] > 0 && !distantKinds().contains(kind))
            return u"Dzawil arham: "_s % heirInfo(kind).name %
                   u" adalah ahli waris; pilih di Ahli Waris atau Pengganti."_s;
        if (named[kind] > 0)
            input.counts[kind] = named[kind];
    }
    input.options.distantKin = choiceValue<DistantKinRule>(m_distantRule);
    return {};
}

void SpecialCasesBox::clear() {
    {
        const QSignalBlocker quiet(this);
        m_deaths->clear();
        m_distantKin->clear();
        for (QComboBox* box :
             {m_unborn, m_reserve, m_missing, m_intersex, m_intersexView, m_distantRule})
            box->setCurrentIndex(0);
        m_unbornMax->setValue(2);
        m_missingCount->setValue(1);
        for (int row = 0; row < m_diedTogether->count(); ++row)
            m_diedTogether->item(row)->setCheckState(Qt::Unchecked);
    }
    enableViews();
    Q_EMIT changed();
}

} // namespace zw::waris
