// The caller's limits on a search: a node budget and a narrowed root.
#include "tests/engine/engine_fixture.h"

namespace quintavo::engine::test {
namespace {

// The engine's own encoding of moves given as text, in the given position.
std::vector<EngineMove> MovesOf(const EngineRequest& r, std::vector<std::string> texts) {
    auto e = Loaded(r);
    e->GenerateAllMoves();
    std::vector<EngineMove> moves;
    for (const std::string& text : texts) {
        for (int i = e->PlyMovesStart(0); i < e->PlyMovesEnd(0); ++i)
            if (MoveText(e->StackMove(i)) == text) moves.push_back(e->StackMove(i));
    }
    EXPECT_EQ(moves.size(), texts.size());
    return moves;
}

TEST(EngineSearchLimits, RootMovesNarrowTheChoice) {
    // The queen takes the undefended rook unless told otherwise.
    const EngineRequest r = FromFen("4k3/8/8/3r4/8/8/3Q4/4K3 w - - 0 1", 3);
    auto e = std::make_unique<TEngine>();
    e->SetRootMoves(MovesOf(r, {"e1f1", "d2d3"}));
    const SearchResult narrowed = e->RunSearch(r);
    ASSERT_EQ(narrowed.Outcome, SearchOutcome::Move);
    EXPECT_TRUE(MoveText(narrowed.Move) == "e1f1" || MoveText(narrowed.Move) == "d2d3");

    e->SetRootMoves({});
    EXPECT_EQ(MoveText(e->RunSearch(r).Move), "d2d5");
}

TEST(EngineSearchLimits, EveryRootMoveAllowedSearchesTheSameTree) {
    EngineRequest r = StartRequest();
    r.SearchDepth = 4;
    std::vector<std::string> all;
    {
        auto e = Loaded(r);
        e->GenerateAllMoves();
        for (int i = e->PlyMovesStart(0); i < e->PlyMovesEnd(0); ++i)
            all.push_back(MoveText(e->StackMove(i)));
    }
    auto e = std::make_unique<TEngine>();
    e->SetRootMoves(MovesOf(r, all));
    const SearchResult result = e->RunSearch(r);
    EXPECT_EQ(MoveText(result.Move), "e2e4");
    EXPECT_EQ(result.Nodes, 6471u);
}

TEST(EngineSearchLimits, NodeLimitEndsTheSearchAsAnAbortDoes) {
    // Iterations end at 20, 91, 1003 and 6471 nodes: a budget of 2000 ends the
    // fourth, and the third is the last whole one.
    EngineRequest r = StartRequest();
    r.SearchDepth = 5;
    auto e = std::make_unique<TEngine>();
    int reports = 0;
    e->OnIterationDone = [&](const IterationReport&) { ++reports; };
    e->SetNodeLimit(2000);
    const SearchResult limited = e->RunSearch(r);
    EXPECT_EQ(limited.Outcome, SearchOutcome::Aborted);
    EXPECT_EQ(limited.Depth, 3);
    EXPECT_EQ(reports, 3);
    // Only the capture search below the last counted node runs on.
    EXPECT_GE(limited.Nodes, 2000u);
    EXPECT_LT(limited.Nodes, 2100u);

    e->SetNodeLimit(0);
    const SearchResult unlimited = e->RunSearch(r);
    EXPECT_EQ(unlimited.Outcome, SearchOutcome::Move);
    EXPECT_EQ(unlimited.Depth, 5);

    // A budget that is never reached leaves the pinned tree as it is.
    auto fresh = std::make_unique<TEngine>();
    fresh->SetNodeLimit(1000000);
    const SearchResult full = fresh->RunSearch(r);
    EXPECT_EQ(full.Outcome, SearchOutcome::Move);
    EXPECT_EQ(full.Nodes, 38331u);
}

} // namespace
} // namespace quintavo::engine::test
