// The engine library as the engine thread's search function. One engine object
// lives as long as the thread that searches with it, because its best line is
// kept from one search to the next and orders the next one's first iteration.
#pragma once

#include <atomic>
#include <memory>

#include "engine/engine_thread.h"

namespace quintavo {

namespace engine {
class TEngine;
}

class EngineSearch {
public:
    EngineSearch();
    ~EngineSearch();
    EngineSearch(const EngineSearch&) = delete;
    EngineSearch& operator=(const EngineSearch&) = delete;

    // Runs on the engine thread. The search ends early once `abort` (the
    // thread's AbortSearch) is set, and then gives no move.
    engine::FoundMove Search(const engine::EngineRequest& request, const std::atomic<bool>& abort);

    // A search function for TEngineThread that shares the engine object.
    static engine::TEngineThread::SearchFunction Function(std::shared_ptr<EngineSearch> search);

private:
    std::unique_ptr<engine::TEngine> m_engine;
};

} // namespace quintavo
