#pragma once

#include "ui/ValueTableModel.h"
#include "waris/engine/faraid/FaraidTypes.h"

namespace zw::waris {

// The predeceased heirs of Pembagian as a table: the kind, fixed when added, and the number of
// its sons and daughters, edited as whole numbers (the division refuses those out of range).
class PredeceasedModel final : public ValueTableModel<PredeceasedChild> {
public:
    enum Column { Child, Sons, Daughters };

    explicit PredeceasedModel(QObject* parent);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
};

} // namespace zw::waris
