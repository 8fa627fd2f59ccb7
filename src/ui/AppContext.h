#pragma once

#include <QDateTime>
#include <QLocale>

#include <chrono>
#include <functional>

namespace zw {

class Dialogs;
class FormRegistry;
class Navigation;
class SoundPlayer;

// What every form may reach: the registry of forms, the ways between the roads, the dialog seam,
// the sounds, the user's number format, the clock, the way to end the program and how long the
// splash and the closing window stay on the screen. The application wires it in one place; tests
// give scripted dialogs, silent sounds, a fixed clock and no pauses.
struct AppContext {
    FormRegistry& forms;
    Navigation& navigation;
    Dialogs& dialogs;
    SoundPlayer& sounds;
    QLocale locale;
    std::function<QDateTime()> now;
    std::function<void()> endProgram;
    std::chrono::milliseconds startUpPause;
    std::chrono::milliseconds closingPause;
};

} // namespace zw
