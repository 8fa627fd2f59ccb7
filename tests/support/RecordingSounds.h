#pragma once

#include "ui/SoundPlayer.h"

#include <QList>

namespace zw::test {

class RecordingSounds final : public SoundPlayer {
public:
    void play(Sound sound) override { played.append(sound); }
    QList<Sound> played;
};

} // namespace zw::test
