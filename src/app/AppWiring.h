#pragma once

#include "app/AppNavigation.h"
#include "ui/AppContext.h"
#include "ui/FormRegistry.h"
#include "waris/forms/WarisRoad.h"
#include "zakat/forms/ZakatRoad.h"

namespace zw {

// Every form of the program registered, both roads with their state, the ways between them and the
// context the forms reach, wired the same way for the program and for its tests.
class AppWiring {
public:
    // What the program and its tests supply differently.
    struct Seams {
        Dialogs& dialogs;
        SoundPlayer& sounds;
        QLocale locale;
        std::function<QDateTime()> now;
        std::function<void()> endProgram;
        std::chrono::milliseconds startUpPause;
        std::chrono::milliseconds closingPause;
    };

    explicit AppWiring(Seams seams);
    AppWiring(const AppWiring&) = delete;
    AppWiring& operator=(const AppWiring&) = delete;

    // The saved case (FILE.waris) the program was started with, once past the password, in
    // place of the main menu; a refused file leaves the main menu with its line.
    void openCaseFile(const QString& path);

    AppContext context;
    waris::WarisRoad waris{context};
    zakat::ZakatRoad zakat{context};
    AppNavigation navigation{context, waris, zakat};
    // Last, so that the forms go before the state and the context they use.
    FormRegistry forms;
};

} // namespace zw
