// The search stopped from another thread, as the engine thread's owner does.
#include <atomic>
#include <chrono>
#include <thread>

#include "tests/engine/engine_fixture.h"

namespace quintavo::engine::test {
namespace {

TEST(EngineAbort, AnotherThreadStopsARunningSearch) {
    auto e = std::make_unique<TEngine>();
    std::atomic<int> iterations{0};
    e->OnIterationDone = [&](const IterationReport&) { ++iterations; };
    SearchResult result;
    // Depth 12 runs far longer than any test: only the abort can end it.
    const EngineRequest deep = FromFen(Kiwipete, 12);
    std::thread searcher([&] { result = e->RunSearch(deep); });
    while (iterations.load() < 2)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    e->SetAbortSearch(true);
    searcher.join();
    EXPECT_EQ(result.Outcome, SearchOutcome::Aborted);
    EXPECT_GT(result.Nodes, 0u);
    EXPECT_EQ(result.Nodes, e->NodeCount());
    EXPECT_GE(result.Depth, 2);
    e->OnIterationDone = nullptr;

    // Cleared by its owner, the same engine searches again to the end.
    e->SetAbortSearch(false);
    std::thread again([&] { result = e->RunSearch(FromFen(Kiwipete, 1)); });
    again.join();
    EXPECT_EQ(result.Outcome, SearchOutcome::Move);
    EXPECT_EQ(e->SearchPly(), 0);
    EXPECT_TRUE(e->IsConsistent());
}

} // namespace
} // namespace quintavo::engine::test
