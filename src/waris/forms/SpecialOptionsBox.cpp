#include "waris/forms/SpecialOptionsBox.h"

#include "ui/ChoiceBox.h"
#include "ui/FormWidgets.h"
#include "waris/engine/faraid/FaraidChoices.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

using namespace Qt::StringLiterals;

namespace zw::waris {

SpecialOptionsBox::SpecialOptionsBox(QWidget* parent)
    : QGroupBox(u"Kasus khusus"_s, parent) {
    setObjectName(u"FrameKasusKhusus"_s);
    m_reserve = makeChoiceBox(this, u"CadanganKandungan"_s, choices::Reserve,
                              u" Bagian yang ditahan untuk kandungan  "_s);
    m_unbornMax = new QSpinBox(this);
    m_unbornMax->setObjectName(u"KandunganPalingBanyak"_s);
    m_unbornMax->setRange(1, MaxUnborn);
    m_unbornMax->setValue(2);
    m_unbornMax->setToolTip(u" Jumlah bayi yang diperhitungkan  "_s);
    // Screen readers reach the spin box's own field too.
    m_unbornMax->findChild<QLineEdit*>()->setAccessibleName(u"Bayi"_s);
    m_intersexView = makeChoiceBox(this, u"PandanganKhuntsa"_s, choices::Intersex,
                                   u" Syafi'i: semua menerima yang lebih kecil, sisa ditangguhkan; "
                                   u"Hanafi: khuntsa saja yang lebih kecil; rata-rata kedua "
                                   u"kemungkinan (Hanbali dan Maliki)  "_s);
    m_distantRule = makeChoiceBox(
        this, u"CaraKerabatJauh"_s, choices::DistantKin,
        u" Tanzil: di tempat ahli waris yang menghubungkannya, laki-laki dua kali perempuan "
        u"(Syafi'i) atau sama (Hanbali); qarabah: kerabat terdekat lebih dahulu  "_s);

    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(2);
    const auto addRow = [this, grid](int row, const QString& caption, QWidget* field) {
        grid->addWidget(makeBuddyLabel(this, u"Label"_s + field->objectName(), caption, field), row,
                        0);
        grid->addWidget(field, row, 1);
    };
    addRow(0, u"Cadangan kandungan"_s, m_reserve);
    addRow(1, u"Bayi diperhitungkan"_s, m_unbornMax);
    addRow(2, u"Pandangan khuntsa"_s, m_intersexView);
    addRow(3, u"Dzawil arham"_s, m_distantRule);
    grid->setColumnStretch(1, 1);

    for (QComboBox* box : {m_reserve, m_intersexView, m_distantRule})
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            enableViews();
            Q_EMIT changed();
        });
    connect(m_unbornMax, &QSpinBox::valueChanged, this, [this] {
        m_unbornMaxGiven = true;
        Q_EMIT changed();
    });
    enableViews();
}

void SpecialOptionsBox::enableViews() {
    // The Hanafi reserve is one child, whatever the number.
    m_unbornMax->setEnabled(choiceValue<UnbornReserve>(m_reserve) != UnbornReserve::Hanafi);
}

void SpecialOptionsBox::read(Kasus& kasus) const {
    kasus.reserve = choiceValue<UnbornReserve>(m_reserve);
    kasus.unbornMax = m_unbornMaxGiven ? std::optional<int>(m_unbornMax->value()) : std::nullopt;
    kasus.intersexView = choiceValue<IntersexView>(m_intersexView);
    kasus.options.distantKin = choiceValue<DistantKinRule>(m_distantRule);
}

void SpecialOptionsBox::show(const Kasus& kasus) {
    const QSignalBlocker quiet(this);
    setChoiceValue(m_reserve, kasus.reserve);
    m_unbornMax->setValue(kasus.unbornMax.value_or(2));
    m_unbornMaxGiven = kasus.unbornMax.has_value();
    setChoiceValue(m_intersexView, kasus.intersexView);
    setChoiceValue(m_distantRule, kasus.options.distantKin);
    enableViews();
}

} // namespace zw::waris
