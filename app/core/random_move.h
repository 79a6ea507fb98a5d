// The random mover of the second playing algorithm and the program's single
// pseudo-random sequence, which it alone draws from. The sequence starts at 0
// and is never reseeded, so the same positions reached in the same order get
// the same moves in every run.
#pragma once

#include <cstdint>

#include "rules/square.h"

namespace quintavo::appcore {

class RandomSequence {
public:
    // A number in 0 ... range - 1: state := state * 134775813 + 1 (mod 2^32),
    // then the high 32 bits of the 64-bit product state * range.
    std::uint32_t Next(std::uint32_t range) {
        m_state = m_state * 134775813u + 1u;
        return static_cast<std::uint32_t>((std::uint64_t{m_state} * range) >> 32);
    }
    std::uint32_t State() const { return m_state; }

private:
    std::uint32_t m_state = 0;
};

// Draws cover None and the 64 squares.
inline constexpr std::uint32_t RandomSquareRange = 65;

// The longest run of (from, to) pairs drawn, anywhere in the sequence's cycle,
// between two appearances of the same pair of squares (found by walking all
// 2^31 pairs; a pair always starts at an odd draw, since only the random
// mover draws and always two at a time). Within this many pairs every pair of
// squares turns up, so a search that finds no legal move in them never will.
inline constexpr std::uint32_t MaxRandomMovePairs = 87959;

// Draws from, then to, while IsLegalMove(from, to) is false. With no legal
// move (the side to move is mated or stalemated) both squares are None at
// once and nothing is drawn. Works on any board offering IsLegalMove and
// HasLegalMove, quintavo::BoardModel among them. Answers whether it found one.
template <class Board>
bool ChooseRandomMove(RandomSequence& random, const Board& board, Square& from, Square& to) {
    if (!board.HasLegalMove()) {
        from = to = Square::None;
        return false;
    }
    for (std::uint32_t pairs = 0; !board.IsLegalMove(from, to); ++pairs) {
        // Only a board whose two answers disagree gets here.
        if (pairs == MaxRandomMovePairs) {
            from = to = Square::None;
            return false;
        }
        from = ToSquare(static_cast<int>(random.Next(RandomSquareRange)));
        to = ToSquare(static_cast<int>(random.Next(RandomSquareRange)));
    }
    return true;
}

} // namespace quintavo::appcore
