#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

namespace zw {

// A table over a list of values, one row each, under the given column captions; the subclass shows
// and edits the columns of a value.
template<typename Row> class ValueTableModel : public QAbstractTableModel {
public:
    ValueTableModel(QStringList captions, QObject* parent)
        : QAbstractTableModel(parent)
        , m_captions(std::move(captions)) {}

    const std::vector<Row>& rows() const { return m_rows; }

    // The number of the row added.
    int append(Row row) {
        const int at = rowCount();
        beginInsertRows({}, at, at);
        m_rows.push_back(std::move(row));
        endInsertRows();
        return at;
    }

    void clear() {
        beginResetModel();
        m_rows.clear();
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_captions.size());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
            section >= m_captions.size())
            return {};
        return m_captions[section];
    }
    bool removeRows(int row, int count, const QModelIndex& parent = {}) override {
        if (parent.isValid() || row < 0 || count <= 0 || row + count > rowCount())
            return false;
        beginRemoveRows({}, row, row + count - 1);
        m_rows.erase(m_rows.begin() + row, m_rows.begin() + row + count);
        endRemoveRows();
        return true;
    }

protected:
    Row& rowAt(int row) { return m_rows[static_cast<std::size_t>(row)]; }
    const Row& rowAt(int row) const { return m_rows[static_cast<std::size_t>(row)]; }

    // Stores an accepted edit; an unchanged value changes nothing, as a table item ignores it.
    template<typename T> bool store(const QModelIndex& index, T& field, T value) {
        if (field == value)
            return true;
        field = std::move(value);
        Q_EMIT dataChanged(index, index);
        return true;
    }

private:
    QStringList m_captions;
    std::vector<Row> m_rows;
};

} // namespace zw
