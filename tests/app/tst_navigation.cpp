#include "DataTable.h"
#include "ModalGuard.h"
#include "TestApp.h"
#include "app/AppFormNames.h"

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

    const auto list = [](const QString& text) {
        return text == u"-" ? QStringList() : text.split(u' ', Qt::SkipEmptyParts);
    };
    for (const QStringList& row : zw::test::dataTable(u"navigation.txt"_s, 5))
        QTest::newRow(qPrintable(row[0])) << list(row[1]) << row[2] << list(row[3]) << list(row[4]);
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
    // The closing window ends the program once its show has finished, after its pause (none here).
    QVERIFY(!app.ended);
    QCoreApplication::processEvents();
    QCOMPARE(app.ended, ended);
    if (!ended)
        return;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const zw::FormName name : zw::forms::closingOrder)
        QVERIFY2(!app.registry.exists(name), qPrintable(name.toString()));
    QVERIFY(TestApp::visibleWindows().isEmpty());
}

QTEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
