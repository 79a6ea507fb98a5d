// Forsyth-Edwards notation for the engine's front ends and tests, and the
// engine's moves in coordinate notation (e2e4, e7e8q).
#pragma once

#include <string>
#include <string_view>

#include "engine/engine.h"

namespace quintavo::engine {

inline constexpr std::string_view StartFen =
    "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

struct FenResult {
    bool Ok = false;
    EngineRequest Request; // SearchDepth 1
    std::string Error;     // why the text was refused, when not Ok
};

// Board, side to move, castling rights and en-passant square; the last two
// and the move counters may be left out. Refuses anything malformed, a side
// without exactly one king, and pawns on the first or last rank.
FenResult ParseFen(std::string_view fen);

std::string ToFen(const EngineRequest& request);

// "a8" ... "h1" for 0 ... 63.
std::string SquareText(int engineSquare);

// From, to and the promotion letter: "e2e4", "e1g1", "a7a8q".
std::string MoveText(EngineMove move);

} // namespace quintavo::engine
