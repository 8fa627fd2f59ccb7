#include "ModalGuard.h"
#include "TestApp.h"
#include "app/HelpTexts.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using zw::test::TestApp;

namespace {

// Start-up order, so that every form exists as it does after the password.
const QStringList startUpForms = {u"Ahli_Waris"_s, u"Akhir"_s,  u"Bantuan"_s,    u"Berapa"_s,
                                  u"Data"_s,       u"Detail"_s, u"Form2"_s,      u"Form4"_s,
                                  u"Form5"_s,      u"Form6"_s,  u"Form7"_s,      u"Form8"_s,
                                  u"Awal"_s,       u"Hasil"_s,  u"Programmer"_s, u"Sandi"_s};

void createAll(TestApp& app) {
    for (const QString& name : startUpForms)
        app.form(name);
}

void deleteClosedForms() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class ShellWindowsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_watchdog = std::make_unique<zw::test::ModalWatchdog>(); }
    void cleanup() { QVERIFY(!m_watchdog->fired()); }

    void windowsCarryTheirNamesAndTitles_data();
    void windowsCarryTheirNamesAndTitles();
    void picturesShowAtTheirSizeInAWindowThatKeepsItsSize_data();
    void picturesShowAtTheirSizeInAWindowThatKeepsItsSize();
    void mainMenuTakesTheRoads_data();
    void mainMenuTakesTheRoads();
    void aboutKeepsTheMenuAndGoesBackToIt_data();
    void aboutKeepsTheMenuAndGoesBackToIt();
    void everyExitGoesThroughTheClosingWindow_data();
    void everyExitGoesThroughTheClosingWindow();
    void closedHelpWindowComesBackWithItsText_data();
    void closedHelpWindowComesBackWithItsText();
    void helpTextsKeepTheirLinesAndStateTheLivestockThresholds();

private:
    std::unique_ptr<zw::test::ModalWatchdog> m_watchdog;
};

void ShellWindowsTest::windowsCarryTheirNamesAndTitles_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("fixedSize");
    QTest::addColumn<QStringList>("controls");

    QTest::newRow("splash") << u"Splash"_s << QString() << true
                            << QStringList{u"Frame1"_s,         u"imgLogo"_s,
                                           u"Label1"_s,         u"lblCompanyProduct"_s,
                                           u"lblProductName"_s, u"lblVersion"_s,
                                           u"lblPlatform"_s,    u"lblCopyright"_s};
    QTest::newRow("main menu") << u"Awal"_s << QString() << true
                               << QStringList{u"Frame1"_s,   u"Label1"_s,   u"Label2"_s,
                                              u"Label3"_s,   u"Label4"_s,   u"Label5"_s,
                                              u"Command1"_s, u"Command2"_s, u"Command3"_s,
                                              u"Command4"_s};
    QTest::newRow("password") << u"Sandi"_s << u"PASSWORD"_s << true
                              << QStringList{u"Picture1"_s, u"Picture2"_s, u"Label1"_s,
                                             u"Text1"_s,    u"Command1"_s, u"Command2"_s};
    QTest::newRow("about") << u"Programmer"_s << QString() << true
                           << QStringList{u"Frame1"_s, u"Picture1"_s, u"Label1"_s, u"Label2"_s,
                                          u"Label3"_s};
    QTest::newRow("closing") << u"Akhir"_s << QString() << true
                             << QStringList{u"Frame1"_s, u"Picture1"_s, u"Label1"_s, u"Label2"_s};
    QTest::newRow("inheritance help")
        << u"Bantuan"_s << u"H e l p"_s << false << QStringList{u"Label1"_s, u"Text1"_s};
    QTest::newRow("zakat help") << u"Form1"_s << u"H e l p"_s << false
                                << QStringList{u"Label1"_s, u"Text1"_s};
}

void ShellWindowsTest::windowsCarryTheirNamesAndTitles() {
    QFETCH(QString, form);
    QFETCH(QString, title);
    QFETCH(bool, fixedSize);
    QFETCH(QStringList, controls);
    TestApp app;
    zw::Form& window = app.form(form);
    QCOMPARE(window.objectName(), form);
    QCOMPARE(window.windowTitle(), title);
    QCOMPARE(window.layout()->sizeConstraint() == QLayout::SetFixedSize, fixedSize);
    for (const QString& control : controls)
        QVERIFY2(window.findChild<QWidget*>(control), qPrintable(control));
}

// Pictures are decoded only when their window shows; the window must not change size for it.
void ShellWindowsTest::picturesShowAtTheirSizeInAWindowThatKeepsItsSize_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("file");

    QTest::newRow("splash logo") << u"Splash"_s << u"imgLogo"_s << u"logo.png"_s;
    QTest::newRow("password lock") << u"Sandi"_s << u"Picture1"_s << u"lock.png"_s;
    QTest::newRow("password key") << u"Sandi"_s << u"Picture2"_s << u"key.png"_s;
    QTest::newRow("about picture") << u"Programmer"_s << u"Picture1"_s << u"about.png"_s;
    QTest::newRow("closing picture") << u"Akhir"_s << u"Picture1"_s << u"closing.png"_s;
}

void ShellWindowsTest::picturesShowAtTheirSizeInAWindowThatKeepsItsSize() {
    QFETCH(QString, form);
    QFETCH(QString, label);
    QFETCH(QString, file);
    TestApp app;
    zw::Form& window = app.form(form);
    window.show();
    const QSize shown = window.size();
    // Only the layout requests: the closing window would otherwise run the program's end.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);

    const QSize pictureSize = QImageReader(u":/pictures/"_s + file).size();
    const auto& picture = app.child<QLabel>(form, label);
    QCOMPARE(picture.pixmap().size(), pictureSize);
    QVERIFY(picture.width() >= pictureSize.width() && picture.height() >= pictureSize.height());
    QCOMPARE(window.size(), shown);
}

void ShellWindowsTest::mainMenuTakesTheRoads_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("target");

    QTest::newRow("Zakat empties and shows the payer form") << u"Command1"_s << u"Form2"_s;
    QTest::newRow("Waris empties and shows the deceased form") << u"Command4"_s << u"Data"_s;
    QTest::newRow("Enter takes the inheritance road") << QString() << u"Data"_s;
}

void ShellWindowsTest::mainMenuTakesTheRoads() {
    QFETCH(QString, button);
    QFETCH(QString, target);
    TestApp app;
    createAll(app);
    // Left over from an earlier run on that road.
    app.child<QLineEdit>(target, u"Text1"_s).setText(u"Fulan"_s);
    zw::Form& menu = app.form(u"Awal"_s);
    menu.show();

    if (button.isEmpty())
        QTest::keyClick(&menu, Qt::Key_Return);
    else
        app.child<QPushButton>(u"Awal"_s, button).click();

    QCOMPARE(TestApp::visibleWindows(), QStringList{target});
    QCOMPARE(app.child<QLineEdit>(target, u"Text1"_s).text(), QString());
}

void ShellWindowsTest::aboutKeepsTheMenuAndGoesBackToIt_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("click on the picture") << u"Picture1"_s;
    QTest::newRow("click on the frame") << u"Frame1"_s;
    QTest::newRow("window system close") << QString();
}

void ShellWindowsTest::aboutKeepsTheMenuAndGoesBackToIt() {
    QFETCH(QString, way);
    TestApp app;
    createAll(app);
    zw::Form& menu = app.form(u"Awal"_s);
    menu.show();
    app.child<QPushButton>(u"Awal"_s, u"Command2"_s).click();
    QCOMPARE(TestApp::visibleWindows(), (QStringList{u"Awal"_s, u"Programmer"_s}));

    // The user takes a road while the about window stays open.
    app.child<QPushButton>(u"Awal"_s, u"Command4"_s).click();
    QCOMPARE(TestApp::visibleWindows(), (QStringList{u"Data"_s, u"Programmer"_s}));

    zw::Form& about = app.form(u"Programmer"_s);
    if (way.isEmpty())
        about.close();
    else
        QTest::mouseClick(about.findChild<QWidget*>(way), Qt::LeftButton, {}, QPoint(4, 4));

    QCOMPARE(TestApp::visibleWindows(), (QStringList{u"Awal"_s, u"Data"_s}));
    QVERIFY(app.registry.exists(zw::FormName(u"Programmer"_s)));
}

void ShellWindowsTest::everyExitGoesThroughTheClosingWindow_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("button");

    QTest::newRow("main menu Exit") << u"Awal"_s << u"Command3"_s;
    QTest::newRow("main menu window system close") << u"Awal"_s << QString();
    QTest::newRow("deceased form Exit") << u"Data"_s << u"Command3"_s;
    QTest::newRow("inheritance result Selesai") << u"Hasil"_s << u"Command3"_s;
    QTest::newRow("payer form Exit") << u"Form2"_s << u"Command3"_s;
    QTest::newRow("zakat result Selesai") << u"Form8"_s << u"Command2"_s;
}

void ShellWindowsTest::everyExitGoesThroughTheClosingWindow() {
    QFETCH(QString, form);
    QFETCH(QString, button);
    TestApp app;
    createAll(app);
    app.form(u"Form8"_s).show();
    app.form(u"Hasil"_s).show();
    // Windows whose own way out would show the menu again must close without it.
    app.form(u"Bantuan"_s).show();
    app.form(u"Programmer"_s).show();
    zw::Form& origin = app.form(form);
    origin.show();

    if (button.isEmpty())
        origin.close();
    else
        app.child<QPushButton>(form, button).click();

    // The result screens leave the screen as soon as the closing window shows.
    QVERIFY(app.form(u"Akhir"_s).isVisible());
    QVERIFY(!app.form(u"Form8"_s).isVisible());
    QVERIFY(!app.form(u"Hasil"_s).isVisible());
    QVERIFY(!app.ended);

    QTRY_VERIFY(app.ended);
    deleteClosedForms();
    for (const QString& name : startUpForms)
        QVERIFY2(!app.registry.exists(zw::FormName(name)), qPrintable(name));
    QVERIFY(TestApp::visibleWindows().isEmpty());
}

void ShellWindowsTest::closedHelpWindowComesBackWithItsText_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("readOnly");

    QTest::newRow("inheritance help")
        << u"Bantuan"_s << u"Petunjuk Penggunaan Aplikasi Harta Waris"_s
        << zw::inheritanceHelpText() << true;
    QTest::newRow("zakat help") << u"Form1"_s << u"Petunjuk Penggunaan Aplikasi Zakat"_s
                                << zw::zakatHelpText() << false;
}

void ShellWindowsTest::closedHelpWindowComesBackWithItsText() {
    QFETCH(QString, form);
    QFETCH(QString, heading);
    QFETCH(QString, text);
    QFETCH(bool, readOnly);
    TestApp app;
    zw::Form& first = app.form(form);
    first.show();
    auto& edit = app.child<QPlainTextEdit>(form, u"Text1"_s);
    QCOMPARE(app.child<QLabel>(form, u"Label1"_s).text(), heading);
    QCOMPARE(edit.toPlainText(), text);
    QCOMPARE(edit.isReadOnly(), readOnly);
    if (!readOnly) {
        edit.moveCursor(QTextCursor::Start);
        QTest::keyClicks(&edit, u"dicoret "_s);
        QVERIFY(edit.toPlainText() != text);
    }

    first.close();
    QVERIFY(!first.isVisible());
    QVERIFY(!app.registry.exists(zw::FormName(form)));
    deleteClosedForms();

    zw::Form& again = app.form(form);
    again.show();
    QCOMPARE(app.child<QPlainTextEdit>(form, u"Text1"_s).toPlainText(), text);
    QCOMPARE(TestApp::visibleWindows(), QStringList{form});
}

void ShellWindowsTest::helpTextsKeepTheirLinesAndStateTheLivestockThresholds() {
    const QString inheritance = zw::inheritanceHelpText();
    QVERIFY(inheritance.startsWith(u"DIANJURKAN UNTUK MEMBACA \nPETUNJUK BERIKUT....!\n\n1. "_s));
    QVERIFY(inheritance.endsWith(u"Wassalamualaikum Warahmatullahi \nWabarakatuh.....  "_s));
    QVERIFY(!inheritance.contains(u'\r'));
    QCOMPARE(inheritance.count(u'\n'), 127);

    const QString zakat = zw::zakatHelpText();
    QVERIFY(zakat.contains(u"Ternak Kambing adalah 40 Ekor Kambing, sedangkan untuk Ternak Sapi / "
                           u"Kerbau adalah 30 Ekor Sapi / Kerbau."_s));
    QVERIFY(zakat.startsWith(u"DIANJURKAN UNTUK \nMEMBACA PETUNJUK BERIKUT :\n\n1. MUZAKKI"_s));
    QVERIFY(zakat.endsWith(u"Warahmatullahi Wabarakatuh.....  "_s));
    QCOMPARE(zakat.count(u'\n'), 37);
    QVERIFY(zakat.size() <= 5000 && inheritance.size() <= 5000);
}

QTEST_MAIN(ShellWindowsTest)
#include "tst_shellwindows.moc"
