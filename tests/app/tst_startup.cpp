#include "ModalGuard.h"
#include "TestApp.h"
#include "app/StartUp.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using zw::Sound;
using zw::test::RecordedMessage;
using zw::test::TestApp;

Q_DECLARE_METATYPE(QList<Sound>)

namespace {

const QString password = u" Qobu "_s;
const QString notFilled = u"Anda Belum Mengisikan Password ...!"_s;
const QString wrong = u"Anda Salah Memasukkan Password ...!"_s;

const QStringList everyFormButSplash = {u"Ahli_Waris"_s, u"Akhir"_s, u"Awal"_s,      u"Bantuan"_s,
                                        u"Berapa"_s,     u"Data"_s,  u"Detail"_s,    u"Form2"_s,
                                        u"Form4"_s,      u"Form5"_s, u"Form6"_s,     u"Form7"_s,
                                        u"Form8"_s,      u"Hasil"_s, u"Programmer"_s};

void enter(QWidget& gate, const QString& text) {
    auto* entry = TestApp::findOrFail<QLineEdit>(gate, u"Text1"_s);
    entry->clear();
    QTest::keyClicks(entry, text);
    QTest::keyClick(entry, Qt::Key_Return);
}

} // namespace

class StartUpTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_watchdog = std::make_unique<zw::test::ModalWatchdog>(); }
    void cleanup() { QVERIFY(!m_watchdog->fired()); }

    void createsEveryFormOnceInOrderAndLeavesTheMenuUnderThePassword();
    void passwordEntries_data();
    void passwordEntries();
    void leavingThePasswordWindowEndsTheProgram_data();
    void leavingThePasswordWindowEndsTheProgram();

private:
    std::unique_ptr<zw::test::ModalWatchdog> m_watchdog;
};

void StartUpTest::createsEveryFormOnceInOrderAndLeavesTheMenuUnderThePassword() {
    TestApp app;
    struct Creation {
        QString form;
        QString caption;
        bool busy;
    };
    QList<Creation> creations;
    connect(&app.registry, &zw::FormRegistry::created, this, [&](const QString& name) {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        creations.append({name, app.child<QLabel>(u"Splash"_s, u"Label1"_s).text(),
                          cursor && cursor->shape() == Qt::WaitCursor});
    });
    QStringList visibleUnderPassword;
    bool menuBlocked = false;
    zw::test::whenModalOpens([&](QWidget* modal) {
        visibleUnderPassword = TestApp::visibleWindows();
        menuBlocked =
            QApplication::activeModalWidget() == modal && modal->objectName() == u"Sandi"_s;
        enter(*modal, password);
    });

    zw::runMain(app.context, 0ms);

    const QString loading = u"Loading files needed...."_s;
    const QString waiting = u"Wait a minute, please...."_s;
    const QString completed = u"Completed...."_s;
    const QList<std::pair<QString, QString>> expected = {
        {u"Splash"_s, loading},       {u"Ahli_Waris"_s, loading}, {u"Akhir"_s, loading},
        {u"Bantuan"_s, loading},      {u"Berapa"_s, loading},     {u"Data"_s, waiting},
        {u"Detail"_s, waiting},       {u"Form2"_s, waiting},      {u"Form4"_s, waiting},
        {u"Form5"_s, waiting},        {u"Form6"_s, waiting},      {u"Form7"_s, waiting},
        {u"Form8"_s, waiting},        {u"Awal"_s, waiting},       {u"Hasil"_s, completed},
        {u"Programmer"_s, completed}, {u"Sandi"_s, completed}};
    QCOMPARE(creations.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QCOMPARE(creations[i].form, expected[i].first);
        QCOMPARE(creations[i].caption, expected[i].second);
        // The pointer turns busy once the splash is on the screen.
        QCOMPARE(creations[i].busy, i > 0);
    }
    QCOMPARE(visibleUnderPassword, (QStringList{u"Awal"_s, u"Sandi"_s}));
    QVERIFY(menuBlocked);
    QVERIFY(!app.registry.exists(zw::FormName(u"Splash"_s)));
    QVERIFY(!app.registry.exists(zw::FormName(u"Form1"_s)));
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(TestApp::visibleWindows(), QStringList{u"Awal"_s});
    QVERIFY(!app.ended);
}

void StartUpTest::passwordEntries_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("the exact password opens the menu") << password << QStringList();
    QTest::newRow("without the leading blank is refused") << u"Qobu "_s << QStringList{wrong};
    QTest::newRow("without the trailing blank is refused") << u" Qobu"_s << QStringList{wrong};
    QTest::newRow("without both blanks is refused") << u"Qobu"_s << QStringList{wrong};
    QTest::newRow("lower case is refused") << u" qobu "_s << QStringList{wrong};
    QTest::newRow("upper case is refused") << u" QOBU "_s << QStringList{wrong};
    QTest::newRow("an empty entry brings both messages in order")
        << QString() << QStringList{notFilled, wrong};
}

void StartUpTest::passwordEntries() {
    QFETCH(QString, entry);
    QFETCH(QStringList, messages);
    TestApp app;
    QString keptEntry;
    bool gateStayed = false;
    bool focusInEntry = false;
    QList<Sound> soundsOfTheEntry;
    zw::test::whenModalOpens([&](QWidget* modal) {
        enter(*modal, entry);
        auto& field = *TestApp::findOrFail<QLineEdit>(*modal, u"Text1"_s);
        keptEntry = field.text();
        gateStayed = modal->isVisible();
        focusInEntry = modal->focusWidget() == &field;
        soundsOfTheEntry = app.sounds.played;
        if (gateStayed)
            enter(*modal, password);
    });

    zw::runMain(app.context, 0ms);

    QStringList texts;
    for (const RecordedMessage& message : std::as_const(app.dialogs.messages)) {
        QCOMPARE(message.title, u"ERROR"_s);
        texts.append(message.text);
    }
    QCOMPARE(texts, messages);
    const bool refused = !messages.isEmpty();
    QCOMPARE(gateStayed, refused);
    if (refused) {
        QCOMPARE(soundsOfTheEntry, QList<Sound>(messages.size(), Sound::Error));
        QCOMPARE(keptEntry, entry);
        QVERIFY(focusInEntry);
    } else {
        QCOMPARE(soundsOfTheEntry, QList<Sound>{Sound::Success});
    }

    // Whatever came before, the right password leaves an empty box and a usable menu.
    QCOMPARE(app.child<QLineEdit>(u"Sandi"_s, u"Text1"_s).text(), QString());
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(TestApp::visibleWindows(), QStringList{u"Awal"_s});
    app.child<QPushButton>(u"Awal"_s, u"Command2"_s).click();
    QCOMPARE(TestApp::visibleWindows(), (QStringList{u"Awal"_s, u"Programmer"_s}));
    QVERIFY(!app.ended);
}

void StartUpTest::leavingThePasswordWindowEndsTheProgram_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("Exit button") << u"button"_s;
    QTest::newRow("Escape key") << u"escape"_s;
    QTest::newRow("window system close") << u"close"_s;
}

void StartUpTest::leavingThePasswordWindowEndsTheProgram() {
    QFETCH(QString, way);
    TestApp app;
    zw::test::whenModalOpens([&](QWidget* modal) {
        QTest::keyClicks(TestApp::findOrFail<QLineEdit>(*modal, u"Text1"_s), u"abc"_s);
        if (way == u"button"_s)
            TestApp::findOrFail<QPushButton>(*modal, u"Command2"_s)->click();
        else if (way == u"escape"_s)
            QTest::keyClick(TestApp::findOrFail<QLineEdit>(*modal, u"Text1"_s), Qt::Key_Escape);
        else
            modal->close();
    });

    zw::runMain(app.context, 0ms);

    QVERIFY(app.ended);
    QCOMPARE(app.sounds.played, QList<Sound>{Sound::Exit});
    QVERIFY(app.dialogs.messages.isEmpty());
    for (const QString& name : everyFormButSplash)
        QVERIFY2(!app.registry.exists(zw::FormName(name)), qPrintable(name));
    QVERIFY(TestApp::visibleWindows().isEmpty());
}

QTEST_MAIN(StartUpTest)
#include "tst_startup.moc"
