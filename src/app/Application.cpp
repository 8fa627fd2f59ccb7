#include "app/Application.h"

#include "app/AppForms.h"
#include "app/AppNavigation.h"
#include "app/DeferredSounds.h"
#include "app/StartUp.h"
#include "ui/AppContext.h"
#include "ui/FormRegistry.h"
#include "ui/QtDialogs.h"
#include "waris/forms/WarisRoad.h"
#include "zakat/forms/ZakatRoad.h"

#include <QApplication>

namespace zw {

struct Application::Private {
    QtDialogs dialogs;
    DeferredSounds sounds;
    FormRegistry forms;
    bool ended = false;
    AppContext context{forms,
                       navigation,
                       dialogs,
                       sounds,
                       QLocale(),
                       [] { return QDateTime::currentDateTime(); },
                       [this] {
                           ended = true;
                           QCoreApplication::exit(0);
                       }};
    waris::WarisRoad waris{context};
    zakat::ZakatRoad zakat{context};
    AppNavigation navigation{context, waris, zakat};
};

Application::Application()
    : d(std::make_unique<Private>()) {
    // The program ends only through its own ways out, never because a window was closed.
    QApplication::setQuitOnLastWindowClosed(false);
    registerAppForms(d->context);
    d->waris.registerForms();
    d->zakat.registerForms();
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
