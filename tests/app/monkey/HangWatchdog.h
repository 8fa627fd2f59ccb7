#pragma once

#include <QByteArray>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace zw::test {

// Ends the process with a report when the user-interface thread stops reporting progress: a
// handler stuck in a loop blocks the event loop, so no timer of that thread could notice it.
class HangWatchdog {
public:
    explicit HangWatchdog(std::chrono::seconds limit)
        : m_thread([this, limit] {
            for (; !m_stopping; std::this_thread::sleep_for(std::chrono::milliseconds(250))) {
                const std::lock_guard lock(m_mutex);
                if (std::chrono::steady_clock::now() - m_lastBeat > limit) {
                    std::fprintf(stderr, "FAIL: hung after %s\n", m_lastAction.constData());
                    std::abort();
                }
            }
        }) {}
    ~HangWatchdog() {
        m_stopping = true;
        m_thread.join();
    }

    // Called at the start of every action, with what the action is about to do.
    void beat(const QByteArray& action) {
        const std::lock_guard lock(m_mutex);
        m_lastBeat = std::chrono::steady_clock::now();
        m_lastAction = action;
    }

private:
    std::mutex m_mutex;
    std::atomic_bool m_stopping = false;
    std::chrono::steady_clock::time_point m_lastBeat = std::chrono::steady_clock::now();
    QByteArray m_lastAction;
    std::thread m_thread; // last: it starts once the rest is set up
};

} // namespace zw::test
