// The engine library behind the engine thread's search function.
#include "board/engine_search.h"

#include <gtest/gtest.h>

#include "rules/board_model.h"
#include "rules/fen.h"

namespace quintavo {
namespace {

engine::SearchRequest Request(std::string_view fen, int depth) {
    const auto position = ParseFen(fen);
    EXPECT_TRUE(position) << fen;
    engine::SearchRequest request;
    std::copy(position->Letters.begin(), position->Letters.end(), request.Letters.begin());
    request.WhiteToMove = position->WhiteToMove;
    request.Castling = position->Castling;
    request.EnPassant = position->EnPassant;
    request.Depth = depth;
    return request;
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
    search.SetAbort(true); // the engine's own flag ends the search inside
    EXPECT_FALSE(search.Search(Request("6k1/5ppp/8/8/8/8/8/R5K1 w - -", 2), running).Found);
    search.SetAbort(false);
    EXPECT_TRUE(search.Search(Request("6k1/5ppp/8/8/8/8/8/R5K1 w - -", 2), running).Found);
}

} // namespace
} // namespace quintavo
