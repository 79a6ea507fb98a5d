// Constant tables of the engine: the bordered board, ray steps, castling masks
// and the evaluation's positional tables (White's view, square 0 = a8).
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

#include "rules/castling.h"

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

constexpr int FileOfSquare(int s) {
    return s & 7;
}
constexpr int RowOfSquare(int s) {
    return s >> 3;
}

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
    for (int s = 0; s < 64; ++s)
        t[s] = 21 + 10 * RowOfSquare(s) + FileOfSquare(s);
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
    for (int s = 0; s < 64; ++s)
        m[s] = AllCastling & ~RightsTiedTo(FromEngineSquare(s));
    return m;
}();

constexpr std::uint64_t SquareBit(int s) {
    return std::uint64_t{1} << s;
}

// The rules' four castlings in engine squares, in their order: each colour's
// king side first, which is the order the generator lists them in.
struct EngineCastling {
    CastleSet Right;
    int Color;
    int KingFrom, KingTo, RookFrom, RookTo;
    std::uint64_t MustBeEmpty;
    std::array<int, 2> Passes; // besides the king's own square
};
inline constexpr std::array<EngineCastling, 4> Castlings = [] {
    std::array<EngineCastling, 4> t{};
    for (std::size_t i = 0; i < t.size(); ++i) {
        const CastlingMove& c = CastlingMoves[i];
        std::uint64_t empty = 0;
        for (const Square sq : c.MustBeEmpty)
            if (sq != Square::None) empty |= SquareBit(EngineSquare(sq));
        t[i] = {c.Right,
                (c.Right & WhiteCastling) ? White : Black,
                EngineSquare(c.KingFrom),
                EngineSquare(c.KingTo),
                EngineSquare(c.RookFrom),
                EngineSquare(c.RookTo),
                empty,
                {EngineSquare(c.Passes[0]), EngineSquare(c.Passes[1])}};
    }
    return t;
}();
static_assert(Castlings[2 * White].Right == WhiteKingSide &&
              Castlings[2 * White + 1].Right == WhiteQueenSide &&
              Castlings[2 * Black].Right == BlackKingSide &&
              Castlings[2 * Black + 1].Right == BlackQueenSide);

// The castling whose king lands on the square; null for every other square.
constexpr const EngineCastling* CastlingTo(int kingTo) {
    for (const EngineCastling& c : Castlings)
        if (c.KingTo == kingTo) return &c;
    return nullptr;
}

inline constexpr std::array<std::uint64_t, 8> FileSet = [] {
    std::array<std::uint64_t, 8> f{};
    for (int s = 0; s < 64; ++s)
        f[s & 7] |= SquareBit(s);
    return f;
}();

// Squares from which a piece of the kind attacks the index square, as the
// generator walks them: knights and kings one step of their rays, pawns of
// either colour outside their first and last rank.
struct AttackerTables {
    std::array<std::uint64_t, 64> Knight{};
    std::array<std::uint64_t, 64> King{};
    std::array<std::array<std::uint64_t, 64>, 2> Pawn{};
    std::array<std::uint64_t, 64> Diagonal{};   // any square on a diagonal ray
    std::array<std::uint64_t, 64> Orthogonal{}; // any square on a rank or file ray
};

inline constexpr AttackerTables Attackers = [] {
    AttackerTables a{};
    for (int s = 0; s < 64; ++s) {
        for (int r = 0; r < 8; ++r) {
            const int t = BorderedBoard[SquareToBordered[s] + RayStep[1][r]];
            if (t >= 0) a.Knight[t] |= SquareBit(s);
            const int k = BorderedBoard[SquareToBordered[s] + RayStep[5][r]];
            if (k >= 0) a.King[k] |= SquareBit(s);
        }
        for (int r = 0; r < 4; ++r) {
            for (int kind : {2, 3}) {
                int t = s;
                for (;;) {
                    t = BorderedBoard[SquareToBordered[t] + RayStep[kind][r]];
                    if (t < 0) break;
                    (kind == 2 ? a.Diagonal : a.Orthogonal)[s] |= SquareBit(t);
                }
            }
        }
        const int row = s >> 3;
        const int file = s & 7;
        if (row == 0 || row == 7) continue;
        if (file != 0) a.Pawn[0][s - 9] |= SquareBit(s);
        if (file != 7) a.Pawn[0][s - 7] |= SquareBit(s);
        if (file != 0) a.Pawn[1][s + 7] |= SquareBit(s);
        if (file != 7) a.Pawn[1][s + 9] |= SquareBit(s);
    }
    return a;
}();

// Queen directions in RayStep order (-11, -10, -9, -1, 1, 9, 10, 11): every
// square along the ray. The first four point to lower squares, so the nearest
// piece on them is the highest set bit; on the last four the lowest.
inline constexpr std::array<std::array<std::uint64_t, 8>, 64> RaySets = [] {
    std::array<std::array<std::uint64_t, 8>, 64> rays{};
    for (int s = 0; s < 64; ++s) {
        for (int r = 0; r < 8; ++r) {
            int t = s;
            for (;;) {
                t = BorderedBoard[SquareToBordered[t] + RayStep[4][r]];
                if (t < 0) break;
                rays[s][r] |= SquareBit(t);
            }
        }
    }
    return rays;
}();

// RaySets index of the ray from the first square that passes the second, or
// -1 where the two share no line.
inline constexpr std::array<std::array<std::int8_t, 64>, 64> LineRay = [] {
    std::array<std::array<std::int8_t, 64>, 64> line{};
    for (int s = 0; s < 64; ++s) {
        for (auto& r : line[s])
            r = -1;
        for (int r = 0; r < 8; ++r)
            for (std::uint64_t t = RaySets[s][r]; t != 0; t &= t - 1)
                line[s][std::countr_zero(t)] = static_cast<std::int8_t>(r);
    }
    return line;
}();

// The squares strictly between two squares on one line; none off a line.
constexpr std::uint64_t Between(int a, int b) {
    const int ray = LineRay[a][b];
    if (ray < 0) return 0;
    return RaySets[a][ray] & ~RaySets[b][ray] & ~SquareBit(b);
}

// RaySets index of each sliding kind's rays, in its RayStep order.
inline constexpr std::array<std::array<int, 8>, 6> RayIndex = {{
    {0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0},
    {0, 2, 5, 7, 0, 0, 0, 0},
    {1, 3, 4, 6, 0, 0, 0, 0},
    {0, 1, 2, 3, 4, 5, 6, 7},
    {0, 0, 0, 0, 0, 0, 0, 0},
}};

inline constexpr std::array<int, 5> MaterialValue = {100, 300, 300, 500, 900};

inline constexpr std::array<int, 64> MirrorSquare = [] {
    std::array<int, 64> m{};
    for (int s = 0; s < 64; ++s)
        m[s] = (7 - RowOfSquare(s)) * 8 + FileOfSquare(s);
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
