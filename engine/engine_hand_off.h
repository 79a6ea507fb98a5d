// The board's side of the engine protocol: when the engine thread may run,
// how a stop waits for it, how its move comes back, and the path on which the
// host supplies the computer's move instead. It is the board model's engine
// control. No Qt, so that the protocol is tested on its own, also under
// ThreadSanitizer; the board control owns one.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "engine/engine_thread.h"
#include "rules/engine_control.h"

namespace quintavo {

class BoardModel;

class EngineHandOff : public IEngineControl {
public:
    using TThreadPriority = engine::TThreadPriority;

    // With a search function the hand-off owns an engine thread (asleep until
    // the first StartThinking); without one, as for a designed board, none.
    // wakeUi is called on the engine thread and must make the UI thread call
    // RunPendingUiJob soon.
    EngineHandOff(BoardModel& model, engine::TEngineThread::SearchFunction search,
                  std::function<void()> wakeUi);
    ~EngineHandOff() override;

    // Properties
    bool Thinking() const;
    int SearchDepth() const { return m_searchDepth.load(); }
    // Kept within 1 ... 8.
    void SetSearchDepth(int depth);
    TThreadPriority ThinkingPriority() const { return m_priority.load(); }
    void SetThinkingPriority(TThreadPriority priority) { m_priority = priority; }
    bool CustomEngine() const { return m_customEngine; }
    void SetCustomEngine(bool value) { m_customEngine = value; }
    bool HasThread() const { return m_thread != nullptr; }
    // While held (a designed board, one loading its stored values, one being
    // destroyed) the model's StartThinking neither wakes the thread nor asks
    // the host; a running pass still ends and may start the next.
    bool Held() const { return m_held; }
    void SetHeld(bool value) { m_held = value; }

    // Protocol, on the UI thread
    // The model's call after every change of the position.
    void StartThinking() override;
    // The engine part of StopThinking: abort and wait until the thread sleeps.
    void PauseEngine() override;
    // Ends every pass of the thread.
    void ThinkingPassDone();
    // The custom-engine check of every handled message and poll-timer tick.
    void PollCustomEngine();
    // The UI thread's answer to wakeUi.
    void RunPendingUiJob();

    // Custom-engine events
    std::function<void(Square& from, Square& to)> OnCalculateMove;
    std::function<void(Square from, Square to)> OnCalculationFailed;

    // How many passes the thread has made (none while it sleeps).
    std::uint64_t PassCount() const;
    // Whether the thread is told to sleep, and whether it does already.
    bool Suspended() const;
    bool Asleep() const;

private:
    void Think();
    bool ComputerCanMove() const;
    bool PositionIs(const engine::EngineRequest& request) const;
    bool PlayComputerMove(Square from, Square to);

    BoardModel& m_model;
    std::atomic<int> m_searchDepth{1};
    std::atomic<TThreadPriority> m_priority{TThreadPriority::tpNormal};
    bool m_customEngine = false;
    bool m_held = false;
    // The position the running pass searched: written on the engine thread,
    // read by the pass's end on the UI thread while the engine waits.
    std::optional<engine::EngineRequest> m_passRequest;
    Square m_refusedFrom = Square::None;
    Square m_refusedTo = Square::None;
    // Where the search gave no playable move; it is not asked again there.
    std::optional<engine::EngineRequest> m_failedAt;
    std::unique_ptr<engine::TEngineThread> m_thread;
};

} // namespace quintavo
