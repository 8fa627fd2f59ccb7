#include "waris/forms/PredeceasedTable.h"

#include "ui/FormWidgets.h"
#include "waris/engine/faraid/DistantKin.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

enum Column { Child, Sons, Daughters };

} // namespace

PredeceasedTable::PredeceasedTable(QWidget* parent)
    : QWidget(parent) {
    m_table = new QTableWidget(0, 3, this);
    m_table->setObjectName(u"Pengganti"_s);
    m_table->setHorizontalHeaderLabels({u"Yang meninggal"_s, u"Putra"_s, u"Putri"_s});
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setAccessibleName(u"Ahli waris yang meninggal lebih dahulu"_s);
    QLabel* label =
        makeLabel(this, u"LabelPengganti"_s, u"Ahli waris &yang meninggal lebih dahulu"_s);
    label->setBuddy(m_table);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label, 0, 0, 1, 3);
    layout->addWidget(m_table, 1, 0, 1, 3);
    const struct {
        const char16_t* name;
        const char16_t* caption;
        const char16_t* toolTip;
    } buttons[] = {
        {u"TambahPenggantiPria", u"+ Anak Pria", u" Anak pria yang meninggal lebih dahulu  "},
        {u"TambahPenggantiWanita", u"+ Anak Wanita", u" Anak wanita yang meninggal lebih dahulu  "},
        {u"HapusPengganti", u"Hapus", u" Menghapus baris yang dipilih  "},
    };
    for (int i = 0; i < 3; ++i) {
        QPushButton* button = makeButton(this, QString::fromUtf16(buttons[i].name),
                                         QString::fromUtf16(buttons[i].caption),
                                         QString::fromUtf16(buttons[i].toolTip));
        button->setAutoDefault(false);
        layout->addWidget(button, 2, i);
        connect(button, &QPushButton::clicked, this, [this, i] {
            if (i == 2)
                removeCurrent();
            else
                add(i == 0 ? HeirKind::AnakPria : HeirKind::AnakWanita);
        });
    }
    // The other heirs whose children may stand in their place.
    m_otherKind = new QComboBox(this);
    m_otherKind->setObjectName(u"PenggantiJenis"_s);
    m_otherKind->setAccessibleName(u"Ahli waris lain yang meninggal lebih dahulu"_s);
    for (const HeirKind kind : predeceasedPlaces()) {
        if (kind != HeirKind::AnakPria && kind != HeirKind::AnakWanita)
            m_otherKind->addItem(heirInfo(kind).name, index(kind));
    }
    QPushButton* other = makeButton(this, u"TambahPenggantiLain"_s, u"+ Lainnya"_s,
                                    u" Ahli waris lain yang meninggal lebih dahulu: anak-anaknya "
                                    u"pengganti (KHI) atau dzawil arham (klasik)  "_s);
    other->setAutoDefault(false);
    layout->addWidget(m_otherKind, 3, 0, 1, 2);
    layout->addWidget(other, 3, 2);
    connect(other, &QPushButton::clicked, this,
            [this] { add(heirKind(m_otherKind->currentData().toInt())); });
    connect(m_table, &QTableWidget::itemChanged, this, &PredeceasedTable::changed);
}

std::vector<PredeceasedChild> PredeceasedTable::children() const {
    std::vector<PredeceasedChild> children;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const auto count = [this, row](Column column) {
            return m_table->item(row, column)->data(Qt::EditRole).toInt();
        };
        children.push_back({heirKind(m_table->item(row, Child)->data(Qt::UserRole).toInt()),
                            count(Sons), count(Daughters)});
    }
    return children;
}

void PredeceasedTable::clear() {
    if (m_table->rowCount() == 0)
        return;
    m_table->setRowCount(0);
    Q_EMIT changed();
}

void PredeceasedTable::add(HeirKind replaces) {
    const QSignalBlocker quiet(m_table);
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    auto* child = new QTableWidgetItem(heirInfo(replaces).name);
    child->setData(Qt::UserRole, index(replaces));
    child->setFlags(child->flags() & ~Qt::ItemIsEditable);
    m_table->setItem(row, Child, child);
    for (const Column column : {Sons, Daughters}) {
        auto* count = new QTableWidgetItem;
        count->setData(Qt::EditRole, column == Sons ? 1 : 0);
        count->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(row, column, count);
    }
    m_table->setCurrentCell(row, Sons);
    Q_EMIT changed();
}

void PredeceasedTable::removeCurrent() {
    if (removeCurrentRow(m_table))
        Q_EMIT changed();
}

} // namespace zw::waris
