#pragma once

#include "ui/Form.h"
#include "waris/engine/HeirKind.h"
#include "waris/engine/designed/InheritanceEngine.h"
#include "waris/forms/WarisState.h"

#include <array>

class QCheckBox;
class QPushButton;

namespace zw::waris {

class WarisRoad;

// Ahli_Waris: one box per heir kind, the presets that fill in the usual selections, and
// "&Lanjutkan", which runs the calculation and shows its result on Hasil and Detail.
class HeirSelectionForm final : public Form {
    Q_OBJECT

public:
    HeirSelectionForm(AppContext& context, WarisRoad& road);

    // Unticks and disables the spouse box that the deceased's sex excludes.
    void excludeSpouse(DeceasedSex sex);
    // Unticks and enables every box and enables the presets.
    void resetEntry();

    HeirSelection selection() const;

    // Where the counts come from; by default the count dialog Berapa.
    void setCountAsker(CountAsker askCount) { m_askCount = std::move(askCount); }

protected:
    void closeRequested() override;
    // Escape has no role here.
    void reject() override {}

private:
    struct Locks {
        std::array<bool, HeirKindCount> boxes{};
        std::array<bool, 3> presets{};
    };

    void applyMalePreset();
    void applyFemalePreset();
    void applyBothPreset();
    void resetSelection();
    void calculate();

    std::optional<DeceasedSex> deceasedSex() const;
    void refusePreset();
    void tick(int kind, bool ticked);
    void tickRange(int first, int last, bool ticked);
    void enableRange(int first, int last, bool enabled);
    Locks locks() const;
    void restore(const Locks& locks);

    WarisRoad& m_road;
    std::array<QCheckBox*, HeirKindCount> m_checks{};
    QPushButton* m_malePreset = nullptr;
    QPushButton* m_femalePreset = nullptr;
    QPushButton* m_bothPreset = nullptr;
    CountAsker m_askCount;
};

} // namespace zw::waris
