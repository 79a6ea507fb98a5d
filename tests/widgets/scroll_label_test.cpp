#include "widgets/scroll_label.h"

#include <cstdlib>

#include <gtest/gtest.h>

#include <QTest>

namespace W = quintavo::widgets;

namespace {

class ScrollLabelTest : public ::testing::Test {
protected:
    void SetUp() override {
        label.setText(QStringLiteral("Special thanks to everyone"));
        label.resize(120, 16);
    }
    W::TScrollLabel label;
};

TEST_F(ScrollLabelTest, StandsStillUntilScrollingIsOn) {
    EXPECT_FALSE(label.Scrolling());
    EXPECT_EQ(label.Interval(), 100);
    label.SetInterval(5);
    label.show();
    // A scrolling twin of the same interval shows how long standing still was watched.
    W::TScrollLabel witness;
    witness.setText(label.text());
    witness.resize(label.size());
    witness.SetInterval(5);
    witness.show();
    witness.SetScrolling(true);
    auto watchTwinSteps = [&](int steps) {
        const int start = witness.Offset();
        return QTest::qWaitFor(
            [&] {
                return witness.Offset() != start && std::abs(witness.Offset() - start) >= steps;
            },
            5000);
    };
    ASSERT_TRUE(watchTwinSteps(3));
    EXPECT_EQ(label.Offset(), 0);

    label.SetScrolling(true);
    QTRY_VERIFY(label.Offset() >= 2);
    label.SetScrolling(false);
    const int stopped = label.Offset();
    ASSERT_TRUE(watchTwinSteps(3));
    EXPECT_EQ(label.Offset(), stopped);
}

TEST_F(ScrollLabelTest, MovesTheTextLeftAndBringsItBackFromTheRight) {
    label.SetStepPixels(3);
    const QImage resting = label.grab().toImage();
    label.Step();
    label.Step();
    EXPECT_EQ(label.Offset(), 6);
    const QImage moved = label.grab().toImage();
    // The picture moved six pixels to the left.
    EXPECT_EQ(moved.copy(0, 0, moved.width() - 6, moved.height()),
              resting.copy(6, 0, resting.width() - 6, resting.height()));
    EXPECT_NE(moved, resting);

    const int textWidth = label.fontMetrics().horizontalAdvance(label.text());
    while (label.Offset() >= 0 && label.Offset() <= textWidth)
        label.Step();
    EXPECT_EQ(label.Offset(), -label.width());
    // Just beyond the right edge: nothing visible yet.
    const QImage empty = label.grab().toImage();
    QImage blank(empty.size(), empty.format());
    blank.fill(label.palette().color(QPalette::Window));
    EXPECT_EQ(empty, blank);
}

} // namespace
