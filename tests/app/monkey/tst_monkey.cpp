#include "HangWatchdog.h"
#include "ModalGuard.h"
#include "TestApp.h"
#include "app/AppFormNames.h"
#include "app/StartUp.h"
#include "ui/ChoiceDelegate.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <ctime>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using zw::test::TestApp;

namespace {

QWidgetList visibleForms() {
    QWidgetList forms;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->inherits("zw::Form"))
            forms.append(window);
    }
    // The order of top-level widgets is not stable between runs; the seed must repeat a run.
    std::sort(forms.begin(), forms.end(),
              [](const QWidget* a, const QWidget* b) { return a->objectName() < b->objectName(); });
    return forms;
}

// The enabled widgets of a class on the windows that take input.
QWidgetList reachable(const char* className) {
    QWidget* modal = QApplication::activeModalWidget();
    QWidgetList found;
    for (QWidget* window : modal ? QWidgetList{modal} : visibleForms()) {
        for (QWidget* child : window->findChildren<QWidget*>()) {
            if (child->inherits(className) && child->isVisible() && child->isEnabled())
                found.append(child);
        }
    }
    return found;
}

// The processor time of the calling thread.
std::chrono::milliseconds processorTime() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec));
}

// Key presses ignored by their widget (a read-only field, a label) are what a user's are; the
// offscreen platform notes window hints it does not carry out.
QtMessageHandler previousHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtWarningMsg || (message != u"Keyboard event not accepted by receiving widget" &&
                                 !message.startsWith(u"This plugin does not support")))
        previousHandler(type, context, message);
}

} // namespace

// Drives the whole program with random user actions, one per turn of whichever event loop runs
// (so also inside the modal windows shown with exec()), and checks the program after each
// action. When the program ends, a fresh one is started. A seed repeats its run:
// ZW_MONKEY_SEED and ZW_MONKEY_ACTIONS choose it, ZW_MONKEY_TRACE=1 prints every action.
class MonkeyTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void randomUserActionsKeepTheProgramWholeAndResponsive();

private:
    void tick();
    void act();
    void check();
    void fail(const QString& problem);
    QWidget* keyboardWindow();
    void click(QWidget* target);
    void type(QWidget* field);
    QWidget* fullDivision();
    QTableView* personsTable();
    void actOnPersons(QTableView* table);
    void choosePersonCell(QTableView* table);
    void editCell(QTableView* table);
    void note(const QString& action, QWidget* target);

    int m_actions = 10000;
    bool m_trace = false;
    QRandomGenerator m_random;
    std::unique_ptr<zw::test::HangWatchdog> m_hang;
    QTemporaryDir m_folder; // where the answers of the save and print dialogs point
    std::unique_ptr<TestApp> m_app;
    QPointer<QWidget> m_userWindow; // where the user's keys go
    QEventLoop m_loop;
    QTimer m_tick;
    int m_done = 0;
    int m_programs = 0;
    int m_pausedTicks = 0;
    QString m_failure;
    QStringList m_recent;
};

void MonkeyTest::randomUserActionsKeepTheProgramWholeAndResponsive() {
    bool set = false;
    quint32 seed = quint32(qEnvironmentVariableIntValue("ZW_MONKEY_SEED", &set));
    seed = set ? seed : 20260307;
    m_random.seed(seed);
    m_recent.append(u"seed %1"_s.arg(seed));
    if (const int actions = qEnvironmentVariableIntValue("ZW_MONKEY_ACTIONS", &set); set)
        m_actions = actions;
    m_trace = qEnvironmentVariableIsSet("ZW_MONKEY_TRACE");
    m_hang = std::make_unique<zw::test::HangWatchdog>(120s);
    m_tick.setSingleShot(true);
    connect(&m_tick, &QTimer::timeout, this, &MonkeyTest::tick);
    previousHandler = qInstallMessageHandler(quietHandler);

    while (m_done < m_actions && m_failure.isEmpty()) {
        m_app = std::make_unique<TestApp>(m_programs++ % 2 == 0
                                              ? QLocale(QLocale::English, QLocale::UnitedStates)
                                              : QLocale(QLocale::Indonesian, QLocale::Indonesia));
        // Half of the runs type the password at once; in the others the monkey meets its window.
        if (m_random.bounded(2) == 0) {
            zw::test::whenModalOpens([](QWidget* gate) {
                QTest::keyClicks(gate->findChild<QLineEdit*>(u"Text1"_s), u" Qobu \r"_s);
            });
        } else {
            m_tick.start(0);
        }
        zw::runMain(m_app->context);
        if (!m_app->ended) {
            m_tick.start(0);
            m_loop.exec();
        }
        m_tick.stop();
        // The ending closes every form but the zakat help, which goes with the process.
        for (const QWidget* form : visibleForms()) {
            if (m_app->ended && form->objectName() != u"Form1")
                fail(u"a window stayed after the program ended: "_s + form->objectName());
        }
        m_app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    qInstallMessageHandler(previousHandler);
    QVERIFY2(m_failure.isEmpty(), qPrintable(m_failure));
}

void MonkeyTest::tick() {
    QWidget* modal = QApplication::activeModalWidget();
    const bool finished = m_done >= m_actions || !m_failure.isEmpty();
    if (m_app->ended || (finished && !modal))
        return m_loop.quit();
    // Armed first: an action that opens a modal window continues inside its event loop.
    m_tick.start(0);
    if (finished)
        return static_cast<void>(modal->close());
    // The splash and the closing window take no input while they pause.
    for (const zw::FormName name : {zw::forms::Splash, zw::forms::Akhir}) {
        if (!modal && m_app->registry.exists(name) && m_app->registry.form(name).isVisible()) {
            if (++m_pausedTicks > 1000)
                fail(u"the program took no input for 1000 turns"_s);
            return m_tick.start(5);
        }
    }
    // Answers for the dialogs an action may open; what is saved and printed is checked in
    // tst_reportoutput.
    const bool cancel = m_random.bounded(3) == 0;
    const QString saved = m_folder.filePath(m_random.bounded(2) == 0 ? u"h.TXT"_s : u"k.waris"_s);
    m_app->dialogs.answerSave(cancel ? std::nullopt : std::optional(saved));
    m_app->dialogs.answerPrint(cancel ? std::nullopt
                                      : std::optional(m_folder.filePath(u"c.pdf"_s)));
    m_app->dialogs.answerPreview(m_folder.filePath(u"v.pdf"_s));
    // The case files: saved beside, opened from what was saved (or from nothing there).
    m_app->dialogs.answerOpen(cancel ? std::nullopt
                                     : std::optional(m_folder.filePath(u"k.waris"_s)));
    const zw::UnsavedAnswer answers[] = {zw::UnsavedAnswer::Save, zw::UnsavedAnswer::Discard,
                                         zw::UnsavedAnswer::Cancel};
    m_app->dialogs.answerUnsaved(answers[m_random.bounded(3)]);
    m_pausedTicks = 0;
    const auto started = processorTime();
    const int done = ++m_done;
    act();
    // An action that ran a modal window's loop took the actions inside it. Processor time, so
    // that a loaded machine or the sanitizers do not count.
    const auto used = processorTime() - started;
    if (m_done == done && used > 5s)
        fail(u"an action took %1 ms of processor time"_s.arg(used.count()));
    check();
}

void MonkeyTest::act() {
    // Weights in percent. Escape and closing a window lead out of most windows, Exit and
    // Selesai end the program: they are mostly passed over, so that runs get deep into both roads.
    int roll = int(m_random.bounded(100));
    if ((roll >= 80 && roll < 85) || roll >= 95)
        roll = m_random.bounded(QApplication::activeModalWidget() ? 3 : 12) == 0 ? roll : 0;
    const auto pick = [this](const QWidgetList& widgets) -> QWidget* {
        QWidget* widget = nullptr;
        for (int attempt = 0; attempt < 4 && !widgets.isEmpty(); ++attempt) {
            widget = widgets[m_random.bounded(widgets.size())];
            const auto* button = qobject_cast<QAbstractButton*>(widget);
            const QString text = button ? button->text().remove(u'&').remove(u' ') : QString();
            if (text != u"Exit" && text != u"Selesai")
                break;
        }
        return widget;
    };
    QTableView* table = personsTable();
    if (table && m_random.bounded(4) != 0) {
        actOnPersons(table);
    } else if (QWidget* full = table ? nullptr : fullDivision(); full && m_random.bounded(4) == 0) {
        click(full);
    } else if (roll < 42) {
        click(pick(reachable("QAbstractButton")));
    } else if (roll < 69) {
        type(pick(reachable("QLineEdit") + reachable("QPlainTextEdit")));
    } else if (roll < 73) {
        click(pick(reachable("QLabel") + reachable("QGroupBox")));
    } else if (QWidget* window = keyboardWindow(); window && roll < 95) {
        const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Space};
        QWidget* focus = window->focusWidget();
        QWidget* target = focus && focus->isVisible() ? focus : window;
        const Qt::Key key = keys[(roll >= 80) + (roll >= 85) + (roll >= 90)];
        note(QKeySequence(key).toString(), target);
        QTest::keyClick(target, key);
    } else if (window) {
        note(u"close"_s, window);
        window->close();
    }
}

QWidget* MonkeyTest::keyboardWindow() {
    const QWidgetList forms = visibleForms();
    QWidget* window = QApplication::activeModalWidget();
    if (!window && !forms.isEmpty())
        window = forms.contains(m_userWindow) ? m_userWindow.data()
                                              : forms[m_random.bounded(forms.size())];
    // At once, not through the platform's queued activation, so that a seed repeats its run.
    if ((m_userWindow = window) && QApplication::activeWindow() != window)
        QApplication::setActiveWindow(window);
    return window;
}

void MonkeyTest::click(QWidget* target) {
    note(u"click"_s, target);
    if (!target)
        return;
    m_userWindow = target->window();
    QApplication::setActiveWindow(target->window());
    QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
}

// The typical entry of a field is likelier, so that runs get past the checks of each screen;
// otherwise numbers in either locale's marks, signs, blanks, names, other scripts, long texts.
void MonkeyTest::type(QWidget* field) {
    click(field);
    if (!field)
        return;
    if (m_random.bounded(5) < 2) {
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Backspace);
    }
    const QLocale& locale = m_app->context.locale;
    const qint64 number = m_random.bounded(1, 500000000);
    const QStringList entries{
        field->window()->objectName() == u"Sandi" ? u" Qobu "_s
                                                  : QString::number(m_random.bounded(1, 13)),
        locale.toString(number),
        QLocale(locale.language() == QLocale::English ? QLocale::Indonesian : QLocale::English)
            .toString(number),
        locale.toString(m_random.bounded(1000.0), 'f', 2),
        QString(100 + int(m_random.bounded(300)), QChar(u'a' + m_random.bounded(26))),
        u"-1234"_s,
        u"--5"_s,
        u"-0"_s,
        u"   "_s,
        u" 12 "_s,
        u"Ahmad Fauzi"_s,
        u"زكاة"_s,
        u"💰"_s,
        u"漢字"_s,
        u" qobu "_s,
        u"1e9"_s,
        u"1,2,3"_s,
        u".."_s,
        u"99999999999999999999"_s};
    const QString text = entries[m_random.bounded(m_random.bounded(2) ? 2 : entries.size())];
    note(u"type "_s + text.left(20), field);
    // Characters outside ASCII arrive as text, as an input method sends them.
    for (const char32_t code : text.toUcs4()) {
        if (code >= 0x20 && code < 0x7f)
            QTest::keyClick(field, char(code));
        else
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString::fromUcs4(&code, 1),
                                Qt::NoModifier);
    }
}

// The button of the inheritance result that opens the full division, when it takes input.
QWidget* MonkeyTest::fullDivision() {
    for (QWidget* button : reachable("QAbstractButton")) {
        if (button->objectName() == u"Command8" && button->window()->objectName() == u"Hasil")
            return button;
    }
    return nullptr;
}

// The table of the case's persons, when its window takes input; it may lie on a hidden tab.
QTableView* MonkeyTest::personsTable() {
    if (QApplication::activeModalWidget())
        return nullptr;
    for (QWidget* window : visibleForms()) {
        if (auto* table = window->findChild<QTableView*>(u"DaftarAhliWaris"_s);
            table && window->isEnabled())
            return table;
    }
    return nullptr;
}

// The full division lies deep in the inheritance road: its button is taken often, and once the
// window is on the screen most actions stay with it, adding and removing persons, changing their
// relationships and states and whose they are, and typing into the entry's fields.
void MonkeyTest::actOnPersons(QTableView* table) {
    QWidget* window = table->window();
    const int roll = m_random.bounded(12);
    if (auto* tabs = window->findChild<QTabWidget*>(u"TabKasus"_s))
        tabs->setCurrentIndex(m_random.bounded(tabs->count()));
    if (roll < 2) {
        click(window->findChild<QWidget*>(roll == 0 ? u"TambahOrang"_s : u"HapusOrang"_s));
    } else if (roll < 3) {
        const QString typed[] = {u"AnakPria=2"_s, u"Istri, Ibu"_s, u"SaudaraWanitaIbu=2"_s,
                                 u"Bibi"_s,       u"Bapak"_s,      u"AnakWanita=99"_s};
        auto* edit = window->findChild<QLineEdit*>(u"TambahCepat"_s);
        const QString text = typed[m_random.bounded(int(std::size(typed)))];
        note(u"typed "_s + text, edit);
        edit->setText(text);
        QTest::keyClick(edit, Qt::Key_Return);
    } else if (roll < 4) {
        const QString names[] = {u"CadanganKandungan"_s, u"PandanganKhuntsa"_s,
                                 u"CaraKerabatJauh"_s, u"Hukum"_s};
        auto* box = window->findChild<QComboBox*>(names[m_random.bounded(int(std::size(names)))]);
        if (!box || !box->isEnabled() || box->count() == 0)
            return;
        const int choice = m_random.bounded(box->count());
        note(u"choose %1"_s.arg(choice), box);
        box->setCurrentIndex(choice);
    } else if (roll < 9) {
        choosePersonCell(table);
    } else {
        editCell(table);
    }
}

// A relationship, a state, whose place or estate, or who in the first division, chosen for a
// person as the cell's choices offer them.
void MonkeyTest::choosePersonCell(QTableView* table) {
    QAbstractItemModel* model = table->model();
    if (model->rowCount() == 0)
        return;
    const int row = m_random.bounded(model->rowCount());
    const int column = 1 + m_random.bounded(4);
    const QModelIndex cell = model->index(row, column);
    const int choices = int(cell.data(zw::ChoiceDelegate::ChoicesRole).toStringList().size());
    if (choices == 0 || !(model->flags(cell) & Qt::ItemIsEditable))
        return;
    const int choice = m_random.bounded(choices);
    note(u"person %1 column %2 choice %3"_s.arg(row).arg(column).arg(choice), table);
    model->setData(cell, choice);
}

// A text typed into a cell of the persons' table, often a number, through the cell's own editor:
// F2, the whole text replaced, Return.
void MonkeyTest::editCell(QTableView* table) {
    click(table);
    if (!table || table->model()->rowCount() == 0)
        return;
    const int row = m_random.bounded(table->model()->rowCount());
    const int column = m_random.bounded(table->model()->columnCount());
    table->setCurrentIndex(table->model()->index(row, column));
    QTest::keyClick(table, Qt::Key_F2);
    QWidget* editor = QApplication::focusWidget();
    if (!editor || editor == table || !table->isAncestorOf(editor))
        return;
    const QString counts[] = {u"1"_s,   u"3"_s,    u"99"_s,         u"100"_s,
                              u"250"_s, u"9999"_s, u"2147483647"_s, u"0"_s};
    const QString text = counts[m_random.bounded(int(std::size(counts)))];
    note(u"cell %1,%2 "_s.arg(row).arg(column) + text, table);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
}

void MonkeyTest::note(const QString& action, QWidget* target) {
    QString where = target ? target->window()->objectName() : u"nothing"_s;
    if (target && target != target->window())
        where += u'/' + target->objectName();
    m_recent.append(u"#%1 %2 %3"_s.arg(m_done).arg(action, where));
    if (m_recent.size() > 25)
        m_recent.removeAt(1);
    m_hang->beat(m_recent.constLast().toUtf8());
    if (m_trace)
        qInfo().noquote() << m_recent.constLast();
}

void MonkeyTest::check() {
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->inherits("QDialog") && !widget->inherits("zw::Form"))
            return fail(u"a dialog outside the program's dialog seam is open"_s);
    }
    if (m_app->dialogs.unexpected > 0)
        fail(u"a save or print dialog was asked without an answer"_s);
    else if (visibleForms().isEmpty() && !m_app->ended)
        fail(u"no window is visible and the program has not ended"_s);
    else if (QGuiApplication::overrideCursor())
        fail(u"the busy pointer stayed on"_s);
}

void MonkeyTest::fail(const QString& problem) {
    if (m_failure.isEmpty())
        m_failure = u"%1 at action %2 of program %3; the last actions:\n  %4"_s.arg(
            problem, QString::number(m_done), QString::number(m_programs),
            m_recent.join(u"\n  "_s));
}

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
