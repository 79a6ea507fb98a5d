// The board on screens of every pixel density: at ratio 1 exactly the
// pictures it always drew, above 1 drawn at the screen's own resolution.
#include <QCryptographicHash>
#include <QPainter>

#include <gtest/gtest.h>

#include "assets/assets.h"
#include "board/piece_set.h"
#include "board_fixture.h"

namespace quintavo::test {
namespace {

std::string PixelHash(const QImage& image) {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (int y = 0; y < image.height(); ++y)
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(image.constScanLine(y)),
                                    image.width() * 4));
    return hash.result().toHex().left(16).toStdString();
}

QImage Texture() {
    QImage texture(20, 20, QImage::Format_RGB32);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            texture.setPixel(x, y, qRgb(x * 12, y * 12, 77));
    return texture;
}

// Boards without labels, so that no installed font plays a part. The hashes
// were taken from the board as it drew before it knew of pixel densities.
TEST(BoardDensity, RatioOneDrawsTheSamePixelsAsEver) {
    InitAssets();
    struct Case {
        const char* name;
        std::function<void(TChessBoard&)> setUp;
        const char* hash;
    };
    const Case cases[] = {
        {"game window", [](TChessBoard&) {}, "326874d0f1ea7b14"},
        {"lines and a move",
         [](TChessBoard& b) {
             b.SetLineStyle(QPen(Qt::red, 1));
             b.SetBoardLines(true);
             b.SetAnimateMoves(false);
             b.ExecuteMove(Square::E2, Square::E4);
             b.ExecuteMove(Square::G8, Square::F6);
         },
         "1e808ee5846cf237"},
        {"textures, turned",
         [](TChessBoard& b) {
             b.SetSquareDark(Texture());
             b.SetBorderBitmap(Texture());
             b.SetWhiteOnTop(true);
         },
         "2d4c8e7515afc440"},
        {"set 6 overlapping",
         [](TChessBoard& b) { b.SetCustomPieceSet(QImage(BuiltInPieceSetPath(6))); },
         "ba15fd7b01e642ca"},
        {"set 1 on a constructed board",
         [](TChessBoard& b) {
             b.SetSizeOfBorder(24);
             b.SetSizeOfSquare(40);
             b.SetCustomPieceSet(QImage(BuiltInPieceSetPath(1)));
         },
         "51e2f1e151a1105c"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameWindow game;
        game.board->Paint();
        c.setUp(*game.board);
        game.board->Paint();
        ASSERT_EQ(game.board->Canvas().devicePixelRatio(), 1.0);
        EXPECT_EQ(PixelHash(game.board->Canvas()), c.hash);
    }
}

} // namespace
} // namespace quintavo::test
