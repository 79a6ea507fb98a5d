// Constant tables of the engine: the bordered board, ray steps, castling masks
// and the evaluation's positional tables (White's view, square 0 = a8).
#pragma once

#include <array>
#include <cstdint>

namespace quintavo::engine {

constexpr int White = 0;
constexpr int Black = 1;
constexpr int NoColor = 6;

constexpr int Pawn = 0;
constexpr int Knight = 1;
constexpr int Bishop = 2;
constexpr int Rook = 3;
constexpr int Queen = 4;
constexpr int King = 5;
constexpr int NoPiece = 6;

constexpr int MaxPly = 64;
constexpr int MoveStackSize = 4096;

constexpr int FileOfSquare(int s) { return s & 7; }
constexpr int RowOfSquare(int s) { return s >> 3; }

// 10 columns by 12 rows; the 8x8 squares sit in rows 2..9, columns 1..8 and
// hold their square number, every border cell holds -1. A ray walk meets the
// edge after one lookup per step.
inline constexpr std::array<int, 120> BorderedBoard = [] {
    std::array<int, 120> b{};
    for (int i = 0; i < 120; ++i) {
        const int row = i / 10;
        const int col = i % 10;
        b[i] = (row >= 2 && row <= 9 && col >= 1 && col <= 8) ? (row - 2) * 8 + (col - 1) : -1;
    }
    return b;
}();

inline constexpr std::array<int, 64> SquareToBordered = [] {
    std::array<int, 64> t{};
    for (int s = 0; s < 64; ++s) t[s] = 21 + 10 * RowOfSquare(s) + FileOfSquare(s);
    return t;
}();

inline constexpr std::array<int, 6> RayCount = {0, 8, 4, 4, 8, 8};

inline constexpr std::array<std::array<int, 8>, 6> RayStep = {{
    {0, 0, 0, 0, 0, 0, 0, 0},
    {-21, -19, -12, -8, 8, 12, 19, 21},
    {-11, -9, 9, 11, 0, 0, 0, 0},
    {-10, -1, 1, 10, 0, 0, 0, 0},
    {-11, -10, -9, -1, 1, 9, 10, 11},
    {-11, -10, -9, -1, 1, 9, 10, 11},
}};

inline constexpr std::array<bool, 6> SlidingPiece = {false, false, true, true, true, false};

// A move from or to a king's or rook's home square clears the rights it
// belongs to, so a captured corner rook takes its side's right with it.
inline constexpr std::array<int, 64> CastleKeepMask = [] {
    std::array<int, 64> m{};
    for (auto& v : m) v = 15;
    m[0] = 7;   // a8
    m[4] = 3;   // e8
    m[7] = 11;  // h8
    m[56] = 13; // a1
    m[60] = 12; // e1
    m[63] = 14; // h1
    return m;
}();

inline constexpr std::array<int, 5> MaterialValue = {100, 300, 300, 500, 900};

inline constexpr std::array<int, 64> MirrorSquare = [] {
    std::array<int, 64> m{};
    for (int s = 0; s < 64; ++s) m[s] = (7 - RowOfSquare(s)) * 8 + FileOfSquare(s);
    return m;
}();

// clang-format off
inline constexpr std::array<int, 64> PawnTable = {
     0,  0,  0,  0,  0,  0,  0,  0,
     5, 10, 15, 20, 20, 15, 10,  5,
     4,  8, 12, 16, 16, 12,  8,  4,
     3,  6,  9, 12, 12,  9,  6,  3,
     2,  4,  6,  8,  8,  6,  4,  2,
     1,  2,  3,  4,  4,  3,  2,  1,
     0,  0,  0,-20,-20,  0,  0,  0,
     0,  0,  0,  0,  0,  0,  0,  0,
};

inline constexpr std::array<int, 64> KingSideShelterTable = {
     0,  0,  0,  0,  0,  0,  0,  0,
     0,  0,  0,  0,  0,  0,  0,  0,
     0,  0,  0,  0,  0,  0,  0,  0,
     0,  0,  0,  0,  0,  0,  0,  0,
     0,  0,  0,  0,  0,  5,  5,  5,
     0,  0,  0,  0,  0, 10, 10, 10,
     0,  0,  0,  0,  0, 20, 20, 20,
     0,  0,  0,  0,  0,  0,  0,  0,
};

inline constexpr std::array<int, 64> QueenSideShelterTable = {
     0,  0,  0,  0,  0,  0,  0,  0,
     0,  0,  0,  0,  0,  0,  0,  0,
     0,  0,  0,  0,  0,  0,  0,  0,
     0,  0,  0,  0,  0,  0,  0,  0,
     5,  5,  5,  0,  0,  0,  0,  0,
    10, 10, 10,  0,  0,  0,  0,  0,
    20, 20, 20,  0,  0,  0,  0,  0,
     0,  0,  0,  0,  0,  0,  0,  0,
};

inline constexpr std::array<int, 64> MinorPieceTable = {
   -10,-10,-10,-10,-10,-10,-10,-10,
   -10,  0,  0,  0,  0,  0,  0,-10,
   -10,  0,  5,  5,  5,  5,  0,-10,
   -10,  0,  5, 10, 10,  5,  0,-10,
   -10,  0,  5, 10, 10,  5,  0,-10,
   -10,  0,  5,  5,  5,  5,  0,-10,
   -10,  0,  0,  0,  0,  0,  0,-10,
   -20,-20,-20,-20,-20,-20,-20,-20,
};

inline constexpr std::array<int, 64> KingMiddleGameTable = {
   -40,-40,-40,-40,-40,-40,-40,-40,
   -40,-40,-40,-40,-40,-40,-40,-40,
   -40,-40,-40,-40,-40,-40,-40,-40,
   -40,-40,-40,-40,-40,-40,-40,-40,
   -40,-40,-40,-40,-40,-40,-40,-40,
   -40,-40,-40,-40,-40,-40,-40,-40,
   -20,-20,-20,-20,-20,-20,-20,-20,
   -10,  0, 10,-20,  0,-20, 10,  0,
};

inline constexpr std::array<int, 64> KingEndGameTable = {
    -5, -5, -5, -5, -5, -5, -5, -5,
    -5,  0,  0,  0,  0,  0,  0, -5,
    -5,  0,  5,  5,  5,  5,  0, -5,
    -5,  0,  5, 10, 10,  5,  0, -5,
    -5,  0,  5, 10, 10,  5,  0, -5,
    -5,  0,  5,  5,  5,  5,  0, -5,
    -5,  0,  0,  0,  0,  0,  0, -5,
    -5, -5, -5, -5, -5, -5, -5, -5,
};
// clang-format on

} // namespace quintavo::engine
