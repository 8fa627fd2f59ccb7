#include "TestApp.h"

#include "app/AppForms.h"

#include <QApplication>

namespace zw::test {

TestApp::TestApp(const QLocale& locale)
    : clock(QDate(2026, 3, 7), QTime(8, 5, 9))
    , context{registry,
              navigation,
              dialogs,
              sounds,
              locale,
              [this] { return clock; },
              [this] {
                  ended = true;
              }} {
    registerAppForms(context);
    waris.registerForms();
    zakat.registerForms();
}

TestApp::~TestApp() = default;

QStringList TestApp::visibleWindows() {
    QStringList names;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget* window : windows) {
        if (window->isVisible())
            names.append(window->objectName());
    }
    names.sort();
    return names;
}

} // namespace zw::test
