#include "ModalGuard.h"
#include "TestApp.h"
#include "ui/Accessibility.h"
#include "ui/QtDialogs.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>
#include <QTextEdit>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;
using zw::test::TestApp;

namespace {

// Every form by its designer name, as the registry knows them.
const QStringList allForms = {u"Splash"_s,  u"Awal"_s,   u"Sandi"_s, u"Programmer"_s, u"Akhir"_s,
                              u"Bantuan"_s, u"Form1"_s,  u"Data"_s,  u"Ahli_Waris"_s, u"Berapa"_s,
                              u"Hasil"_s,   u"Detail"_s, u"Form2"_s, u"Form4"_s,      u"Form5"_s,
                              u"Form6"_s,   u"Form7"_s,  u"Form8"_s, u"Pembagian"_s};

// The widgets that Tab reaches, in the order it reaches them from where the focus is when the
// window opens.
QStringList tabOrder(QWidget& window) {
    QWidget* const start = window.focusWidget() ? window.focusWidget() : &window;
    QStringList names;
    QWidget* widget = start;
    do {
        if (widget != &window && (widget->focusPolicy() & Qt::TabFocus) &&
            widget->isVisibleTo(&window))
            names.append(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != start);
    return names;
}

QString accessibleName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

QStringList checkedButtons(QWidget& window) {
    QStringList names;
    const QList<QAbstractButton*> buttons = window.findChildren<QAbstractButton*>();
    for (const QAbstractButton* button : buttons) {
        if (button->isChecked())
            names.append(button->objectName());
    }
    names.sort();
    return names;
}

QStringList messageTitles(const TestApp& app) {
    QStringList titles;
    for (const zw::test::RecordedMessage& message : app.dialogs.messages)
        titles.append(message.title);
    return titles;
}

bool showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        m_watchdog = std::make_unique<zw::test::ModalWatchdog>();
        m_app = std::make_unique<TestApp>();
    }
    void cleanup() {
        m_app.reset();
        QVERIFY(!m_watchdog->fired());
    }

    void tabFollowsTheVisualOrder_data();
    void tabFollowsTheVisualOrder();
    void controlsAreAnnouncedWithTheirCaptions_data();
    void controlsAreAnnouncedWithTheirCaptions();
    void accessMarksAreNotReadOut_data();
    void accessMarksAreNotReadOut();
    void accessKeyReachesItsControl_data();
    void accessKeyReachesItsControl();
    void accessKeyPressesItsButton_data();
    void accessKeyPressesItsButton();
    void messageBoxAnnouncesTitleAndText();
    void textIsNotClippedAtALargerFont_data();
    void textIsNotClippedAtALargerFont();

private:
    std::unique_ptr<zw::test::ModalWatchdog> m_watchdog;
    std::unique_ptr<TestApp> m_app;
};

void AccessibilityTest::tabFollowsTheVisualOrder_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QStringList>("order");

    const QStringList none;
    QTest::newRow("splash has nothing to reach") << u"Splash"_s << none;
    // "&Waris" comes first; from there Tab goes on to the right and wraps to the left.
    QTest::newRow("main menu starts at Waris")
        << u"Awal"_s << QStringList{u"Command4"_s, u"Command3"_s, u"Command2"_s, u"Command1"_s};
    QTest::newRow("password entry, OK, Exit")
        << u"Sandi"_s << QStringList{u"Text1"_s, u"Command1"_s, u"Command2"_s};
    QTest::newRow("about is left by click or Escape") << u"Programmer"_s << none;
    QTest::newRow("closing window has nothing to reach") << u"Akhir"_s << none;
    QTest::newRow("inheritance help text") << u"Bantuan"_s << QStringList{u"Text1"_s};
    QTest::newRow("zakat help text") << u"Form1"_s << QStringList{u"Text1"_s};
    QTest::newRow("deceased fields, sex before estate, Back Exit OK")
        << u"Data"_s
        << QStringList{u"Text1"_s,   u"Text2"_s, u"Text3"_s,    u"Text4"_s,    u"Option1"_s,
                       u"Option2"_s, u"Text5"_s, u"Command2"_s, u"Command3"_s, u"Command1"_s};
    // Each column of a frame top to bottom, the columns left to right, then the buttons.
    QStringList heirs;
    for (int box = 0; box < 22; ++box)
        heirs.append(u"Check(%1)"_s.arg(box));
    heirs << u"Command1"_s << u"Command2"_s << u"Command3"_s << u"Command5"_s << u"Command4"_s;
    QTest::newRow("heir boxes by column, presets, Reset, Lanjutkan") << u"Ahli_Waris"_s << heirs;
    QTest::newRow("count field, OK") << u"Berapa"_s << QStringList{u"Text1"_s, u"Command2"_s};
    QTest::newRow("result: framed row left to right, then the right column")
        << u"Hasil"_s << QStringList{u"Command4"_s, u"Command1"_s, u"Command5"_s, u"Command7"_s,
                                     u"Command2"_s, u"Command8"_s, u"Command6"_s, u"Command3"_s};
    QTest::newRow("detail OK") << u"Detail"_s << QStringList{u"Command1"_s};
    QTest::newRow("full division: deductions, options, table, working, buttons")
        << u"Pembagian"_s
        << QStringList{u"Biaya"_s, u"Utang"_s,        u"Wasiat"_s, u"Kakek"_s,   u"Musytarakah"_s,
                       u"Nenek"_s, u"SisaPasangan"_s, u"Tabel"_s,  u"Langkah"_s, u"Simpan"_s,
                       u"Cetak"_s, u"Pratinjau"_s,    u"Pdf"_s,    u"Tutup"_s};
    QTest::newRow("payer fields, kinds, Back OK Exit")
        << u"Form2"_s << QStringList{u"Text1"_s,  u"Text2"_s,    u"Text3"_s,    u"Text4"_s,
                                     u"Text5"_s,  u"Check1"_s,   u"Check2"_s,   u"Check3"_s,
                                     u"Check4"_s, u"Command2"_s, u"Command1"_s, u"Command3"_s};
    const QStringList twoFields{u"Text1"_s, u"Text2"_s, u"Command2"_s, u"Command1"_s};
    const QStringList fieldAndOptions{u"Text1"_s, u"Option1"_s, u"Option2"_s, u"Command2"_s,
                                      u"Command1"_s};
    QTest::newRow("wealth fields before the buttons") << u"Form4"_s << twoFields;
    QTest::newRow("harvest field and irrigation before the buttons")
        << u"Form5"_s << fieldAndOptions;
    QTest::newRow("livestock field and kind before the buttons") << u"Form6"_s << fieldAndOptions;
    QTest::newRow("fitrah fields before the buttons") << u"Form7"_s << twoFields;
    QTest::newRow("zakat sheet buttons left to right")
        << u"Form8"_s << QStringList{u"Command1"_s, u"Command2"_s, u"Command3"_s,
                                     u"Command4"_s, u"Command5"_s, u"Command6"_s};
}

void AccessibilityTest::tabFollowsTheVisualOrder() {
    QFETCH(QString, form);
    QFETCH(QStringList, order);
    QWidget& window = m_app->form(form);
    // Showing the closing window ends the program; nothing on it takes the focus.
    if (form != u"Akhir")
        QVERIFY(showActive(window));
    QCOMPARE(tabOrder(window), order);
}

void AccessibilityTest::controlsAreAnnouncedWithTheirCaptions_data() {
    QTest::addColumn<QString>("form");
    for (const QString& form : allForms) {
        // Showing the closing window ends the program; it has no controls to announce.
        if (form != u"Akhir")
            QTest::newRow(qPrintable(form)) << form;
    }
}

void AccessibilityTest::controlsAreAnnouncedWithTheirCaptions() {
    QFETCH(QString, form);
    QWidget& window = m_app->form(form);
    window.show();

    const QList<QAbstractButton*> buttons = window.findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons) {
        const QString caption = button->text().remove(u'&');
        QVERIFY2(!caption.trimmed().isEmpty(), qPrintable(button->objectName()));
        QCOMPARE(button->accessibleName(), caption);
        QCOMPARE(accessibleName(button), caption);
    }

    QWidgetList texts;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QTextEdit*>(widget) ||
            qobject_cast<QPlainTextEdit*>(widget))
            texts.append(widget);
    }
    const QList<QLabel*> labels = window.findChildren<QLabel*>();
    // A label's access key is dead without a control to go to ("Zakat & Waris" has none).
    static const QRegularExpression accessKey(u"&\\w"_s);
    for (const QLabel* label : labels) {
        if (label->text().contains(accessKey))
            QVERIFY2(label->buddy(), qPrintable(label->objectName()));
    }
    for (QWidget* text : texts) {
        const auto label = std::find_if(labels.cbegin(), labels.cend(),
                                        [text](const QLabel* l) { return l->buddy() == text; });
        QVERIFY2(label != labels.cend(), qPrintable(text->objectName() + u" has no label"_s));
        QCOMPARE(accessibleName(text), (*label)->text().remove(u'&'));
    }
}

void AccessibilityTest::accessMarksAreNotReadOut_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("readOut");
    QTest::newRow("letter-spaced caption keeps its blanks") << u"&E x i t"_s << u"E x i t"_s;
    QTest::newRow("mark inside a word") << u"Si&mpan"_s << u"Simpan"_s;
    QTest::newRow("doubled mark is an ampersand") << u"Zakat && &Waris"_s << u"Zakat & Waris"_s;
    QTest::newRow("mark at the end is dropped") << u"Harta&"_s << u"Harta"_s;
}

void AccessibilityTest::accessMarksAreNotReadOut() {
    QFETCH(QString, caption);
    QFETCH(QString, readOut);
    QCOMPARE(zw::captionWithoutAccessKeys(caption), readOut);
}

void AccessibilityTest::accessKeyReachesItsControl_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<int>("key");
    // Where the focus is after each press, in any order: a key shared by several captions
    // moves the focus among them without pressing any. Empty: one press of a push button,
    // which leaves the focus where it is.
    QTest::addColumn<QStringList>("focus");
    QTest::addColumn<QStringList>("checked");

    const QStringList none;
    QTest::newRow("deceased address label moves to its field")
        << u"Data"_s << int(Qt::Key_A) << QStringList{u"Text2"_s} << none;
    QTest::newRow("deceased estate label moves to its field")
        << u"Data"_s << int(Qt::Key_H) << QStringList{u"Text5"_s} << none;
    QTest::newRow("deceased Perempuan is chosen")
        << u"Data"_s << int(Qt::Key_P) << QStringList{u"Option2"_s} << QStringList{u"Option2"_s};
    QTest::newRow("heir box with a key of its own is ticked")
        << u"Ahli_Waris"_s << int(Qt::Key_G) << QStringList{u"Check(8)"_s}
        << QStringList{u"Check(8)"_s};
    QTest::newRow("male preset ticks father and son")
        << u"Ahli_Waris"_s << int(Qt::Key_H) << none << QStringList{u"Check(1)"_s, u"Check(3)"_s};
    QTest::newRow("female frame moves to its first box")
        << u"Ahli_Waris"_s << int(Qt::Key_W) << QStringList{u"Check(14)"_s} << none;
    QTest::newRow("both Anak and Anak Paman share A")
        << u"Ahli_Waris"_s << int(Qt::Key_A)
        << QStringList{u"Check(12)"_s, u"Check(16)"_s, u"Check(3)"_s} << none;
    QTest::newRow("both Cucu share C")
        << u"Ahli_Waris"_s << int(Qt::Key_C) << QStringList{u"Check(18)"_s, u"Check(7)"_s} << none;
    QTest::newRow("Suami and both Saudara share S")
        << u"Ahli_Waris"_s << int(Qt::Key_S)
        << QStringList{u"Check(0)"_s, u"Check(19)"_s, u"Check(4)"_s} << none;
    QTest::newRow("female preset and Lanjutkan share L, neither is pressed")
        << u"Ahli_Waris"_s << int(Qt::Key_L) << QStringList{u"Command2"_s, u"Command4"_s} << none;
    QTest::newRow("payer name and Tani share N")
        << u"Form2"_s << int(Qt::Key_N) << QStringList{u"Check2"_s, u"Text1"_s} << none;
    QTest::newRow("payer Ternak is ticked")
        << u"Form2"_s << int(Qt::Key_K) << QStringList{u"Check3"_s} << QStringList{u"Check3"_s};
    QTest::newRow("gold price label moves to its field")
        << u"Form4"_s << int(Qt::Key_E) << QStringList{u"Text2"_s} << none;
    QTest::newRow("harvest Tidak Diairi is chosen")
        << u"Form5"_s << int(Qt::Key_T) << QStringList{u"Option2"_s} << QStringList{u"Option2"_s};
    QTest::newRow("livestock label moves to its field")
        << u"Form6"_s << int(Qt::Key_T) << QStringList{u"Text1"_s} << none;
    QTest::newRow("rice price label moves to its field")
        << u"Form7"_s << int(Qt::Key_B) << QStringList{u"Text2"_s} << none;
}

void AccessibilityTest::accessKeyReachesItsControl() {
    QFETCH(QString, form);
    QFETCH(int, key);
    QFETCH(QStringList, focus);
    QFETCH(QStringList, checked);
    QWidget& window = m_app->form(form);
    QVERIFY(showActive(window));

    QStringList reached;
    for (qsizetype press = 0; press < std::max<qsizetype>(focus.size(), 1); ++press) {
        QTest::keyClick(&window, Qt::Key(key), Qt::AltModifier);
        QTRY_VERIFY(QApplication::focusWidget());
        reached.append(QApplication::focusWidget()->objectName());
    }
    reached.sort();
    if (!focus.isEmpty())
        QCOMPARE(reached, focus);
    QTRY_COMPARE(checkedButtons(window), checked);
    QCOMPARE(messageTitles(*m_app), QStringList());
}

void AccessibilityTest::accessKeyPressesItsButton_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("windows");
    QTest::addColumn<QStringList>("messages");

    const QStringList none;
    const QStringList incomplete{u"Belum Lengkap ..."_s};
    QTest::newRow("menu Waris opens the deceased data")
        << u"Awal"_s << int(Qt::Key_W) << QStringList{u"Data"_s} << none;
    QTest::newRow("menu About opens beside the menu")
        << u"Awal"_s << int(Qt::Key_A) << QStringList{u"Awal"_s, u"Programmer"_s} << none;
    QTest::newRow("password OK checks the empty entry")
        << u"Sandi"_s << int(Qt::Key_O) << QStringList{u"Sandi"_s}
        << QStringList{u"ERROR"_s, u"ERROR"_s};
    QTest::newRow("deceased OK checks the entry")
        << u"Data"_s << int(Qt::Key_O) << QStringList{u"Data"_s} << incomplete;
    QTest::newRow("count OK checks the count")
        << u"Berapa"_s << int(Qt::Key_O) << QStringList{u"Berapa"_s} << incomplete;
    QTest::newRow("result Detail")
        << u"Hasil"_s << int(Qt::Key_D) << QStringList{u"Detail"_s} << none;
    QTest::newRow("detail OK back to the result")
        << u"Detail"_s << int(Qt::Key_O) << QStringList{u"Hasil"_s} << none;
    QTest::newRow("payer OK checks the entry")
        << u"Form2"_s << int(Qt::Key_O) << QStringList{u"Form2"_s} << incomplete;
    QTest::newRow("wealth Hasilnya checks the entry")
        << u"Form4"_s << int(Qt::Key_H) << QStringList{u"Form4"_s} << incomplete;
    QTest::newRow("zakat sheet Simpan asks for a file")
        << u"Form8"_s << int(Qt::Key_M) << QStringList{u"Form8"_s} << none;
    QTest::newRow("zakat sheet Waris opens the deceased data")
        << u"Form8"_s << int(Qt::Key_W) << QStringList{u"Data"_s} << none;
}

void AccessibilityTest::accessKeyPressesItsButton() {
    QFETCH(QString, form);
    QFETCH(int, key);
    QFETCH(QStringList, windows);
    QFETCH(QStringList, messages);
    QWidget& window = m_app->form(form);
    QVERIFY(showActive(window));
    m_app->dialogs.answerSave(std::nullopt);
    const QStringList before = TestApp::visibleWindows();

    QTest::keyClick(&window, Qt::Key(key), Qt::AltModifier);
    // The press is animated; wait until it has had an effect.
    QTRY_VERIFY(TestApp::visibleWindows() != before || !m_app->dialogs.messages.isEmpty() ||
                !m_app->dialogs.saveRequests.isEmpty());
    QCOMPARE(TestApp::visibleWindows(), windows);
    QCOMPARE(messageTitles(*m_app), messages);
}

void AccessibilityTest::messageBoxAnnouncesTitleAndText() {
    QString name;
    QString description;
    zw::test::whenModalOpens([&name, &description](QWidget* modal) {
        name = accessibleName(modal);
        description = QAccessible::queryAccessibleInterface(modal)->text(QAccessible::Description);
        QVERIFY(qobject_cast<QMessageBox*>(modal));
        static_cast<QMessageBox*>(modal)->accept();
    });
    zw::QtDialogs().message(nullptr, u"Belum Lengkap ..."_s,
                            u"Anda Belum Lengkap Mengisikan Data...!"_s);
    QCOMPARE(name, u"Belum Lengkap ..."_s);
    QCOMPARE(description, u"Anda Belum Lengkap Mengisikan Data...!"_s);
}

void AccessibilityTest::textIsNotClippedAtALargerFont_data() {
    controlsAreAnnouncedWithTheirCaptions_data();
}

void AccessibilityTest::textIsNotClippedAtALargerFont() {
    QFETCH(QString, form);
    const QFont usual = QApplication::font();
    QFont larger = usual;
    larger.setPointSizeF(usual.pointSizeF() * 1.5);
    QApplication::setFont(larger);
    const auto restore = qScopeGuard([&usual] { QApplication::setFont(usual); });

    QWidget& window = m_app->form(form);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);

    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisible() ||
            !(qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget)))
            continue;
        const auto* label = qobject_cast<QLabel*>(widget);
        const QSize needed = label && label->wordWrap()
                                 ? QSize(0, label->heightForWidth(label->width()))
                                 : widget->minimumSizeHint();
        QVERIFY2(widget->width() >= needed.width() && widget->height() >= needed.height(),
                 qPrintable(widget->objectName()));
    }
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
