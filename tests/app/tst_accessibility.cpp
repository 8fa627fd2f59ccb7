#include "ModalGuard.h"
#include "TestApp.h"
#include "app/AppFormNames.h"
#include "ui/Accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using zw::test::TestApp;

namespace {

QPoint centre(const QWidget* widget) {
    return widget->mapTo(widget->window(), widget->rect().center());
}

// The widgets Tab reaches, in the order it reaches them.
QWidgetList focusChain(QWidget& window) {
    QWidgetList chain;
    for (QWidget* w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&window))
            chain.append(w);
    }
    return chain;
}

QString accessibleName(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

QObjectList labelledBy(QWidget* widget) {
    QObjectList labels;
    const auto relations =
        QAccessible::queryAccessibleInterface(widget)->relations(QAccessible::Label);
    for (const auto& [other, relation] : relations)
        labels.append(other->object());
    return labels;
}

// The controls each access key of an enabled caption in view reaches: a button itself, a label's
// buddy (a label without one is dead), a frame's controls.
QMultiMap<QChar, QWidget*> accessKeys(QWidget& window) {
    QMultiMap<QChar, QWidget*> keys;
    const auto add = [&keys, &window](const QString& caption, QWidget* target) {
        const QKeySequence key = QKeySequence::mnemonic(caption);
        const QChar letter = key.isEmpty() ? QChar() : QChar(static_cast<char16_t>(key[0].key()));
        if (target->isEnabled() && target->isVisibleTo(&window) && letter.isLetterOrNumber())
            keys.insert(letter, target);
    };
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        add(button->text(), button);
    for (QLabel* label : window.findChildren<QLabel*>())
        add(label->text(), label->buddy() ? label->buddy() : label);
    for (QGroupBox* frame : window.findChildren<QGroupBox*>())
        add(frame->title(), frame);
    return keys;
}

} // namespace

// Invariants of every form with controls (showing the closing window would end the program).
class AccessibilityTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_watchdog = std::make_unique<zw::test::ModalWatchdog>(); }
    void cleanup() { QVERIFY(!m_watchdog->fired()); }
    void keyboardAndScreenReaderUse_data();
    void keyboardAndScreenReaderUse();
    void textIsNotClippedAtALargerFont_data() { keyboardAndScreenReaderUse_data(); }
    void textIsNotClippedAtALargerFont();

private:
    std::unique_ptr<zw::test::ModalWatchdog> m_watchdog;
};

void AccessibilityTest::keyboardAndScreenReaderUse_data() {
    QTest::addColumn<QString>("form");
    QTest::newRow("Form1") << u"Form1"_s;
    for (const zw::FormName name : zw::forms::closingOrder) {
        if (name.view() != u"Akhir")
            QTest::newRow(qPrintable(name.toString())) << name.toString();
    }
}

void AccessibilityTest::keyboardAndScreenReaderUse() {
    QFETCH(QString, form);
    TestApp app;
    QWidget& window = app.form(form);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    // Each Tab goes down or to the right; only once does the chain go back to its start (the
    // main menu's starts at its default, "&Waris").
    const QWidgetList chain = focusChain(window);
    QStringList backwards;
    for (qsizetype i = 0; i < chain.size() && chain.size() > 1; ++i) {
        const QPoint from = centre(chain[i]);
        const QPoint to = centre(chain[(i + 1) % chain.size()]);
        if (to.y() <= from.y() + 2 && to.x() <= from.x() + 2)
            backwards.append(chain[i]->objectName());
    }
    QVERIFY2(backwards.size() <= 1, qPrintable(backwards.join(u", "_s)));

    // Buttons are announced by their caption, fields by their label's; a combo box names its
    // choice and is labelled by its label, as Qt tells screen readers on Linux.
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        QCOMPARE(accessibleName(button), zw::captionWithoutAccessKeys(button->text()));
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (qobject_cast<QComboBox*>(label->buddy()))
            QVERIFY(labelledBy(label->buddy()).contains(label));
        else if (label->buddy())
            QCOMPARE(accessibleName(label->buddy()), zw::captionWithoutAccessKeys(label->text()));
    }
    for (QWidget* field : window.findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(field) || qobject_cast<QPlainTextEdit*>(field))
            QVERIFY2(!accessibleName(field).isEmpty(), qPrintable(field->objectName()));
    }

    // An access key of one caption presses its button or moves to its control; one that several
    // captions share moves among their controls. Buttons that would leave the form come last.
    const QMultiMap<QChar, QWidget*> keys = accessKeys(window);
    QList<QChar> order = keys.uniqueKeys();
    const auto rank = [&keys](QChar key) {
        const auto* button = qobject_cast<QPushButton*>(keys.value(key));
        if (keys.count(key) > 1 || !button)
            return 0;
        const QString caption = button->text().remove(u' ');
        return caption == u"&Exit" || caption == u"&Selesai" ? 2 : 1;
    };
    std::stable_sort(order.begin(), order.end(),
                     [&rank](QChar a, QChar b) { return rank(a) < rank(b); });
    app.dialogs.answerSave(std::nullopt);
    app.dialogs.answerPrint(std::nullopt);
    // A button may ask in a window of its own (how many of an heir); the question is declined.
    QTimer decline;
    decline.setInterval(0);
    connect(&decline, &QTimer::timeout, [] {
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            modal->reject();
    });
    decline.start();
    const QPointer<QWidget> open(&window); // a way out ends the program and deletes the forms
    for (const QChar key : order) {
        if (!open || !open->isVisible())
            break;
        const QList<QWidget*> targets = keys.values(key);
        const auto press = Qt::Key(key.unicode());
        QVERIFY2(!targets.contains(nullptr) && !qobject_cast<QLabel*>(targets.first()),
                 "an access key without a control");
        if (auto* button = qobject_cast<QPushButton*>(targets.first());
            targets.size() == 1 && button) {
            QSignalSpy pressed(button, &QAbstractButton::clicked);
            QApplication::setActiveWindow(&window); // a window the button opened took it
            QTest::keyClick(&window, press, Qt::AltModifier);
            QTRY_COMPARE(pressed.size(), 1);
            continue;
        }
        QApplication::setActiveWindow(&window);
        QWidgetList reached;
        for (qsizetype n = 0; n < targets.size(); ++n) {
            QTest::keyClick(QApplication::focusWidget(), press, Qt::AltModifier);
            reached.append(QApplication::focusWidget());
        }
        for (QWidget* target : targets) {
            QVERIFY2(std::any_of(
                         reached.cbegin(), reached.cend(),
                         [target](QWidget* w) { return w == target || target->isAncestorOf(w); }),
                     qPrintable(u"Alt+"_s + key + u" misses "_s + target->objectName()));
        }
    }
}

void AccessibilityTest::textIsNotClippedAtALargerFont() {
    QFETCH(QString, form);
    const QFont usual = QApplication::font();
    QFont larger = usual;
    larger.setPointSizeF(usual.pointSizeF() * 1.5);
    QApplication::setFont(larger);
    const auto restore = qScopeGuard([&usual] { QApplication::setFont(usual); });
    TestApp app;
    QWidget& window = app.form(form);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);

    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(widget);
        if (!widget->isVisible() || !(label || qobject_cast<QAbstractButton*>(widget)))
            continue;
        const QSize needed = label && label->wordWrap()
                                 ? QSize(0, label->heightForWidth(label->width()))
                                 : widget->minimumSizeHint();
        QVERIFY2(widget->width() >= needed.width() && widget->height() >= needed.height(),
                 qPrintable(widget->objectName()));
    }
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
