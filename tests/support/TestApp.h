#pragma once

#include "RecordingSounds.h"
#include "ScriptedDialogs.h"
#include "app/AppWiring.h"
#include "ui/Form.h"

#include <QDateTime>
#include <QLocale>
#include <QWidget>

#include <chrono>

namespace zw::test {

// The whole program wired as it runs, with scripted dialogs, silent sounds, a fixed clock
// (2026-03-07 08:05:09), a flag instead of ending the process and no start-up pause. The closing
// window pauses only when asked to (a picture of it needs it on the screen for a moment).
class TestApp {
public:
    explicit TestApp(const QLocale& locale = QLocale(QLocale::English, QLocale::UnitedStates),
                     std::chrono::milliseconds closingPause = std::chrono::milliseconds::zero());

    ScriptedDialogs dialogs;
    RecordingSounds sounds;
    QDateTime clock;
    bool ended = false;
    AppWiring wiring;
    FormRegistry& registry = wiring.forms;
    AppContext& context = wiring.context;
    waris::WarisRoad& waris = wiring.waris;
    zakat::ZakatRoad& zakat = wiring.zakat;

    Form& form(const QString& name) { return registry.form(FormName(name)); }

    // The child of a form by objectName ("Command1", "Check(16)"); fails the test when missing.
    template<class W> W& child(const QString& formName, const QString& objectName) {
        return *findOrFail<W>(form(formName), objectName);
    }

    template<class W> static W* findOrFail(QObject& parent, const QString& objectName) {
        W* widget = parent.findChild<W*>(objectName);
        if (!widget)
            qFatal("no child %s of %s", qPrintable(objectName), qPrintable(parent.objectName()));
        return widget;
    }

    // The visible top-level windows, by objectName.
    static QStringList visibleWindows();
};

} // namespace zw::test
