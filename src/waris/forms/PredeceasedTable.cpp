#include "waris/forms/PredeceasedTable.h"

#include "ui/FormWidgets.h"
#include "waris/engine/faraid/DistantKin.h"
#include "waris/forms/PredeceasedModel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace zw::waris {

PredeceasedTable::PredeceasedTable(QWidget* parent)
    : QWidget(parent) {
    m_model = new PredeceasedModel(this);
    m_table =
        makeEntryView(this, u"Pengganti"_s, m_model, u"Ahli waris yang meninggal lebih dahulu"_s);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
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
    connect(m_model, &QAbstractItemModel::dataChanged, this, &PredeceasedTable::changed);
}

std::vector<PredeceasedChild> PredeceasedTable::children() const {
    return m_model->rows();
}

void PredeceasedTable::clear() {
    if (m_model->rows().empty())
        return;
    m_model->clear();
    Q_EMIT changed();
}

void PredeceasedTable::add(HeirKind replaces) {
    const int row = m_model->append({replaces, 1, 0});
    m_table->setCurrentIndex(m_model->index(row, PredeceasedModel::Sons));
    Q_EMIT changed();
}

void PredeceasedTable::removeCurrent() {
    if (removeCurrentRow(m_table))
        Q_EMIT changed();
}

} // namespace zw::waris
