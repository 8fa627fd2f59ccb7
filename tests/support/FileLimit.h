#pragma once

#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace zw::test {

// Runs output with a file size limit of bytes (0: none), so its writes fail part-way as on a
// full disk.
inline void withFileLimit(int bytes, const std::function<void()>& output) {
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = bytes > 0 ? rlim_t(bytes) : saved.rlim_cur;
    setrlimit(RLIMIT_FSIZE, &tight);
    output();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
}

} // namespace zw::test
