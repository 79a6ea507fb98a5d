#include "widgets/color_button.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

namespace W = quintavo::widgets;

namespace {

TEST(ColorRef, RedLivesInTheLowByte) {
    EXPECT_EQ(W::ColorFromColorRef(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(W::ColorFromColorRef(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(W::ColorRefFromColor(QColor(0x12, 0x34, 0x56)), 0x563412u);
    for (std::uint32_t ref : {0x808080u, 0xC0C0C0u, 0xFFFFFFu, 0x000000u, 0x0A0B0Cu})
        EXPECT_EQ(W::ColorRefFromColor(W::ColorFromColorRef(ref)), ref);
    // Bits above the colour (system colours in old files) are not a colour.
    EXPECT_EQ(W::ColorFromColorRef(0x80FF0000u), QColor(0, 0, 255));
}

TEST(ColorButton, GridSwatchSetsItsColourOnce) {
    W::TColorButton button;
    button.SetColor(Qt::white);
    QSignalSpy changed(&button, &W::TColorButton::ColorChanged);

    const int navy = 4;
    ASSERT_NE(button.Swatch(navy), nullptr);
    EXPECT_EQ(button.Swatch(16), nullptr);
    button.Swatch(navy)->click();
    EXPECT_EQ(button.Color(), QColor::fromRgb(W::TColorButton::GridColors[navy]));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).value<QColor>(), QColor(0, 0, 0x80));

    button.Swatch(navy)->click();
    button.SetColor(QColor());
    EXPECT_EQ(changed.count(), 1) << "same or invalid colour is no change";
}

TEST(ColorButton, OtherEntryAsksTheColourDialog) {
    W::TColorButton button;
    button.SetColor(QColor(0x80, 0x80, 0x80));
    ASSERT_NE(button.OtherAction(), nullptr);
    EXPECT_EQ(button.OtherAction()->text(), QStringLiteral("&Other..."));
    EXPECT_TRUE(button.Popup()->actions().contains(button.OtherAction()));

    QColor offered;
    QColor answer(0x12, 0x34, 0x56);
    button.SetColorDialog([&](const QColor& initial, QWidget*) {
        offered = initial;
        return answer;
    });
    button.OtherAction()->trigger();
    EXPECT_EQ(offered, QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(button.Color(), answer);

    answer = QColor(); // cancelled
    button.OtherAction()->trigger();
    EXPECT_EQ(button.Color(), QColor(0x12, 0x34, 0x56));
}

TEST(ColorButton, ShowsItsColourAndItsGrid) {
    W::TColorButton button;
    button.resize(80, 24);
    button.SetColor(QColor(0xC0, 0x10, 0x20));
    const QImage image = button.grab().toImage();
    EXPECT_EQ(image.pixelColor(image.width() / 3, image.height() / 2), QColor(0xC0, 0x10, 0x20));

    button.Popup()->popup(QPoint(0, 0));
    ASSERT_TRUE(QDir().mkpath(QStringLiteral(QUINTAVO_ARTIFACT_DIR "/widgets")));
    EXPECT_TRUE(button.Popup()->grab().save(
        QStringLiteral(QUINTAVO_ARTIFACT_DIR "/widgets/color_button_popup.png")));
    button.Popup()->close();
}

} // namespace
