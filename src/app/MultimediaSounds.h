#pragma once

#include "ui/SoundPlayer.h"

#include <QObject>
#include <QString>

#include <array>

class QSoundEffect;

namespace zw {

// Plays the program's wave files with Qt Multimedia, in the background. Without an audio
// output, or when a file is missing, it stays silent.
class MultimediaSounds final : public QObject, public SoundPlayer {
    Q_OBJECT

public:
    // Resource or file paths of the error, success and exit sounds.
    using Sources = std::array<QString, 3>;
    explicit MultimediaSounds(Sources sources = defaultSources());
    ~MultimediaSounds() override;

    static Sources defaultSources();

    void play(Sound sound) override;
    void prepare() override;
    void waitUntilQuiet(std::chrono::milliseconds longest) override;

private:
    Sources m_sources;
    std::array<QSoundEffect*, 3> m_effects{};
    bool m_prepared = false;
};

} // namespace zw
