// The board's drawing, read back pixel by pixel from its backing image.
#include <QDir>
#include <QPainter>

#include <gtest/gtest.h>

#include "assets/assets.h"
#include "board/piece_set.h"
#include "board_fixture.h"

namespace quintavo::test {
namespace {

constexpr TColor Silver = 0xC0C0C0;
constexpr TColor Grey = 0x808080;
constexpr TColor White = 0xFFFFFF;
const std::string EmptyBoard(64, ' ');

QImage BuiltInSet(int number) {
    InitAssets();
    return QImage(BuiltInPieceSetPath(number));
}

// A set whose White pieces are solid red squares and Black ones solid blue.
QImage SolidSet(int cell) {
    QImage set(6 * cell, 4 * cell, QImage::Format_RGB32);
    set.fill(Qt::black); // masks: every pixel belongs to the piece
    QPainter painter(&set);
    painter.fillRect(0, 0, 6 * cell, cell, Qt::red);
    painter.fillRect(0, 2 * cell, 6 * cell, cell, Qt::blue);
    return set;
}

// The picture of one square: its colour with the piece drawn at an offset.
QImage ExpectedCell(int size, TColor colour, char letter, int offset) {
    QImage cell(size, size, QImage::Format_RGB32);
    cell.fill(ToQColor(colour));
    const PieceImages pieces = CutPieceSet(LoadDefaultPieceSet());
    QPainter painter(&cell);
    painter.drawImage(offset, offset, pieces.Images[PieceImageIndex(letter)]);
    return cell;
}

TEST(BoardPaint, FreshBoardHasItsConstructionDefaults) {
    TChessBoard board(nullptr, TChessBoard::SearchFunction(FirstLegalMove));
    EXPECT_EQ(board.size(), QSize(368, 368));
    EXPECT_EQ(board.SizeOfSquare(), 40);
    EXPECT_EQ(board.SizeOfBorder(), 24);
    EXPECT_EQ(board.BoardOriginX(), 24);
    EXPECT_EQ(board.PieceCellSize(), 40);
    EXPECT_EQ(board.BorderColor(), 0x000000u);
    EXPECT_EQ(board.SquareColorDark(), Grey);
    EXPECT_EQ(board.SquareColorLight(), Silver);
    EXPECT_EQ(board.CoordFontColor(), White);
    EXPECT_EQ(board.CoordFont().family(), QStringLiteral("Arial"));
    EXPECT_EQ(board.CoordFont().pointSize(), 7);
    EXPECT_EQ(board.LineStyle().style(), Qt::SolidLine);
    EXPECT_EQ(board.Position(), StartPosition);
    EXPECT_EQ(board.PromotionPiece(), 'q');
    EXPECT_FALSE(board.FirstPaintDone());

    board.SetVersion(QStringLiteral("9.9"));
    board.SetThinking(true);
    board.SetCurrentMove(7);
    EXPECT_TRUE(board.Version().isEmpty());
    EXPECT_FALSE(board.Thinking());
    EXPECT_EQ(board.CurrentMove(), 1);

    board.SetResizeMinSize(2000); // above the maximum
    EXPECT_EQ(board.ResizeMinSize(), 1000);
    board.SetResizeMinSize(100);
    board.SetResizeMaxSize(50); // below the minimum
    EXPECT_EQ(board.ResizeMaxSize(), 100);
}

TEST(BoardPaint, SizeFollowsTheSquaresAndTheBorder) {
    GameWindow game;
    game.board->Paint();
    EXPECT_EQ(game.board->size(), QSize(400, 400));
    EXPECT_EQ(game.board->SizeOfSquare(), 45);

    // A resize snaps to the size rule at the next paint: the mean of the
    // sides, rounded down to whole squares.
    TChessBoard board(nullptr, TChessBoard::SearchFunction(FirstLegalMove));
    board.resize(500, 400);
    board.Paint();
    EXPECT_EQ(board.size(), QSize(448, 448));
    EXPECT_EQ(board.SizeOfSquare(), 50);
    EXPECT_EQ(board.Canvas().size(), QSize(448, 448));

    // The square size asked for is the one kept.
    board.SetSizeOfSquare(45);
    board.Paint();
    EXPECT_EQ(board.SizeOfSquare(), 45);
    EXPECT_EQ(board.size(), QSize(408, 408));

    // A board smaller than its borders has no squares, not a huge size.
    board.resize(30, 30);
    board.Paint();
    EXPECT_EQ(board.SizeOfSquare(), 0);
    EXPECT_EQ(board.size(), QSize(48, 48));
    EXPECT_EQ(board.SquareAt(24, 24), Square::None);
}

TEST(BoardPaint, SquaresAndBorderInTheirColours) {
    GameWindow game;
    game.board->Paint();
    const QImage& canvas = game.board->Canvas();
    for (QPoint p : {QPoint(0, 0), QPoint(19, 19), QPoint(10, 200), QPoint(399, 399),
                     QPoint(385, 30), QPoint(200, 390)})
        EXPECT_EQ(PixelAt(canvas, p.x(), p.y()), Rgb(Silver)) << p.x() << "," << p.y();
    // a6 is light, b6 dark; a6 spans 20 ... 64 both ways from row 2.
    const int row6 = 2 * 45 + 20;
    EXPECT_EQ(PixelAt(canvas, 20, row6), Rgb(White));
    EXPECT_EQ(PixelAt(canvas, 64, row6 + 44), Rgb(White));
    EXPECT_EQ(PixelAt(canvas, 65, row6), Rgb(Grey));
    EXPECT_EQ(PixelAt(canvas, 379, 379 - 45), Rgb(Grey)); // h2
}

TEST(BoardPaint, PieceIsCentredAtItsNativeSizeAndTurnsWithTheBoard) {
    GameWindow game;
    game.board->Paint();
    // a8's rook: cell at (20, 20), piece at (22, 22).
    const QImage a8 = ExpectedCell(45, White, 'r', 2);
    EXPECT_EQ(game.board->Canvas().copy(20, 20, 45, 45), a8);
    EXPECT_EQ(game.board->Canvas().copy(335, 335, 45, 45), ExpectedCell(45, White, 'R', 2));

    game.board->SetWhiteOnTop(true);
    EXPECT_EQ(game.board->Canvas().copy(335, 335, 45, 45), a8); // piece at (337, 337)
    EXPECT_EQ(game.board->Canvas().copy(20, 20, 45, 45), ExpectedCell(45, White, 'R', 2));
}

TEST(BoardPaint, CoordinateLabelsOnTheChosenSides) {
    struct Case {
        CoordSet sides;
    };
    const Case cases[] = {{West}, {North | East}, {South}, {West | North | East | South}, {0}};
    GameWindow game;
    for (const Case& c : cases) {
        game.board->SetDisplayCoords(c.sides);
        const QImage& canvas = game.board->Canvas();
        const QRgb border = Rgb(Silver);
        const bool west = InkIn(canvas, QRect(0, 20, 20, 360), border) > 0;
        const bool east = InkIn(canvas, QRect(380, 20, 20, 360), border) > 0;
        const bool north = InkIn(canvas, QRect(20, 0, 360, 20), border) > 0;
        const bool south = InkIn(canvas, QRect(20, 380, 360, 20), border) > 0;
        SCOPED_TRACE(c.sides);
        EXPECT_EQ(west, (c.sides & West) != 0);
        EXPECT_EQ(east, (c.sides & East) != 0);
        EXPECT_EQ(north, (c.sides & North) != 0);
        EXPECT_EQ(south, (c.sides & South) != 0);
    }
}

TEST(BoardPaint, TurnedBoardLabelsRunTheOtherWay) {
    GameWindow game;
    game.board->SetDisplayCoords(West | North);
    const QImage normal = game.board->Canvas();
    game.board->SetWhiteOnTop(true);
    const QImage turned = game.board->Canvas();
    const QRect topRow(0, 20, 20, 45), bottomRow(0, 335, 20, 45);
    const QRect firstFile(20, 0, 45, 20), lastFile(335, 0, 45, 20);
    // "1" moves from the bottom row to the top, "H" from the last file to the first.
    EXPECT_EQ(turned.copy(topRow), normal.copy(bottomRow));
    EXPECT_NE(turned.copy(topRow), normal.copy(topRow));
    EXPECT_EQ(turned.copy(firstFile), normal.copy(lastFile));
    EXPECT_NE(turned.copy(firstFile), normal.copy(firstFile));
}

TEST(BoardPaint, TexturesTileFromTheControlsOrigin) {
    QImage texture(20, 20, QImage::Format_RGB32);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            texture.setPixel(x, y, qRgb(x * 12, y * 12, 77));
    GameWindow game;
    TChessBoard& board = *game.board;
    board.SetPosition(EmptyBoard);
    board.SetSquareDark(texture);
    board.SetBorderBitmap(texture);
    const QImage& canvas = board.Canvas();
    int mismatches = 0;
    for (int y = 0; y < 400; ++y) {
        for (int x = 0; x < 400; ++x) {
            const Square sq = board.SquareAt(x, y);
            const bool textured = sq == Square::None || !IsLightSquare(sq);
            const QRgb expected = textured ? texture.pixel(x % 20, y % 20) : Rgb(White);
            if (PixelAt(canvas, x, y) != expected) ++mismatches;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(BoardPaint, InvalidCustomSetKeepsTheBuiltInPieces) {
    const QImage set2 = BuiltInSet(2);
    ASSERT_EQ(set2.size(), QSize(94, 64));

    GameWindow reference;
    reference.board->Paint();
    const QImage builtIn = reference.board->Canvas();

    // Through the setter: ignored.
    GameWindow game;
    game.board->Paint();
    game.board->SetCustomPieceSet(set2);
    EXPECT_TRUE(game.board->CustomPieceSet().isNull());
    EXPECT_EQ(game.board->PieceCellSize(), 40);
    EXPECT_EQ(game.board->Canvas(), builtIn);

    // Written into the bitmap before the first paint, as the settings do: the
    // first paint falls back to the built-in set.
    GameWindow settings;
    settings.board->CustomPieceSetBitmap() = set2;
    settings.board->Paint();
    EXPECT_EQ(settings.board->PieceCellSize(), 40);
    EXPECT_EQ(settings.board->Canvas(), builtIn);
}

TEST(BoardPaint, ValidCustomSetTakesEffectThroughSetterOrBeforeTheFirstPaint) {
    GameWindow reference;
    reference.board->Paint();
    const QImage builtIn = reference.board->Canvas();
    const QImage set4 = BuiltInSet(4); // 240 x 160, other pictures

    GameWindow early;
    early.board->CustomPieceSetBitmap() = set4;
    early.board->Paint();
    EXPECT_EQ(early.board->PieceCellSize(), 40);
    EXPECT_NE(early.board->Canvas().copy(20, 20, 45, 45), builtIn.copy(20, 20, 45, 45));

    // After the first paint a direct write shows nothing new; the setter does.
    GameWindow late;
    late.board->Paint();
    late.board->CustomPieceSetBitmap() = set4;
    late.board->Paint();
    EXPECT_EQ(late.board->Canvas(), builtIn);
    late.board->SetCustomPieceSet(set4);
    EXPECT_EQ(late.board->Canvas(), early.board->Canvas());

    // An empty set goes back to the built-in pieces.
    late.board->SetCustomPieceSet(QImage());
    EXPECT_EQ(late.board->Canvas(), builtIn);
}

TEST(BoardPaint, LargerCellsOverlapTheirNeighbours) {
    GameWindow game;
    game.board->SetCustomPieceSet(SolidSet(64));
    ASSERT_EQ(game.board->PieceCellSize(), 64);
    const QImage& canvas = game.board->Canvas();
    // o = (45 - 64) / 2 = -9 (truncated toward zero): a8's piece from (11, 11).
    EXPECT_EQ(PixelAt(canvas, 11, 11), qRgb(0, 0, 255));
    EXPECT_EQ(PixelAt(canvas, 10, 10), Rgb(Silver));
    EXPECT_EQ(PixelAt(canvas, 11, 10), Rgb(Silver));
    EXPECT_EQ(PixelAt(canvas, 335 + 2 + 2 + 45, 335 + 40), qRgb(255, 0, 0)); // h1 into the border
}

TEST(BoardPaint, FramesAndGridLinesUseTheLineStyle) {
    GameWindow game;
    TChessBoard& board = *game.board;
    board.SetBoardLines(true);
    const QImage& canvas = board.Canvas();
    // The game window's clear pen draws nothing.
    EXPECT_EQ(PixelAt(canvas, 0, 0), Rgb(Silver));
    EXPECT_EQ(PixelAt(canvas, 19, 19), Rgb(Silver));
    EXPECT_EQ(PixelAt(canvas, 65, 150), Rgb(Grey)); // b6's left edge

    board.SetLineStyle(QPen(Qt::red, 1));
    const QRgb red = qRgb(255, 0, 0);
    for (QPoint p : {QPoint(0, 0), QPoint(399, 0), QPoint(0, 399), QPoint(19, 19), QPoint(380, 19),
                     QPoint(380, 380), QPoint(19, 380)})
        EXPECT_EQ(PixelAt(canvas, p.x(), p.y()), red) << p.x() << "," << p.y();
    EXPECT_EQ(PixelAt(canvas, 20, 20), Rgb(White)); // inside the frames
    EXPECT_EQ(PixelAt(canvas, 65, 150), red);       // grid line between a and b
    EXPECT_EQ(PixelAt(canvas, 150, 65), red);

    // A move repaints its squares with black segments that the grid lines
    // then cover in the pen's colour.
    board.SetAnimateMoves(false);
    ASSERT_TRUE(board.ExecuteMove(Square::E2, Square::E4));
    EXPECT_EQ(PixelAt(canvas, 200, 300), red); // d2|e2 edge
    EXPECT_EQ(PixelAt(canvas, 210, 290), red); // e3|e2 edge

    board.SetBoardLines(false);
    EXPECT_EQ(PixelAt(canvas, 65, 150), Rgb(Grey));
}

TEST(BoardPaint, SteppingBackRepaintsTheChangedSquares) {
    GameWindow game;
    TChessBoard& board = *game.board;
    board.SetAnimateMoves(false);
    board.Paint();
    const QImage start = board.Canvas();
    ASSERT_TRUE(board.ExecuteMove(Square::E2, Square::E4));
    ASSERT_TRUE(board.ExecuteMove(Square::G8, Square::F6));
    EXPECT_NE(board.Canvas(), start);
    ASSERT_TRUE(board.StepBack());
    ASSERT_TRUE(board.StepBack());
    EXPECT_EQ(board.Canvas(), start);
}

TEST(BoardPaint, OnPaintOpensEveryPaintExceptWhileDesigningOrLoading) {
    GameWindow game;
    int paints = 0;
    game.board->OnPaint = [&] { ++paints; };
    game.board->Paint();
    game.board->SetBorderColor(0x123456);
    EXPECT_EQ(paints, 2);

    game.board->BeginLoading();
    game.board->SetBorderColor(0x654321);
    EXPECT_EQ(paints, 2);
    EXPECT_EQ(PixelAt(game.board->Canvas(), 0, 0), Rgb(0x123456));
    game.board->EndLoading();

    TChessBoard designed(nullptr, TChessBoard::DesignTime{});
    int designedPaints = 0;
    designed.OnPaint = [&] { ++designedPaints; };
    designed.Paint();
    EXPECT_EQ(designedPaints, 0);
    EXPECT_TRUE(designed.FirstPaintDone());
    designed.SetComputerPlaysWhite(true);
    EXPECT_FALSE(designed.Thinking());
}

// Pictures for a person to look at: the game window's board with every
// built-in set (set 2 falls back to the board's own pieces).
TEST(BoardPaint, ScreenshotsOfEveryBuiltInSet) {
    const QString folder = QStringLiteral(QUINTAVO_ARTIFACT_DIR "/board");
    ASSERT_TRUE(QDir().mkpath(folder));
    for (int number = -1; number < BuiltInPieceSetCount; ++number) {
        GameWindow game;
        QImage set;
        if (number >= 0) {
            set = BuiltInSet(number);
            ASSERT_FALSE(set.isNull()) << number;
            game.board->CustomPieceSetBitmap() = set;
        }
        if (number == 8) game.board->SetDisplayCoords(West | North | East | South);
        game.board->Paint();
        const int expectedCell = number >= 0 && IsValidPieceSet(set) ? set.height() / 4 : 40;
        EXPECT_EQ(game.board->PieceCellSize(), expectedCell) << number;
        const QString name = number < 0 ? QStringLiteral("board_default.png")
                                        : QStringLiteral("board_set%1.png").arg(number);
        EXPECT_TRUE(game.board->Canvas().save(folder + QLatin1Char('/') + name)) << number;
    }
}

} // namespace
} // namespace quintavo::test
