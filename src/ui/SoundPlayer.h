#pragma once

namespace zw {

enum class Sound { Error, Success, Exit };

// Starts a short sound and returns at once; a machine without sound stays silent.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(Sound sound) = 0;
};

} // namespace zw
