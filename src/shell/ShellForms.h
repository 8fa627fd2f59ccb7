#pragma once

namespace zw {

struct AppContext;

// Registers the factories of Splash, Awal, Sandi, Programmer, Akhir, Bantuan and Form1.
void registerShellForms(AppContext& context);

} // namespace zw
