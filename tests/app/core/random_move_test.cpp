#include "app/core/random_move.h"

#include <gtest/gtest.h>

#include "rules/board_model.h"

namespace quintavo::appcore {
namespace {

TEST(RandomSequence, FirstDrawsFromTheStartState) {
    // state 1, 134775814, ...: the high 32 bits of state * 65.
    RandomSequence random;
    const std::uint32_t expected[] = {0, 2, 55, 13, 17, 43, 20, 10, 24, 27};
    for (std::uint32_t value : expected)
        EXPECT_EQ(random.Next(RandomSquareRange), value);

    RandomSequence other;
    other.Next(65);
    EXPECT_EQ(other.State(), 1u);
    other.Next(65);
    EXPECT_EQ(other.State(), 134775814u);
}

// A board that knows one legal move, or none, or contradicts itself.
struct FakeBoard {
    bool hasLegalMove = true;
    Square legalFrom = Square::None;
    Square legalTo = Square::None;
    mutable long questions = 0;

    bool HasLegalMove() const { return hasLegalMove; }
    bool IsLegalMove(Square from, Square to) const {
        ++questions;
        return from != Square::None && from == legalFrom && to == legalTo;
    }
};

TEST(RandomMove, WithNoLegalMoveBothSquaresAreNoneAtOnce) {
    RandomSequence random;
    FakeBoard board{.hasLegalMove = false};
    Square from = Square::E2, to = Square::E4;
    EXPECT_FALSE(ChooseRandomMove(random, board, from, to));
    EXPECT_EQ(from, Square::None);
    EXPECT_EQ(to, Square::None);
    EXPECT_EQ(random.State(), 0u); // nothing drawn: later moves stay as they were
    EXPECT_EQ(board.questions, 0);
}

TEST(RandomMove, FindsEvenTheRarestMoveAndStopsOnABoardThatLies) {
    RandomSequence random;
    const FakeBoard onlyMove{.legalFrom = Square::H1, .legalTo = Square::A8};
    Square from = Square::None, to = Square::None;
    EXPECT_TRUE(ChooseRandomMove(random, onlyMove, from, to));
    EXPECT_EQ(from, Square::H1);
    EXPECT_EQ(to, Square::A8);

    // Claims a move exists but accepts none: must end, not spin.
    const FakeBoard liar;
    EXPECT_FALSE(ChooseRandomMove(random, liar, from, to));
    EXPECT_EQ(from, Square::None);
    EXPECT_EQ(to, Square::None);
    EXPECT_EQ(liar.questions, long{MaxRandomMovePairs} + 1);
}

TEST(RandomMove, PlaysTheSameLegalMovesOnTheRealBoardInEveryRun) {
    std::vector<std::pair<Square, Square>> runs[2];
    for (auto& moves : runs) {
        RandomSequence random;
        BoardModel board;
        for (int ply = 0; ply < 40; ++ply) {
            Square from = Square::None, to = Square::None;
            if (!ChooseRandomMove(random, board, from, to)) break;
            ASSERT_TRUE(board.IsLegalMove(from, to));
            ASSERT_TRUE(board.ExecuteMove(from, to));
            moves.emplace_back(from, to);
        }
    }
    EXPECT_GE(runs[0].size(), 2u);
    EXPECT_EQ(runs[0], runs[1]);
}

TEST(RandomMove, AStalematedSideGetsNoMove) {
    BoardModel board;
    // Black: king h8; White: queen g6, king e1; Black to move.
    std::string position(64, ' ');
    position[Ordinal(Square::H8) - 1] = 'k';
    position[Ordinal(Square::G6) - 1] = 'Q';
    position[Ordinal(Square::E1) - 1] = 'K';
    board.SetPosition(position);
    board.SetWhiteToMove(false);

    RandomSequence random;
    Square from = Square::None, to = Square::None;
    EXPECT_FALSE(ChooseRandomMove(random, board, from, to));
    EXPECT_EQ(from, Square::None);
    EXPECT_EQ(to, Square::None);
    EXPECT_EQ(random.State(), 0u);
}

} // namespace
} // namespace quintavo::appcore
