#include "app/DeferredSounds.h"
#include "app/MultimediaSounds.h"

#include <QFile>
#include <QPixmap>
#include <QTest>
#include <QtEndian>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

class MultimediaSoundsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void shippedSoundsAreShortPcmWaves_data();
    void shippedSoundsAreShortPcmWaves();
    void shippedPicturesLoad_data();
    void shippedPicturesLoad();
    void missingSoundsAndMissingDevicesStaySilent();
    void soundModuleLoadsOnlyWhenSoundsAreNeeded_data();
    void soundModuleLoadsOnlyWhenSoundsAreNeeded();
};

void MultimediaSoundsTest::shippedSoundsAreShortPcmWaves_data() {
    QTest::addColumn<QString>("path");
    const zw::MultimediaSounds::Sources sources = zw::MultimediaSounds::defaultSources();
    QTest::newRow("error") << sources[0];
    QTest::newRow("success") << sources[1];
    QTest::newRow("exit") << sources[2];
}

void MultimediaSoundsTest::shippedSoundsAreShortPcmWaves() {
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.size() > 44 && bytes.size() < 50 * 1024);
    QCOMPARE(bytes.first(4), QByteArrayView("RIFF"));
    QCOMPARE(bytes.mid(8, 8), QByteArrayView("WAVEfmt "));
    QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 20), quint16(1)); // PCM
    QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 34), quint16(16));
}

void MultimediaSoundsTest::shippedPicturesLoad_data() {
    QTest::addColumn<QString>("file");
    for (const char* name : {"logo.png", "about.png", "closing.png", "lock.png", "key.png"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void MultimediaSoundsTest::shippedPicturesLoad() {
    QFETCH(QString, file);
    QVERIFY(!QPixmap(u":/pictures/"_s + file).isNull());
}

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
