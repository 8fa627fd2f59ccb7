#include "TestApp.h"

#include <QApplication>
#include <QStandardPaths>

namespace zw::test {

TestApp::TestApp(const QLocale& locale, std::chrono::milliseconds closingPause)
    : clock(QDate(2026, 3, 7), QTime(8, 5, 9))
    , wiring({dialogs, sounds, locale, [this] { return clock; }, [this] { ended = true; },
              std::chrono::milliseconds::zero(), closingPause}) {
    // Recent files and other settings go to a test folder, never the user's.
    QStandardPaths::setTestModeEnabled(true);
}

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
