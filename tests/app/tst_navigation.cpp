#include "ModalGuard.h"
#include "TestApp.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using zw::test::TestApp;

// Every way between the windows: the form acted on (shown last, over the ones before it), the
// action, the windows visible after it and whether the program ends. Text typed earlier into the
// deceased's and the payer's name shows which road's entry was emptied on the way.
class NavigationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_watchdog = std::make_unique<zw::test::ModalWatchdog>(); }
    void cleanup() { QVERIFY(!m_watchdog->fired()); }

    void actionLeadsToItsWindows_data();
    void actionLeadsToItsWindows();

private:
    std::unique_ptr<zw::test::ModalWatchdog> m_watchdog;
};

void NavigationTest::actionLeadsToItsWindows_data() {
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("action");      // a button, a picture, "close" or a key
    QTest::addColumn<QStringList>("after");   // with the closing window the program ends
    QTest::addColumn<QStringList>("emptied"); // whose name field was emptied

    // Windows shown (the last is acted on) | action | windows after | emptied.
    const auto row = [](const char* name, QStringView path) {
        const auto list = [](QStringView text) {
            return text.toString().split(u' ', Qt::SkipEmptyParts);
        };
        const QList<QStringView> parts = path.split(u'|');
        QTest::newRow(name) << list(parts[0]) << parts[1].toString() << list(parts[2])
                            << list(parts.value(3));
    };
    row("menu Zakat empties the payer form", u"Awal|Command1|Form2|Form2");
    row("menu Waris empties the deceased form", u"Awal|Command4|Data|Data");
    row("menu Enter takes the inheritance road", u"Awal|Return|Data|Data");
    row("menu About opens beside it", u"Awal|Command2|Awal Programmer");
    row("menu Exit", u"Awal|Command3|Akhir");
    row("menu closed", u"Awal|close|Akhir");
    row("about left by its picture", u"Awal Programmer|Picture1|Awal");
    row("about left by its frame", u"Awal Programmer|Frame1|Awal");
    row("about closed", u"Awal Programmer|close|Awal");
    row("deceased Back empties it", u"Data|Command2|Awal|Data");
    row("deceased Escape empties it", u"Data|Escape|Awal|Data");
    row("deceased Exit", u"Data|Command3|Akhir");
    row("deceased closed", u"Data|close|Akhir");
    row("heirs closed", u"Ahli_Waris|close|Akhir");
    row("result Selesai", u"Hasil|Command3|Akhir");
    row("result closed", u"Hasil|close|Akhir");
    row("result Detail", u"Hasil|Command2|Detail");
    row("result Help opens beside it", u"Hasil|Command7|Bantuan Hasil");
    row("result Zakat closes the help, empties the payer form",
        u"Bantuan Hasil|Command6|Form2|Form2");
    row("result Ulangi empties the deceased form", u"Hasil|Command5|Data|Data");
    row("detail OK", u"Detail|Command1|Hasil");
    row("detail closed acts as its OK", u"Detail|close|Hasil");
    row("detail Escape", u"Detail|Escape|Hasil");
    row("payer Back empties it", u"Form2|Command2|Awal|Form2");
    row("payer Escape does nothing", u"Form2|Escape|Form2");
    row("payer Exit", u"Form2|Command3|Akhir");
    row("payer closed", u"Form2|close|Akhir");
    row("zakat sheet Ulangi empties the payer form", u"Form8|Command1|Form2|Form2");
    row("zakat sheet Waris closes the help, empties the deceased form",
        u"Form1 Form8|Command3|Data|Data");
    row("zakat sheet Help opens beside it", u"Form8|Command6|Form1 Form8");
    row("zakat sheet Escape does nothing", u"Form8|Escape|Form8");
    row("zakat sheet Selesai", u"Form8|Command2|Akhir");
    // The help and the about window go only after the closing window's pause.
    row("zakat sheet closed, help and about open",
        u"Bantuan Programmer Form8|close|Akhir Bantuan Programmer");
}

void NavigationTest::actionLeadsToItsWindows() {
    QFETCH(QStringList, shown);
    QFETCH(QString, action);
    QFETCH(QStringList, after);
    QFETCH(QStringList, emptied);
    const bool ended = after.contains(u"Akhir"_s);

    TestApp app;
    for (const zw::FormName name : zw::forms::closingOrder)
        app.registry.form(name);
    for (const QString& name : {u"Data"_s, u"Form2"_s})
        app.child<QLineEdit>(name, u"Text1"_s).setText(u"Fulan"_s);
    for (const QString& name : shown)
        app.form(name).show();
    zw::Form& form = app.form(shown.constLast());

    if (action == u"close")
        form.close();
    else if (action == u"Escape" || action == u"Return")
        QTest::keyClick(&form, action == u"Escape" ? Qt::Key_Escape : Qt::Key_Return);
    else if (auto* button = form.findChild<QPushButton*>(action))
        button->click();
    else
        QTest::mouseClick(TestApp::findOrFail<QWidget>(form, action), Qt::LeftButton, {},
                          QPoint(4, 4));

    QCOMPARE(TestApp::visibleWindows(), after);
    for (const QString& name : {u"Data"_s, u"Form2"_s}) {
        const bool empty = app.child<QLineEdit>(name, u"Text1"_s).text().isEmpty();
        QVERIFY2(empty == emptied.contains(name), qPrintable(name));
    }
    if (!ended) {
        QTest::qWait(50);
        QVERIFY(!app.ended);
        return;
    }
    QVERIFY(!app.ended); // the closing window pauses first
    QTRY_VERIFY(app.ended);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const zw::FormName name : zw::forms::closingOrder)
        QVERIFY2(!app.registry.exists(name), qPrintable(name.toString()));
    QVERIFY(TestApp::visibleWindows().isEmpty());
}

QTEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
