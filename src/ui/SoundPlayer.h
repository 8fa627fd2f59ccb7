#pragma once

#include <chrono>

namespace zw {

enum class Sound { Error, Success, Exit };

// Starts a short sound and returns at once; a machine without sound stays silent.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(Sound sound) = 0;
    // Readies the sounds ahead of the first one; playing readies them too when this was not done.
    virtual void prepare() {}
    // Lets a sound that is still playing finish, for at most the given time.
    virtual void waitUntilQuiet(std::chrono::milliseconds /*longest*/) {}
};

} // namespace zw
