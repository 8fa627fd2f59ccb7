#pragma once

#include "ui/ValueTableModel.h"
#include "waris/engine/kasus/Kasus.h"

namespace zw::waris {

// Ahli Waris: every person of the case, one row each: the name, the relationship, the state,
// whose place or estate the person belongs to, the first division's person he or she is, and the
// particulars. Whose (`of`) and who (`sameAs`) are chosen among the persons by name.
class PersonsModel final : public ValueTableModel<Person> {
public:
    enum Column { Name, Relation, State, Of, SameAs, Nik, BirthPlace, BirthDate, Address, Count };

    explicit PersonsModel(QObject* parent);

    void setPersons(std::vector<Person> persons);
    // A new person with the next id; the number of its row.
    int addPerson(Person person);
    // Removes the row and every reference to its person (those of it stay, of no one).
    void removePerson(int row);
    // The name, or where none was typed the relationship, numbered among those of its kind
    // and place: "Anak Pria 2".
    QString shownName(const Person& person) const;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    QVariant choiceData(const Person& person, int column, int role) const;
    QStringList choiceNames(int column, const Person& person) const;
    // The ids a column chooses among, 0 (none) first.
    std::vector<int> choiceIds(int column, const Person& person) const;
    bool setChoice(const QModelIndex& index, int choice);
    const Person* byId(int id) const;
    int m_nextId = 1;
};

} // namespace zw::waris
