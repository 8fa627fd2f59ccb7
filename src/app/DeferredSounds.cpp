#include "app/DeferredSounds.h"

#include <QCoreApplication>
#include <QLibrary>

using namespace Qt::StringLiterals;

namespace zw {

DeferredSounds::DeferredSounds(QString modulePath)
    : m_modulePath(std::move(modulePath)) {}

DeferredSounds::~DeferredSounds() = default;

QString DeferredSounds::installedModulePath() {
    return QCoreApplication::applicationDirPath() + u"/../lib/zakat-waris/zakat-waris-sounds"_s;
}

void DeferredSounds::prepare() {
    if (m_tried)
        return;
    m_tried = true;
    using Create = SoundPlayer* (*)();
    QLibrary module(m_modulePath);
    if (auto create = reinterpret_cast<Create>(module.resolve("zwCreateSoundPlayer"))) {
        m_player.reset(create());
        m_player->prepare();
    }
}

void DeferredSounds::play(Sound sound) {
    prepare();
    if (m_player)
        m_player->play(sound);
}

void DeferredSounds::waitUntilQuiet(std::chrono::milliseconds longest) {
    if (m_player)
        m_player->waitUntilQuiet(longest);
}

} // namespace zw
