// The board moving between a screen of ratio 1 and one of ratio 2: drawn anew
// in the new screen's pixels, and exactly as before when it comes back.
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include "board_fixture.h"

namespace quintavo::test {
namespace {

TEST(ScreenChange, BoardIsDrawnAnewForTheScreensRatio) {
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    GameWindow game;
    TChessBoard& board = *game.board;
    game.window->move(100, 100);
    game.window->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return board.FirstPaintDone(); }));
    ASSERT_EQ(board.devicePixelRatioF(), 1.0);
    const QImage before = board.Canvas();
    EXPECT_EQ(before.size(), QSize(400, 400));

    game.window->move(1200, 100);
    ASSERT_TRUE(QTest::qWaitFor([&] { return board.Canvas().devicePixelRatio() == 2.0; }));
    EXPECT_EQ(board.Canvas().size(), QSize(800, 800));
    EXPECT_EQ(board.ScreenPieces().Images[0].width(), 80);
    EXPECT_EQ(PixelAt(board.Canvas(), 2 * 66, 2 * 111), Rgb(0x808080)); // b6

    game.window->move(100, 100);
    ASSERT_TRUE(QTest::qWaitFor([&] { return board.Canvas().devicePixelRatio() == 1.0; }));
    EXPECT_EQ(board.Canvas(), before);
}

} // namespace
} // namespace quintavo::test
