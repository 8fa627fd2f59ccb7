#pragma once

#include "ui/ValueTableModel.h"
#include "waris/forms/LaterDeathRow.h"

namespace zw::waris {

// The heirs who die later as a table: the person, chosen among those of the division by the
// number of the choice, and the heirs' text.
class LaterDeathModel final : public ValueTableModel<LaterDeathRow> {
public:
    enum Column { Who, Heirs };
    static const QString Example; // how the heirs are written

    explicit LaterDeathModel(QObject* parent);

    // The persons who may die: those of the division, numbered within a kind of several. A row
    // whose person is gone falls back to the first.
    void setPersons(const PerKind<int>& counts);
    std::optional<HeirPerson> firstPerson() const;
    // "Anak Pria 2" among several, "Istri" alone.
    QString name(HeirPerson person) const;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    QVariant whoData(const LaterDeathRow& row, int role) const;
    int choiceOf(const std::optional<HeirPerson>& who) const;

    PerKind<int> m_counts{};
    std::vector<HeirPerson> m_persons;
};

} // namespace zw::waris
