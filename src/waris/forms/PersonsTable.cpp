#include "waris/forms/PersonsTable.h"

#include "ui/ChoiceDelegate.h"
#include "ui/FormWidgets.h"
#include "waris/engine/faraid/HeirList.h"
#include "waris/forms/PersonsModel.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringBuilder>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace zw::waris {

namespace {

struct ChoiceColumn {
    PersonsModel::Column column;
    const char16_t* name;
    const char16_t* accessibleName;
};

constexpr std::array<ChoiceColumn, 4> ChoiceColumns{{
    {PersonsModel::Relation, u"PilihHubungan", u"Hubungan"},
    {PersonsModel::State, u"PilihKeadaan", u"Keadaan"},
    {PersonsModel::Of, u"PilihDari", u"Pengganti atau ahli waris dari"},
    {PersonsModel::SameAs, u"PilihSamaDengan", u"Sama dengan"},
}};

} // namespace

PersonsTable::PersonsTable(QWidget* parent)
    : QWidget(parent) {
    setObjectName(u"HalamanAhliWaris"_s);
    m_model = new PersonsModel(this);
    m_table = makeEntryView(this, u"DaftarAhliWaris"_s, m_model, u"Daftar ahli waris"_s);
    m_table->setEditTriggers(QAbstractItemView::AllEditTriggers);
    for (const ChoiceColumn& choice : ChoiceColumns)
        m_table->setItemDelegateForColumn(
            choice.column, new ChoiceDelegate(QString::fromUtf16(choice.name),
                                              QString::fromUtf16(choice.accessibleName), m_table));
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_table->horizontalHeader()->setStretchLastSection(true);
    const int em = m_table->fontMetrics().averageCharWidth();
    for (const auto& [column, chars] :
         std::initializer_list<std::pair<int, int>>{{PersonsModel::Name, 22},
                                                    {PersonsModel::Relation, 24},
                                                    {PersonsModel::State, 20},
                                                    {PersonsModel::Of, 18},
                                                    {PersonsModel::SameAs, 16},
                                                    {PersonsModel::Nik, 18}})
        m_table->setColumnWidth(column, em * chars);

    QPushButton* add = makeButton(this, u"TambahOrang"_s, u"Tambah Orang"_s,
                                  u" Menambah seorang ahli waris atau kerabat  "_s);
    QPushButton* remove = makeButton(this, u"HapusOrang"_s, u"Hapus Orang"_s,
                                     u" Menghapus orang pada baris yang dipilih  "_s);
    m_typed = new QLineEdit(this);
    m_typed->setObjectName(u"TambahCepat"_s);
    m_typed->setPlaceholderText(u"Tambah cepat, misalnya Istri, AnakPria=2 lalu Enter"_s);
    m_typed->setToolTip(u" Jenis ahli waris dipisah koma; tiap orang menjadi satu baris  "_s);
    m_typed->setAccessibleName(u"Tambah cepat"_s);
    for (QPushButton* button : {add, remove})
        button->setAutoDefault(false);

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_table, 0, 0, 1, 3);
    layout->addWidget(add, 1, 0);
    layout->addWidget(remove, 1, 1);
    layout->addWidget(m_typed, 1, 2);
    layout->setColumnStretch(2, 1);

    connect(add, &QPushButton::clicked, this, &PersonsTable::addOne);
    connect(remove, &QPushButton::clicked, this, &PersonsTable::removeCurrent);
    connect(m_typed, &QLineEdit::returnPressed, this, [this] {
        if (addTyped(m_typed->text()).isEmpty())
            m_typed->clear();
    });
    for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(m_model, signal, this, &PersonsTable::changed);
    connect(m_model, &QAbstractItemModel::dataChanged, this, &PersonsTable::changed);
    connect(m_model, &QAbstractItemModel::modelReset, this, &PersonsTable::changed);
}

const std::vector<Person>& PersonsTable::persons() const {
    return m_model->rows();
}

void PersonsTable::setPersons(std::vector<Person> persons) {
    m_model->setPersons(std::move(persons));
}

QString PersonsTable::addTyped(const QString& text) {
    FaraidPerKind<int> counts{};
    if (QString problem = readHeirList(heirListEntries(text), counts); !problem.isEmpty()) {
        m_typed->setToolTip(problem);
        return problem;
    }
    for (int k = 0; k < FaraidKindCount; ++k) {
        const HeirKind kind = heirKind(k);
        // Unnamed until the user names them; the table numbers them meanwhile.
        for (int n = 1; n <= counts[kind]; ++n) {
            Person person;
            person.relation = kind;
            m_model->addPerson(std::move(person));
        }
    }
    return {};
}

void PersonsTable::addOne() {
    const int row = m_model->addPerson(Person{});
    m_table->setCurrentIndex(m_model->index(row, PersonsModel::Name));
    if (m_table->isVisible()) {
        m_table->scrollTo(m_table->currentIndex());
        m_table->edit(m_table->currentIndex());
    }
}

void PersonsTable::removeCurrent() {
    const QModelIndex current = m_table->currentIndex();
    if (current.isValid())
        m_model->removePerson(current.row());
}

} // namespace zw::waris
