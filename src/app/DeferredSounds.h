#pragma once

#include "ui/SoundPlayer.h"

#include <QString>

#include <memory>

namespace zw {

// The program's sounds, played by a module that is loaded only when they are prepared or first
// played: Qt Multimedia and the audio system it starts are not needed for the first window.
// Without the module, like without an audio output, the program stays silent.
class DeferredSounds final : public SoundPlayer {
public:
    explicit DeferredSounds(QString modulePath = installedModulePath());
    ~DeferredSounds() override;
    DeferredSounds(const DeferredSounds&) = delete;
    DeferredSounds& operator=(const DeferredSounds&) = delete;

    // Where the module is installed relative to the program: <prefix>/lib/zakat-waris.
    static QString installedModulePath();

    void play(Sound sound) override;
    void prepare() override;
    void waitUntilQuiet(std::chrono::milliseconds longest) override;

    bool loaded() const { return m_player != nullptr; }

private:
    QString m_modulePath;
    bool m_tried = false;
    std::unique_ptr<SoundPlayer> m_player;
};

} // namespace zw
