#include "engine/engine_thread.h"

#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace quintavo::engine {

TEngineThread::TEngineThread(SearchFunction search, Links links)
    : m_search(std::move(search)), m_links(std::move(links)), m_thread([this] { Run(); }) {}

TEngineThread::~TEngineThread() {
    {
        std::lock_guard lock(m_mutex);
        m_terminate = true;
        AbortSearch = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void TEngineThread::Resume() {
    {
        std::lock_guard lock(m_mutex);
        m_suspended = false;
    }
    m_changed.notify_all();
}

void TEngineThread::Suspend() {
    std::lock_guard lock(m_mutex);
    m_suspended = true;
}

bool TEngineThread::IsPaused() const {
    std::lock_guard lock(m_mutex);
    return m_sleeping;
}

bool TEngineThread::IsSuspended() const {
    std::lock_guard lock(m_mutex);
    return m_suspended;
}

bool TEngineThread::IsDelivering() const {
    std::lock_guard lock(m_mutex);
    return m_delivering;
}

void TEngineThread::RunJobLocked(std::unique_lock<std::mutex>& lock) {
    std::function<void()> job = std::move(m_job);
    const JobKind kind = m_jobKind;
    m_job = nullptr;
    m_jobKind = JobKind::None;
    m_jobRunning = true;
    // A move found before a stop request is not played after it.
    const bool run = !(kind == JobKind::Move && AbortSearch);
    if (kind == JobKind::Move && run) m_delivering = true;
    lock.unlock();
    if (run) job();
    lock.lock();
    m_delivering = false;
    m_jobRunning = false;
    m_changed.notify_all();
}

bool TEngineThread::RunPendingUiJob() {
    std::unique_lock lock(m_mutex);
    if (m_jobKind == JobKind::None) return false;
    RunJobLocked(lock);
    return true;
}

void TEngineThread::WaitUntilPaused() {
    std::unique_lock lock(m_mutex);
    while (!(m_suspended && m_sleeping)) {
        // Called from inside a UI job (the engine's move, or a handler raised
        // at the end of a pass): the thread waits for that job to return.
        if (m_delivering || m_jobRunning) return;
        if (m_jobKind != JobKind::None) {
            RunJobLocked(lock);
            continue;
        }
        m_changed.wait(lock);
    }
}

void TEngineThread::RunOnUi(JobKind kind, std::function<void()> job) {
    {
        std::lock_guard lock(m_mutex);
        if (m_terminate) return;
        m_job = std::move(job);
        m_jobKind = kind;
    }
    m_changed.notify_all();
    if (m_links.WakeUi) m_links.WakeUi();
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock,
                   [this] { return (m_jobKind == JobKind::None && !m_jobRunning) || m_terminate; });
    // At shutdown nobody runs the job any more.
    m_job = nullptr;
    m_jobKind = JobKind::None;
}

void TEngineThread::Run() {
    std::unique_lock lock(m_mutex);
    while (true) {
        while (m_suspended && !m_terminate) {
            m_sleeping = true;
            m_changed.notify_all();
            m_changed.wait(lock);
        }
        m_sleeping = false;
        if (m_terminate) return;
        lock.unlock();

        ++m_passes;
        if (m_links.ComputerToMove && m_links.ComputerToMove()) {
            if (m_links.Priority) ApplyPriority(m_links.Priority());
            IsThinking = true;
            const FoundMove outcome = m_search(m_links.ReadRequest(), AbortSearch);
            if (!AbortSearch) {
                IsThinking = false;
                if (outcome.Found && m_links.MoveSink) {
                    RunOnUi(JobKind::Move,
                            [this, outcome] { m_links.MoveSink(outcome.From, outcome.To); });
                }
            }
        }
        if (m_links.PassDoneHook) RunOnUi(JobKind::PassDone, m_links.PassDoneHook);
        lock.lock();
    }
}

// Linux scheduling for this thread: idle runs under SCHED_IDLE, the lower
// levels at a higher nice value. Raising the priority needs privileges the
// game rarely has; a refusal leaves it as it is.
void TEngineThread::ApplyPriority(TThreadPriority priority) {
    if (priority == m_appliedPriority) return;
    m_appliedPriority = priority;
    sched_param param{};
    if (priority == TThreadPriority::tpIdle) {
        pthread_setschedparam(pthread_self(), SCHED_IDLE, &param);
        return;
    }
    pthread_setschedparam(pthread_self(), SCHED_OTHER, &param);
    int nice = 0;
    switch (priority) {
    case TThreadPriority::tpLowest:
        nice = 10;
        break;
    case TThreadPriority::tpLower:
        nice = 5;
        break;
    case TThreadPriority::tpHigher:
        nice = -5;
        break;
    case TThreadPriority::tpHighest:
        nice = -10;
        break;
    case TThreadPriority::tpTimeCritical:
        nice = -15;
        break;
    default:
        break;
    }
    const auto tid = static_cast<id_t>(syscall(SYS_gettid));
    setpriority(PRIO_PROCESS, tid, nice);
}

} // namespace quintavo::engine
