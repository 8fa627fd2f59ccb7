#pragma once

namespace zw {
struct AppContext;
}

namespace zw::zakat {

struct ZakatState;

// Registers the factories of Form2, Form4, Form5, Form6, Form7 and Form8, which share the state,
// and of ZakatLengkap, the complete zakat beside them.
void registerZakatForms(AppContext& context, ZakatState& state);

// Empties the payer form Form2: its five text fields, and unticks its four kinds of zakat.
void clearZakatPayer(AppContext& context);

} // namespace zw::zakat
