// The libjpeg decoder: good data decodes, and no damaged data crashes, ends the program or
// comes back as a picture.
#include "assets/assets.h"
#include "assets/jpeg_image.h"

#include <QBuffer>
#include <QFile>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace quintavo {
namespace {

QByteArray Background() {
    InitAssets();
    QFile file(QString::fromLatin1(BackgroundPath));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The background's title bar is dark wood and its paper light, wherever the decoder
// puts its rows: the picture is the right way up and not mirrored.
TEST(DecodeJpeg, DecodesTheBackgroundTheRightWayUp) {
    const QImage image = DecodeJpeg(Background());
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(image.size(), QSize(630, 603));
    EXPECT_LT(qGray(image.pixel(300, 12)), 110);
    EXPECT_GT(qGray(image.pixel(300, 40)), 190);
    const QRgb paper = image.pixel(300, 40);
    EXPECT_GT(qRed(paper), qBlue(paper)); // warm paper: channels not swapped
}

TEST(DecodeJpeg, GreyJpegDecodes) {
    QImage grey(24, 16, QImage::Format_Grayscale8);
    grey.fill(200);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (!grey.save(&buffer, "JPEG")) GTEST_SKIP() << "no JPEG writer in this Qt";
    const QImage image = DecodeJpeg(data);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(24, 16));
    EXPECT_NEAR(qGray(image.pixel(5, 5)), 200, 3);
}

TEST(DecodeJpeg, DamagedDataGivesNullImage) {
    const QByteArray good = Background();
    ASSERT_GT(good.size(), 1000);
    QByteArray badMarker = good;
    badMarker[3] = '\x01'; // not a marker after the start of image
    QByteArray hugeHeader;
    {
        // A real file whose frame header claims 65500 x 65500 pixels.
        hugeHeader = good;
        const int sof = hugeHeader.indexOf("\xFF\xC0");
        ASSERT_GT(sof, 0);
        hugeHeader[sof + 5] = '\xFF';
        hugeHeader[sof + 6] = '\xDC';
        hugeHeader[sof + 7] = '\xFF';
        hugeHeader[sof + 8] = '\xDC';
    }
    const struct {
        const char* what;
        QByteArray data;
    } cases[] = {
        {"empty", QByteArray()},
        {"text", QByteArray("this is not a picture")},
        {"start marker only", QByteArray("\xFF\xD8\xFF", 3)},
        {"header only", good.left(300)},
        {"cut in the middle", good.left(good.size() / 2)},
        {"cut before the end marker", good.left(good.size() - 2)},
        {"bad marker", badMarker},
        {"huge frame", hugeHeader},
        {"png", QByteArray("\x89PNG\r\n\x1A\n\0\0\0\0", 12)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_TRUE(DecodeJpeg(c.data).isNull());
    }
}

// Random damage anywhere in a real file: whatever comes back, nothing crashes.
TEST(DecodeJpeg, SurvivesRandomDamage) {
    const QByteArray good = Background();
    QRandomGenerator random(4711);
    for (int round = 0; round < 200; ++round) {
        QByteArray data = good;
        const int flips = 1 + random.bounded(8);
        for (int i = 0; i < flips; ++i)
            data[random.bounded(static_cast<int>(data.size()))] =
                static_cast<char>(random.bounded(256));
        if (round % 3 == 0) data.truncate(random.bounded(static_cast<int>(data.size())));
        const QImage image = DecodeJpeg(data);
        if (!image.isNull()) {
            EXPECT_EQ(image.format(), QImage::Format_RGB32);
        }
    }
}

} // namespace
} // namespace quintavo
