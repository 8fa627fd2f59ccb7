#include "waris/forms/LaterDeathTable.h"

#include "ui/ChoiceDelegate.h"
#include "ui/FormWidgets.h"
#include "waris/engine/faraid/HeirList.h"
#include "waris/forms/LaterDeathModel.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStringBuilder>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace zw::waris {

LaterDeathTable::LaterDeathTable(QWidget* parent)
    : QWidget(parent) {
    m_model = new LaterDeathModel(this);
    m_table = makeEntryView(this, u"MeninggalKemudian"_s, m_model, u"Meninggal kemudian"_s);
    m_table->setItemDelegateForColumn(
        LaterDeathModel::Who,
        new ChoiceDelegate(u"Siapa"_s, u"Yang meninggal kemudian"_s, m_table));
    m_table->horizontalHeader()->setSectionResizeMode(LaterDeathModel::Who,
                                                      QHeaderView::ResizeToContents);
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
    connect(m_model, &QAbstractItemModel::dataChanged, this, &LaterDeathTable::changed);
}

void LaterDeathTable::setPersons(const PerKind<int>& counts) {
    // A person falling back is no edit of the user's.
    const QSignalBlocker quiet(this);
    m_model->setPersons(counts);
}

std::variant<std::vector<LaterDeath>, QString> LaterDeathTable::deaths() const {
    const QString& example = LaterDeathModel::Example;
    std::vector<LaterDeath> deaths;
    for (const LaterDeathRow& row : m_model->rows()) {
        if (!row.who)
            return u"Tidak ada ahli waris yang dapat meninggal kemudian."_s;
        LaterDeath death{row.who->kind, row.who->number, {}};
        const QString where =
            u"Ahli waris "_s % m_model->name(*row.who) % u" yang meninggal kemudian"_s;
        const QStringList entries = heirListEntries(row.heirs);
        if (entries.isEmpty())
            return where % u": ahli warisnya belum diisi, misalnya "_s % example % u'.';
        const QString hint = u" (tulis misalnya "_s % example % u')';
        if (QString problem = readHeirList(entries, death.heirs, hint); !problem.isEmpty())
            return where % u": "_s % problem;
        deaths.push_back(death);
    }
    return deaths;
}

void LaterDeathTable::clear() {
    if (m_model->rows().empty())
        return;
    m_model->clear();
    Q_EMIT changed();
}

void LaterDeathTable::add() {
    const int row = m_model->append(LaterDeathRow(m_model->firstPerson()));
    m_table->openPersistentEditor(m_model->index(row, LaterDeathModel::Who));
    m_table->setCurrentIndex(m_model->index(row, LaterDeathModel::Heirs));
    Q_EMIT changed();
}

void LaterDeathTable::removeCurrent() {
    if (removeCurrentRow(m_table))
        Q_EMIT changed();
}

} // namespace zw::waris
