// Every caption of the command bar and above the move list shows whole, with
// room to spare, in every language, whatever font stands in for the design's.
#include "app/main_window.h"

#include <string>

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPainter>

#include "assets/window_layout.h"
#include "lang/app_languages.h"
#include "window_test_support.h"

namespace quintavo::app::test {
namespace {

struct Ink {
    int left = -1;  // first column with ink, in the window
    int right = -1; // last column with ink, in the window
};

// Where the label's own painting (its text) puts ink.
Ink InkOf(QLabel* label) {
    QImage image(label->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    label->render(&image, {}, {}, QWidget::DrawChildren);
    Ink ink;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qAlpha(image.pixel(x, y)) > 0) {
                if (ink.left < 0) ink.left = label->x() + x;
                ink.right = label->x() + x;
                break;
            }
    return ink;
}

constexpr int Spare = 2;
constexpr const char* CommandLabels[] = {"NeuLbl",  "Ladenlbl", "savelbl", "Backlbl",
                                         "Nextlbl", "Label2",   "Label1",  "infolbl"};

TEST_F(WindowTest, EveryCaptionShowsWholeWithRoomToSpareInEveryLanguage) {
    const auto faces = layout::CommandFaces();
    for (int language = 0; language < lang::LanguageCount; ++language) {
        SCOPED_TRACE(language);
        Window.reset();
        WriteSettings(std::string(QuietSettings) +
                      "[Language]\r\nCurrentLanguageID=" + std::to_string(language) + "\r\n");
        Open();
        // Both faces of the start/stop label: idle, then with a game running.
        for (bool running : {false, true}) {
            if (running) Key(Qt::Key_F2);
            for (std::size_t i = 0; i < faces.size(); ++i) {
                QLabel* label = Label(CommandLabels[i]);
                SCOPED_TRACE(label->text().toStdString());
                const Ink ink = InkOf(label);
                ASSERT_GE(ink.left, 0);
                EXPECT_GE(ink.left, faces[i].x + Spare);
                EXPECT_LT(ink.right, faces[i].Right() - Spare);
                EXPECT_GE(label->font().pixelSize(), 9);
            }
        }
        const Ink white = InkOf(Label("Label6"));
        const Ink black = InkOf(Label("Label7"));
        const Ink time = InkOf(Label("Label8"));
        const Ink clock = InkOf(Label("Label4"));
        EXPECT_GE(white.left, layout::MoveList.x + Spare);
        EXPECT_LT(white.right + Spare, black.left);
        EXPECT_LT(black.right, layout::MoveList.Right() - Spare);
        EXPECT_GE(time.left, layout::MoveList.x + Spare);
        EXPECT_LT(time.right + Spare, clock.left);
    }
}

} // namespace
} // namespace quintavo::app::test
