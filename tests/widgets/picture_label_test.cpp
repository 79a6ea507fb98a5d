// The picture label: the picture fetched for the label's own pixel ratio, once
// per ratio.
#include "widgets/picture_label.h"

#include <gtest/gtest.h>

namespace quintavo::widgets {
namespace {

TEST(PictureLabel, ShowsThePictureForItsRatioAndFetchesItOnce) {
    std::vector<qreal> asked;
    TPictureLabel label(
        [&](qreal ratio) {
            asked.push_back(ratio);
            QImage image(20, 10, QImage::Format_RGB32);
            image.fill(Qt::red);
            image.setDevicePixelRatio(2);
            return image;
        },
        nullptr);
    label.show();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked.front(), label.devicePixelRatioF());
    EXPECT_EQ(label.PictureRatio(), label.devicePixelRatioF());
    // A picture of ratio 2 keeps its logical size.
    EXPECT_EQ(label.pixmap().deviceIndependentSize(), QSizeF(10, 5));
    EXPECT_EQ(label.sizeHint(), QSize(10, 5));
}

} // namespace
} // namespace quintavo::widgets
