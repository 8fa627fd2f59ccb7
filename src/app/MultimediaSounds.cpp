#include "app/MultimediaSounds.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace zw {

namespace {

std::size_t indexOf(Sound sound) {
    switch (sound) {
    case Sound::Error:
        return 0;
    case Sound::Success:
        return 1;
    case Sound::Exit:
        return 2;
    }
    return 0;
}

QUrl urlOf(const QString& path) {
    if (path.startsWith(u':'))
        return QUrl(u"qrc"_s + path);
    return QUrl::fromLocalFile(path);
}

} // namespace

MultimediaSounds::MultimediaSounds(Sources sources)
    : m_sources(std::move(sources)) {}

MultimediaSounds::~MultimediaSounds() = default;

MultimediaSounds::Sources MultimediaSounds::defaultSources() {
    return {u":/sounds/error.wav"_s, u":/sounds/success.wav"_s, u":/sounds/exit.wav"_s};
}

void MultimediaSounds::prepare() {
    if (m_prepared)
        return;
    m_prepared = true;
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull())
        return;
    for (std::size_t i = 0; i < m_sources.size(); ++i) {
        if (!QFileInfo::exists(m_sources[i]))
            continue;
        auto* effect = new QSoundEffect(output, this);
        effect->setSource(urlOf(m_sources[i]));
        m_effects[i] = effect;
    }
}

void MultimediaSounds::play(Sound sound) {
    prepare();
    if (QSoundEffect* effect = m_effects[indexOf(sound)])
        effect->play();
}

void MultimediaSounds::waitUntilQuiet(std::chrono::milliseconds longest) {
    QEventLoop loop;
    bool playing = false;
    for (QSoundEffect* effect : m_effects) {
        if (effect && effect->isPlaying()) {
            playing = true;
            connect(effect, &QSoundEffect::playingChanged, &loop, [&loop, effect] {
                if (!effect->isPlaying())
                    loop.quit();
            });
        }
    }
    if (!playing)
        return;
    QTimer::singleShot(longest, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace zw
