#include "ui/Pause.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace zw {

void pauseShowingWindows(std::chrono::milliseconds duration) {
    if (duration <= std::chrono::milliseconds::zero()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(duration, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace zw
