#pragma once

#include <chrono>

namespace zw {

struct AppContext;

inline constexpr std::chrono::milliseconds startUpPause{600};

// The program's start: the splash while every form is created, then the main menu with the
// password window shown modal over it. Returns when the password window is closed.
void runMain(AppContext& context, std::chrono::milliseconds pause = startUpPause);

} // namespace zw
