// The engine library as the engine thread's search function. One engine object
// lives as long as the thread that searches with it, because its best line is
// kept from one search to the next and orders the next one's first iteration.
#pragma once

#include <atomic>
#include <memory>

#include "engine/engine_thread.h"

namespace quintavo {

namespace detail {
class EngineCore;
}

class EngineSearch {
public:
    EngineSearch();
    ~EngineSearch();
    EngineSearch(const EngineSearch&) = delete;
    EngineSearch& operator=(const EngineSearch&) = delete;

    // Runs on the engine thread. `abort` is the thread's AbortSearch: a search
    // that starts while it is set returns at once. The engine polls its own
    // flag inside the search, which SetAbort keeps equal to the thread's.
    engine::SearchOutcome Search(const engine::SearchRequest& request,
                                 const std::atomic<bool>& abort);
    // Any thread: sets or clears the engine's own abort flag.
    void SetAbort(bool abort);

    // A search function for TEngineThread that shares the engine object.
    static engine::TEngineThread::SearchFunction Function(std::shared_ptr<EngineSearch> search);

private:
    std::unique_ptr<detail::EngineCore> m_core;
};

} // namespace quintavo
