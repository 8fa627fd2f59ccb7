// Every window the program registers, on a 1366×768 screen with a taskbar, used by keyboard.
#include "ModalGuard.h"
#include "TestApp.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMultiMap>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;
using zw::test::TestApp;

namespace {

// What is left of 768 pixels below a taskbar and a title bar.
constexpr QSize ScreenRoom(1366, 700);

// The captions whose access keys are live together: those of the controls now visible in the
// window, and every tab of a visible tab bar.
QMultiMap<QKeySequence, QString> liveAccessKeys(QWidget& window) {
    QMultiMap<QKeySequence, QString> keys;
    const auto add = [&keys](const QString& caption, const QString& owner) {
        if (const QKeySequence key = QKeySequence::mnemonic(caption); !key.isEmpty())
            keys.insert(key, owner);
    };
    const auto visible = [&window](const QWidget* widget) {
        return widget->isVisibleTo(&window);
    };
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (visible(button))
            add(button->text(), button->objectName());
    }
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (visible(label) && label->buddy())
            add(label->text(), label->objectName());
    }
    for (QGroupBox* frame : window.findChildren<QGroupBox*>()) {
        if (visible(frame))
            add(frame->title(), frame->objectName());
    }
    for (QTabBar* bar : window.findChildren<QTabBar*>()) {
        for (int i = 0; visible(bar) && i < bar->count(); ++i)
            add(bar->tabText(i), u"tab "_s + bar->tabText(i));
    }
    return keys;
}

QStringList sharedAccessKeys(QWidget& window) {
    const QMultiMap<QKeySequence, QString> keys = liveAccessKeys(window);
    QStringList shared;
    for (const QKeySequence& key : keys.uniqueKeys()) {
        if (keys.count(key) > 1)
            shared.append(key.toString() + u": "_s + QStringList(keys.values(key)).join(u", "_s));
    }
    return shared;
}

// Turns every tab widget above `widget` to the page that holds it.
void bringToFront(QWidget* widget) {
    for (QWidget* page = widget; page->parentWidget() != nullptr; page = page->parentWidget()) {
        // A tab widget holds its pages in a stack of its own.
        auto* tabs = qobject_cast<QTabWidget*>(page->parentWidget()->parentWidget());
        if (tabs && tabs->indexOf(page) >= 0)
            tabs->setCurrentWidget(page);
    }
}

} // namespace

class SmallScreenTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_watchdog = std::make_unique<zw::test::ModalWatchdog>(); }
    void cleanup() { QVERIFY(!m_watchdog->fired()); }
    void windowFitsTheScreen_data() { everyWindow(); }
    void windowFitsTheScreen();
    void tabLeavesEveryTable_data() { everyWindow(); }
    void tabLeavesEveryTable();
    void eachAccessKeyReachesOneControl_data() { everyWindow(); }
    void eachAccessKeyReachesOneControl();

private:
    static void everyWindow();

    std::unique_ptr<zw::test::ModalWatchdog> m_watchdog;
};

void SmallScreenTest::everyWindow() {
    QTest::addColumn<QString>("form");
    const TestApp app;
    for (const QString& name : app.registry.names())
        QTest::newRow(qPrintable(name)) << name;
}

void SmallScreenTest::windowFitsTheScreen() {
    QFETCH(QString, form);
    TestApp app;
    QWidget& window = app.form(form);
    // Shown for its sizes taken from the font; measured before the closing window, once on the
    // screen, ends the program.
    window.show();
    for (const QSize smallest : {window.minimumSize(), window.minimumSizeHint()}) {
        QVERIFY2(
            smallest.boundedTo(ScreenRoom) == smallest,
            qPrintable(
                u"%1 at least %2×%3"_s.arg(form).arg(smallest.width()).arg(smallest.height())));
    }
}

void SmallScreenTest::tabLeavesEveryTable() {
    QFETCH(QString, form);
    TestApp app;
    QWidget& window = app.form(form);
    const QList<QTableView*> tables = window.findChildren<QTableView*>();
    if (tables.isEmpty())
        return;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    for (QTableView* table : tables) {
        // Cell moves stay with the arrow keys, even in a table with no cell to move to yet.
        QVERIFY2(!table->tabKeyNavigation(), qPrintable(table->objectName()));
        bringToFront(table);
        table->setFocus(Qt::TabFocusReason);
        QVERIFY2(table->hasFocus(), qPrintable(table->objectName()));
        if (table->model()->rowCount() > 0)
            table->setCurrentIndex(table->model()->index(0, 0));
        QTest::keyClick(table, Qt::Key_Tab);
        const QWidget* reached = QApplication::focusWidget();
        QVERIFY2(reached && reached != table && !table->isAncestorOf(reached),
                 qPrintable(table->objectName()));
    }
}

void SmallScreenTest::eachAccessKeyReachesOneControl() {
    QFETCH(QString, form);
    TestApp app;
    QWidget& window = app.form(form);
    // Each page of a tab widget in turn, with its own controls.
    QStringList faults = sharedAccessKeys(window);
    for (QTabWidget* tabs : window.findChildren<QTabWidget*>()) {
        for (int i = 0; i < tabs->count(); ++i) {
            if (QKeySequence::mnemonic(tabs->tabText(i)).isEmpty())
                faults.append(u"tab "_s + tabs->tabText(i) + u" without an access key"_s);
            tabs->setCurrentIndex(i);
            for (const QString& clash : sharedAccessKeys(window)) {
                if (!faults.contains(clash))
                    faults.append(clash);
            }
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"; "_s)));
}

QTEST_MAIN(SmallScreenTest)
#include "tst_smallscreen.moc"
