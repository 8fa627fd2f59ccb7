#pragma once

namespace zw {
struct AppContext;
}

namespace zw::waris {

struct WarisState;

// Registers the factories of Data, Ahli_Waris, Berapa, Hasil and Detail, which share the state.
void registerWarisForms(AppContext& context, WarisState& state);

// The reset that a new inheritance calculation starts from: empties the deceased's data and
// its sex choice, unticks and enables all heir boxes and the preset buttons, empties the detail
// rows.
void resetInheritanceEntry(AppContext& context);

// What the main menu's "&Waris" does before showing Data: empties its five text fields only
// (the sex choice keeps its state).
void clearDeceasedTexts(AppContext& context);

} // namespace zw::waris
