#include "rules/square.h"

namespace quintavo {

Square SquareFromName(std::string_view text) {
    if (text.size() != 2) return Square::None;
    char file = text[0];
    if (file >= 'A' && file <= 'Z') file = static_cast<char>(file - 'A' + 'a');
    const char rank = text[1];
    if (file < 'a' || file > 'h' || rank < '1' || rank > '8') return Square::None;
    return MakeSquare(file - 'a' + 1, rank - '0');
}

std::string SquareName(Square sq) {
    if (sq == Square::None) return {};
    return {static_cast<char>('A' + FileOf(sq) - 1), static_cast<char>('0' + RankOf(sq))};
}

std::string CoordinateName(Square sq) {
    if (sq == Square::None) return {};
    return {static_cast<char>('a' + FileOf(sq) - 1), static_cast<char>('0' + RankOf(sq))};
}

} // namespace quintavo
