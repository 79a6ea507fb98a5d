// The board with the real engine: the computer answers a dragged move from
// its thread, and its move slides across the board.
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

#include "board_fixture.h"

namespace quintavo::test {
namespace {

TEST(BoardEngine, ComputerAnswersADraggedMove) {
    GameWindow game(nullptr, /*computerPlaysBlack=*/true);
    TChessBoard& board = *game.board;
    game.window->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return board.FirstPaintDone(); }));
    std::vector<std::pair<Square, Square>> moves;
    board.OnLegalMove = [&](Square a, Square b) { moves.emplace_back(a, b); };
    int slideSteps = 0;
    board.AnimationStepHook = [&](QPoint) { ++slideSteps; };

    const QPoint from = board.SquareOrigin(Square::E2) + QPoint(22, 22);
    const QPoint to = board.SquareOrigin(Square::E4) + QPoint(22, 22);
    QTest::mousePress(&board, Qt::LeftButton, {}, from);
    QTest::mouseMove(&board, from + QPoint(0, -QApplication::startDragDistance()));
    QTest::mouseMove(&board, to);
    QTest::mouseRelease(&board, Qt::LeftButton, {}, to);

    ASSERT_TRUE(QTest::qWaitFor([&] { return moves.size() == 2; }, 20000));
    EXPECT_EQ(moves[0], std::make_pair(Square::E2, Square::E4));
    const auto [replyFrom, replyTo] = moves[1];
    EXPECT_EQ(board.Model().PieceColor(replyTo), 0); // a Black piece moved
    EXPECT_EQ(board.PieceAt(replyFrom), ' ');
    EXPECT_TRUE(board.WhiteToMove());
    EXPECT_GT(slideSteps, 0); // the computer's move slid
    EXPECT_FALSE(board.Thinking());
    EXPECT_FALSE(board.FloatingPieceWidget()->isVisible());
}

} // namespace
} // namespace quintavo::test
