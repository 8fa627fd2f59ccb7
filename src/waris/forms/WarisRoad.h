#pragma once

#include "waris/engine/designed/InheritanceEngine.h"
#include "waris/forms/WarisState.h"

#include <array>
#include <optional>

namespace zw {
struct AppContext;
}

namespace zw::waris {

// The inheritance road: it owns the road's state, registers its forms and runs the sequences that
// span several of them. The forms show the state and pass on what the user does; the
// application reaches the road only through enter() and startAfresh().
class WarisRoad {
public:
    explicit WarisRoad(AppContext& context);
    WarisRoad(const WarisRoad&) = delete;
    WarisRoad& operator=(const WarisRoad&) = delete;

    // Data, Ahli_Waris, Berapa, Hasil, Detail and Pembagian.
    void registerForms();

    const WarisState& state() const { return m_state; }
    WarisState& state() { return m_state; }

    // The main menu's way in: the deceased's texts emptied (the sex choice and the heirs stay).
    void enter();
    // A new calculation from nothing: the deceased's data, the heirs, the detail rows and the
    // full division's entries emptied.
    void startAfresh();

    // Pembagian with an empty case, or with the case of a file (empty: asks which); false when
    // the user cancelled or the file was refused.
    bool newCase();
    bool openCase(const QString& path);
    // Before the program ends: false when the user keeps an unsaved case open.
    bool mayQuit();
    void showCase();

    // Data confirmed: the particulars go on the sheet, the spouse the sex rules out leaves the
    // heirs, and the heir selection follows.
    void recordDeceased(const std::array<QString, 6>& particulars, DeceasedSex sex);
    // "&Lanjutkan": asks the counts, runs the calculation and shows it on Hasil, Detail and an
    // open Pembagian. On an error nothing is shown and the state stays as it was.
    std::optional<CalculationError> calculate(const HeirSelection& chosen,
                                              const CountAsker& askCount);

private:
    AppContext& m_context;
    WarisState m_state;
};

} // namespace zw::waris
