#include "shell/Application.h"

#include "shell/AppContext.h"
#include "shell/AppState.h"
#include "shell/DeferredSounds.h"
#include "shell/FormRegistry.h"
#include "shell/QtDialogs.h"
#include "shell/ShellForms.h"
#include "shell/StartUp.h"
#include "waris/WarisForms.h"
#include "zakat/ZakatForms.h"

#include <QApplication>

namespace zw {

struct Application::Private {
    AppState state;
    QtDialogs dialogs;
    DeferredSounds sounds;
    FormRegistry forms;
    bool ended = false;
    AppContext context{forms,
                       state,
                       dialogs,
                       sounds,
                       QLocale(),
                       [] { return QDateTime::currentDateTime(); },
                       [this] {
                           ended = true;
                           QCoreApplication::exit(0);
                       }};
};

Application::Application()
    : d(std::make_unique<Private>()) {
    // The program ends only through its own ways out, never because a window was closed.
    QApplication::setQuitOnLastWindowClosed(false);
    registerShellForms(d->context);
    registerWarisForms(d->context);
    registerZakatForms(d->context);
}

Application::~Application() = default;

bool Application::start() {
    runMain(d->context);
    if (d->ended) {
        d->sounds.waitUntilQuiet(std::chrono::seconds(1));
        return false;
    }
    return true;
}

} // namespace zw
