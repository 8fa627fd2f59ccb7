#include "app/DeferredSounds.h"
#include "app/MultimediaSounds.h"

#include <QSoundEffect>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

class MultimediaSoundsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everySoundIsAWaveQtCanPlay_data();
    void everySoundIsAWaveQtCanPlay();
    void soundModuleLoadsOnlyWhenSoundsAreNeeded_data();
    void soundModuleLoadsOnlyWhenSoundsAreNeeded();
};

void MultimediaSoundsTest::everySoundIsAWaveQtCanPlay_data() {
    QTest::addColumn<QUrl>("source");
    QTest::addColumn<QSoundEffect::Status>("status");
    const zw::MultimediaSounds::Sources sources = zw::MultimediaSounds::defaultSources();
    const char* const names[] = {"error", "success", "exit"};
    for (std::size_t i = 0; i < sources.size(); ++i)
        QTest::newRow(names[i]) << QUrl(u"qrc"_s + sources[i]) << QSoundEffect::Ready;
    QTest::newRow("this test's source is refused")
        << QUrl::fromLocalFile(QString::fromUtf8(__FILE__)) << QSoundEffect::Error;
}

// Decoded by Qt Multimedia itself, which needs no audio output for that: a sound missing from
// the resources or in a format it cannot read would leave the program silent.
void MultimediaSoundsTest::everySoundIsAWaveQtCanPlay() {
    QFETCH(QUrl, source);
    QFETCH(QSoundEffect::Status, status);
    QSoundEffect effect;
    effect.setSource(source);
    QTRY_VERIFY(effect.status() != QSoundEffect::Loading && effect.status() != QSoundEffect::Null);
    QCOMPARE(effect.status(), status);
}

void MultimediaSoundsTest::soundModuleLoadsOnlyWhenSoundsAreNeeded_data() {
    QTest::addColumn<QString>("module");
    QTest::addColumn<bool>("byPlaying");
    QTest::addColumn<bool>("loads");

    const QString built = QStringLiteral(ZW_SOUNDS_MODULE);
    const QString missing = u"/nonexistent/zakat-waris-sounds"_s;
    QTest::newRow("the built module, prepared") << built << false << true;
    QTest::newRow("the built module, on the first sound") << built << true << true;
    QTest::newRow("a missing module stays silent") << missing << true << false;
}

void MultimediaSoundsTest::soundModuleLoadsOnlyWhenSoundsAreNeeded() {
    QFETCH(QString, module);
    QFETCH(bool, byPlaying);
    QFETCH(bool, loads);
    zw::DeferredSounds sounds(module);
    QCoreApplication::processEvents();
    QVERIFY(!sounds.loaded());
    if (byPlaying)
        sounds.play(zw::Sound::Error);
    else
        sounds.prepare();
    QCOMPARE(sounds.loaded(), loads);
    sounds.play(zw::Sound::Success);
    sounds.play(zw::Sound::Exit);
    sounds.waitUntilQuiet(2s);
}

QTEST_MAIN(MultimediaSoundsTest)
#include "tst_multimediasounds.moc"
