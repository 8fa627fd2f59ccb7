#include "waris/forms/LaterDeathModel.h"

#include "ui/ChoiceDelegate.h"

#include <QStringBuilder>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace zw::waris {

const QString LaterDeathModel::Example = u"Istri, AnakPria=2"_s;

LaterDeathModel::LaterDeathModel(QObject* parent)
    : ValueTableModel({u"Yang meninggal"_s, u"Ahli warisnya"_s}, parent) {}

void LaterDeathModel::setPersons(const PerKind<int>& counts) {
    if (counts == m_counts)
        return;
    m_counts = counts;
    m_persons.clear();
    for (int k = 0; k < HeirKindCount; ++k) {
        for (int number = 1; number <= counts[heirKind(k)]; ++number)
            m_persons.emplace_back(heirKind(k), number);
    }
    for (int row = 0; row < rowCount(); ++row) {
        if (choiceOf(rowAt(row).who) < 0)
            rowAt(row).who = firstPerson();
    }
    // The names change with the counts too ("Anak Pria" becomes "Anak Pria 1").
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, Who), index(rowCount() - 1, Who));
}

std::optional<HeirPerson> LaterDeathModel::firstPerson() const {
    if (m_persons.empty())
        return std::nullopt;
    return m_persons.front();
}

QString LaterDeathModel::name(HeirPerson person) const {
    const QString& kind = heirInfo(person.kind).name;
    return m_counts[person.kind] > 1 ? kind % u' ' % QString::number(person.number) : kind;
}

QVariant LaterDeathModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const LaterDeathRow& row = rowAt(index.row());
    if (index.column() == Who)
        return whoData(row, role);
    if (role == Qt::ToolTipRole)
        return headerData(Heirs, Qt::Horizontal, role);
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return row.heirs;
    return {};
}

QVariant LaterDeathModel::whoData(const LaterDeathRow& row, int role) const {
    if (role == Qt::EditRole)
        return choiceOf(row.who);
    if (role == Qt::DisplayRole)
        return row.who ? name(*row.who) : QString();
    if (role != ChoiceDelegate::ChoicesRole)
        return {};
    QStringList names;
    for (const HeirPerson& person : m_persons)
        names.append(name(person));
    return names;
}

QVariant LaterDeathModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && section == Heirs && role == Qt::ToolTipRole)
        return QString(u" Dipisah koma, misalnya "_s % Example % u"  "_s);
    return ValueTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags LaterDeathModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.isValid() ? flags | Qt::ItemIsEditable : flags;
}

bool LaterDeathModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    LaterDeathRow& row = rowAt(index.row());
    if (index.column() == Heirs)
        return store(index, row.heirs, value.toString());
    bool whole = false;
    const int choice = value.toInt(&whole);
    if (!whole || choice < 0 || choice >= static_cast<int>(m_persons.size()))
        return false;
    return store(index, row.who, std::optional(m_persons[static_cast<std::size_t>(choice)]));
}

int LaterDeathModel::choiceOf(const std::optional<HeirPerson>& who) const {
    const auto found = std::find(m_persons.cbegin(), m_persons.cend(), who);
    return found == m_persons.cend() ? -1 : static_cast<int>(found - m_persons.cbegin());
}

} // namespace zw::waris
