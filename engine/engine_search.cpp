#include "engine/engine_search.h"

#include "engine/engine.h"

namespace quintavo {

EngineSearch::EngineSearch() : m_engine(std::make_unique<engine::TEngine>()) {}

EngineSearch::~EngineSearch() = default;

engine::FoundMove EngineSearch::Search(const engine::EngineRequest& request,
                                       const std::atomic<bool>& abort) {
    if (abort) return {};
    m_engine->WatchAbortFlag(&abort);
    const engine::SearchResult result = m_engine->RunSearch(request);
    m_engine->WatchAbortFlag(nullptr);
    if (result.Outcome != engine::SearchOutcome::Move || abort) return {};
    return {true, FromEngineSquare(engine::MoveFrom(result.Move)),
            FromEngineSquare(engine::MoveTo(result.Move))};
}

engine::TEngineThread::SearchFunction EngineSearch::Function(std::shared_ptr<EngineSearch> search) {
    return [search = std::move(search)](const engine::EngineRequest& request,
                                        const std::atomic<bool>& abort) {
        return search->Search(request, abort);
    };
}

} // namespace quintavo
