#include "board/engine_search.h"

#include "board/engine_core.h"

namespace quintavo {

EngineSearch::EngineSearch() : m_core(std::make_unique<detail::EngineCore>()) {}

EngineSearch::~EngineSearch() = default;

engine::SearchOutcome EngineSearch::Search(const engine::SearchRequest& request,
                                           const std::atomic<bool>& abort) {
    if (abort) return {};
    const detail::CoreMove move = m_core->Search(
        request.Letters, request.WhiteToMove, request.Castling, request.EnPassant, request.Depth);
    if (!move.Found || abort) return {};
    return {true, move.From, move.To};
}

void EngineSearch::SetAbort(bool abort) {
    m_core->SetAbort(abort);
}

engine::TEngineThread::SearchFunction EngineSearch::Function(std::shared_ptr<EngineSearch> search) {
    return [search = std::move(search)](const engine::SearchRequest& request,
                                        const std::atomic<bool>& abort) {
        return search->Search(request, abort);
    };
}

} // namespace quintavo
