// Standard algebraic notation (SAN) for the board model's moves: written with
// the model's own legality, and read with the slack that real game files need
// (check and annotation marks, "0-0", "e8Q", a missing "x").
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/square.h"

namespace quintavo {

class BoardModel;

// One move as square pair; Promotion is 'q', 'r', 'b' or 'n' for a pawn that
// reaches its last rank, '\0' otherwise.
struct GameMove {
    Square From = Square::None;
    Square To = Square::None;
    char Promotion = '\0';
    bool operator==(const GameMove&) const = default;
};

// Copies position, side to move, castling rights and en-passant square; the
// target's recorded line starts afresh there.
void CopyPosition(const BoardModel& from, BoardModel& to);

// Plays a move with its promotion piece (a queen when none is given); false
// when the model refuses it. The model's promotion setting is left as it was.
bool PlayMove(BoardModel& model, const GameMove& move);

// The model's recorded line from its start to its last move (not only to
// the position shown), with each promotion's piece.
std::vector<GameMove> RecordedMoves(const BoardModel& model);

// "Nbd7", "exd6", "e8=Q+", "O-O-O#"; empty when the move is not legal in the
// model's position.
std::string WriteSan(const BoardModel& model, const GameMove& move);

struct SanReading {
    std::optional<GameMove> Move;
    std::string Error; // "illegal move", "ambiguous move" or "not a move"
};

// The one legal move the text names in the model's position.
SanReading ReadSan(const BoardModel& model, std::string_view text);

} // namespace quintavo
