#pragma once

#include <QDateTime>
#include <QLocale>

#include <functional>

namespace zw {

class Dialogs;
class FormRegistry;
class Navigation;
class SoundPlayer;

// What every form may reach: the registry of forms, the ways between the roads, the dialog seam,
// the sounds, the user's number format, the clock and the way to end the program.
// Tests build their own with scripted dialogs, silent sounds and a fixed clock.
struct AppContext {
    FormRegistry& forms;
    Navigation& navigation;
    Dialogs& dialogs;
    SoundPlayer& sounds;
    QLocale locale;
    std::function<QDateTime()> now;
    std::function<void()> endProgram;
};

} // namespace zw
