// Square numbering shared by the rules, the engine and the board control.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quintavo {

// Rank 8 first, files a to h within a rank: ordinal = (8 - rank) * 8 + file.
// The engine numbers the same squares 0 to 63 (ordinal minus 1).
enum class Square : std::uint8_t {
    // clang-format off
    None = 0,
    A8, B8, C8, D8, E8, F8, G8, H8,
    A7, B7, C7, D7, E7, F7, G7, H7,
    A6, B6, C6, D6, E6, F6, G6, H6,
    A5, B5, C5, D5, E5, F5, G5, H5,
    A4, B4, C4, D4, E4, F4, G4, H4,
    A3, B3, C3, D3, E3, F3, G3, H3,
    A2, B2, C2, D2, E2, F2, G2, H2,
    A1, B1, C1, D1, E1, F1, G1, H1,
    // clang-format on
};

constexpr int SquareCount = 64;

constexpr int Ordinal(Square sq) {
    return static_cast<int>(sq);
}

// Any integer outside 1 ... 64 gives None.
constexpr Square ToSquare(int ordinal) {
    return ordinal >= 1 && ordinal <= SquareCount ? static_cast<Square>(ordinal) : Square::None;
}

// 1 for file a ... 8 for file h; 0 for None.
constexpr int FileOf(Square sq) {
    return sq == Square::None ? 0 : ((Ordinal(sq) - 1) % 8) + 1;
}

// 8 for A8 ... H8, 1 for A1 ... H1; 0 for None.
constexpr int RankOf(Square sq) {
    return sq == Square::None ? 0 : 8 - ((Ordinal(sq) - 1) / 8);
}

// None unless both file and rank lie in 1 ... 8.
constexpr Square MakeSquare(int file, int rank) {
    if (file < 1 || file > 8 || rank < 1 || rank > 8) return Square::None;
    return static_cast<Square>((8 - rank) * 8 + file);
}

// A8 and H1 are light, A1 and H8 dark.
constexpr bool IsLightSquare(Square sq) {
    const int i = Ordinal(sq) - 1;
    return (i % 2) == ((i / 8) % 2);
}

// "e4" or "E4" gives E4; anything but a file letter and a rank digit gives None.
Square SquareFromName(std::string_view text);

// Upper-case name as the move list writes it ("E4"); empty for None.
std::string SquareName(Square sq);

// Lower-case name as FEN, SAN and UCI write it ("e4"); empty for None.
std::string CoordinateName(Square sq);

// The engine's 0 ... 63 numbering.
constexpr int EngineSquare(Square sq) {
    return Ordinal(sq) - 1;
}
constexpr Square FromEngineSquare(int engineSquare) {
    return ToSquare(engineSquare + 1);
}

} // namespace quintavo
