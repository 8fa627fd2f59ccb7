#pragma once

#include "waris/engine/faraid/FaraidTypes.h"

#include <QWidget>

class QComboBox;
class QTableView;

namespace zw::waris {

class PredeceasedModel;

// The table Pengganti of Pembagian: the heirs who died before the deceased (sons and daughters,
// and of the other kinds that leave a place), each with the number of its own sons and daughters,
// added and removed by buttons.
class PredeceasedTable final : public QWidget {
    Q_OBJECT

public:
    explicit PredeceasedTable(QWidget* parent);

    // In the order entered.
    std::vector<PredeceasedChild> children() const;
    void clear();

Q_SIGNALS:
    void changed();

private:
    void add(HeirKind replaces);
    void removeCurrent();

    PredeceasedModel* m_model = nullptr;
    QTableView* m_table = nullptr;
    QComboBox* m_otherKind = nullptr;
};

} // namespace zw::waris
