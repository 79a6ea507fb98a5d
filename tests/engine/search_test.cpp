// The search: pinned moves and node counts, mates, ties, the kept best line,
// abort, the reported outcome and the ply guard.
#include "tests/engine/engine_fixture.h"

namespace quintavo::engine::test {
namespace {

SearchResult SearchFresh(const EngineRequest& r) {
    auto e = std::make_unique<TEngine>();
    return e->RunSearch(r);
}

struct PinnedSearch {
    int Depth;
    const char* Move;
    std::uint64_t Nodes;
};

TEST(EngineSearch, StartPositionMovesAndNodeCounts) {
    // Each depth on a fresh engine, as a game's first search.
    constexpr PinnedSearch Cases[] = {
        {1, "d2d4", 20}, {2, "d2d4", 91}, {3, "d2d4", 1003}, {4, "e2e4", 6471}, {5, "e2e4", 38331},
    };
    for (const auto& c : Cases) {
        SCOPED_TRACE(c.Depth);
        EngineRequest r = StartRequest();
        r.SearchDepth = c.Depth;
        const SearchResult result = SearchFresh(r);
        ASSERT_EQ(result.Outcome, SearchOutcome::Move);
        EXPECT_EQ(MoveText(result.Move), c.Move);
        EXPECT_EQ(result.Nodes, c.Nodes);
        EXPECT_EQ(result.Depth, c.Depth);
    }
}

TEST(EngineSearch, PlaysMateInOne) {
    const SearchResult result = SearchFresh(FromFen("6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1"));
    ASSERT_EQ(result.Outcome, SearchOutcome::Move);
    EXPECT_EQ(MoveText(result.Move), "d1d8");
    EXPECT_EQ(result.Score, 9999);
}

TEST(EngineSearch, TakesAnUndefendedRookAtDepthOne) {
    auto e = std::make_unique<TEngine>();
    const SearchResult result = e->RunSearch(FromFen("4k3/8/8/3r4/8/8/3Q4/4K3 w - - 0 1"));
    EXPECT_EQ(MoveText(result.Move), "d2d5");
    EXPECT_EQ(e->HistoryScore(51, 27), 1);
}

TEST(EngineSearch, CheckExtendsTheNodeByOnePly) {
    // In check at depth 1, the root is searched at depth 2: the credit of the
    // move that raised alpha shows the extended depth.
    auto e = std::make_unique<TEngine>();
    const SearchResult result = e->RunSearch(FromFen("4k3/8/8/8/8/8/4r3/4K3 w - - 0 1"));
    EXPECT_EQ(MoveText(result.Move), "e1e2");
    EXPECT_EQ(e->HistoryScore(60, 52), 2);
}

TEST(EngineSearch, TiesGoToTheFirstOrderedMoveAndTheKeptLineReordersThem) {
    // d2d4 and e2e4 score alike at depth 1; d2d4 is generated first.
    auto e = std::make_unique<TEngine>();
    EngineRequest r = StartRequest();
    SearchResult result = e->RunSearch(r);
    EXPECT_EQ(MoveText(result.Move), "d2d4");
    EXPECT_EQ(result.Score, 28);
    result = e->RunSearch(r);
    EXPECT_EQ(MoveText(result.Move), "d2d4");

    // The line of a depth-4 search survives: its e2e4 is tried first next
    // time and keeps the tie.
    r.SearchDepth = 4;
    EXPECT_EQ(MoveText(e->RunSearch(r).Move), "e2e4");
    EXPECT_GE(e->BestLineLength(0), 4);
    r.SearchDepth = 1;
    result = e->RunSearch(r);
    EXPECT_EQ(MoveText(result.Move), "e2e4");
    EXPECT_EQ(result.Score, 28);
    EXPECT_EQ(result.Nodes, 20u);
}

TEST(EngineSearch, SameInputGivesTheSameSearchAndLeavesTheRootAsFound) {
    const EngineRequest r = FromFen(Kiwipete, 2);
    auto e = std::make_unique<TEngine>();
    const SearchResult a = e->RunSearch(r);
    const SearchResult b = SearchFresh(r);
    EXPECT_EQ(a.Move, b.Move);
    EXPECT_EQ(a.Nodes, b.Nodes);
    EXPECT_EQ(a.Score, b.Score);
    EXPECT_EQ(e->SearchPly(), 0);
    EXPECT_EQ(e->CurrentRequest().Board, r.Board);
    EXPECT_TRUE(e->IsConsistent());
}

TEST(EngineSearch, ReportsNoLegalMoveInsteadOfAStaleOne) {
    struct Case {
        const char* Fen;
        const char* Why;
    };
    constexpr Case Cases[] = {
        {"rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR w KQkq - 1 3", "mated"},
        {"7k/5Q2/6K1/8/8/8/8/8 b - - 0 1", "stalemated"},
    };
    for (const auto& c : Cases) {
        SCOPED_TRACE(c.Why);
        auto e = std::make_unique<TEngine>();
        EngineRequest first = StartRequest();
        ASSERT_EQ(e->RunSearch(first).Outcome, SearchOutcome::Move);
        const SearchResult result = e->RunSearch(FromFen(c.Fen, 3));
        EXPECT_EQ(result.Outcome, SearchOutcome::NoLegalMove);
        EXPECT_EQ(result.Nodes, 0u);
    }
}

TEST(EngineSearch, AbortSetBeforehandSearchesNothing) {
    auto e = std::make_unique<TEngine>();
    e->SetAbortSearch(true);
    const SearchResult result = e->RunSearch(FromFen(Kiwipete, 4));
    EXPECT_EQ(result.Outcome, SearchOutcome::Aborted);
    EXPECT_EQ(result.Nodes, 0u);
    EXPECT_TRUE(e->AbortSearch()); // left for the owner to clear
    e->SetAbortSearch(false);
    EXPECT_EQ(e->RunSearch(FromFen(Kiwipete, 1)).Outcome, SearchOutcome::Move);
}

TEST(EngineSearch, AbortDuringAnIterationDiscardsIt) {
    auto e = std::make_unique<TEngine>();
    int reports = 0;
    e->OnIterationDone = [&](const IterationReport& report) {
        ++reports;
        if (report.Depth == 2) e->SetAbortSearch(true);
    };
    const SearchResult result = e->RunSearch(FromFen(Kiwipete, 5));
    EXPECT_EQ(result.Outcome, SearchOutcome::Aborted);
    EXPECT_EQ(result.Depth, 2);
    EXPECT_EQ(reports, 2);
}

TEST(EngineSearch, IterationReportsCarryTheLine) {
    auto e = std::make_unique<TEngine>();
    std::vector<IterationReport> reports;
    std::vector<std::vector<EngineMove>> lines;
    e->OnIterationDone = [&](const IterationReport& report) {
        reports.push_back(report);
        lines.emplace_back(report.Line, report.Line + report.LineLength);
    };
    EngineRequest r = StartRequest();
    r.SearchDepth = 4;
    const SearchResult result = e->RunSearch(r);
    ASSERT_EQ(reports.size(), 4u);
    const std::uint64_t nodes[] = {20, 20 + 71, 1003, 6471}; // sums of the iterations
    for (int d = 1; d <= 4; ++d) {
        SCOPED_TRACE(d);
        EXPECT_EQ(reports[d - 1].Depth, d);
        EXPECT_EQ(reports[d - 1].Nodes, nodes[d - 1]);
        EXPECT_GE(static_cast<int>(lines[d - 1].size()), d);
    }
    EXPECT_EQ(lines.back().front(), result.Move);
}

TEST(EngineSearch, GuardEndsLinesAtThePlyLimit) {
    // Both sides have exactly one move, for ever: a rook shuffling in its
    // corridor. Each iteration walks one line to its full depth.
    const EngineRequest corridor = FromLetters("KP   p r"
                                               "PP    pp"
                                               "PP    pp"
                                               "PP    pp"
                                               "PP    pp"
                                               "PP    pp"
                                               "PP    pp"
                                               "R P   pk",
                                               true);
    for (int depth : {63, 1000}) {
        SCOPED_TRACE(depth);
        EngineRequest r = corridor;
        r.SearchDepth = depth;
        auto e = std::make_unique<TEngine>();
        const SearchResult result = e->RunSearch(r);
        ASSERT_EQ(result.Outcome, SearchOutcome::Move);
        EXPECT_EQ(MoveText(result.Move), "a1b1");
        EXPECT_EQ(result.Depth, 63);
        EXPECT_EQ(e->SelDepth(), 63);
        EXPECT_EQ(result.Nodes, 63u * 64u / 2u);
    }
}

} // namespace
} // namespace quintavo::engine::test
