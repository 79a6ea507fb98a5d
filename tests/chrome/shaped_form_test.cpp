#include "chrome/shaped_form.h"

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmap>
#include <QTest>
#include <QWidget>

#include "assets/window_layout.h"

using quintavo::chrome::RegionData;
using quintavo::chrome::RegionFromData;
using quintavo::chrome::TShapedForm;

namespace {

void PutU32(QByteArray& bytes, qsizetype offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A realistic outline to cut: the game window's, 36 rectangles with rounded
// top corners and a bowed lower edge, as its stored value of 612 bytes.
QByteArray GameWindowMask2() {
    using quintavo::chrome::RegionRect;
    namespace layout = quintavo::layout;
    std::vector<RegionRect> rects;
    for (const auto& r : layout::GameWindowOutline)
        rects.push_back({r.left, r.top, r.right, r.bottom});
    const auto& b = layout::GameWindowOutlineBounds;
    return quintavo::chrome::Mask2Value(
        quintavo::chrome::RegionData(RegionRect{b.left, b.top, b.right, b.bottom}, rects));
}

// A frameless test window of the game window's size with a shaped form on it.
struct ShapedWindow {
    QWidget window;
    TShapedForm* form;
    ShapedWindow() {
        window.resize(639, 615);
        form = new TShapedForm(&window);
    }
};

void Press(QWidget* widget, Qt::MouseButton button, QPoint local) {
    const QPointF global = widget->mapToGlobal(QPointF(local));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(local), global, button, button,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

void MoveWithLeft(QWidget* widget, QPoint globalTo) {
    const QPointF local = widget->mapFromGlobal(QPointF(globalTo));
    QMouseEvent move(QEvent::MouseMove, local, QPointF(globalTo), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

TEST(ShapedForm, ReadsTheOutlineAppliesItAndWritesItBackUnchanged) {
    ShapedWindow w;
    const QByteArray mask2 = GameWindowMask2();
    EXPECT_EQ(w.form->ReadMask2(mask2), 612);
    ASSERT_TRUE(w.form->Mask().HasRegion());
    EXPECT_EQ(w.form->Mask().Region()->rectCount(), 36);
    EXPECT_EQ(w.window.mask(), *w.form->Mask().Region());
    EXPECT_EQ(w.window.mask().boundingRect(), QRect(1, 0, 630, 603));
    // The corners and everything below the curve are cut away.
    EXPECT_FALSE(w.window.mask().contains(QPoint(0, 0)));
    EXPECT_FALSE(w.window.mask().contains(QPoint(635, 300)));
    EXPECT_FALSE(w.window.mask().contains(QPoint(10, 590)));
    EXPECT_TRUE(w.window.mask().contains(QPoint(315, 602)));
    EXPECT_EQ(w.form->WriteMask2(), mask2);
}

TEST(ShapedForm, CountZeroGivesNoRegionAndWritesAZeroCount) {
    ShapedWindow w;
    const QByteArray zero(4, '\0');
    EXPECT_EQ(w.form->ReadMask2(zero), 4);
    EXPECT_FALSE(w.form->Mask().HasRegion());
    EXPECT_TRUE(w.window.mask().isEmpty());
    EXPECT_EQ(w.form->WriteMask2(), zero);
}

TEST(ShapedForm, RejectedRegionDataLeavesTheWindowRectangular) {
    struct Case {
        const char* what;
        qsizetype offset; // into the value; -1 for none
        std::uint32_t value;
    };
    const Case cases[] = {
        {"header size", 4, 40},
        {"region type", 8, 2},
        {"more rectangles than bytes", 12, 37},
        {"huge rectangle count", 12, 0xFFFFFFFFu},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ShapedWindow w;
        QByteArray mask2 = GameWindowMask2();
        PutU32(mask2, c.offset, c.value);
        EXPECT_EQ(w.form->ReadMask2(mask2), 612); // the value is consumed whole
        EXPECT_FALSE(w.form->Mask().HasRegion());
        EXPECT_TRUE(w.window.mask().isEmpty());
        EXPECT_EQ(w.form->WriteMask2(), QByteArray(4, '\0'));
    }
    // A count beyond the bytes that follow, and data shorter than a header.
    ShapedWindow w;
    EXPECT_EQ(w.form->ReadMask2(GameWindowMask2().left(300)), -1);
    EXPECT_EQ(w.form->ReadMask2(QByteArray("\x02\x00", 2)), -1);
    QByteArray shortData(4 + 8, '\0');
    PutU32(shortData, 0, 8);
    EXPECT_EQ(w.form->ReadMask2(shortData), 12);
    EXPECT_FALSE(w.form->Mask().HasRegion());
    EXPECT_TRUE(w.window.mask().isEmpty());
}

TEST(ShapedForm, RegionDataRoundTripsAnyRegion) {
    QRegion region(QRect(0, 0, 10, 10));
    region += QRect(20, 5, 3, 30);
    region -= QRect(2, 2, 3, 3);
    const std::optional<QRegion> back = RegionFromData(RegionData(region));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, region);
    EXPECT_EQ(RegionData(QRegion()).size(), 32);
    EXPECT_TRUE(RegionFromData(RegionData(QRegion()))->isEmpty());
}

TEST(ShapedForm, WhileDesigningTheOutlineIsReadButNotApplied) {
    ShapedWindow w;
    w.form->SetDesigning(true);
    w.form->ReadMask2(GameWindowMask2());
    EXPECT_TRUE(w.form->Mask().HasRegion());
    EXPECT_TRUE(w.window.mask().isEmpty());
}

TEST(ShapedForm, FillsAFramelessParentAndStaysAtTheOrigin) {
    ShapedWindow w;
    EXPECT_TRUE(w.window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(w.form->geometry(), QRect(0, 0, 639, 615));
    w.form->SetLeft(50);
    w.form->SetTop(7);
    EXPECT_EQ(w.form->pos(), QPoint(0, 0));
    EXPECT_EQ(w.form->Left(), 0);
    w.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.window));
    w.form->move(30, 30);
    EXPECT_EQ(w.form->pos(), QPoint(0, 0));
    w.window.resize(700, 650);
    EXPECT_EQ(w.form->size(), QSize(700, 650));
}

TEST(ShapedForm, ANewPictureForgetsTheRegionButKeepsTheShape) {
    ShapedWindow w;
    w.form->ReadMask2(GameWindowMask2());
    QPixmap picture(630, 603);
    picture.fill(Qt::darkRed);
    w.form->SetPicture(picture);
    EXPECT_FALSE(w.form->Mask().HasRegion());
    EXPECT_EQ(w.window.mask().rectCount(), 36);
    EXPECT_EQ(w.form->WriteMask2(), QByteArray(4, '\0'));
}

TEST(ShapedForm, TheLeftButtonDragsTheWindowAndOtherButtonsDoNot) {
    ShapedWindow w;
    w.window.move(100, 100);
    w.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.window));
    const QPoint start = w.window.pos();

    Press(w.form, Qt::RightButton, QPoint(300, 10));
    MoveWithLeft(w.form, w.form->mapToGlobal(QPoint(340, 60)));
    EXPECT_EQ(w.window.pos(), start);

    Press(w.form, Qt::LeftButton, QPoint(300, 10));
    ASSERT_TRUE(w.form->MovingByHand()); // the offscreen platform has no system move
    MoveWithLeft(w.form, w.form->mapToGlobal(QPoint(340, 60)));
    EXPECT_EQ(w.window.pos(), start + QPoint(40, 50));
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(340, 60),
                        w.form->mapToGlobal(QPointF(340, 60)), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w.form, &release);
    EXPECT_FALSE(w.form->MovingByHand());
}

TEST(ShapedForm, ReportsPointerMovesWithoutAButton) {
    ShapedWindow w;
    QPoint seen(-1, -1);
    w.form->OnMouseMove = [&](Qt::KeyboardModifiers, QPoint at) { seen = at; };
    QMouseEvent move(QEvent::MouseMove, QPointF(12, 34), w.form->mapToGlobal(QPointF(12, 34)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w.form, &move);
    EXPECT_EQ(seen, QPoint(12, 34));
}

TEST(ShapedForm, PaintingTheOutlineLeavesAllOutsideItTransparent) {
    // What a window system that cuts only input gets: the window's own fill,
    // the background picture and a control added later all stop at the
    // outline; controls within it paint as before.
    QWidget window;
    window.resize(639, 615);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Qt::red);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    auto* background = new QLabel(&window);
    QPixmap picture(630, 603);
    picture.fill(Qt::green);
    background->setPixmap(picture);
    background->setGeometry(0, 0, 630, 603);
    auto* inside = new QWidget(&window);
    inside->setGeometry(100, 100, 50, 50);
    inside->setStyleSheet(QStringLiteral("background: blue"));
    auto* form = new TShapedForm(&window);
    form->SetPaintsOutline(true);
    form->ReadMask2(GameWindowMask2());
    auto* later = new QWidget(&window);
    later->setGeometry(590, 560, 49, 55);
    later->setStyleSheet(QStringLiteral("background: yellow"));

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(window.testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_EQ(window.mask(), *form->Mask().Region()); // the input region still
    EXPECT_EQ(window.childAt(630, 300), form);        // the fill takes no pointer
    const QImage shot = window.grab().toImage();
    const struct {
        const char* what;
        QPoint at;
        QRgb colour;
    } cases[] = {
        {"top-left corner", {0, 0}, 0},
        {"right strip", {635, 300}, 0},
        {"left column", {0, 300}, 0},
        {"window's fill within the outline", {630, 300}, qRgb(255, 0, 0)},
        {"bottom strip", {300, 610}, 0},
        {"below the curve", {10, 590}, 0},
        {"later control beyond the outline", {625, 590}, 0},
        {"later control within it", {600, 565}, qRgb(255, 255, 0)},
        {"background within the outline", {315, 300}, qRgb(0, 255, 0)},
        {"control within it", {120, 120}, qRgb(0, 0, 255)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QRgb seen = shot.pixel(c.at);
        if (c.colour == 0)
            EXPECT_EQ(qAlpha(seen), 0);
        else
            EXPECT_EQ(seen, c.colour);
    }
}
