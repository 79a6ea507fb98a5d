// The committed pictures: exact sizes, the piece-set grid, masks that match their images,
// the palette of the built-in set, and the window pictures decoding to their sizes.
#include "assets/assets.h"
#include "assets/window_layout.h"

#include <QFile>
#include <QIcon>

#include <gtest/gtest.h>

namespace quintavo {
namespace {

class AssetsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InitAssets(); }
};

QByteArray ReadResource(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 Le(const QByteArray& bytes, int offset, int size) {
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<quint8>(bytes[offset + i]);
    return value;
}

struct SetCase {
    QString path;
    int width, height;
};

std::vector<SetCase> AllSets() {
    std::vector<SetCase> sets{{QString::fromLatin1(DefaultPieceSetPath), 240, 160}};
    const int sizes[BuiltInPieceSetCount][2] = {{216, 144}, {192, 128}, {94, 64},
                                                {192, 128}, {240, 160}, {384, 256},
                                                {480, 320}, {240, 160}, {360, 240}};
    for (int i = 0; i < BuiltInPieceSetCount; ++i)
        sets.push_back({BuiltInPieceSetPath(i), sizes[i][0], sizes[i][1]});
    return sets;
}

TEST_F(AssetsTest, PieceSetsHaveTheirExactSizes) {
    for (const SetCase& set : AllSets()) {
        SCOPED_TRACE(set.path.toStdString());
        const QImage image = LoadPicture(set.path);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(set.width, set.height));
    }
    EXPECT_TRUE(BuiltInPieceSetPath(-1).isEmpty());
    EXPECT_TRUE(BuiltInPieceSetPath(BuiltInPieceSetCount).isEmpty());
}

// Every cell of the grid: mask pixels are pure black or pure white; a mask pixel is black
// exactly where the image above it is not white; each cell holds a piece that stays clear
// of the cell's edges, so no piece runs into its neighbour.
TEST_F(AssetsTest, MasksMatchTheirPieces) {
    for (const SetCase& set : AllSets()) {
        SCOPED_TRACE(set.path.toStdString());
        const QImage image = LoadPicture(set.path).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(image.isNull());
        const int cell = image.height() / 4;
        for (int colour = 0; colour < 2; ++colour) {
            for (int column = 0; column < 6; ++column) {
                SCOPED_TRACE(testing::Message()
                             << "colour row " << colour << ", column " << column);
                const int width = std::min(cell, image.width() - column * cell);
                int piecePixels = 0, mismatches = 0, impure = 0, onEdge = 0;
                for (int y = 0; y < cell; ++y) {
                    for (int x = 0; x < width; ++x) {
                        const QRgb pixel =
                            image.pixel(column * cell + x, 2 * colour * cell + y) & 0xFFFFFF;
                        const QRgb mask =
                            image.pixel(column * cell + x, (2 * colour + 1) * cell + y) & 0xFFFFFF;
                        if (mask != 0 && mask != 0xFFFFFF) ++impure;
                        const bool piece = mask == 0;
                        if (piece != (pixel != 0xFFFFFF)) ++mismatches;
                        if (piece) {
                            ++piecePixels;
                            if (y == 0 || x == 0 || y == cell - 1 || x == cell - 1) ++onEdge;
                        }
                    }
                }
                EXPECT_EQ(impure, 0);
                EXPECT_EQ(mismatches, 0);
                EXPECT_EQ(onEdge, 0);
                EXPECT_GT(piecePixels, cell * cell / 10); // a piece, not a speck
            }
        }
    }
}

// White pieces are light and Black pieces dark, so that the two sides tell apart on any
// square colour.
TEST_F(AssetsTest, WhitePiecesAreLightAndBlackPiecesDark) {
    for (const SetCase& set : AllSets()) {
        SCOPED_TRACE(set.path.toStdString());
        const QImage image = LoadPicture(set.path).convertToFormat(QImage::Format_RGB32);
        const int cell = image.height() / 4;
        int light[2] = {0, 0}, dark[2] = {0, 0}, count[2] = {0, 0};
        for (int colour = 0; colour < 2; ++colour)
            for (int y = 0; y < cell; ++y)
                for (int x = 0; x < std::min(6 * cell, image.width()); ++x)
                    if ((image.pixel(x, (2 * colour + 1) * cell + y) & 0xFFFFFF) == 0) {
                        const int gray = qGray(image.pixel(x, 2 * colour * cell + y));
                        light[colour] += gray >= 170;
                        dark[colour] += gray < 90;
                        ++count[colour];
                    }
        // Outlines and inner lines take their share, so "mostly" means clear majorities of
        // body colour rather than all of it.
        EXPECT_GE(light[0] * 100 / count[0], 40) << "White pieces' light pixels";
        EXPECT_LE(dark[0] * 100 / count[0], 45) << "White pieces' dark pixels";
        EXPECT_GE(dark[1] * 100 / count[1], 45) << "Black pieces' dark pixels";
        EXPECT_LE(light[1] * 100 / count[1], 35) << "Black pieces' light pixels";
    }
}

// The finer drawing of each set: twice the size, the same pieces in the same places (its
// mostly opaque pixels cover what the coarse mask covers), and soft edges, where the
// mask's greys lie between opaque and absent.
TEST_F(AssetsTest, FineSetsAreTheSameSetsAtTwiceThePixels) {
    const std::vector<SetCase> sets = AllSets();
    for (std::size_t i = 0; i < sets.size(); ++i) {
        const QString finePath = i == 0 ? QString::fromLatin1(DefaultPieceSet2xPath)
                                        : BuiltInPieceSet2xPath(static_cast<int>(i) - 1);
        SCOPED_TRACE(finePath.toStdString());
        const QImage coarse = LoadPicture(sets[i].path).convertToFormat(QImage::Format_RGB32);
        const QImage fine = LoadPicture(finePath).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(fine.isNull());
        ASSERT_EQ(fine.size(), 2 * coarse.size());
        const int cell = coarse.height() / 4;
        int both = 0, either = 0, soft = 0;
        for (int row : {1, 3})
            for (int y = 0; y < 2 * cell; ++y)
                for (int x = 0; x < fine.width(); ++x) {
                    const int grey = qGreen(fine.pixel(x, 2 * row * cell + y));
                    const bool inFine = grey < 128;
                    const bool inCoarse = (coarse.pixel(x / 2, row * cell + y / 2) & 0xFFFFFF) == 0;
                    both += inFine && inCoarse;
                    either += inFine || inCoarse;
                    soft += grey > 0 && grey < 255;
                }
        ASSERT_GT(either, 0);
        EXPECT_GT(both * 100 / either, 85) << "shared piece pixels";
        EXPECT_GT(soft, 12 * cell) << "anti-aliased edge pixels";
    }
    EXPECT_TRUE(BuiltInPieceSet2xPath(-1).isEmpty());
    EXPECT_TRUE(BuiltInPieceSet2xPath(BuiltInPieceSetCount).isEmpty());
}

TEST_F(AssetsTest, DefaultSetIsAnEightBitPalettedBitmap) {
    const QByteArray bmp = ReadResource(QString::fromLatin1(DefaultPieceSetPath));
    ASSERT_GE(bmp.size(), 54);
    EXPECT_EQ(bmp.left(2), QByteArray("BM"));
    EXPECT_EQ(Le(bmp, 18, 4), 240u); // width
    EXPECT_EQ(Le(bmp, 22, 4), 160u); // height
    EXPECT_EQ(Le(bmp, 28, 2), 8u);   // bits per pixel
    EXPECT_EQ(Le(bmp, 30, 4), 0u);   // not compressed
    const quint32 colours = Le(bmp, 46, 4);
    EXPECT_GT(colours, 2u);
    EXPECT_LE(colours, 256u);
    EXPECT_EQ(Le(bmp, 10, 4), 14 + 40 + 4 * colours); // pixels right after the palette
    EXPECT_EQ(static_cast<quint32>(bmp.size()), Le(bmp, 10, 4) + 240 * 160);

    const QImage image = LoadPicture(QString::fromLatin1(DefaultPieceSetPath));
    EXPECT_EQ(image.format(), QImage::Format_Indexed8);
    EXPECT_TRUE(image.colorTable().contains(qRgb(0, 0, 0)));
    EXPECT_TRUE(image.colorTable().contains(qRgb(255, 255, 255)));
}

TEST_F(AssetsTest, WindowPicturesDecodeToTheirSizes) {
    const struct {
        const char* path;
        QSize size;
    } pictures[] = {
        {BackgroundPath, QSize(layout::Background.w, layout::Background.h)},
        {SplashPath, QSize(316, 90)},
        {AboutLogoPath, QSize(142, 31)},
    };
    for (const auto& picture : pictures) {
        SCOPED_TRACE(picture.path);
        const QByteArray data = ReadResource(QString::fromLatin1(picture.path));
        ASSERT_TRUE(data.startsWith("\xFF\xD8\xFF")) << "not a JPEG";
        const QImage image = LoadPicture(QString::fromLatin1(picture.path));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), picture.size);
    }
}

// On a dense screen the finer pictures come at the screen's ratio and keep their logical sizes; at
// ratio 1 the plain ones come as they always did.
TEST_F(AssetsTest, WindowPicturesForEachPixelRatio) {
    const struct {
        const char* path;
        const char* fine;
    } pictures[] = {
        {BackgroundPath, Background2xPath},
        {SplashPath, Splash2xPath},
        {AboutLogoPath, AboutLogo2xPath},
    };
    for (const auto& picture : pictures) {
        SCOPED_TRACE(picture.fine);
        const QString path = QString::fromLatin1(picture.path);
        const QString fine = QString::fromLatin1(picture.fine);
        ASSERT_TRUE(ReadResource(fine).startsWith("\xFF\xD8\xFF")) << "not a JPEG";
        const QImage plain = LoadPicture(path);
        EXPECT_EQ(LoadPictureForRatio(path, fine, 1.0), plain);
        const QImage twice = LoadPictureForRatio(path, fine, 2.0);
        EXPECT_EQ(twice.size(), 2 * plain.size());
        EXPECT_EQ(twice.devicePixelRatio(), 2.0);
        EXPECT_EQ(twice.deviceIndependentSize(), QSizeF(plain.size()));
        // One and a half: the screen's pixels exactly, so nothing scales it again.
        const QImage between = LoadPictureForRatio(path, fine, 1.5);
        EXPECT_EQ(between.devicePixelRatio(), 1.5);
        EXPECT_EQ(between.size(), QSize(qRound(plain.width() * 1.5), qRound(plain.height() * 1.5)));
        // A missing finer picture leaves the plain one.
        EXPECT_EQ(LoadPictureForRatio(path, QStringLiteral(":/none.jpg"), 2.0), plain);
    }
}

// The finer background follows the same outline: dark just outside it, its own colours
// well inside.
TEST_F(AssetsTest, FineBackgroundFollowsTheOutline) {
    const QImage image = LoadPicture(QString::fromLatin1(Background2xPath));
    ASSERT_EQ(image.size(), QSize(2 * layout::Background.w, 2 * layout::Background.h));
    auto gray = [&](int x, int y) { return qGray(image.pixel(x, y)); };
    EXPECT_LT(gray(0, 0), 40);
    EXPECT_LT(gray(2 * 629 + 1, 2 * 602 + 1), 40);
    EXPECT_LT(gray(2 * 4, 0), 40);              // left of the top row's first pixel (5, 0)
    EXPECT_GT(gray(2 * 168 + 10, 2 * 39), 190); // under the title
    for (const layout::Rect& face : layout::CommandFaces())
        EXPECT_GT(gray(2 * face.x + 8, 2 * face.y + 8), 200) << face.x;
}

// The background is dark where the window's outline cuts it away and light where the
// window puts black text: the title, the column heads, the two fixed lines, the faces.
TEST_F(AssetsTest, BackgroundIsLightUnderTextAndDarkOutsideTheOutline) {
    const QImage image = LoadPicture(QString::fromLatin1(BackgroundPath));
    ASSERT_FALSE(image.isNull());
    auto gray = [&](int x, int y) { return qGray(image.pixel(x, y)); };
    EXPECT_LT(gray(0, 0), 40);     // cut away: top-left corner
    EXPECT_LT(gray(629, 602), 40); // cut away: below the bowed lower edge
    EXPECT_LT(gray(315, 12), 110); // the title bar
    const QPoint light[] = {{168 + 5, 39}, {330, 39}, {550, 88}, {460, 103}, {30, 505}, {600, 515}};
    for (QPoint p : light) {
        EXPECT_GT(gray(p.x(), p.y()), 190) << p.x() << "," << p.y();
    }
    for (const layout::Rect& face : layout::CommandFaces()) {
        EXPECT_GT(gray(face.x + 4, face.y + 4), 200) << face.x;
        EXPECT_GT(gray(face.x + face.w / 2, face.y + face.h / 2), 190) << face.x;
    }
}

// The faces keep the widths of the labels on them, do not overlap, and stay inside the
// outline, which is only 31 ... 600 wide at their bottom row (y = 582).
TEST_F(AssetsTest, CommandFacesSitInARowInsideTheOutline) {
    const auto faces = layout::CommandFaces();
    const int widths[] = {50, 50, 60, 50, 50, 70, 60, 50};
    for (std::size_t i = 0; i < faces.size(); ++i) {
        EXPECT_EQ(faces[i].w, widths[i]);
        if (i > 0) {
            EXPECT_GT(faces[i].x, faces[i - 1].Right());
        }
    }
    EXPECT_GT(faces.front().x, 31);
    EXPECT_LT(faces.back().Right(), 600);
    EXPECT_EQ(faces.front().Bottom(), 582);
}

TEST_F(AssetsTest, IconComesInEverySize) {
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage icon = LoadPicture(IconPath(size));
        ASSERT_FALSE(icon.isNull());
        EXPECT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(icon.hasAlphaChannel());
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);                 // rounded corner
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255); // the knight
    }
    const QByteArray svg = ReadResource(QString::fromLatin1(IconSvgPath));
    EXPECT_TRUE(svg.startsWith("<svg"));
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 256 256\""));
}

TEST_F(AssetsTest, MissingPictureGivesNullImage) {
    EXPECT_TRUE(LoadPicture(QStringLiteral(":/quintavo/pictures/none.jpg")).isNull());
    EXPECT_TRUE(LoadPicture(QString()).isNull());
}

} // namespace
} // namespace quintavo
