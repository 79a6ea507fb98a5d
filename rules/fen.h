// Positions in Forsyth-Edwards notation: the one position record that the
// board model, the engine's requests and the tools share, its reader and its
// writer.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "rules/castling.h"
#include "rules/square.h"

namespace quintavo {

class BoardModel;

inline constexpr std::string_view StartFen =
    "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

struct FenPosition {
    // The letters of BoardModel::Position in Square order A8 ... H1: "PNBRQK"
    // White, "pnbrqk" Black, a blank for an empty square.
    std::array<char, 64> Board{};
    bool WhiteToMove = true;
    CastleSet CastlingAllowed = 0;
    Square EnPassant = Square::None;
};

// Placement, side to move, castling rights and en-passant square; the last two
// and the move counters may be left out, and blanks between fields are free.
// Refuses anything malformed, with the reason in `error`. Kings and pawns may
// stand anywhere: see PlayableProblem.
std::optional<FenPosition> ParseFen(std::string_view fen, std::string* error = nullptr);

// Why a search cannot start from the position (a side without exactly one
// king, a pawn on the first or last rank); empty when it can.
std::string PlayableProblem(const FenPosition& position);

// ParseFen, then PlayableProblem: what the engine's front ends accept.
std::optional<FenPosition> ParsePlayableFen(std::string_view fen, std::string* error = nullptr);

// The move counters are written as "0 1": the record does not keep them.
std::string ToFen(const FenPosition& position);

// Sets the model to the position, side to move, castling rights and
// en-passant square; the recorded line starts afresh from it.
void LoadFen(BoardModel& model, const FenPosition& position);

} // namespace quintavo
