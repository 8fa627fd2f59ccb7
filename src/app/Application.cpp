#include "app/Application.h"

#include "app/AppForms.h"
#include "app/AppNavigation.h"
#include "app/DeferredSounds.h"
#include "app/StartUp.h"
#include "ui/AppContext.h"
#include "ui/FormRegistry.h"
#include "ui/QtDialogs.h"
#include "waris/forms/WarisForms.h"
#include "waris/forms/WarisState.h"
#include "zakat/forms/ZakatForms.h"
#include "zakat/forms/ZakatState.h"

#include <QApplication>

namespace zw {

struct Application::Private {
    waris::WarisState waris;
    zakat::ZakatState zakat;
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
    AppNavigation navigation{context};
};

Application::Application()
    : d(std::make_unique<Private>()) {
    // The program ends only through its own ways out, never because a window was closed.
    QApplication::setQuitOnLastWindowClosed(false);
    registerAppForms(d->context);
    waris::registerWarisForms(d->context, d->waris);
    zakat::registerZakatForms(d->context, d->zakat);
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
