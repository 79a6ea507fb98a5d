// The computer opponent's background thread. It makes passes while it is
// resumed: when the computer is to move it searches and hands the move to the
// UI thread; every pass ends by handing control back to the UI thread, which
// decides whether the thread goes on or sleeps. No Qt: the way to reach the UI
// thread is injected, so the protocol runs the same in the game and in tests.
#pragma once

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

#include "engine/engine_request.h"
#include "rules/square.h"

namespace quintavo::engine {

enum class TThreadPriority {
    tpIdle,
    tpLowest,
    tpLower,
    tpNormal,
    tpHigher,
    tpHighest,
    tpTimeCritical
};

struct FoundMove {
    bool Found = false; // false: the side to move has no legal move
    Square From = Square::None;
    Square To = Square::None;
};

class TEngineThread {
public:
    using SearchFunction =
        std::function<FoundMove(const EngineRequest&, const std::atomic<bool>& abort)>;

    struct Links {
        // Read on the engine thread, while the UI thread leaves the board alone.
        std::function<bool()> ComputerToMove;
        std::function<EngineRequest()> ReadRequest;
        std::function<TThreadPriority()> Priority;
        // Run on the UI thread while the engine thread waits.
        std::function<void(Square from, Square to)> MoveSink;
        std::function<void()> PassDoneHook;
        // Called on the engine thread: asks the UI thread to call
        // RunPendingUiJob soon (a queued call in the game).
        std::function<void()> WakeUi;
    };

    // The thread starts at once but sleeps until the first Resume.
    TEngineThread(SearchFunction search, Links links);
    // Tells the thread to finish, aborts its search and joins it.
    ~TEngineThread();
    TEngineThread(const TEngineThread&) = delete;
    TEngineThread& operator=(const TEngineThread&) = delete;

    // UI thread
    void Resume();
    // The thread sleeps at the end of the pass it is in.
    void Suspend();
    // Runs the job the engine thread waits for, if any; a move is dropped
    // when the search has been aborted since.
    bool RunPendingUiJob();
    // Returns once the thread sleeps, running its UI jobs meanwhile. Returns
    // at once when called from inside a UI job (the delivery of the engine's
    // own move, or the end of a pass), which cannot finish before the caller
    // returns.
    void WaitUntilPaused();
    bool IsPaused() const;
    // Whether the thread is told to sleep (it may still be ending a pass).
    bool IsSuspended() const;
    bool IsDelivering() const;

    // Both sides read and write these without a lock.
    std::atomic<bool> AbortSearch{false};
    std::atomic<bool> IsThinking{false};

    // How many passes the thread has made: a sleeping thread makes none.
    std::uint64_t PassCount() const { return m_passes.load(); }

private:
    enum class JobKind { None, Move, PassDone };

    void Run();
    void RunOnUi(JobKind kind, std::function<void()> job);
    void RunJobLocked(std::unique_lock<std::mutex>& lock);
    void ApplyPriority(TThreadPriority priority);

    SearchFunction m_search;
    Links m_links;

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_suspended = true;
    bool m_sleeping = false;
    bool m_terminate = false;
    JobKind m_jobKind = JobKind::None;
    std::function<void()> m_job;
    bool m_jobRunning = false;
    bool m_delivering = false;
    std::atomic<std::uint64_t> m_passes{0};
    TThreadPriority m_appliedPriority = TThreadPriority::tpNormal;
    std::thread m_thread; // last: starts once everything above is ready
};

} // namespace quintavo::engine
