#pragma once

namespace zw {

struct AppContext;

// Registers the factories of Splash, Awal, Sandi, Programmer, Akhir, Bantuan and Form1.
void registerAppForms(AppContext& context);

} // namespace zw
