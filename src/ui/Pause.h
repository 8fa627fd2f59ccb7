#pragma once

#include <chrono>

namespace zw {

// Waits while the windows on the screen stay painted; mouse and keyboard input is held back
// until the pause is over.
void pauseShowingWindows(std::chrono::milliseconds duration);

} // namespace zw
