#pragma once

#include "ui/SoundPlayer.h"

#include <QObject>
#include <QString>

#include <array>
#include <chrono>

class QSoundEffect;

namespace zw {

// Plays the program's wave files with Qt Multimedia, in the background. Without an audio
// output, or when a file is missing, it stays silent. The effects are prepared from the event
// loop a moment after construction, so the first sound does not wait for them.
class MultimediaSounds final : public QObject, public SoundPlayer {
    Q_OBJECT

public:
    // Resource or file paths of the error, success and exit sounds.
    using Sources = std::array<QString, 3>;
    explicit MultimediaSounds(Sources sources = defaultSources());
    ~MultimediaSounds() override;

    static Sources defaultSources();

    void play(Sound sound) override;
    // Lets a sound that is still playing finish, for at most the given time.
    void waitUntilQuiet(std::chrono::milliseconds longest);

private:
    void prepare();

    Sources m_sources;
    std::array<QSoundEffect*, 3> m_effects{};
    bool m_prepared = false;
};

} // namespace zw
