#pragma once

#include <QString>
#include <QStringList>

#include <chrono>

namespace zw {

struct AppContext;

// How long the program's splash stays on the screen at the least.
inline constexpr std::chrono::milliseconds startUpPause{600};

// The program's start: the splash while every form is created (held for the context's start-up
// pause), then the main menu with the password window shown modal over it. Returns when the
// password window is closed.
void runMain(AppContext& context);

// The saved case (FILE.waris) the program was started with, as a file manager passes it after the
// program's name; empty when there is none.
QString caseFileArgument(const QStringList& arguments);

} // namespace zw
