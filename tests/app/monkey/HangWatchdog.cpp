#include "HangWatchdog.h"

#include <cstdio>
#include <cstdlib>

namespace zw::test {

HangWatchdog::HangWatchdog(std::chrono::seconds limit)
    : m_limit(limit)
    , m_lastBeat(std::chrono::steady_clock::now())
    , m_thread([this] { watch(); }) {}

HangWatchdog::~HangWatchdog() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void HangWatchdog::beat(const QByteArray& action) {
    const std::lock_guard lock(m_mutex);
    m_lastBeat = std::chrono::steady_clock::now();
    m_lastAction = action;
}

void HangWatchdog::watch() {
    std::unique_lock lock(m_mutex);
    while (!m_stopping) {
        m_wake.wait_for(lock, std::chrono::milliseconds(250));
        if (m_stopping)
            return;
        const auto silent = std::chrono::steady_clock::now() - m_lastBeat;
        if (silent > m_limit) {
            std::fprintf(stderr, "FAIL: the program hung for more than %lld s after: %s\n",
                         static_cast<long long>(m_limit.count()), m_lastAction.constData());
            std::fflush(stderr);
            std::abort();
        }
    }
}

} // namespace zw::test
