#pragma once

#include "waris/engine/faraid/FaraidTypes.h"

#include <QWidget>

class QTableWidget;

namespace zw::waris {

// The table Pengganti of Pembagian: the sons and daughters who died before the deceased, each with
// the number of its own sons and daughters, added and removed by buttons.
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

    QTableWidget* m_table = nullptr;
};

} // namespace zw::waris
