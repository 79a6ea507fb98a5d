// The engine's move: four bytes handled as one 32-bit unit.
#pragma once

#include <cstdint>

namespace quintavo::engine {

// Byte 0 from-square, byte 1 to-square (both 0 = a8 ... 63 = h1), byte 2 the
// promotion kind (1 knight ... 4 queen, 0 none), byte 3 the MoveFlags.
using EngineMove = std::uint32_t;

namespace MoveFlags {
constexpr int Capture = 1;
constexpr int Castling = 2;
constexpr int EnPassant = 4;
constexpr int DoubleStep = 8;
constexpr int PawnMove = 16;
constexpr int Promotion = 32;
// A pawn's moves as the generator flags them.
constexpr int PawnCapture = PawnMove | Capture;
constexpr int PawnDoubleStep = PawnMove | DoubleStep;
constexpr int PawnEnPassant = PawnMove | EnPassant | Capture;
} // namespace MoveFlags

constexpr EngineMove MakeEngineMove(int from, int to, int promotion, int flags) {
    return static_cast<EngineMove>(from) | (static_cast<EngineMove>(to) << 8) |
           (static_cast<EngineMove>(promotion) << 16) | (static_cast<EngineMove>(flags) << 24);
}
constexpr int MoveFrom(EngineMove m) {
    return static_cast<int>(m & 0xFF);
}
constexpr int MoveTo(EngineMove m) {
    return static_cast<int>((m >> 8) & 0xFF);
}
constexpr int MovePromotion(EngineMove m) {
    return static_cast<int>((m >> 16) & 0xFF);
}
constexpr int MoveFlagsOf(EngineMove m) {
    return static_cast<int>(m >> 24);
}

} // namespace quintavo::engine
