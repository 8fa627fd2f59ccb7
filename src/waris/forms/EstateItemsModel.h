#pragma once

#include "ui/ValueTableModel.h"
#include "waris/engine/kasus/Kasus.h"

#include <QLocale>

namespace zw::waris {

// The estate item by item: a description and a value, read and shown in the user's number format.
class EstateItemsModel final : public ValueTableModel<EstateItem> {
public:
    enum Column { Description, Value };

    EstateItemsModel(QLocale locale, QObject* parent);

    void setItems(std::vector<EstateItem> items);
    Rupiah total() const;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    QLocale m_locale;
};

} // namespace zw::waris
