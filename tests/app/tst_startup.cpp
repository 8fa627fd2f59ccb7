#include "ModalGuard.h"
#include "TestApp.h"
#include "app/AppFormNames.h"
#include "app/StartUp.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using zw::Sound;
using zw::test::TestApp;

Q_DECLARE_METATYPE(QList<Sound>)

class StartUpTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void createsEveryFormOnceInOrderUnderABusyPointer();
    void passwordWindow_data();
    void passwordWindow();
    void caseFileArgument_data();
    void caseFileArgument();
};

void StartUpTest::createsEveryFormOnceInOrderUnderABusyPointer() {
    TestApp app;
    QStringList created;
    QList<bool> busy;
    connect(&app.registry, &zw::FormRegistry::created, this, [&](const QString& name) {
        created.append(name);
        busy.append(QGuiApplication::overrideCursor() != nullptr);
    });
    QStringList underPassword;
    zw::test::whenModalOpens([&](QWidget* modal) {
        underPassword = TestApp::visibleWindows();
        modal->findChild<QLineEdit*>(u"Text1"_s)->setText(u" Qobu "_s);
        modal->findChild<QPushButton*>(u"Command1"_s)->click();
    });
    zw::runMain(app.context);

    QCOMPARE(created, (QStringList{u"Splash"_s, u"Ahli_Waris"_s, u"Akhir"_s, u"Bantuan"_s,
                                   u"Berapa"_s, u"Data"_s, u"Detail"_s, u"Form2"_s, u"Form4"_s,
                                   u"Form5"_s, u"Form6"_s, u"Form7"_s, u"Form8"_s, u"Awal"_s,
                                   u"Hasil"_s, u"Programmer"_s, u"Sandi"_s}));
    QCOMPARE(busy.indexOf(false, 1), -1); // busy once the splash is on the screen
    QCOMPARE(underPassword, (QStringList{u"Awal"_s, u"Sandi"_s}));
    QVERIFY(!app.registry.exists(zw::forms::Splash) && !QGuiApplication::overrideCursor());
    QCOMPARE(TestApp::visibleWindows(), QStringList{u"Awal"_s});
}

void StartUpTest::passwordWindow_data() {
    QTest::addColumn<QString>("entry"); // typed and confirmed with Enter, or a way out
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QList<Sound>>("sounds");

    const QString wrong = u"Anda Salah Memasukkan Password ...!"_s;
    const QList<Sound> exit{Sound::Exit};
    QTest::newRow("the password opens the menu")
        << u" Qobu "_s << QStringList() << QList<Sound>{Sound::Success};
    QTest::newRow("without the blanks is refused")
        << u"Qobu"_s << QStringList{wrong} << QList<Sound>{Sound::Error};
    QTest::newRow("an empty entry brings both messages in order")
        << QString() << QStringList{u"Anda Belum Mengisikan Password ...!"_s, wrong}
        << QList<Sound>{Sound::Error, Sound::Error};
    QTest::newRow("Exit ends the program") << u"Command2"_s << QStringList() << exit;
    QTest::newRow("Escape ends the program") << u"Escape"_s << QStringList() << exit;
    QTest::newRow("closing ends the program") << u"close"_s << QStringList() << exit;
}

// A refused entry keeps the window with the entry and the focus in it; the password then opens
// the menu and leaves an empty box.
void StartUpTest::passwordWindow() {
    QFETCH(QString, entry);
    QFETCH(QStringList, messages);
    QFETCH(QList<Sound>, sounds);
    const zw::test::ModalWatchdog watchdog;
    TestApp app;
    QList<Sound> soundsOfTheEntry;
    zw::test::whenModalOpens([&](QWidget* modal) {
        auto* field = modal->findChild<QLineEdit*>(u"Text1"_s);
        if (entry == u"Command2") {
            modal->findChild<QPushButton*>(entry)->click();
        } else if (entry == u"close") {
            modal->close();
        } else if (entry == u"Escape") {
            QTest::keyClick(field, Qt::Key_Escape);
        } else {
            QTest::keyClicks(field, entry);
            QTest::keyClick(field, Qt::Key_Return);
        }
        soundsOfTheEntry = app.sounds.played;
        if (modal->isVisible() && modal->focusWidget() == field && field->text() == entry) {
            field->setText(u" Qobu "_s);
            QTest::keyClick(field, Qt::Key_Return);
        }
    });
    zw::runMain(app.context);

    QStringList texts;
    for (const auto& message : std::as_const(app.dialogs.messages))
        texts.append(message.text);
    QCOMPARE(texts, messages);
    QCOMPARE(soundsOfTheEntry, sounds);
    const bool ended = sounds == QList<Sound>{Sound::Exit};
    QCOMPARE(app.ended, ended);
    QCOMPARE(TestApp::visibleWindows(), ended ? QStringList() : QStringList{u"Awal"_s});
    QVERIFY(!QApplication::activeModalWidget());
    if (ended) {
        for (const zw::FormName name : zw::forms::passwordExitOrder)
            QVERIFY2(!app.registry.exists(name), qPrintable(name.toString()));
    } else {
        QCOMPARE(app.child<QLineEdit>(u"Sandi"_s, u"Text1"_s).text(), QString());
    }
    QVERIFY(!watchdog.fired());
}

QTEST_MAIN(StartUpTest)
void StartUpTest::caseFileArgument_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("caseFile");
    QTest::newRow("none") << QStringList{u"zakat-waris"_s} << QString();
    QTest::newRow("a case") << QStringList{u"zakat-waris"_s, u"/home/a/Keluarga Ali.waris"_s}
                            << u"/home/a/Keluarga Ali.waris"_s;
    QTest::newRow("any case of the suffix")
        << QStringList{u"zakat-waris"_s, u"KASUS.WARIS"_s} << u"KASUS.WARIS"_s;
    QTest::newRow("after an option of Qt")
        << QStringList{u"zakat-waris"_s, u"-style"_s, u"fusion"_s, u"b.waris"_s} << u"b.waris"_s;
    QTest::newRow("another file") << QStringList{u"zakat-waris"_s, u"catatan.txt"_s} << QString();
    QTest::newRow("the program itself so named") << QStringList{u"x.waris"_s} << QString();
}

void StartUpTest::caseFileArgument() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, caseFile);
    QCOMPARE(zw::caseFileArgument(arguments), caseFile);
}

#include "tst_startup.moc"
