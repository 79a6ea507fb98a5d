#include "engine/engine.h"
#include "engine/evaluate.h"
#include "engine/score_scan.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace quintavo::engine {

namespace {

constexpr int Infinity = 10000;
constexpr int BestLineBoost = 10000000;
// Deeper than any search can use: the ply guard ends every line first.
constexpr int MaxSearchDepth = MaxPly - 1;

} // namespace

SearchResult TEngine::RunSearch(const EngineRequest& request) {
    LoadEnginePosition(request);
    BuildPieceSquareValues();
    for (auto& row : m_historyScore)
        row.fill(0);
    m_nodes = 0;
    m_rootHasLegalMove = false;
    m_rootMoveWritten = false;
    m_firstLegalRootMove = 0;
    m_selDepth = 0;

    int depth = request.SearchDepth;
    if (depth < 1) depth = 1;
    if (depth > MaxSearchDepth) depth = MaxSearchDepth;

    SearchResult result;
    bool aborted = false;
    for (int d = 1; d <= depth; ++d) {
        if (AbortSearch()) {
            aborted = true;
            break;
        }
        m_followBestLine = true;
        const int score = AlphaBeta(-Infinity, Infinity, d);
        if (AbortSearch()) {
            aborted = true;
            break;
        }
        result.Score = score;
        result.Depth = d;
        if (!m_rootHasLegalMove) break; // every iteration would find the same nothing
        if (OnIterationDone) {
            IterationReport report;
            report.Depth = d;
            report.Score = score;
            report.Nodes = m_nodes;
            report.SelDepth = m_selDepth;
            report.Line = m_bestLine[0].data();
            report.LineLength = m_bestLineLength[0];
            OnIterationDone(report);
        }
    }
    result.Nodes = m_nodes;
    if (aborted) {
        result.Outcome = SearchOutcome::Aborted;
    } else if (!m_rootHasLegalMove) {
        result.Outcome = SearchOutcome::NoLegalMove;
    } else {
        // Only a score beyond the window (a position play never reaches) can
        // leave the root without a best move; its first legal move stands in.
        if (!m_rootMoveWritten) {
            m_bestLine[0][0] = m_firstLegalRootMove;
            m_bestLineLength[0] = 1;
        }
        result.Outcome = SearchOutcome::Move;
        result.Move = m_bestLine[0][0];
    }
    return result;
}

void TEngine::TakeLine(int p, EngineMove move) {
    m_bestLine[p][p] = move;
    const int end = m_bestLineLength[p + 1];
    for (int j = p + 1; j < end; ++j)
        m_bestLine[p][j] = m_bestLine[p + 1][j];
    m_bestLineLength[p] = end;
    if (p == 0) m_rootMoveWritten = true;
}

int TEngine::AlphaBeta(int alpha, int beta, int depth) {
    if (AbortSearch()) return 0;
    const int p = m_searchPly;
    if (p > m_selDepth) m_selDepth = p;
    if (AtSearchLimit()) {
        m_bestLineLength[p] = p;
        return EvaluatePosition();
    }
    if (depth == 0) return CaptureSearch(alpha, beta);
    m_bestLineLength[p] = p;
    const bool inCheck = SideToMoveInCheck();
    if (inCheck) ++depth;
    GenerateAllMoves();
    if (p == 0 && !m_rootMoves.empty()) KeepOnlyRootMoves();
    if (m_followBestLine) BoostBestLineMove();
    bool anyLegal = false;
    for (int i = m_plyMovesStart[p]; i < m_plyMovesEnd[p]; ++i) {
        if (AbortSearch()) break;
        SelectNextMove(i);
        const EngineMove move = m_stackMoves[i];
        if (!PlayMove(move)) continue;
        ++m_nodes;
        if (p == 0 && !m_rootHasLegalMove) {
            m_rootHasLegalMove = true;
            m_firstLegalRootMove = move;
        }
        anyLegal = true;
        const int x = -AlphaBeta(-beta, -alpha, depth - 1);
        UndoMove();
        if (x > alpha) {
            m_historyScore[MoveFrom(move)][MoveTo(move)] += depth;
            if (x >= beta) return beta;
            alpha = x;
            TakeLine(p, move);
        }
    }
    if (!anyLegal) return inCheck ? p - Infinity : 0;
    return alpha;
}

int TEngine::CaptureSearch(int alpha, int beta) {
    const int p = m_searchPly;
    if (p > m_selDepth) m_selDepth = p;
    m_bestLineLength[p] = p;
    if (AtSearchLimit()) return EvaluatePosition();
    const bool inCheck = SideToMoveInCheck();
    CheckEvasions evasions;
    if (inCheck) {
        GenerateAllMoves();
        evasions = FindCheckEvasions();
    } else {
        const int x = Evaluate();
        if (x >= beta) return beta;
        if (x > alpha) alpha = x;
        GenerateCaptureMoves();
    }
    if (m_followBestLine) BoostBestLineMove();
    bool anyLegal = false;
    // In check, most moves cannot answer it. They keep their places in the
    // list, since the selection's swaps order equal scores by them, but are
    // turned down before PlayMove.
    for (int i = m_plyMovesStart[p]; i < m_plyMovesEnd[p]; ++i) {
        SelectNextMove(i);
        const EngineMove move = m_stackMoves[i];
        if (inCheck && !evasions.MayAnswer(move)) continue;
        if (!PlayMove(move)) continue;
        ++m_nodes;
        anyLegal = true;
        const int x = -CaptureSearch(-beta, -alpha);
        UndoMove();
        if (x > alpha) {
            if (x >= beta) return beta;
            alpha = x;
            TakeLine(p, move);
        }
    }
    if (!anyLegal && inCheck) return p - Infinity;
    return alpha;
}

TEngine::CheckEvasions TEngine::FindCheckEvasions() const {
    const std::uint64_t checkers = m_checkers[m_searchPly];
    CheckEvasions e;
    e.Kings = m_pieceSets[m_sideToMove][King];
    // In double check only the king can move; otherwise another piece must
    // take the checker or step between it and the king (the first from a8 on).
    if ((checkers & (checkers - 1)) == 0)
        e.Targets = checkers | Between(std::countr_zero(e.Kings), std::countr_zero(checkers));
    return e;
}

void TEngine::ScanForNextMove(int i) {
    const int p = m_searchPly;
    const int end = m_plyMovesEnd[p];
    const std::int32_t* scores = m_stackScores.data();
    // The highest score first, then the first entry that holds it: the same
    // pick as replacing only on a strictly greater score.
    const std::int32_t best = HighestScore(scores, i, end);
    m_selectBound[p] = best;
    if (best == scores[i]) return;
    const int at = FirstWithScore(scores, i + 1, end, best);
    std::swap(m_stackMoves[i], m_stackMoves[at]);
    std::swap(m_stackScores[i], m_stackScores[at]);
}

void TEngine::BoostBestLineMove() {
    const int p = m_searchPly;
    m_followBestLine = false;
    const EngineMove target = m_bestLine[0][p];
    for (int i = m_plyMovesStart[p]; i < m_plyMovesEnd[p]; ++i) {
        const EngineMove m = m_stackMoves[i];
        if (MoveFrom(m) == MoveFrom(target) && MoveTo(m) == MoveTo(target)) {
            m_stackScores[i] += BestLineBoost;
            m_followBestLine = true;
            return;
        }
    }
}

} // namespace quintavo::engine
