#include "chrome/plain_timer.h"

#include <QTimer>

namespace quintavo::chrome {

TPlainTimer::TPlainTimer(std::function<void()> onTimer) : OnTimer(std::move(onTimer)) {}

TPlainTimer::~TPlainTimer() = default;

bool TPlainTimer::Start(int intervalMs) {
    if (m_active) Stop();
    if (intervalMs < 0) return false;
    if (!m_timer) {
        m_timer = std::make_unique<QTimer>();
        QObject::connect(m_timer.get(), &QTimer::timeout, [this] { Fire(); });
    }
    m_interval = intervalMs;
    m_timer->start(intervalMs);
    m_active = m_timer->isActive();
    return m_active;
}

void TPlainTimer::Stop() {
    m_active = false;
    if (m_timer) m_timer->stop();
}

void TPlainTimer::Fire() {
    if (!OnTimer) return;
    try {
        OnTimer();
    } catch (...) {
        // A timer callback has no caller to report to.
    }
}

} // namespace quintavo::chrome
