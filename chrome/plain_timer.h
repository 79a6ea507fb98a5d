// A timer object that needs no window: a callback, an interval and an active
// flag. The tray icon times its clicks with one; tests replace it to drive
// time by hand.
#pragma once

#include <functional>
#include <memory>

class QTimer;

namespace quintavo::chrome {

class TPlainTimer {
public:
    explicit TPlainTimer(std::function<void()> onTimer = {});
    virtual ~TPlainTimer();
    TPlainTimer(const TPlainTimer&) = delete;
    TPlainTimer& operator=(const TPlainTimer&) = delete;

    // Stops first if active, then fires every `intervalMs` until stopped.
    // Answers whether the timer runs.
    virtual bool Start(int intervalMs);
    virtual void Stop();
    bool Active() const { return m_active; }
    int Interval() const { return m_interval; }

    std::function<void()> OnTimer;

protected:
    // Runs the callback; an exception it raises ends there.
    void Fire();
    bool m_active = false;
    int m_interval = 0;

private:
    std::unique_ptr<QTimer> m_timer;
};

} // namespace quintavo::chrome
