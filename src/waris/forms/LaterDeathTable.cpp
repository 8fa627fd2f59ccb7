#include "waris/forms/LaterDeathTable.h"

#include "ui/FormWidgets.h"
#include "waris/engine/faraid/HeirList.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

enum Column { Who, Heirs };

const QString Example = u"Istri, AnakPria=2"_s;

// A person as the combo keeps it: the kind and the number within it.
int personKey(HeirKind kind, int person) {
    return index(kind) * (MaxPersons + 1) + person;
}

} // namespace

LaterDeathTable::LaterDeathTable(QWidget* parent)
    : QWidget(parent) {
    m_table = new QTableWidget(0, 2, this);
    m_table->setObjectName(u"MeninggalKemudian"_s);
    m_table->setHorizontalHeaderLabels({u"Yang meninggal"_s, u"Ahli warisnya"_s});
    m_table->horizontalHeaderItem(Heirs)->setToolTip(u" Dipisah koma, misalnya "_s % Example %
                                                     u"  "_s);
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->horizontalHeader()->setSectionResizeMode(Who, QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setAccessibleName(u"Meninggal kemudian"_s);
    m_table->setMaximumHeight(m_table->fontMetrics().height() * 4);
    QLabel* label = makeLabel(this, u"LabelMeninggalKemudian"_s, u"Meninggal kemudian"_s);
    label->setBuddy(m_table);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label, 0, 0, 1, 2);
    layout->addWidget(m_table, 1, 0, 1, 2);
    QPushButton* add =
        makeButton(this, u"TambahMeninggalKemudian"_s, u"+ Meninggal Kemudian"_s,
                   u" Ahli waris yang meninggal sebelum harta dibagi, urut waktu meninggal  "_s);
    QPushButton* remove = makeButton(this, u"HapusMeninggalKemudian"_s, u"Hapus"_s,
                                     u" Menghapus baris yang dipilih  "_s);
    for (QPushButton* button : {add, remove})
        button->setAutoDefault(false);
    layout->addWidget(add, 2, 0);
    layout->addWidget(remove, 2, 1);
    connect(add, &QPushButton::clicked, this, &LaterDeathTable::add);
    connect(remove, &QPushButton::clicked, this, &LaterDeathTable::removeCurrent);
    connect(m_table, &QTableWidget::itemChanged, this, &LaterDeathTable::changed);
}

void LaterDeathTable::setPersons(const PerKind<int>& counts) {
    if (counts == m_counts)
        return;
    m_counts = counts;
    for (int row = 0; row < m_table->rowCount(); ++row)
        fillPersons(row);
}

void LaterDeathTable::fillPersons(int row) {
    auto* box = qobject_cast<QComboBox*>(m_table->cellWidget(row, Who));
    const QVariant chosen = box->currentData();
    const QSignalBlocker quiet(box);
    box->clear();
    for (int k = 0; k < HeirKindCount; ++k) {
        const HeirKind kind = heirKind(k);
        const int count = m_counts[kind];
        for (int person = 1; person <= count; ++person)
            box->addItem(count > 1 ? heirInfo(kind).name % u' ' % QString::number(person)
                                   : heirInfo(kind).name,
                         personKey(kind, person));
    }
    box->setCurrentIndex(std::max(0, box->findData(chosen)));
}

std::variant<std::vector<LaterDeath>, QString> LaterDeathTable::deaths() const {
    std::vector<LaterDeath> deaths;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const auto* box = qobject_cast<QComboBox*>(m_table->cellWidget(row, Who));
        if (box->currentIndex() < 0)
            return u"Tidak ada ahli waris yang dapat meninggal kemudian."_s;
        const int key = box->currentData().toInt();
        LaterDeath death{heirKind(key / (MaxPersons + 1)), key % (MaxPersons + 1), {}};
        const QString where = u"Ahli waris "_s % box->currentText() % u" yang meninggal kemudian"_s;
        const QStringList entries = heirListEntries(m_table->item(row, Heirs)->text());
        if (entries.isEmpty())
            return where % u": ahli warisnya belum diisi, misalnya "_s % Example % u'.';
        const QString hint = u" (tulis misalnya "_s % Example % u')';
        if (QString problem = readHeirList(entries, death.heirs, hint); !problem.isEmpty())
            return where % u": "_s % problem;
        deaths.push_back(death);
    }
    return deaths;
}

void LaterDeathTable::clear() {
    if (m_table->rowCount() == 0)
        return;
    m_table->setRowCount(0);
    Q_EMIT changed();
}

void LaterDeathTable::add() {
    const QSignalBlocker quiet(m_table);
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    auto* box = new QComboBox(m_table);
    box->setObjectName(u"Siapa"_s);
    box->setAccessibleName(u"Yang meninggal kemudian"_s);
    m_table->setCellWidget(row, Who, box);
    fillPersons(row);
    connect(box, &QComboBox::currentIndexChanged, this, &LaterDeathTable::changed);
    auto* heirs = new QTableWidgetItem;
    heirs->setToolTip(u" Dipisah koma, misalnya "_s % Example % u"  "_s);
    m_table->setItem(row, Heirs, heirs);
    m_table->setCurrentCell(row, Heirs);
    Q_EMIT changed();
}

void LaterDeathTable::removeCurrent() {
    if (removeCurrentRow(m_table))
        Q_EMIT changed();
}

} // namespace zw::waris
