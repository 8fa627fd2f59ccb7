#include "waris/forms/EstateItemsModel.h"

#include "common/NumberFormat.h"
#include "common/NumberReader.h"

using namespace Qt::StringLiterals;

namespace zw::waris {

EstateItemsModel::EstateItemsModel(QLocale locale, QObject* parent)
    : ValueTableModel({u"Uraian harta"_s, u"Nilai"_s}, parent)
    , m_locale(std::move(locale)) {}

void EstateItemsModel::setItems(std::vector<EstateItem> items) {
    clear();
    for (EstateItem& item : items)
        append(std::move(item));
}

Rupiah EstateItemsModel::total() const {
    Rupiah sum;
    for (const EstateItem& item : rows())
        sum = sum + item.value;
    return sum;
}

QVariant EstateItemsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const EstateItem& item = rowAt(index.row());
    if (index.column() == Value && role == Qt::TextAlignmentRole)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    if (index.column() == Description)
        return item.description;
    return formatNumber(item.value, NumberPattern::Amount, m_locale);
}

Qt::ItemFlags EstateItemsModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.isValid() ? flags | Qt::ItemIsEditable : flags;
}

bool EstateItemsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    EstateItem& item = rowAt(index.row());
    if (index.column() == Description)
        return store(index, item.description, value.toString());
    const std::optional<Rupiah> amount = readFieldAmount(value.toString(), m_locale);
    // The sum of the items must stay an amount the program holds.
    if (!amount || Rupiah::max() - (total() - item.value) < *amount)
        return false;
    return store(index, item.value, *amount);
}

} // namespace zw::waris
