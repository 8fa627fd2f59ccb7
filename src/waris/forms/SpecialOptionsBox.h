#pragma once

#include "waris/engine/kasus/Kasus.h"

#include <QGroupBox>

class QComboBox;
class QSpinBox;

namespace zw::waris {

// How the special cases are divided where the schools differ: the part held for an unborn child,
// the khuntsa's view and the distant kin's way. Who is unborn, missing or a khuntsa is told on
// the tab Ahli Waris.
class SpecialOptionsBox final : public QGroupBox {
    Q_OBJECT

public:
    explicit SpecialOptionsBox(QWidget* parent);

    void read(Kasus& kasus) const;
    void show(const Kasus& kasus);

Q_SIGNALS:
    void changed();

private:
    void enableViews();

    QComboBox* m_reserve = nullptr;
    QSpinBox* m_unbornMax = nullptr;
    QComboBox* m_intersexView = nullptr;
    QComboBox* m_distantRule = nullptr;
    // A case that left the number to the reserve keeps leaving it until it is changed here.
    bool m_unbornMaxGiven = false;
};

} // namespace zw::waris
