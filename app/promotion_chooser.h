// The player's choice of the piece a pawn becomes: the queen, rook, bishop and
// knight of the mover's colour in a row over the drop square, drawn from the
// board's current piece set. A click on a piece picks it; Escape or a click
// anywhere else gives the queen.
#pragma once

#include <array>

#include <QImage>
#include <QWidget>

class QEventLoop;

namespace quintavo::app {

class TPromotionChooser : public QWidget {
public:
    // cellSize: the side of one piece's cell, as the board draws a square.
    TPromotionChooser(const QImage& pieceSet, bool white, int cellSize, QWidget* parent);

    // Shows the row with its first cell at `topLeft` (the parent's coordinates,
    // kept on the parent) and waits for the choice: 'q', 'r', 'b' or 'n'.
    char Choose(QPoint topLeft);

    static constexpr std::array<char, 4> Letters = {'q', 'r', 'b', 'n'};

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Pick(char letter);

    std::array<QImage, 4> m_pieces;
    int m_cell;
    char m_choice = 'q';
    QEventLoop* m_loop = nullptr;
};

} // namespace quintavo::app
