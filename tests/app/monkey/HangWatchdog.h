#pragma once

#include <QByteArray>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace zw::test {

// Ends the process with a report when the user-interface thread stops reporting progress: a
// handler stuck in a loop blocks the event loop, so no timer of that thread could notice it.
class HangWatchdog {
public:
    explicit HangWatchdog(std::chrono::seconds limit);
    ~HangWatchdog();
    HangWatchdog(const HangWatchdog&) = delete;
    HangWatchdog& operator=(const HangWatchdog&) = delete;

    // Called at the start of every action, with what the action is about to do.
    void beat(const QByteArray& action);

private:
    void watch();

    const std::chrono::seconds m_limit;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopping = false;
    std::chrono::steady_clock::time_point m_lastBeat;
    QByteArray m_lastAction;
    std::thread m_thread;
};

} // namespace zw::test
