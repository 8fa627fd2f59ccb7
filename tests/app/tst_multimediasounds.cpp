#include "app/DeferredSounds.h"
#include "app/MultimediaSounds.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

class MultimediaSoundsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void missingSoundsAndMissingDevicesStaySilent();
    void soundModuleLoadsOnlyWhenSoundsAreNeeded_data();
    void soundModuleLoadsOnlyWhenSoundsAreNeeded();
};

void MultimediaSoundsTest::missingSoundsAndMissingDevicesStaySilent() {
    zw::MultimediaSounds::Sources sources = zw::MultimediaSounds::defaultSources();
    sources[1] = u":/sounds/no-such-sound.wav"_s;
    zw::MultimediaSounds sounds(sources);
    QCoreApplication::processEvents();
    sounds.play(zw::Sound::Error);
    sounds.play(zw::Sound::Success);
    sounds.play(zw::Sound::Exit);
    sounds.waitUntilQuiet(2s);
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
