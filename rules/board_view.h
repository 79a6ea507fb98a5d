// What the board model asks of whoever shows it: partial redraws in the order
// a move makes them, and a full repaint. The board control implements it;
// tests use a recording fake.
#pragma once

#include <string>

#include "rules/square.h"

namespace quintavo {

class IBoardView {
public:
    virtual ~IBoardView() = default;

    // Repaints the square empty (colour or texture, and grid segments).
    virtual void DrawSquare(Square sq) = 0;
    // Draws the piece letter's image centred in the square, unclipped.
    virtual void DrawPiece(Square sq, char letter) = 0;
    virtual void DrawGridLines() = 0;
    // Whether a move from -> to should slide: the view knows whether moves
    // are animated and which move the user has just dropped.
    virtual bool WantsAnimation(Square from, Square to) const = 0;
    // Slides the piece still standing on `from` to `to`.
    virtual void AnimateMove(Square from, Square to) = 0;
    // Repaints every square whose letter differs from oldPosition (64 letters).
    virtual void RedrawChangedSquares(const std::string& oldPosition) = 0;
    // Full repaint; it raises OnPaint as every paint does.
    virtual void RepaintAll() = 0;
};

} // namespace quintavo
