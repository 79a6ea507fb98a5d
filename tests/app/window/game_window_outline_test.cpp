#include "app/game_window_outline.h"

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include <QRegion>

#include "chrome/shaped_form.h"

using quintavo::app::GameWindowMask2;

namespace {

std::uint32_t U32(const QByteArray& bytes, qsizetype offset) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}

std::int32_t I32(const QByteArray& bytes, qsizetype offset) {
    return static_cast<std::int32_t>(U32(bytes, offset));
}

struct Rect {
    int left, top, right, bottom;
    bool operator==(const Rect&) const = default;
};

} // namespace

TEST(GameWindowOutline, HasTheStoredLayout) {
    const QByteArray mask2 = GameWindowMask2();
    ASSERT_EQ(mask2.size(), 612);
    EXPECT_EQ(U32(mask2, 0), 608u);
    EXPECT_EQ(U32(mask2, 4), 32u);   // header size
    EXPECT_EQ(U32(mask2, 8), 1u);    // rectangles
    EXPECT_EQ(U32(mask2, 12), 36u);  // count
    EXPECT_EQ(U32(mask2, 16), 576u); // buffer size
    EXPECT_EQ((Rect{I32(mask2, 20), I32(mask2, 24), I32(mask2, 28), I32(mask2, 32)}),
              (Rect{1, 0, 631, 603}));
    std::vector<Rect> rects;
    for (qsizetype at = 4 + 32; at < mask2.size(); at += 16)
        rects.push_back(
            {I32(mask2, at), I32(mask2, at + 4), I32(mask2, at + 8), I32(mask2, at + 12)});
    ASSERT_EQ(rects.size(), 36u);
    EXPECT_EQ(rects.front(), (Rect{5, 0, 626, 1}));
    EXPECT_EQ(rects[3], (Rect{1, 4, 631, 571}));
    EXPECT_EQ(rects.back(), (Rect{218, 602, 408, 603}));
    for (std::size_t i = 1; i < rects.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_GE(rects[i].top, rects[i - 1].bottom); // top to bottom, no overlap
    }
    // The shaped form reads it whole into the same region.
    const auto region = quintavo::chrome::RegionFromData(QByteArrayView(mask2).sliced(4));
    ASSERT_TRUE(region.has_value());
    EXPECT_EQ(region->boundingRect(), QRect(1, 0, 630, 603));
}
