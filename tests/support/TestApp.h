#pragma once

#include "RecordingSounds.h"
#include "ScriptedDialogs.h"
#include "app/AppNavigation.h"
#include "ui/AppContext.h"
#include "ui/Form.h"
#include "ui/FormRegistry.h"
#include "waris/forms/WarisRoad.h"
#include "zakat/forms/ZakatRoad.h"

#include <QDateTime>
#include <QLocale>
#include <QWidget>

namespace zw::test {

// A whole program context with every form registered, scripted dialogs, silent sounds, a fixed
// clock (2026-03-07 08:05:09) and a flag instead of ending the process.
class TestApp {
public:
    explicit TestApp(const QLocale& locale = QLocale(QLocale::English, QLocale::UnitedStates));
    ~TestApp();

    FormRegistry registry;
    ScriptedDialogs dialogs;
    RecordingSounds sounds;
    QDateTime clock;
    bool ended = false;
    AppContext context;
    waris::WarisRoad waris{context};
    zakat::ZakatRoad zakat{context};
    AppNavigation navigation{context, waris, zakat};

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
