#pragma once

#include <QDateTime>
#include <QLocale>

#include <functional>

namespace zw {

class AppState;
class Dialogs;
class FormRegistry;
class SoundPlayer;

// What every form may reach: the registry of forms, the process-wide state, the dialog seam,
// the sounds, the user's number format, the clock and the way to end the program.
// Tests build their own with scripted dialogs, silent sounds and a fixed clock.
struct AppContext {
    FormRegistry& forms;
    AppState& state;
    Dialogs& dialogs;
    SoundPlayer& sounds;
    QLocale locale;
    std::function<QDateTime()> now;
    std::function<void()> endProgram;
};

} // namespace zw
