// The castling rights as bits, and the geometry of the four castlings: every
// part of the program that castles or clears a right reads this one table.
#pragma once

#include <array>
#include <cstdint>

#include "rules/square.h"

namespace quintavo {

// Members of CanStillCastle, as bits of a CastleSet byte.
enum CanStillCastle : std::uint8_t {
    WhiteKingSide = 1,
    WhiteQueenSide = 2,
    BlackKingSide = 4,
    BlackQueenSide = 8,
};
using CastleSet = std::uint8_t;
constexpr CastleSet WhiteCastling = WhiteKingSide | WhiteQueenSide;
constexpr CastleSet BlackCastling = BlackKingSide | BlackQueenSide;
constexpr CastleSet AllCastling = WhiteCastling | BlackCastling;

struct CastlingMove {
    CastleSet Right;
    char King, Rook;
    Square KingFrom, KingTo, RookFrom, RookTo;
    std::array<Square, 3> MustBeEmpty; // padded with None
    std::array<Square, 2> Passes;      // besides the king's own square
};

// clang-format off
inline constexpr std::array<CastlingMove, 4> CastlingMoves{{
    {WhiteKingSide, 'K', 'R', Square::E1, Square::G1, Square::H1, Square::F1,
     {Square::F1, Square::G1, Square::None}, {Square::F1, Square::G1}},
    {WhiteQueenSide, 'K', 'R', Square::E1, Square::C1, Square::A1, Square::D1,
     {Square::B1, Square::C1, Square::D1}, {Square::D1, Square::C1}},
    {BlackKingSide, 'k', 'r', Square::E8, Square::G8, Square::H8, Square::F8,
     {Square::F8, Square::G8, Square::None}, {Square::F8, Square::G8}},
    {BlackQueenSide, 'k', 'r', Square::E8, Square::C8, Square::A8, Square::D8,
     {Square::B8, Square::C8, Square::D8}, {Square::D8, Square::C8}},
}};
// clang-format on

// The rights that go when a king or rook leaves its home square, or a rook is
// taken there.
constexpr CastleSet RightsTiedTo(Square sq) {
    CastleSet rights = 0;
    for (const CastlingMove& c : CastlingMoves)
        if (sq == c.KingFrom || sq == c.RookFrom) rights |= c.Right;
    return rights;
}

} // namespace quintavo
