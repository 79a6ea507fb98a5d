// The board state a search starts from, as the board model holds it: the one
// request type of the engine, its thread and its front ends.
#pragma once

#include <array>
#include <cstdint>

#include "rules/square.h"

namespace quintavo::engine {

struct EngineRequest {
    // The position string's letters in Square order A8 ... H1: "PNBRQK" White,
    // "pnbrqk" Black, a blank for an empty square.
    std::array<char, 64> Board{};
    bool WhiteToMove = true;
    std::uint8_t CastlingAllowed = 0; // CastleSet bits (rules/castling.h)
    Square EnPassant = Square::None;
    int SearchDepth = 1;
};

} // namespace quintavo::engine
