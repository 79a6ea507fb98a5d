// Boards as the game window holds them, fake searches, and pixel helpers for
// the board control's tests.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "board/chess_board.h"
#include "rules/board_model.h"
#include "tests/engine/fake_searches.h"

namespace quintavo::test {

// Thinks until it is stopped, and then plays nothing.
inline engine::FoundMove ThinkUntilAborted(const engine::EngineRequest&,
                                           const std::atomic<bool>& abort) {
    while (!abort)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return {};
}

// The game window: a 639 x 615 parent with the board at (16, 61), given its
// design-time values in their stored order while loading.
struct GameWindow {
    explicit GameWindow(TChessBoard::SearchFunction search = FirstLegalMove,
                        bool computerPlaysBlack = false) {
        window = std::make_unique<QWidget>();
        window->resize(639, 615);
        board = search ? new TChessBoard(window.get(), std::move(search))
                       : new TChessBoard(window.get());
        board->BeginLoading();
        board->setGeometry(16, 61, 400, 400);
        board->SetAnimateMoves(true);
        board->SetAnimationDelay(0);
        board->SetBoardLines(false);
        board->SetBorderColor(0xC0C0C0);
        board->SetCastlingAllowed(AllCastling);
        board->SetComputerPlaysBlack(computerPlaysBlack);
        board->SetComputerPlaysWhite(false);
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(9);
        board->SetCoordFont(font);
        board->SetCoordFontColor(0x000000);
        board->SetDisplayCoords(0);
        board->SetCustomEngine(false);
        board->SetLineStyle(QPen(Qt::NoPen));
        board->SetPosition(StartPosition);
        board->SetResizable(false);
        board->SetResizeMinSize(100);
        board->SetResizeMaxSize(1000);
        board->SetSearchDepth(1);
        board->SetSizeOfBorder(20);
        board->SetSizeOfSquare(45);
        board->SetSquareColorDark(0x808080);
        board->SetSquareColorLight(0xFFFFFF);
        board->SetWhiteOnTop(false);
        board->SetWhiteToMove(true);
        board->SetThinkingPriority(engine::TThreadPriority::tpNormal);
        board->EndLoading();
    }

    std::unique_ptr<QWidget> window;
    TChessBoard* board = nullptr;
};

inline QRgb Rgb(TColor color) {
    return ToQColor(color).rgb();
}

inline QRgb PixelAt(const QImage& image, int x, int y) {
    return image.pixel(x, y) | 0xFF000000u;
}

// Pixels that are not the background colour inside a rectangle.
inline int InkIn(const QImage& image, const QRect& area, QRgb background) {
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (PixelAt(image, x, y) != (background | 0xFF000000u)) ++ink;
    return ink;
}

} // namespace quintavo::test
