#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class QWidget;

namespace zw::test {

// Acts on the next modal window once it is open (for example a count dialog shown with exec()).
// Arm it before the click that opens the window.
void whenModalOpens(std::function<void(QWidget* modal)> action);

// Fails the running test and closes any modal window still open after the given time, so that
// a stray dialog never hangs the run. Create one per test (init) and check fired() in cleanup.
class ModalWatchdog : public QObject {
    Q_OBJECT

public:
    explicit ModalWatchdog(int milliseconds = 5000);
    bool fired() const { return m_fired; }

private:
    void check();
    QTimer m_timer;
    bool m_fired = false;
};

} // namespace zw::test
