// The evaluation as the search calls it, inline: most capture-search nodes
// end right after it. Included only by the engine's own sources.
#pragma once

#include <bit>
#include <cstdint>

#include "engine/engine.h"

namespace quintavo::engine {

// Set bits of a set that holds few, such as one side's rooks.
inline int CountFew(std::uint64_t set) {
    int n = 0;
    for (; set != 0; set &= set - 1)
        ++n;
    return n;
}

// Every square of the files whose bits are set, bit f for file f.
inline std::uint64_t FileSquares(std::uint8_t files) {
    return files * 0x0101010101010101ull;
}

// A miss counts the terms out of line.
inline const TEngine::PawnEntry& TEngine::PawnScores() {
    const std::uint64_t white = m_pieceSets[White][Pawn];
    const std::uint64_t black = m_pieceSets[Black][Pawn];
    const std::uint64_t mixed = (white ^ (black * 0x9E3779B97F4A7C15ull)) * 0xBF58476D1CE4E5B9ull;
    PawnEntry& entry = m_pawnCache[mixed >> (64 - PawnCacheBits)];
    if (!entry.Valid || entry.White != white || entry.Black != black) CountPawnScores(entry);
    return entry;
}

inline int TEngine::Evaluate() {
    // The tables' sums are kept as pieces move; the pawn and rook files come
    // with the pawn terms.
    const PawnEntry& pawns = PawnScores();
    int score[2] = {m_tableSums[White] + pawns.Score[White],
                    m_tableSums[Black] + pawns.Score[Black]};
    // A rook earns 10 on a file without own pawns and 5 more without any.
    for (int c = White; c <= Black; ++c) {
        const std::uint64_t rooks = m_pieceSets[c][Rook];
        score[c] += 10 * CountFew(rooks & FileSquares(pawns.NoOwnPawnFiles[c])) +
                    5 * CountFew(rooks & FileSquares(pawns.NoPawnFiles));
    }
    return m_sideToMove == White ? score[White] - score[Black] : score[Black] - score[White];
}

} // namespace quintavo::engine
