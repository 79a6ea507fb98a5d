// The computer opponent's engine: its own compact position, pseudo-legal move
// generation with a legality test on making the move, the static evaluation and
// the iterative-deepening alpha-beta search. Qt-free and free of I/O; one
// instance belongs to one thread, which may be stopped from another through
// SetAbortSearch.
#pragma once

#include <array>
#include <atomic>
#include <climits>
#include <cstdint>
#include <functional>
#include <limits>
#include <utility>
#include <vector>

#include "engine/engine_move.h"
#include "engine/engine_request.h"
#include "engine/engine_tables.h"
#include "rules/castling.h"
#include "rules/square.h"

namespace quintavo::engine {

// The start position, White to move, all four castling rights.
EngineRequest StartRequest();

enum class SearchOutcome {
    Move,        // Move holds the chosen move
    NoLegalMove, // the side to move is mated or stalemated: deliver nothing
    Aborted,     // SetAbortSearch(true) ended the search: discard it
};

struct SearchResult {
    SearchOutcome Outcome = SearchOutcome::Aborted;
    EngineMove Move = 0;
    int Score = 0; // of the last completed iteration, for the side to move
    int Depth = 0; // the last completed iteration
    std::uint64_t Nodes = 0;
};

// One completed iteration of RunSearch; Line points into the engine and is
// valid only during the call.
struct IterationReport {
    int Depth = 0;
    int Score = 0;
    std::uint64_t Nodes = 0;
    int SelDepth = 0; // deepest ply any node of the search reached so far
    const EngineMove* Line = nullptr;
    int LineLength = 0;
};

class TEngine {
public:
    TEngine();
    TEngine(const TEngine&) = delete;
    TEngine& operator=(const TEngine&) = delete;

    // Searching
    // Loads the request, searches it to its SearchDepth and leaves the chosen
    // move in BestMove(). BestLine survives into the next search and orders
    // its first iteration.
    SearchResult RunSearch(const EngineRequest& request);
    // Safe to call from any thread while RunSearch runs; RunSearch itself
    // never clears the flag.
    void SetAbortSearch(bool abort) { m_abortSearch.store(abort, std::memory_order_relaxed); }
    // A second flag that ends the search as well, such as the abort flag of
    // the thread that owns the engine; null for none.
    void WatchAbortFlag(const std::atomic<bool>* flag) { m_watchedAbort = flag; }
    bool AbortSearch() const {
        return m_abortSearch.load(std::memory_order_relaxed) ||
               (m_watchedAbort && m_watchedAbort->load(std::memory_order_relaxed)) ||
               m_nodes >= m_nodeLimit;
    }
    // Ends a search as an abort does once it has counted this many nodes; 0
    // for no limit. Kept for later searches, as is the root move choice.
    void SetNodeLimit(std::uint64_t nodes) {
        m_nodeLimit = nodes == 0 ? std::numeric_limits<std::uint64_t>::max() : nodes;
    }
    // The root moves a search may choose from; empty for all of them.
    void SetRootMoves(std::vector<EngineMove> moves) { m_rootMoves = std::move(moves); }
    // PlayMove calls that succeeded during the last RunSearch, all iterations.
    std::uint64_t NodeCount() const { return m_nodes; }
    // Deepest ply a node of the last RunSearch reached.
    int SelDepth() const { return m_selDepth; }
    EngineMove BestMove() const { return m_bestLine[0][0]; }
    EngineMove BestLine(int ply, int index) const { return m_bestLine[ply][index]; }
    int BestLineLength(int ply) const { return m_bestLineLength[ply]; }
    // Called after every iteration that was not aborted.
    std::function<void(const IterationReport&)> OnIterationDone;

    // Position
    void LoadEnginePosition(const EngineRequest& request);
    // The current position as a request (SearchDepth 1).
    EngineRequest CurrentRequest() const;
    int SquareColor(int sq) const {
        if (m_colorSets[White] & SquareBit(sq)) return White;
        return (m_colorSets[Black] & SquareBit(sq)) ? Black : NoColor;
    }
    int SquarePiece(int sq) const { return m_squarePiece[sq]; }
    int SideToMove() const { return m_sideToMove; }
    int OtherSide() const { return m_otherSide; }
    int CastleRights() const { return m_castleRights; }
    int EnPassantSquare() const { return m_enPassantSquare; }
    int SearchPly() const { return m_searchPly; }

    // Moves
    // Append the side to move's pseudo-legal moves for the current ply.
    void GenerateAllMoves();
    void GenerateCaptureMoves();
    int PlyMovesStart(int ply) const { return m_plyMovesStart[ply]; }
    int PlyMovesEnd(int ply) const { return m_plyMovesEnd[ply]; }
    EngineMove StackMove(int index) const { return m_stackMoves[index]; }
    int StackScore(int index) const { return m_stackScores[index]; }
    // For a move the generator produced in the current position. False, with
    // the position unchanged, for a move that leaves the own king attacked or
    // a castling whose squares are blocked or attacked.
    bool PlayMove(EngineMove move);
    void UndoMove();
    bool IsInCheck(int color) const;
    bool IsAttacked(int sq, int byColor) const;
    // Leaf count of the generator to the given depth from the current position.
    std::uint64_t Perft(int depth);
    // Whether the derived state (piece sets, sums) agrees with the board.
    bool IsConsistent() const;

    // Evaluation
    // Tables from the current position; the search builds them at its root.
    void BuildPieceSquareValues();
    // Positive is good for the side to move. Not const: it remembers pawn terms.
    int EvaluatePosition();
    int PieceSquareValue(int color, int kind, int sq) const {
        return m_pieceSquareValue[color][kind][sq];
    }

    // Ordering credit of quiet moves; cleared by every RunSearch.
    int HistoryScore(int from, int to) const { return m_historyScore[from][to]; }

private:
    // Small, since every move writes one.
    struct UndoRecord {
        EngineMove Move;
        std::uint8_t Captured;
        std::uint8_t CastleRights;
        std::int8_t EnPassantSquare;
        // As before the move, so that UndoMove need not count them back.
        std::array<std::int32_t, 2> TableSums;
    };

    // Castling's rook and the pawn taken en passant; the hot part of a move
    // is written out in PlayMove and UndoMove.
    template <bool KeepSums = true> void PutPiece(int sq, int color, int kind);
    template <bool KeepSums = true> void ClearSquare(int sq);
    // The piece sets and sums from the kinds and the colour sets.
    void RebuildDerivedState();
    // Each returns the list's new end.
    int AddMove(int end, int from, int to, int flags);
    int AddPromotions(int end, int from, int to, int flags);
    template <int Us> int AddPawnMove(int end, int from, int to, int flags);
    template <int Us, bool CapturesOnly>
    int AddPawnMoves(int end, int sq, std::uint64_t enemy, std::uint64_t occupied);
    template <int Us> int AddEnPassantMoves(int end);
    template <int Us> void GenerateAllMovesOf();
    template <int Us> void GenerateCaptureMovesOf();
    int AlphaBeta(int alpha, int beta, int depth);
    int CaptureSearch(int alpha, int beta);
    // The moves that may answer a check: a superset of the legal ones, found
    // without making them.
    struct CheckEvasions {
        std::uint64_t Kings = 0;   // a king's move is tested when made
        std::uint64_t Targets = 0; // where a move of another piece must land
        bool MayAnswer(EngineMove m) const {
            return ((Kings >> MoveFrom(m)) & 1) != 0 || ((Targets >> MoveTo(m)) & 1) != 0 ||
                   (MoveFlagsOf(m) & MoveFlags::EnPassant) != 0;
        }
    };
    // Of the side to move, in check.
    CheckEvasions FindCheckEvasions() const;
    // Brings the next move to try to index i: the first of the highest
    // scores from i on.
    void SelectNextMove(int i) {
        // No entry after i can beat the last pick's score, so an entry that
        // holds it is the pick without a scan; runs of equal scores are the
        // rule, and the test stays inline.
        if (m_stackScores[i] != m_selectBound[m_searchPly]) ScanForNextMove(i);
    }
    void ScanForNextMove(int i);
    void BoostBestLineMove();
    void KeepOnlyRootMoves();
    // Asked by every node, so inline: the last ply, or less room left on the
    // move stack than any position reached in play can fill.
    bool AtSearchLimit() const {
        constexpr int NodeMoveRoom = 256;
        return m_searchPly >= MaxPly - 1 ||
               m_plyMovesStart[m_searchPly] > MoveStackSize - NodeMoveRoom;
    }
    // Asked by every move of a position: the look-up stays inline, the search
    // for the checkers runs once.
    std::uint64_t SideToMoveCheckers() {
        if (!m_checkersKnown[m_searchPly]) FindCheckers();
        return m_checkers[m_searchPly];
    }
    void FindCheckers();
    bool SideToMoveInCheck() { return SideToMoveCheckers() != 0; }
    std::uint64_t AttackersOf(int sq, int byColor) const;
    std::uint64_t SliderAttackers(int sq, int byColor) const;
    bool ExposedThrough(int from, int color) const;
    void TakeLine(int ply, EngineMove move);
    std::uint64_t PerftAt(int depth);

    // Position: the kind on each square, NoPiece for none; its colour is
    // read from the colour sets, so a move writes one byte per square.
    std::array<std::uint8_t, 64> m_squarePiece{};
    std::int32_t m_sideToMove = White;
    std::int32_t m_otherSide = Black;
    std::int32_t m_castleRights = 0;
    std::int32_t m_enPassantSquare = -1;
    std::int32_t m_searchPly = 0;
    // The same board as piece sets, bit s for square s: kings found and
    // attackers looked up from the target square, lowest square first.
    std::array<std::array<std::uint64_t, 6>, 2> m_pieceSets{};
    std::array<std::uint64_t, 2> m_colorSets{};
    // Sum of PieceSquareValue over each side's pieces, kept as pieces move.
    std::array<std::int32_t, 2> m_tableSums{};

    // Moves; one extra bound so that generation at the last ply stays inside.
    // The move stack's moves and their ordering scores, apart so that the
    // selection scans the scores alone.
    std::array<EngineMove, MoveStackSize> m_stackMoves{};
    std::array<std::int32_t, MoveStackSize> m_stackScores{};
    std::array<std::int32_t, MaxPly + 1> m_plyMovesStart{};
    std::array<std::int32_t, MaxPly + 1> m_plyMovesEnd{};
    std::array<UndoRecord, MaxPly> m_undoStack{};
    // Per ply, the pieces that give check to the side to move, found when
    // first asked and kept while the ply's position stands, so that its moves
    // share one test.
    std::array<std::uint64_t, MaxPly + 1> m_checkers{};
    std::array<bool, MaxPly + 1> m_checkersKnown{};
    // Per ply, the score of the last pick that scanned the list: no entry
    // after it scores higher. Fresh lists start with a value no score takes.
    static constexpr std::int32_t NoSelectBound = INT32_MIN;
    std::array<std::int32_t, MaxPly + 1> m_selectBound{};

    // Evaluation, fixed at the root of every search
    std::array<std::array<std::array<std::int32_t, 64>, 6>, 2> m_pieceSquareValue{};
    // The pawn terms depend on nothing but the pawns and the tables, and the
    // pawns change in few moves: their score is remembered by pawn sets.
    // Half a cache line each, so that no look-up straddles two.
    struct alignas(32) PawnEntry {
        std::uint64_t White = 0;
        std::uint64_t Black = 0;
        std::int32_t Score[2] = {0, 0};
        // The rook terms' files, bit f for file f: those without pawns of the
        // colour, and those without any pawn.
        std::uint8_t NoOwnPawnFiles[2] = {0, 0};
        std::uint8_t NoPawnFiles = 0;
        bool Valid = false;
    };
    static constexpr int PawnCacheBits = 14;
    static constexpr int PawnCacheSize = 1 << PawnCacheBits;
    std::array<PawnEntry, PawnCacheSize> m_pawnCache{};
    const PawnEntry& PawnScores();
    // EvaluatePosition inline, for the search.
    int Evaluate();
    void CountPawnScores(PawnEntry& entry);

    // Search
    std::array<std::array<std::int32_t, 64>, 64> m_historyScore{};
    std::array<std::array<EngineMove, MaxPly>, MaxPly> m_bestLine{};
    std::array<std::int32_t, MaxPly> m_bestLineLength{};
    bool m_followBestLine = false;
    std::atomic<bool> m_abortSearch{false};
    const std::atomic<bool>* m_watchedAbort = nullptr;
    std::uint64_t m_nodes = 0;
    std::uint64_t m_nodeLimit = std::numeric_limits<std::uint64_t>::max();
    std::vector<EngineMove> m_rootMoves;
    int m_selDepth = 0;
    bool m_rootHasLegalMove = false;
    bool m_rootMoveWritten = false;
    EngineMove m_firstLegalRootMove = 0;
};

} // namespace quintavo::engine
