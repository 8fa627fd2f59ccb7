#include "Monkey.h"

#include "ModalGuard.h"
#include "RandomEntry.h"
#include "TestApp.h"
#include "app/StartUp.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <cstdio>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace zw::test {

namespace {

constexpr int recentActions = 25;

template<class W> QList<W*> reachable(const QList<QWidget*>& windows) {
    QList<W*> found;
    for (QWidget* window : windows) {
        const QList<W*> children = window->findChildren<W*>();
        for (W* child : children) {
            if (child->isVisible() && child->isEnabled())
                found.append(child);
        }
    }
    return found;
}

QStringList visibleForms() {
    QStringList names;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget* window : windows) {
        if (window->isVisible() && window->inherits("zw::Form"))
            names.append(window->objectName());
    }
    names.sort();
    return names;
}

QString bare(const QString& caption) {
    QString text = caption;
    text.remove(u'&').remove(u' ').remove(u'<').remove(u'>');
    return text;
}

// Typed key by key; characters outside Latin-1 arrive as text, as an input method sends them.
void typeText(QWidget* field, const QString& text) {
    const QList<uint> characters = text.toUcs4();
    for (const uint character : characters) {
        if (character >= 0x20 && character < 0x7f) {
            QTest::keyClick(field, char(character));
        } else {
            const char32_t code = character;
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString::fromUcs4(&code, 1),
                                Qt::NoModifier);
        }
    }
}

} // namespace

Monkey::Monkey(const Settings& settings)
    : m_settings(settings)
    , m_random(settings.seed)
    , m_hang(settings.hangLimit)
    , m_files(m_random) {
    m_tick.setSingleShot(true);
    m_tick.setInterval(0);
    connect(&m_tick, &QTimer::timeout, this, &Monkey::tick);
    m_stallCheck.setInterval(500);
    connect(&m_stallCheck, &QTimer::timeout, this, [this] {
        // The event loop runs, but no action came: something waits that the monkey cannot see.
        if (m_sinceTick.elapsed() > std::chrono::milliseconds(m_settings.actionLimit).count()) {
            fail(u"no action could be taken for %1 s"_s.arg(m_settings.actionLimit.count()));
            m_tick.start();
        }
    });
}

Monkey::~Monkey() = default;

QString Monkey::run() {
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    m_runTime.start();
    m_sinceTick.start();
    m_stallCheck.start();
    while (m_done < m_settings.actions && m_failure.isEmpty())
        runProgram();
    m_stallCheck.stop();
    m_files.finish();
    std::signal(SIGXFSZ, previousHandler);
    return m_failure;
}

void Monkey::runProgram() {
    const QLocale locale = m_programs % 2 == 0 ? QLocale(QLocale::English, QLocale::UnitedStates)
                                               : QLocale(QLocale::Indonesian, QLocale::Indonesia);
    ++m_programs;
    m_pausedFor.invalidate();
    m_app = std::make_unique<TestApp>(locale);
    m_files.attach(m_app->dialogs);
    m_app->dialogs.onMessage = [this](const RecordedMessage& message) {
        // File names and system reasons vary; the first words tell the message.
        QStringList words = message.text.split(u' ').mid(0, 5);
        for (QString& word : words) {
            if (word.contains(u'/'))
                word = u"<file>"_s;
        }
        ++m_messages[message.title + u": "_s + words.join(u' ')];
    };

    if (m_random.bounded(2) == 0) {
        // The monkey meets the password window itself.
        m_tick.start();
        runMain(m_app->context, 0ms);
    } else {
        whenModalOpens([](QWidget* gate) {
            auto* entry = TestApp::findOrFail<QLineEdit>(*gate, u"Text1"_s);
            QTest::keyClicks(entry, u" Qobu "_s);
            QTest::keyClick(entry, Qt::Key_Return);
        });
        runMain(m_app->context, 0ms);
    }
    if (!m_app->ended) {
        m_tick.start();
        m_loop.exec();
    }
    m_tick.stop();
    // A button pressed by its access key may have saved or printed after the last action.
    if (const QString problem = m_files.check(); !problem.isEmpty())
        fail(problem);
    if (m_app->ended) {
        ++m_endings;
        // The ending closes every form but the zakat help, which goes with the process.
        QStringList left = visibleForms();
        left.removeAll(u"Form1"_s);
        if (!left.isEmpty())
            fail(u"windows stayed after the program ended: "_s + left.join(u", "_s));
    }
    m_app.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool Monkey::inputPaused(QWidget* modal) const {
    // The splash and the closing window take no user input while they pause (a modal window
    // opened meanwhile runs its own event loop, which does).
    if (!modal) {
        for (const QString& name : {u"Splash"_s, u"Akhir"_s}) {
            if (m_app->registry.exists(FormName(name)) &&
                m_app->registry.form(FormName(name)).isVisible())
                return true;
        }
    }
    // A button pressed by its access key clicks a moment later; the user waits to see it.
    for (QAbstractButton* button : reachable<QAbstractButton>(reachableWindows())) {
        if (button->isDown())
            return true;
    }
    return false;
}

void Monkey::tick() {
    m_sinceTick.restart();
    QWidget* modal = QApplication::activeModalWidget();
    const bool finished = m_done >= m_settings.actions || !m_failure.isEmpty();
    if (m_app->ended || (finished && !modal)) {
        m_loop.quit();
        return;
    }
    if (finished) {
        unwind();
        return;
    }
    if (inputPaused(modal)) {
        if (!m_pausedFor.isValid())
            m_pausedFor.start();
        else if (m_pausedFor.elapsed() > 5000)
            fail(u"the program took no input for more than 5 s"_s);
        ++m_waits;
        m_tick.start(5);
        return;
    }
    if (m_pausedFor.isValid()) {
        // The click that ended the pause may have ended a modal window's event loop in the same
        // turn as this tick; the next action comes from a fresh turn of whichever loop remains.
        m_pausedFor.invalidate();
        m_tick.start();
        return;
    }

    // Armed first: an action that opens a modal window continues inside its event loop.
    m_tick.start();
    const int ticksBefore = ++m_ticks;
    m_files.prepare();
    m_visibleBefore = visibleForms();
    QElapsedTimer timer;
    timer.start();
    ++m_done;
    act();

    if (m_ticks == ticksBefore) {
        const auto took = int(timer.elapsed());
        m_slowestAction = std::max(m_slowestAction, took);
        if (took > std::chrono::milliseconds(m_settings.actionLimit).count())
            fail(u"an action took %1 ms"_s.arg(took));
    }
    check();
}

void Monkey::unwind() {
    QWidget* modal = QApplication::activeModalWidget();
    note(u"close to finish"_s, modal);
    modal->close();
    if (QApplication::activeModalWidget() == modal && modal->isVisible()) {
        fail(u"the modal window %1 does not close"_s.arg(modal->objectName()));
        modal->hide();
    }
    m_tick.start();
}

void Monkey::act() {
    const QList<QWidget*> windows = reachableWindows();
    if (windows.isEmpty()) {
        fail(u"no window can take input"_s);
        return;
    }
    // Weights in percent; Escape and closing a window may be turned into a click.
    int roll = int(m_random.bounded(100));
    if ((roll >= 81 && roll < 86) || roll >= 95) {
        if (!mayLeave())
            roll = 0;
    }
    if (roll < 42)
        clickButton(windows);
    else if (roll < 69)
        typeInto(windows, m_random.bounded(5) < 2);
    else if (roll < 73)
        clickPicture(windows);
    else if (roll < 81)
        pressKey(Qt::Key_Return);
    else if (roll < 86)
        pressKey(Qt::Key_Escape);
    else if (roll < 90)
        pressKey(Qt::Key_Tab);
    else if (roll < 93)
        pressKey(Qt::Key_Space);
    else if (roll < 95)
        pressAccessKey();
    else
        closeWindow(windows);
}

bool Monkey::mayLeave() {
    // Escape and the close button cancel a modal window and lead out of the program from most
    // others, every way out with the closing window's pause: they are taken less often, so that
    // runs get deep into both roads.
    return m_random.bounded(QApplication::activeModalWidget() ? 3 : 12) == 0;
}

bool Monkey::isWayOut(const QString& caption) {
    const QString text = bare(caption);
    return text == u"Exit" || text == u"Selesai";
}

QList<QWidget*> Monkey::reachableWindows() const {
    if (QWidget* modal = QApplication::activeModalWidget())
        return {modal};
    QList<QWidget*> windows;
    const QWidgetList all = QApplication::topLevelWidgets();
    for (QWidget* window : all) {
        if (window->isVisible() && window->inherits("zw::Form"))
            windows.append(window);
    }
    // The order of top-level widgets is not stable between runs; the seed must repeat a run.
    std::sort(windows.begin(), windows.end(),
              [](const QWidget* a, const QWidget* b) { return a->objectName() < b->objectName(); });
    return windows;
}

QWidget* Monkey::keyboardWindow() {
    QWidget* window = QApplication::activeModalWidget();
    if (!window) {
        const QList<QWidget*> windows = reachableWindows();
        if (windows.contains(m_userWindow.data()))
            window = m_userWindow;
        else if (!windows.isEmpty())
            window = windows[m_random.bounded(windows.size())];
    }
    useWindow(window);
    return window;
}

void Monkey::useWindow(QWidget* window) {
    m_userWindow = window;
    // At once, not through the platform's queued activation, so that a seed repeats its run.
    if (window && QApplication::activeWindow() != window)
        QApplication::setActiveWindow(window);
}

void Monkey::clickButton(const QList<QWidget*>& windows) {
    const QList<QAbstractButton*> buttons = reachable<QAbstractButton>(windows);
    if (buttons.isEmpty()) {
        note(u"no button to use"_s, windows.first());
        return;
    }
    QAbstractButton* button = nullptr;
    for (int attempt = 0; attempt < 4; ++attempt) {
        button = buttons[m_random.bounded(buttons.size())];
        if (!isWayOut(button->text()))
            break;
    }
    note(u"click"_s, button);
    useWindow(button->window());
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

void Monkey::clickPicture(const QList<QWidget*>& windows) {
    QList<QWidget*> targets;
    for (QLabel* label : reachable<QLabel>(windows))
        targets.append(label);
    for (QGroupBox* frame : reachable<QGroupBox>(windows))
        targets.append(frame);
    if (targets.isEmpty()) {
        note(u"no picture to use"_s, windows.first());
        return;
    }
    QWidget* target = targets[m_random.bounded(targets.size())];
    note(u"click"_s, target);
    useWindow(target->window());
    QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
}

void Monkey::typeInto(const QList<QWidget*>& windows, bool clearFirst) {
    QList<QWidget*> fields;
    for (QLineEdit* edit : reachable<QLineEdit>(windows))
        fields.append(edit);
    for (QPlainTextEdit* edit : reachable<QPlainTextEdit>(windows))
        fields.append(edit);
    if (fields.isEmpty()) {
        note(u"no field to use"_s, windows.first());
        return;
    }
    // A user mostly fills the empty fields first.
    QList<QWidget*> empty;
    for (QWidget* candidate : std::as_const(fields)) {
        const auto* line = qobject_cast<QLineEdit*>(candidate);
        if (line && line->text().isEmpty() && !line->isReadOnly())
            empty.append(candidate);
    }
    const QList<QWidget*>& pool = !empty.isEmpty() && m_random.bounded(10) < 7 ? empty : fields;
    QWidget* field = pool[m_random.bounded(pool.size())];
    const QString window = field->window()->objectName();
    // The typical entry of a field is likelier, so that runs get past the checks of each screen.
    QString hint;
    if (window == u"Sandi")
        hint = u"password"_s;
    else if (window == u"Berapa")
        hint = u"count"_s;
    else if ((window.startsWith(u"Form") && window != u"Form1" && window != u"Form2") ||
             (window == u"Data" && field->objectName() == u"Text5"))
        hint = u"number"_s;
    const QString text = randomEntry(m_random, m_app->context.locale, hint);
    note(clearFirst ? u"retype"_s : u"type"_s, field);
    useWindow(field->window());
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(4, field->height() / 2));
    if (clearFirst) {
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Backspace);
    }
    typeText(field, text);
}

void Monkey::pressKey(Qt::Key key) {
    QWidget* window = keyboardWindow();
    if (!window)
        return;
    QWidget* focus = window->focusWidget();
    QWidget* target = focus && focus->isVisible() ? focus : window;
    note(QKeySequence(key).toString(), target);
    QTest::keyClick(target, key);
}

void Monkey::pressAccessKey() {
    QWidget* window = keyboardWindow();
    if (!window)
        return;
    QList<QChar> keys;
    const auto addKey = [&keys](const QString& caption) {
        const qsizetype amp = caption.indexOf(u'&');
        if (amp >= 0 && amp + 1 < caption.size() && caption[amp + 1].isLetterOrNumber() &&
            !isWayOut(caption))
            keys.append(caption[amp + 1].toUpper());
    };
    for (QAbstractButton* button : reachable<QAbstractButton>({window}))
        addKey(button->text());
    for (QLabel* label : reachable<QLabel>({window}))
        addKey(label->text());
    for (QGroupBox* frame : reachable<QGroupBox>({window}))
        addKey(frame->title());
    // Now and then a letter that no caption offers.
    if (keys.isEmpty() || m_random.bounded(5) == 0)
        keys.append(QChar(u'A' + m_random.bounded(26)));
    const QChar letter = keys[m_random.bounded(keys.size())];
    QWidget* focus = window->focusWidget();
    QWidget* target = focus && focus->isVisible() ? focus : window;
    note(u"Alt+"_s + letter, target);
    const auto key = letter.isDigit() ? Qt::Key(Qt::Key_0 + letter.digitValue())
                                      : Qt::Key(Qt::Key_A + (letter.unicode() - u'A'));
    QTest::keyClick(target, key, Qt::AltModifier);
}

void Monkey::closeWindow(const QList<QWidget*>& windows) {
    QWidget* window = windows[m_random.bounded(windows.size())];
    note(u"close"_s, window);
    window->close();
}

void Monkey::note(const QString& action, QWidget* target) {
    ++m_kinds[action.startsWith(u"Alt+") ? u"Alt+letter"_s : action];
    QString where = target ? target->window()->objectName() : QString();
    if (target && target != target->window())
        where += u'/' + target->objectName();
    const QString line = u"#%1 %2 %3"_s.arg(m_done).arg(action, where);
    m_recent.append(line);
    if (m_recent.size() > recentActions)
        m_recent.removeFirst();
    m_hang.beat(line.toUtf8());
    if (m_settings.trace) {
        m_files.unlimited(
            [&] { std::fprintf(stderr, "%8lld ms %s\n", m_runTime.elapsed(), qPrintable(line)); });
    }
}

void Monkey::check() {
    if (!m_failure.isEmpty())
        return;
    const QString problem = m_files.check();
    if (!problem.isEmpty()) {
        fail(problem);
        return;
    }
    const QWidgetList all = QApplication::topLevelWidgets();
    for (const QWidget* widget : all) {
        if (widget->isVisible() && widget->inherits("QDialog") && !widget->inherits("zw::Form")) {
            fail(u"a dialog outside the program's dialog seam is open: %1 \"%2\""_s.arg(
                QString::fromLatin1(widget->metaObject()->className()), widget->windowTitle()));
            return;
        }
    }
    const QStringList visible = visibleForms();
    if (visible.isEmpty() && !m_app->ended) {
        fail(u"no window is visible and the program has not ended"_s);
        return;
    }
    if (QGuiApplication::overrideCursor()) {
        fail(u"the busy pointer stayed on"_s);
        return;
    }
    for (const QString& name : visible) {
        if (!m_visibleBefore.contains(name))
            ++m_shown[name];
    }
}

void Monkey::fail(const QString& problem) {
    if (!m_failure.isEmpty())
        return;
    m_failure = u"%1\nseed %2, action %3 of %4, program %5; the last actions:\n  %6"_s.arg(
        problem, QString::number(m_settings.seed), QString::number(m_done),
        QString::number(m_settings.actions), QString::number(m_programs), m_recent.join(u"\n  "_s));
}

QString Monkey::summary() const {
    const auto list = [](const QMap<QString, int>& counts) {
        QStringList lines;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            lines.append(u"    %1 x %2"_s.arg(it.value(), 6).arg(it.key()));
        return lines.join(u'\n');
    };
    const auto number = [](auto value) {
        return QString::number(value);
    };
    const SavedFiles& f = m_files;
    QStringList lines{
        u"seed "_s + number(m_settings.seed) + u": "_s + number(m_done) + u" actions in "_s +
            QString::number(double(m_runTime.elapsed()) / 1000.0, 'f', 1) + u" s, "_s +
            number(m_programs) + u" programs started, "_s + number(m_endings) +
            u" ended, slowest single action "_s + number(m_slowestAction) + u" ms, "_s +
            number(m_waits) + u" waits"_s,
        u"  saves: "_s + number(f.saved) + u" written, "_s + number(f.refused) +
            u" refused with a message, "_s + number(f.cancelled) + u" cancelled; prints: "_s +
            number(f.printed) + u" written, "_s + number(f.printsRefused) +
            u" refused with a message, "_s + number(f.printsCancelled) + u" cancelled"_s,
        u"  windows shown:"_s,
        list(m_shown),
        u"  actions:"_s,
        list(m_kinds),
        u"  messages:"_s,
        list(m_messages)};
    return lines.join(u'\n');
}

} // namespace zw::test
