#include "engine/engine_search.h"

#include "engine/engine.h"

namespace quintavo {

EngineSearch::EngineSearch() : m_engine(std::make_unique<engine::TEngine>()) {}

EngineSearch::~EngineSearch() = default;

engine::FoundMove EngineSearch::Search(const engine::SearchRequest& request,
                                       const std::atomic<bool>& abort) {
    if (abort) return {};
    m_engine->WatchAbortFlag(&abort);
    engine::EngineRequest engineRequest;
    engineRequest.Board = request.Letters;
    engineRequest.WhiteToMove = request.WhiteToMove;
    engineRequest.CastlingAllowed = request.Castling;
    engineRequest.EnPassant = request.EnPassant;
    engineRequest.SearchDepth = request.Depth;
    const engine::SearchResult result = m_engine->RunSearch(engineRequest);
    m_engine->WatchAbortFlag(nullptr);
    if (result.Outcome != engine::SearchOutcome::Move || abort) return {};
    return {true, FromEngineSquare(engine::MoveFrom(result.Move)),
            FromEngineSquare(engine::MoveTo(result.Move))};
}

engine::TEngineThread::SearchFunction EngineSearch::Function(std::shared_ptr<EngineSearch> search) {
    return [search = std::move(search)](const engine::SearchRequest& request,
                                        const std::atomic<bool>& abort) {
        return search->Search(request, abort);
    };
}

} // namespace quintavo
