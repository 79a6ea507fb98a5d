// Narrowing the root to the moves a caller allows (such as UCI's searchmoves).
#include "engine/engine.h"

#include <algorithm>

namespace quintavo::engine {

void TEngine::KeepOnlyRootMoves() {
    // Kept in generated order, so ties among the allowed moves fall as before.
    const int start = m_plyMovesStart[0];
    int kept = start;
    for (int i = start; i < m_plyMovesEnd[0]; ++i) {
        if (std::find(m_rootMoves.begin(), m_rootMoves.end(), m_stackMoves[i]) == m_rootMoves.end())
            continue;
        m_stackMoves[kept] = m_stackMoves[i];
        m_stackScores[kept] = m_stackScores[i];
        ++kept;
    }
    m_plyMovesEnd[0] = kept;
}

} // namespace quintavo::engine
