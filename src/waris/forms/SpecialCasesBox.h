#pragma once

#include "waris/engine/faraid/SpecialCases.h"

#include <QGroupBox>

#include <variant>

class QComboBox;
class QLineEdit;
class QListWidget;
class QSpinBox;

namespace zw::waris {

class LaterDeathTable;

// The frame Kasus khusus of Pembagian: the heirs who die before the division, an unborn child,
// a missing heir, an heir of unknown sex and those who died together with the deceased, each
// chosen among the heirs of the division.
class SpecialCasesBox final : public QGroupBox {
    Q_OBJECT

public:
    explicit SpecialCasesBox(QWidget* parent);

    // The heirs of the division, as counted; a choice whose heir is gone falls back to none.
    void setHeirs(const PerKind<int>& counts);
    // The special cases chosen (their input left to the caller), or why they cannot be read.
    std::variant<SpecialInput, QString> special() const;
    // Adds the distant kin named and their rule to `input`; why they cannot be read, or nothing.
    QString addDistantKin(FaraidInput& input) const;
    void clear();

Q_SIGNALS:
    void changed();

private:
    void fillHeirs();
    void enableViews();

    PerKind<int> m_counts{};
    LaterDeathTable* m_deaths = nullptr;
    QComboBox* m_unborn = nullptr;
    QSpinBox* m_unbornMax = nullptr;
    QComboBox* m_reserve = nullptr;
    QComboBox* m_missing = nullptr;
    QSpinBox* m_missingCount = nullptr;
    QComboBox* m_intersex = nullptr;
    QComboBox* m_intersexView = nullptr;
    QListWidget* m_diedTogether = nullptr;
    QLineEdit* m_distantKin = nullptr;
    QComboBox* m_distantRule = nullptr;
};

} // namespace zw::waris
