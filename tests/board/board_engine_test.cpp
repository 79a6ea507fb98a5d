// The board with the real engine: the computer answers a dragged move from
// its thread, and its move slides across the board.
#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

#include "board/silent_abort.h"
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

// With CustomEngine the host answers for the computer: asked by MakeMove's
// StartThinking, then again after events and at the poll timer's ticks while
// its answer is refused; never without a handler or while loading.
TEST(BoardEngine, CustomEngineIsAskedAfterEventsAndTicks) {
    GameWindow game(FirstLegalMove, /*computerPlaysBlack=*/true);
    TChessBoard& board = *game.board;
    board.SetCustomEngine(true);
    int failures = 0;
    board.OnCalculationFailed = [&](Square from, Square to) {
        EXPECT_EQ(from, Square::None);
        EXPECT_EQ(to, Square::None);
        ++failures;
    };
    game.window->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return board.FirstPaintDone(); }));
    // "Nothing happened" holds only once the poll timer has ticked.
    int ticks = 0;
    QObject::connect(board.findChild<QTimer*>(QStringLiteral("PollTimer")), &QTimer::timeout,
                     [&] { ++ticks; });
    auto waitTicks = [&](int more) {
        const int until = ticks + more;
        return QTest::qWaitFor([&] { return ticks >= until; }, 10000);
    };
    ASSERT_TRUE(board.MakeMove(Square::E2, Square::E4));
    ASSERT_TRUE(waitTicks(2));
    EXPECT_EQ(failures, 0); // no handler: the computer never moves, nothing fails

    int asked = 0;
    board.SetOnCalculateMove([&](Square&, Square&) { ++asked; }); // leaves both None
    ASSERT_TRUE(QTest::qWaitFor([&] { return failures >= 2; }));
    EXPECT_EQ(asked, failures);

    board.BeginLoading();
    const int whileLoading = failures;
    ASSERT_TRUE(waitTicks(2));
    EXPECT_EQ(failures, whileLoading);
    board.EndLoading();

    board.SetOnCalculateMove([&](Square& from, Square& to) {
        from = Square::E7;
        to = Square::E5;
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return board.WhiteToMove(); }));
    EXPECT_EQ(board.PieceAt(Square::E5), 'p');
}

// Handlers see the model's events; one that throws ends only itself, and the
// move is made whole.
TEST(BoardEngine, ModelEventsReachTheBoardsHandlers) {
    GameWindow game;
    TChessBoard& board = *game.board;
    board.SetAnimateMoves(false);
    board.SetPosition("       k" + std::string(" P      ") + std::string(40, ' ') + "    K   ");
    std::vector<std::string> events;
    board.OnLegalMove = [&](Square, Square) {
        events.push_back("legal");
        throw SilentAbort();
    };
    board.OnPromotion = [&](Square, Square, char& piece) {
        events.push_back("promotion");
        piece = 'n';
    };
    board.OnPaint = [&] { events.push_back("paint"); };
    board.SetPosition(board.Position()); // a full paint
    events.clear();
    ASSERT_TRUE(board.ExecuteMove(Square::B7, Square::B8));
    EXPECT_EQ(events, (std::vector<std::string>{"legal", "promotion", "paint"}));
    EXPECT_EQ(board.PieceAt(Square::B8), 'N');
    EXPECT_EQ(board.PromotionPiece(), 'n');
    EXPECT_FALSE(board.WhiteToMove());
}

} // namespace
} // namespace quintavo::test
