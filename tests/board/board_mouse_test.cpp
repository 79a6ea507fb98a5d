// The board's mouse: squares under points, real drags with QTest, clicks and
// their veto, corner resizing, and the points a sliding piece visits.
#include <QApplication>
#include <QGuiApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board/silent_abort.h"
#include "board_fixture.h"

namespace quintavo::test {
namespace {

TEST(BoardMouse, SquareAtPoints) {
    struct Case {
        int x, y;
        bool whiteOnTop;
        Square expected;
    };
    const Case cases[] = {
        {20, 20, false, Square::A8},    {379, 379, false, Square::H1},
        {19, 100, false, Square::None}, {380, 100, false, Square::None},
        {200, 19, false, Square::None}, {200, 380, false, Square::None},
        {64, 20, false, Square::A8},    {65, 20, false, Square::B8},
        {64, 65, false, Square::A7},    {200, 300, false, Square::E2},
        {20, 20, true, Square::H1},     {379, 379, true, Square::A8},
        {200, 300, true, Square::D7},
    };
    GameWindow game;
    for (const Case& c : cases) {
        game.board->SetWhiteOnTop(c.whiteOnTop);
        EXPECT_EQ(game.board->SquareAt(c.x, c.y), c.expected)
            << c.x << "," << c.y << (c.whiteOnTop ? " turned" : "");
    }
    game.board->SetWhiteOnTop(false);
    EXPECT_EQ(game.board->SquareOrigin(Square::A8), QPoint(20, 20));
    EXPECT_EQ(game.board->SquareOrigin(Square::E2), QPoint(200, 290));
    game.board->SetWhiteOnTop(true);
    EXPECT_EQ(game.board->SquareOrigin(Square::A8), QPoint(335, 335));
    EXPECT_EQ(game.board->SquareOrigin(Square::E2), QPoint(155, 65));
}

// A shown game window whose board logs what it reports.
struct DragTest : ::testing::Test {
    void SetUp() override { Open(FirstLegalMove); }

    void Open(TChessBoard::SearchFunction search) {
        game = std::make_unique<GameWindow>(std::move(search));
        board = game->board;
        game->window->show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return board->FirstPaintDone(); }));
        board->OnLegalMove = [&](Square a, Square b) { log.push_back("legal " + Name(a, b)); };
        board->OnIllegalMove = [&](Square sq) { log.push_back("illegal " + SquareName(sq)); };
        board->OnClick = [&] { log.push_back("click"); };
        board->OnMouseUp = [&](Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
            log.push_back("up");
        };
        board->AnimationStepHook = [&](QPoint p) { steps.push_back(p); };
    }

    static std::string Name(Square a, Square b) { return SquareName(a) + "-" + SquareName(b); }

    QPoint Centre(Square sq) const { return board->SquareOrigin(sq) + QPoint(22, 22); }

    // Presses on the square, passes the drag threshold, moves to the point.
    void Lift(Square from, QPoint to) {
        const QPoint start = Centre(from);
        QTest::mousePress(board, Qt::LeftButton, {}, start);
        QTest::mouseMove(board, start + QPoint(TChessBoard::DragThreshold, 0));
        QTest::mouseMove(board, to);
    }

    void Drag(Square from, QPoint to) {
        Lift(from, to);
        QTest::mouseRelease(board, Qt::LeftButton, {}, to);
    }

    std::unique_ptr<GameWindow> game;
    TChessBoard* board = nullptr;
    std::vector<std::string> log;
    std::vector<QPoint> steps;
};

TEST_F(DragTest, LegalDropExecutesTheMoveWithoutSliding) {
    Drag(Square::E2, Centre(Square::E4));
    EXPECT_EQ(log, std::vector<std::string>{"legal E2-E4"});
    EXPECT_EQ(board->PieceAt(Square::E4), 'P');
    EXPECT_EQ(board->DragFromSquare(), Square::E2);
    EXPECT_EQ(board->DropSquare(), Square::E4);
    EXPECT_TRUE(steps.empty()); // the move just dropped does not slide
    EXPECT_EQ(InkIn(board->Canvas(), QRect(board->SquareOrigin(Square::E2), QSize(45, 45)),
                    Rgb(0xFFFFFF)),
              0);
    EXPECT_FALSE(board->FloatingPieceWidget()->isVisible());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(DragTest, FloatingPieceFollowsThePointerAndEscapeCancels) {
    const QImage before = board->Canvas();
    Lift(Square::E2, Centre(Square::E4));
    ASSERT_TRUE(board->Dragging());
    QWidget* floating = board->FloatingPieceWidget();
    ASSERT_NE(floating, nullptr);
    EXPECT_TRUE(floating->isVisible());
    EXPECT_EQ(floating->parentWidget(), game->window.get());
    // Top-left at the pointer less half a square, in the parent's coordinates.
    EXPECT_EQ(floating->pos(), board->pos() + Centre(Square::E4) - QPoint(22, 22));
    EXPECT_EQ(InkIn(board->Canvas(), QRect(board->SquareOrigin(Square::E2), QSize(45, 45)),
                    Rgb(0xFFFFFF)),
              0); // lifted off its square
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::DragMoveCursor);
    QTest::mouseMove(board, Centre(Square::E5));
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::ForbiddenCursor);

    QTest::keyClick(board, Qt::Key_Escape);
    EXPECT_EQ(log, std::vector<std::string>{"illegal E2"});
    EXPECT_FALSE(board->Dragging());
    EXPECT_FALSE(floating->isVisible());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(board->Canvas(), before);
    EXPECT_EQ(board->Position(), StartPosition);
    // The release that follows still belongs to the drag: no click.
    QTest::mouseRelease(board, Qt::LeftButton, {}, Centre(Square::E5));
    EXPECT_EQ(log, std::vector<std::string>{"illegal E2"});
}

TEST_F(DragTest, RefusedDropsPutThePieceBack) {
    struct Case {
        const char* name;
        Square from;
        QPoint to;
        const char* reported;
    };
    const Case cases[] = {
        {"illegal square", Square::E2, Centre(Square::E5), "illegal E2"},
        {"on the border", Square::E2, QPoint(10, 300), "illegal E2"},
        {"outside the board", Square::G1, QPoint(-50, 500), "illegal G1"},
        {"side not to move", Square::E7, Centre(Square::E5), "illegal E7"},
    };
    const QImage before = board->Canvas();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        log.clear();
        Drag(c.from, c.to);
        EXPECT_EQ(log, std::vector<std::string>{c.reported});
        EXPECT_EQ(board->Position(), StartPosition);
        EXPECT_EQ(board->Canvas(), before);
        EXPECT_FALSE(board->FloatingPieceWidget()->isVisible());
    }
}

TEST_F(DragTest, PlainClickOnAPieceIsAnIllegalMove) {
    const QImage before = board->Canvas();
    QTest::mouseClick(board, Qt::LeftButton, {}, Centre(Square::B1));
    EXPECT_EQ(log, std::vector<std::string>{"illegal B1"});
    EXPECT_EQ(board->Canvas(), before);
    // A move short of the threshold is still a click.
    log.clear();
    QTest::mousePress(board, Qt::LeftButton, {}, Centre(Square::B1));
    QTest::mouseMove(board, Centre(Square::B1) + QPoint(TChessBoard::DragThreshold - 1, 0));
    QTest::mouseRelease(board, Qt::LeftButton, {}, Centre(Square::B1));
    EXPECT_EQ(log, std::vector<std::string>{"illegal B1"});
    EXPECT_EQ(board->FloatingPieceWidget(), nullptr); // it never floated
}

// Desktops often set 10 pixels; the board keeps its own 5.
TEST_F(DragTest, FivePixelsStartADragWhateverTheDesktopSays) {
    const int desktop = QApplication::startDragDistance();
    QApplication::setStartDragDistance(10);
    QTest::mousePress(board, Qt::LeftButton, {}, Centre(Square::B1));
    QTest::mouseMove(board, Centre(Square::B1) + QPoint(0, 5));
    EXPECT_TRUE(board->Dragging());
    QTest::mouseRelease(board, Qt::LeftButton, {}, Centre(Square::B1) + QPoint(0, 5));
    QApplication::setStartDragDistance(desktop);
    EXPECT_FALSE(board->Dragging());
}

TEST_F(DragTest, DropOnItsOwnSquareOnlyRedraws) {
    const QImage before = board->Canvas();
    Drag(Square::D2, Centre(Square::D2) + QPoint(8, 8));
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(board->DropSquare(), Square::D2);
    EXPECT_EQ(board->Position(), StartPosition);
    EXPECT_EQ(board->Canvas(), before);
}

TEST_F(DragTest, ClickOnAnEmptySquareAndItsVeto) {
    QTest::mouseClick(board, Qt::LeftButton, {}, Centre(Square::E4));
    QTest::mouseClick(board, Qt::RightButton, {}, Centre(Square::E4));
    EXPECT_EQ(log, (std::vector<std::string>{"click", "up", "up"}));

    log.clear();
    board->OnClick = [&] {
        log.push_back("veto");
        throw SilentAbort();
    };
    QTest::mouseClick(board, Qt::LeftButton, {}, QPoint(5, 5)); // on the border
    EXPECT_EQ(log, std::vector<std::string>{"veto"});           // no OnMouseUp
}

TEST_F(DragTest, DropWhileTheComputerThinksIsRefused) {
    Open(ThinkUntilAborted);
    board->SetComputerPlaysWhite(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return board->Thinking(); }));
    Lift(Square::E2, Centre(Square::E4));
    EXPECT_TRUE(board->FloatingPieceWidget()->isVisible()); // it still floats
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::ForbiddenCursor);
    QTest::mouseRelease(board, Qt::LeftButton, {}, Centre(Square::E4));
    EXPECT_EQ(log, std::vector<std::string>{"illegal E2"});
    EXPECT_EQ(board->Position(), StartPosition);
}

TEST_F(DragTest, CornerResizing) {
    board->SetResizable(true);
    QTest::mouseMove(board, QPoint(395, 395)); // no button: the cursor only
    EXPECT_EQ(board->cursor().shape(), Qt::SizeFDiagCursor);
    QTest::mouseMove(board, QPoint(200, 200));
    EXPECT_EQ(board->cursor().shape(), Qt::ArrowCursor);

    QTest::mousePress(board, Qt::LeftButton, {}, QPoint(395, 395));
    QTest::mouseMove(board, QPoint(396, 396));
    EXPECT_TRUE(board->ResizingActive());
    QTest::mouseMove(board, QPoint(700, 650));
    EXPECT_EQ(board->width(), 700);
    QTest::mouseMove(board, QPoint(50, 60));
    EXPECT_EQ(board->width(), 100);
    QTest::mouseRelease(board, Qt::LeftButton, {}, QPoint(50, 60));
    EXPECT_FALSE(board->ResizingActive());
    // The next paint makes it square again.
    ASSERT_TRUE(QTest::qWaitFor([&] { return board->width() == board->height(); }));
    EXPECT_EQ(board->width(), 8 * board->SizeOfSquare() + 40);

    board->SetResizable(false);
    const QSize size = board->size();
    QTest::mousePress(board, Qt::LeftButton, {}, QPoint(size.width() - 2, size.height() - 2));
    QTest::mouseMove(board, QPoint(size.width() - 1, size.height() - 1));
    QTest::mouseMove(board, QPoint(700, 650));
    QTest::mouseRelease(board, Qt::LeftButton, {}, QPoint(700, 650));
    EXPECT_EQ(board->size(), size);
}

// The slide runs in the parent's coordinates, from the from-square's corner
// to the to-square's, one pixel a step.
TEST_F(DragTest, KnightSlidesAcrossThenUpOrDown) {
    const QPoint start = board->pos() + board->SquareOrigin(Square::G1);
    const QPoint end = board->pos() + board->SquareOrigin(Square::F3);
    std::vector<QPoint> expected;
    for (int x = start.x(); x >= end.x(); --x)
        expected.emplace_back(x, start.y());
    for (int y = start.y(); y >= end.y(); --y)
        expected.emplace_back(end.x(), y);
    ASSERT_TRUE(board->ExecuteMove(Square::G1, Square::F3));
    EXPECT_EQ(steps, expected);
    EXPECT_EQ(start, QPoint(306, 396));
    EXPECT_FALSE(board->FloatingPieceWidget()->isVisible());
    EXPECT_EQ(board->PieceAt(Square::F3), 'N');
}

TEST_F(DragTest, BishopSlidesOnePixelAcrossAndOneUpEachStep) {
    board->SetPosition("k" + std::string(55, ' ') + "  B KR  "); // c1, e1, f1
    const QPoint start = board->pos() + board->SquareOrigin(Square::C1);
    ASSERT_TRUE(board->ExecuteMove(Square::C1, Square::H6));
    ASSERT_EQ(steps.size(), 5u * 45 + 1);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        ASSERT_EQ(steps[i], start + QPoint(static_cast<int>(i), -static_cast<int>(i))) << i;
    }

    steps.clear(); // a straight line along a file: y is the major axis
    board->SetWhiteToMove(true);
    ASSERT_TRUE(board->ExecuteMove(Square::F1, Square::F8));
    ASSERT_EQ(steps.size(), 7u * 45 + 1);
    EXPECT_EQ(steps.front().x(), steps.back().x());
    EXPECT_EQ(steps.front().y() - steps.back().y(), 7 * 45);
}

TEST_F(DragTest, NoSlideWhileTheUsersPieceFloats) {
    Lift(Square::E2, Centre(Square::E3));
    ASSERT_TRUE(board->FloatingPieceWidget()->isVisible());
    // A move arriving now (as the computer's would) lands without sliding.
    board->SetAnimateMoves(true);
    ASSERT_TRUE(board->ExecuteMove(Square::G1, Square::F3));
    EXPECT_TRUE(steps.empty());
    EXPECT_FALSE(board->FloatingPieceWidget()->isVisible());
    // The drag goes on: the next move shows the piece again.
    QTest::mouseMove(board, Centre(Square::E4));
    EXPECT_TRUE(board->FloatingPieceWidget()->isVisible());
    QTest::mouseRelease(board, Qt::LeftButton, {}, Centre(Square::E4));
    EXPECT_EQ(log, (std::vector<std::string>{"legal G1-F3", "illegal E2"})); // Black to move
}

TEST_F(DragTest, ClosingTheWindowMidDragLeavesNoCursorBehind) {
    Lift(Square::E2, Centre(Square::E4));
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    game.reset();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// Without a parent the floating piece is a window of its own, placed and
// slid in screen coordinates.
TEST(BoardMouseTopLevel, FloatingPieceIsAToolWindow) {
    TChessBoard board(nullptr, TChessBoard::SearchFunction(FirstLegalMove));
    board.move(100, 80);
    board.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return board.FirstPaintDone(); }));
    std::vector<QPoint> steps;
    board.AnimationStepHook = [&](QPoint p) { steps.push_back(p); };
    ASSERT_TRUE(board.ExecuteMove(Square::E2, Square::E4));
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.front(), board.mapToGlobal(board.SquareOrigin(Square::E2)));
    EXPECT_EQ(steps.back(), board.mapToGlobal(board.SquareOrigin(Square::E4)));
    QWidget* floating = board.FloatingPieceWidget();
    ASSERT_NE(floating, nullptr);
    EXPECT_TRUE(floating->isWindow());
    EXPECT_FALSE(floating->isVisible());

    const QPoint start = board.SquareOrigin(Square::E7) + QPoint(20, 20);
    QTest::mousePress(&board, Qt::LeftButton, {}, start);
    QTest::mouseMove(&board, start + QPoint(0, TChessBoard::DragThreshold));
    QTest::mouseMove(&board, QPoint(200, 150));
    EXPECT_TRUE(floating->isVisible());
    EXPECT_EQ(floating->pos(), board.mapToGlobal(QPoint(200 - 20, 150 - 20)));
    QTest::mouseRelease(&board, Qt::LeftButton, {}, QPoint(200, 150));
    EXPECT_FALSE(floating->isVisible());
}

} // namespace
} // namespace quintavo::test
