// The board on a dense screen (ratio 2, or 1.5 in the second build of this
// file): drawn in the screen's own pixels, with soft piece edges.
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTest>

#include <cmath>
#include <iostream>

#include <gtest/gtest.h>

#include "assets/assets.h"
#include "board/piece_set.h"
#include "board_fixture.h"

namespace quintavo::test {
namespace {

qreal Ratio() {
    return qApp->devicePixelRatio();
}

int Device(int logical) {
    return static_cast<int>(std::lround(logical * Ratio()));
}

QImage Loaded(const QString& path) {
    InitAssets();
    QImage image = LoadPicture(path);
    image.setDevicePixelRatio(1);
    return image;
}

// How a piece's edge looks in the canvas, in device pixels. A pixel-doubled
// picture has no mixed 2x2 block (all four pixels alike) and no blended edge.
struct EdgeMeasure {
    int mixedBlocks = 0; // aligned 2x2 blocks whose pixels differ
    int edgePixels = 0;  // piece pixels beside the square's own colour
    int blended = 0;     // of those, ones between the square's colour and the piece's rim
};

EdgeMeasure MeasureEdge(const QImage& canvas, QRect logicalCell, QRgb square, QRgb rim) {
    const QRect cell = QRect(Device(logicalCell.x()), Device(logicalCell.y()),
                             Device(logicalCell.width()), Device(logicalCell.height())) &
                       canvas.rect();
    EdgeMeasure m;
    const auto px = [&](int x, int y) { return canvas.pixel(x, y) | 0xFF000000u; };
    for (int y = cell.top() & ~1; y + 1 <= cell.bottom(); y += 2)
        for (int x = cell.left() & ~1; x + 1 <= cell.right(); x += 2) {
            const QRgb a = px(x, y);
            if (px(x + 1, y) != a || px(x, y + 1) != a || px(x + 1, y + 1) != a) ++m.mixedBlocks;
        }
    const int lo = std::min(qGray(square), qGray(rim)) + 12;
    const int hi = std::max(qGray(square), qGray(rim)) - 12;
    for (int y = cell.top() + 1; y < cell.bottom(); ++y)
        for (int x = cell.left() + 1; x < cell.right(); ++x) {
            if (px(x, y) == square) continue;
            const bool beside = px(x - 1, y) == square || px(x + 1, y) == square ||
                                px(x, y - 1) == square || px(x, y + 1) == square;
            if (!beside) continue;
            ++m.edgePixels;
            const int grey = qGray(px(x, y));
            if (grey > lo && grey < hi) ++m.blended;
        }
    return m;
}

TEST(DenseBoard, CanvasHasTheScreensPixels) {
    ASSERT_GT(Ratio(), 1.0) << "run with QT_SCALE_FACTOR above 1";
    GameWindow game;
    game.window->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return game.board->FirstPaintDone(); }));
    const QImage& canvas = game.board->Canvas();
    EXPECT_EQ(canvas.devicePixelRatio(), Ratio());
    EXPECT_EQ(canvas.size(), QSize(Device(400), Device(400)));
    EXPECT_EQ(game.board->size(), QSize(400, 400));
    // Squares keep their logical places: b6 is dark, a6 light, the border silver.
    EXPECT_EQ(PixelAt(canvas, Device(66), Device(111)), Rgb(0x808080));
    EXPECT_EQ(PixelAt(canvas, Device(64), Device(154)), Rgb(0xFFFFFF));
    EXPECT_EQ(PixelAt(canvas, Device(19), Device(19)), Rgb(0xC0C0C0));
}

// The Black knight on b8 (a dark square): its light rim against the grey.
TEST(DenseBoard, PieceEdgesAreSmoothNotBlocks) {
    struct Case {
        const char* name;
        QImage set, fine;
    };
    const Case cases[] = {
        {"built-in set", {}, {}},
        {"set 4 with its finer drawing", Loaded(BuiltInPieceSetPath(4)),
         Loaded(BuiltInPieceSet2xPath(4))},
        {"a player's own bitmap, scaled", Loaded(BuiltInPieceSetPath(4)), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameWindow game;
        if (!c.set.isNull()) game.board->CustomPieceSetBitmap() = c.set;
        game.board->FinePieceSetBitmap() = c.fine;
        game.board->Paint();
        const QRect b8(65, 20, 45, 45);
        const QImage& canvas = game.board->Canvas();
        const EdgeMeasure m = MeasureEdge(canvas, b8, Rgb(0x808080), qRgb(0xE6, 0xE6, 0xE6));
        std::cout << "[ measure  ] ratio " << Ratio() << ", " << c.name << ": " << m.mixedBlocks
                  << " mixed 2x2 blocks, " << m.blended << " of " << m.edgePixels
                  << " edge pixels blended\n";
        EXPECT_GT(m.mixedBlocks, 40);
        EXPECT_GT(m.edgePixels, 60);
        EXPECT_GT(m.blended * 100, 40 * m.edgePixels);
    }

    // The measure itself: the coarse knight blown up to the screen's pixels,
    // as the board used to show it, has blocks and hard edges.
    QImage doubled(Device(110), Device(65), QImage::Format_RGB32);
    doubled.fill(QColor(0x808080));
    {
        QImage coarse(110, 65, QImage::Format_RGB32);
        coarse.fill(QColor(0x808080));
        QPainter painter(&coarse);
        painter.drawImage(67, 22, CutPieceSet(LoadDefaultPieceSet()).Images[PieceImageIndex('n')]);
        painter.end();
        doubled = coarse.scaled(doubled.size());
    }
    const EdgeMeasure blocky =
        MeasureEdge(doubled, QRect(65, 20, 45, 45), Rgb(0x808080), qRgb(0xE6, 0xE6, 0xE6));
    std::cout << "[ measure  ] ratio " << Ratio()
              << ", pixel-doubled coarse knight: " << blocky.mixedBlocks << " mixed 2x2 blocks, "
              << blocky.blended << " of " << blocky.edgePixels << " edge pixels blended\n";
    if (Ratio() == 2.0) {
        EXPECT_EQ(blocky.mixedBlocks, 0);
    }
    EXPECT_LT(blocky.blended * 100, 10 * blocky.edgePixels);
}

// The finer drawing is used only beside the set it belongs to.
TEST(DenseBoard, FineSetOfAnotherSizeIsNotUsed) {
    const QImage set4 = Loaded(BuiltInPieceSetPath(4));
    GameWindow own, mismatched;
    own.board->CustomPieceSetBitmap() = set4;
    own.board->Paint();
    mismatched.board->CustomPieceSetBitmap() = set4;
    mismatched.board->FinePieceSetBitmap() = Loaded(BuiltInPieceSet2xPath(8));
    mismatched.board->Paint();
    EXPECT_EQ(mismatched.board->Canvas(), own.board->Canvas());
    // A new custom set through the setter forgets the old finer drawing.
    GameWindow fine;
    fine.board->SetCustomPieceSet(set4);
    fine.board->SetFinePieceSet(Loaded(BuiltInPieceSet2xPath(4)));
    EXPECT_NE(fine.board->Canvas(), own.board->Canvas());
    fine.board->SetCustomPieceSet(set4);
    EXPECT_TRUE(fine.board->FinePieceSet().isNull());
    EXPECT_EQ(fine.board->Canvas(), own.board->Canvas());
}

// The sliding piece is the picture the board draws, at the same size.
TEST(DenseBoard, SlidingPieceIsTheBoardsPicture) {
    GameWindow game;
    TChessBoard& board = *game.board;
    game.window->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return board.FirstPaintDone(); }));
    QImage seen;
    QSize size;
    board.AnimationStepHook = [&](QPoint) {
        if (!seen.isNull()) return;
        auto* floating = board.FloatingPieceWidget();
        seen = floating->grab().toImage();
        size = floating->size();
    };
    board.AnimateMove(Square::G1, Square::F3, 0);
    ASSERT_FALSE(seen.isNull());
    const QImage& knight = board.ScreenPieces().Images[PieceImageIndex('N')];
    EXPECT_EQ(knight.devicePixelRatio(), Ratio());
    EXPECT_EQ(knight.width(), Device(40));
    EXPECT_EQ(size, QSize(40, 40));
    // The floating widget shows those very pixels where the piece is opaque.
    const QImage shown = seen.convertToFormat(QImage::Format_ARGB32);
    const QImage piece = knight.convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(shown.size(), piece.size());
    int compared = 0, differing = 0;
    for (int y = 0; y < piece.height(); ++y)
        for (int x = 0; x < piece.width(); ++x)
            if (qAlpha(piece.pixel(x, y)) == 255) {
                ++compared;
                differing += (shown.pixel(x, y) | 0xFF000000u) != piece.pixel(x, y);
            }
    EXPECT_GT(compared, 400);
    EXPECT_EQ(differing, 0);
}

// Every grid line and frame is as many device pixels wide as every other,
// also where a logical pixel is one and a half of them.
TEST(DenseBoard, LinesAreEvenlyWide) {
    GameWindow game;
    game.board->SetPosition(std::string(64, ' '));
    game.board->SetLineStyle(QPen(Qt::black, 1));
    game.board->SetBoardLines(true);
    const QImage& canvas = game.board->Canvas();
    for (int y : {Device(20 + 45 * 2 + 20), Device(300)}) {
        SCOPED_TRACE(y);
        std::vector<int> runs;
        int run = 0;
        for (int x = 0; x < canvas.width(); ++x) {
            if (PixelAt(canvas, x, y) == qRgb(0, 0, 0)) {
                ++run;
            } else if (run > 0) {
                runs.push_back(run);
                run = 0;
            }
        }
        if (run > 0) runs.push_back(run);
        ASSERT_EQ(runs.size(), 11u); // two frames on each side, seven grid lines
        for (int width : runs)
            EXPECT_EQ(width, runs.front());
    }
}

// Pictures for a person to look at: the game window's board with labels and
// lines, and with the largest built-in set, in the screen's pixels.
TEST(DenseBoard, Screenshots) {
    const QString folder = QStringLiteral(QUINTAVO_ARTIFACT_DIR "/board");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString ratio = QString::number(Ratio()).replace(QLatin1Char('.'), QLatin1Char('_'));
    GameWindow game;
    game.board->SetDisplayCoords(West | North | East | South);
    game.board->SetLineStyle(QPen(Qt::black, 1));
    game.board->SetBoardLines(true);
    game.board->Paint();
    EXPECT_TRUE(
        game.board->Canvas().save(folder + QStringLiteral("/board_default@%1x.png").arg(ratio)));
    GameWindow large;
    large.board->SetCustomPieceSet(Loaded(BuiltInPieceSetPath(6)));
    EXPECT_TRUE(
        large.board->Canvas().save(folder + QStringLiteral("/board_set6@%1x.png").arg(ratio)));
}

} // namespace
} // namespace quintavo::test
