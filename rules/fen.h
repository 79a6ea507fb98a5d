// Reading positions in Forsyth-Edwards notation, for the tools and tests that
// set up the board model or the engine from a text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "rules/board_model.h"
#include "rules/square.h"

namespace quintavo {

struct FenPosition {
    std::string Letters; // 64 letters in square order, as BoardModel::Position
    bool WhiteToMove = true;
    CastleSet Castling = 0;
    Square EnPassant = Square::None;
};

// The four first fields are read (placement, side, castling, en passant);
// the move counters, if present, are ignored. On failure `error` says why.
std::optional<FenPosition> ParseFen(std::string_view fen, std::string* error = nullptr);

// Sets the model to the position, side to move, castling rights and
// en-passant square; the recorded line starts afresh from it.
void LoadFen(BoardModel& model, const FenPosition& position);

} // namespace quintavo
