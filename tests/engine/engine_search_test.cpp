// The engine library behind the engine thread's search function.
#include "engine/engine_search.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "rules/board_model.h"
#include "rules/fen.h"

namespace quintavo {
namespace {

engine::EngineRequest Request(std::string_view fen, int depth) {
    const auto position = ParsePlayableFen(fen);
    EXPECT_TRUE(position) << fen;
    return engine::EngineRequest{position.value_or(FenPosition{}), depth};
}

TEST(EngineSearch, PlaysLegalMovesInBoardSquares) {
    EngineSearch search;
    const std::atomic<bool> running{false};
    const auto opening =
        search.Search(Request("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -", 3), running);
    ASSERT_TRUE(opening.Found);
    BoardModel model;
    EXPECT_TRUE(model.IsLegalMove(opening.From, opening.To));

    // The only mate: the square numbers come back as the board's.
    const auto mate = search.Search(Request("6k1/5ppp/8/8/8/8/8/R5K1 w - -", 2), running);
    ASSERT_TRUE(mate.Found);
    EXPECT_EQ(mate.From, Square::A1);
    EXPECT_EQ(mate.To, Square::A8);
}

TEST(EngineSearch, NothingToPlayOrStoppedGivesNoMove) {
    EngineSearch search;
    const std::atomic<bool> running{false};
    // Black is mated.
    EXPECT_FALSE(search.Search(Request("R5k1/5ppp/8/8/8/8/8/6K1 b - -", 2), running).Found);

    const std::atomic<bool> aborted{true};
    EXPECT_FALSE(search.Search(Request("6k1/5ppp/8/8/8/8/8/R5K1 w - -", 2), aborted).Found);
    EXPECT_TRUE(search.Search(Request("6k1/5ppp/8/8/8/8/8/R5K1 w - -", 2), running).Found);
}

TEST(EngineSearch, TheThreadsFlagEndsARunningSearch) {
    EngineSearch search;
    std::atomic<bool> abort{false};
    std::thread stopper([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        abort = true;
    });
    // Depth 8 from a middle game runs for many seconds unless stopped.
    const auto result = search.Search(
        Request("r1bq1rk1/pppnbppp/4pn2/3p2B1/2PP4/2N1PN2/PP3PPP/R2QKB1R w KQ -", 8), abort);
    stopper.join();
    EXPECT_FALSE(result.Found);
}

} // namespace
} // namespace quintavo
