// Counting the lines of legal play from a position through the board model:
// the rules' own proof against the known counts of chess.
#pragma once

#include <cstdint>

namespace quintavo {

class BoardModel;

// Leaves `depth` half-moves deep. Moves are the distinct (from, to) pairs
// that IsLegalMove accepts, each played with ExecuteMove (a promotion takes
// the model's PromotionPiece) and taken back through the history, so the
// model ends where it started.
std::uint64_t CountLegalLines(BoardModel& model, int depth);

} // namespace quintavo
