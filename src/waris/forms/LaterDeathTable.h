#pragma once

#include "waris/engine/faraid/SpecialCases.h"

#include <QWidget>

#include <variant>

class QTableView;

namespace zw::waris {

class LaterDeathModel;

// The table MeninggalKemudian of Pembagian: the heirs who die before the estate is divided, in the
// order of death, each with the heirs he or she leaves, written as the command takes them
// ("Istri, AnakPria=2"); added and removed by buttons.
class LaterDeathTable final : public QWidget {
    Q_OBJECT

public:
    explicit LaterDeathTable(QWidget* parent);

    // The persons who may die: those of the division, numbered within a kind of several. A row
    // whose person is gone falls back to the first.
    void setPersons(const PerKind<int>& counts);
    // In the order of death, or why a row cannot be read.
    std::variant<std::vector<LaterDeath>, QString> deaths() const;
    void clear();

Q_SIGNALS:
    void changed();

private:
    void add();
    void removeCurrent();

    LaterDeathModel* m_model = nullptr;
    QTableView* m_table = nullptr;
};

} // namespace zw::waris
