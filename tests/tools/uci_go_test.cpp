// The words of a go and the share of the clock a move may take.
#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "tools/uci_go.h"

namespace quintavo::tools {
namespace {

using std::chrono::microseconds;

TEST(UciGo, ReadsEveryLimitAndNamesWhatItRefuses) {
    const GoCommand go =
        ParseGo({"wtime",     "1000",     "btime", "-5",     "winc",  "10",   "binc",        "x",
                 "movestogo", "7",        "depth", "99",     "nodes", "500",  "searchmoves", "e2e4",
                 "d2d4",      "movetime", "250",   "ponder", "fast",  "nodes"},
                63);
    EXPECT_EQ(go.WhiteTime, Millis(1000));
    EXPECT_EQ(go.BlackTime, Millis(0)); // a clock already below zero
    EXPECT_EQ(go.WhiteIncrement, Millis(10));
    EXPECT_EQ(go.BlackIncrement, Millis(0));
    EXPECT_EQ(go.MovesToGo, 7);
    EXPECT_EQ(go.Depth, 63);
    EXPECT_EQ(go.Nodes, 500u);
    EXPECT_EQ(go.MoveTime, Millis(250));
    EXPECT_TRUE(go.Ponder);
    EXPECT_FALSE(go.Infinite);
    EXPECT_EQ(go.SearchMoves, (std::vector<std::string>{"e2e4", "d2d4"}));
    EXPECT_EQ(go.Problems, (std::vector<std::string>{"go: bad binc 'x' ignored",
                                                     "go: unknown word 'fast' ignored",
                                                     "go: nodes needs a value"}));
}

std::optional<int> Count(std::optional<Millis> ms) {
    if (!ms) return std::nullopt;
    return static_cast<int>(ms->count());
}

TEST(UciGo, TakesAnyTimeWithoutOverflow) {
    const GoCommand go = ParseGo({"wtime", "9223372036854775807", "winc", "9223372036854775807",
                                  "movestogo", "1", "movetime", "9223372036854775807"},
                                 63);
    EXPECT_EQ(go.WhiteTime, Millis(1LL << 31));
    EXPECT_EQ(go.MoveTime, Millis(1LL << 31));
    const TimeBudget b = BudgetFor(go, true);
    ASSERT_TRUE(b.Hard);
    EXPECT_GT(std::chrono::steady_clock::now() + *b.Hard, std::chrono::steady_clock::now());
}

struct BudgetCase {
    const char* Words;
    bool WhiteToMove;
    std::optional<int> Soft, Hard;
};

TEST(UciGo, TakesAShareOfTheSideToMovesClock) {
    const BudgetCase Cases[] = {
        {"wtime 30000 btime 1", true, 1000, 2000},               // a thirtieth by default
        {"wtime 30000 btime 1", false, 0, 0},                    // Black has nothing left
        {"btime 10000 binc 400 movestogo 5", false, 2300, 4600}, // share plus 3/4 increment
        {"wtime 10000 movestogo 1", true, 9000, 9000},           // all but the reserve
        {"wtime 100000 movestogo 1", true, 99000, 99000},        // reserve at most 1 s
        {"wtime 100", true, 3, 6},                               // reserve at least 20 ms
        {"wtime 60000 movetime 500", true, 500, 500},            // the shorter of the two
        {"movetime 700", true, std::nullopt, 700},
        {"btime 5000", true, std::nullopt, std::nullopt}, // no clock for White
        {"depth 5", true, std::nullopt, std::nullopt},
    };
    for (const BudgetCase& c : Cases) {
        SCOPED_TRACE(c.Words);
        std::vector<std::string> words;
        std::istringstream in(c.Words);
        for (std::string w; in >> w;)
            words.push_back(w);
        const TimeBudget b = BudgetFor(ParseGo(words, 63), c.WhiteToMove);
        EXPECT_EQ(Count(b.Soft), c.Soft);
        EXPECT_EQ(Count(b.Hard), c.Hard);
    }
}

TEST(UciGo, StartsAnIterationOnlyWhenItIsExpectedToEndInTime) {
    // 100 ms so far, the last iteration 20 ms and the next five times that:
    // expected to end at 200 ms.
    EXPECT_TRUE(NextIterationFits(Millis(200), microseconds(100000), microseconds(20000), 5.0));
    EXPECT_FALSE(NextIterationFits(Millis(199), microseconds(100000), microseconds(20000), 5.0));
}

TEST(UciGo, ExpectsTheGrowthOfTheLastIterations) {
    struct Case {
        std::vector<std::uint64_t> Nodes;
        double Growth;
    };
    const Case Cases[] = {
        {{}, 8.0},             // nothing known yet
        {{20}, 8.0},           //
        {{20, 100}, 5.0},      // one step
        {{20, 71, 912}, 6.75}, // two steps back, averaged: sqrt(912 / 20)
        {{100, 101}, 2.0},     // at least 2
        {{1, 1000}, 16.0},     // at most 16
        {{0, 0, 50}, 16.0},    // an empty iteration tells nothing good
    };
    for (const Case& c : Cases) {
        SCOPED_TRACE(c.Nodes.size());
        EXPECT_NEAR(ExpectedGrowth(c.Nodes), c.Growth, 0.01);
    }
}

} // namespace
} // namespace quintavo::tools
