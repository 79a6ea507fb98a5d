#include "engine/engine_hand_off.h"

#include <algorithm>
#include <utility>

#include "rules/board_model.h"

namespace quintavo {

EngineHandOff::EngineHandOff(BoardModel& model, engine::TEngineThread::SearchFunction search,
                             std::function<void()> wakeUi)
    : m_model(model) {
    if (!search) return;
    engine::TEngineThread::Links links;
    links.ComputerToMove = [this] { return m_model.ComputerToMove(); };
    links.ReadRequest = [this] {
        engine::EngineRequest request;
        const auto& board = m_model.Board();
        std::copy(board.begin() + 1, board.begin() + 65, request.Board.begin());
        request.WhiteToMove = m_model.WhiteToMove();
        request.CastlingAllowed = m_model.CastlingAllowed();
        request.EnPassant = m_model.EnPassant();
        request.SearchDepth = m_searchDepth.load();
        m_passRequest = request;
        return request;
    };
    links.Priority = [this] { return m_priority.load(); };
    links.MoveSink = [this](Square from, Square to) {
        if (PlayComputerMove(from, to)) return;
        m_refusedFrom = from;
        m_refusedTo = to;
    };
    links.PassDoneHook = [this] { ThinkingPassDone(); };
    links.WakeUi = std::move(wakeUi);
    m_thread = std::make_unique<engine::TEngineThread>(std::move(search), std::move(links));
}

EngineHandOff::~EngineHandOff() = default;

bool EngineHandOff::Thinking() const {
    return m_thread && m_thread->IsThinking;
}

void EngineHandOff::SetSearchDepth(int depth) {
    m_searchDepth = std::clamp(depth, 1, 8);
}

std::uint64_t EngineHandOff::PassCount() const {
    return m_thread ? m_thread->PassCount() : 0;
}

// The computer's own promotions give a queen, whatever the player chose last.
bool EngineHandOff::PlayComputerMove(Square from, Square to) {
    const char chosen = m_model.PromotionPiece();
    m_model.SetPromotionPiece('q');
    const bool played = m_model.ExecuteMove(from, to);
    m_model.SetPromotionPiece(chosen);
    return played;
}

bool EngineHandOff::Suspended() const {
    return !m_thread || m_thread->IsSuspended();
}

bool EngineHandOff::Asleep() const {
    return !m_thread || (m_thread->IsSuspended() && m_thread->IsPaused());
}

bool EngineHandOff::PositionIs(const engine::EngineRequest& request) const {
    const auto& board = m_model.Board();
    return std::equal(request.Board.begin(), request.Board.end(), board.begin() + 1) &&
           request.WhiteToMove == m_model.WhiteToMove() &&
           request.CastlingAllowed == m_model.CastlingAllowed() &&
           request.EnPassant == m_model.EnPassant();
}

// Mated, stalemated or at a threefold repetition the computer has nothing to
// play: its thread sleeps and the host is not asked.
bool EngineHandOff::ComputerCanMove() const {
    return m_model.ComputerToMove() && m_model.HasLegalMove();
}

void EngineHandOff::StartThinking() {
    if (!m_held) Think();
}

void EngineHandOff::Think() {
    if (!m_customEngine) {
        if (!m_thread) return;
        m_thread->AbortSearch = false;
        if (m_failedAt && !PositionIs(*m_failedAt)) m_failedAt.reset();
        // While the player thinks the thread sleeps instead of cycling, and
        // a position the search could not move in is not searched again.
        if (ComputerCanMove() && !m_failedAt) m_thread->Resume();
        return;
    }
    if (!OnCalculateMove || m_model.StopRequested() || !ComputerCanMove()) return;
    Square from = Square::None;
    Square to = Square::None;
    OnCalculateMove(from, to);
    if (m_model.StopRequested()) return;
    if (!PlayComputerMove(from, to) && OnCalculationFailed) OnCalculationFailed(from, to);
}

void EngineHandOff::PauseEngine() {
    if (m_customEngine || !m_thread) return;
    m_thread->AbortSearch = true;
    m_thread->WaitUntilPaused();
}

void EngineHandOff::ThinkingPassDone() {
    m_thread->IsThinking = false;
    m_thread->Suspend();
    const std::optional<engine::EngineRequest> searched =
        std::exchange(m_passRequest, std::nullopt);
    const Square refusedFrom = std::exchange(m_refusedFrom, Square::None);
    const Square refusedTo = std::exchange(m_refusedTo, Square::None);
    if (m_thread->AbortSearch) return;
    // A search that played nothing where the rules see a move would give
    // the same again on every pass.
    if (searched && PositionIs(*searched) && ComputerCanMove()) {
        m_failedAt = searched;
        if (OnCalculationFailed) OnCalculationFailed(refusedFrom, refusedTo);
        return;
    }
    Think();
}

void EngineHandOff::PollCustomEngine() {
    if (!m_model.StopRequested() && m_customEngine && m_model.ComputerToMove()) Think();
}

void EngineHandOff::RunPendingUiJob() {
    if (m_thread) m_thread->RunPendingUiJob();
}

} // namespace quintavo
