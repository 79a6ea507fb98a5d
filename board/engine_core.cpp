#include "board/engine_core.h"

#include "engine/engine.h"

namespace quintavo::detail {

struct EngineCore::Impl {
    engine::TEngine Engine;
};

EngineCore::EngineCore() : m_impl(std::make_unique<Impl>()) {}

EngineCore::~EngineCore() = default;

CoreMove EngineCore::Search(const std::array<char, 64>& letters, bool whiteToMove,
                            std::uint8_t castling, Square enPassant, int depth) {
    engine::EngineRequest request;
    request.Board = letters;
    request.WhiteToMove = whiteToMove;
    request.CastlingAllowed = castling;
    request.EnPassant = enPassant;
    request.SearchDepth = depth;
    const engine::SearchResult result = m_impl->Engine.RunSearch(request);
    if (result.Outcome != engine::SearchOutcome::Move) return {};
    return {true, FromEngineSquare(engine::MoveFrom(result.Move)),
            FromEngineSquare(engine::MoveTo(result.Move))};
}

void EngineCore::SetAbort(bool abort) {
    m_impl->Engine.SetAbortSearch(abort);
}

} // namespace quintavo::detail
