#include "app/Application.h"

#include "app/AppWiring.h"
#include "app/ClosingWindow.h"
#include "app/DeferredSounds.h"
#include "app/StartUp.h"
#include "ui/QtDialogs.h"

#include <QApplication>

namespace zw {

struct Application::Private {
    QtDialogs dialogs;
    DeferredSounds sounds;
    bool ended = false;
    AppWiring wiring{{dialogs, sounds, QLocale(), [] { return QDateTime::currentDateTime(); },
                      [this] {
                          ended = true;
                          QCoreApplication::exit(0);
                      },
                      startUpPause, ClosingWindow::pause}};
};

Application::Application()
    : d(std::make_unique<Private>()) {
    // The program ends only through its own ways out, never because a window was closed.
    QApplication::setQuitOnLastWindowClosed(false);
}

Application::~Application() = default;

bool Application::start(const QString& caseFile) {
    runMain(d->wiring.context);
    if (d->ended) {
        d->sounds.waitUntilQuiet(std::chrono::seconds(1));
        return false;
    }
    if (!caseFile.isEmpty())
        d->wiring.openCaseFile(caseFile);
    return true;
}

} // namespace zw
