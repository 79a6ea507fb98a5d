// A one-shot timer on its own thread: at the deadline it calls its action
// once, unless cancelled first. Cancelling (or destroying) joins the thread.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace quintavo::tools {

class TDeadline {
public:
    using Clock = std::chrono::steady_clock;

    TDeadline(Clock::time_point at, std::function<void()> action)
        : m_thread([this, at, action = std::move(action)] {
              std::unique_lock lock(m_mutex);
              if (!m_wake.wait_until(lock, at, [this] { return m_cancelled; })) action();
          }) {}
    TDeadline(const TDeadline&) = delete;
    TDeadline& operator=(const TDeadline&) = delete;
    ~TDeadline() { Cancel(); }

    void Cancel() {
        {
            std::lock_guard lock(m_mutex);
            m_cancelled = true;
        }
        m_wake.notify_all();
        if (m_thread.joinable()) m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_cancelled = false;
    std::thread m_thread; // last: it starts once the members above exist
};

} // namespace quintavo::tools
