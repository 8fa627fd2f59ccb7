#include "waris/forms/PredeceasedModel.h"

using namespace Qt::StringLiterals;

namespace zw::waris {

PredeceasedModel::PredeceasedModel(QObject* parent)
    : ValueTableModel({u"Yang meninggal"_s, u"Putra"_s, u"Putri"_s}, parent) {}

QVariant PredeceasedModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const PredeceasedChild& child = rowAt(index.row());
    if (role == Qt::TextAlignmentRole && index.column() != Child)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    if (index.column() == Child)
        return heirInfo(child.replaces).name;
    return index.column() == Sons ? child.sons : child.daughters;
}

Qt::ItemFlags PredeceasedModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.isValid() && index.column() != Child ? flags | Qt::ItemIsEditable : flags;
}

bool PredeceasedModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    bool whole = false;
    const int count = value.toInt(&whole);
    if (!index.isValid() || role != Qt::EditRole || index.column() == Child || !whole)
        return false;
    PredeceasedChild& child = rowAt(index.row());
    return store(index, index.column() == Sons ? child.sons : child.daughters, count);
}

} // namespace zw::waris
