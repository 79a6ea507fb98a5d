// The state of one game and its rules: the position, side to move, castling
// rights, en-passant square, recorded line of play, move legality, move
// execution with its events, and game-end detection. No Qt, no threads: the
// board control wraps every position change with the engine's stop and start.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/castling.h"
#include "rules/square.h"

namespace quintavo {

class IBoardView;
class IEngineControl;

// 64 letters, rank 8 first, files a to h; blank for an empty square.
inline constexpr std::string_view StartPosition =
    "rnbqkbnrpppppppp                                PPPPPPPPRNBQKBNR";

// 1 for a White letter ("B" ... "R" by code), 0 for a Black one ("b" ... "r"),
// -1 for anything else.
constexpr int LetterColor(char letter) {
    if (letter >= 'B' && letter <= 'R') return 1;
    if (letter >= 'b' && letter <= 'r') return 0;
    return -1;
}

// One recorded position and the move played from it.
struct MoveInfo {
    std::string Position;
    CastleSet CastlingAllowed = 0;
    Square OldSq = Square::None;
    Square NewSq = Square::None;
    Square EnPassant = Square::None;
};

class BoardModel {
public:
    BoardModel();
    BoardModel(const BoardModel&) = delete;
    BoardModel& operator=(const BoardModel&) = delete;

    // Collaborators; both may stay unset (no drawing, no engine).
    void SetView(IBoardView* view) { m_view = view; }
    void SetEngineControl(IEngineControl* control) { m_engine = control; }

    // Position and state
    std::string Position() const;
    // Stops the engine, loads up to 64 letters (others blank; "init" or
    // "newgame" in any case give the start position) and repaints.
    void SetPosition(std::string_view position);
    char PieceAt(Square sq) const;
    // -1 empty, 0 Black, 1 White; -1 for None.
    int PieceColor(Square sq) const;
    // The 66 cells: sentinel, A8 ... H1, terminator.
    const std::array<char, 66>& Board() const { return m_board; }

    bool WhiteToMove() const { return m_whiteToMove; }
    void SetWhiteToMove(bool value);
    int CurrentMove() const { return m_currentMove; }
    void SetCurrentMove(int) {} // read-only by design
    CastleSet CastlingAllowed() const { return m_castlingAllowed.load(std::memory_order_relaxed); }
    void SetCastlingAllowed(CastleSet value);
    Square EnPassant() const { return m_enPassant; }
    // Accepts only A6 ... H6 and A3 ... H3; anything else is ignored.
    void SetEnPassant(Square sq);
    bool ComputerPlaysWhite() const { return m_computerPlaysWhite; }
    void SetComputerPlaysWhite(bool value);
    bool ComputerPlaysBlack() const { return m_computerPlaysBlack; }
    void SetComputerPlaysBlack(bool value);
    char PromotionPiece() const { return m_promotionPiece; }
    void SetPromotionPiece(char letter) { m_promotionPiece = letter; }
    bool ComputerToMove() const;

    // Recorded line of play
    int LastMove() const { return m_lastMove; }
    bool LastWhiteToMove() const { return m_lastWhiteToMove; }
    // The entry of (move, side to move); an empty entry for moves never recorded.
    const MoveInfo& HistoryEntry(int move, bool whiteToMove) const;

    // Engine hand-off flags
    bool StopRequested() const { return m_stopRequested; }
    void SetStopRequested(bool value) { m_stopRequested = value; }
    bool GameEnded() const { return m_gameEnded; }
    // Pauses the engine (through the control) and sets StopRequested.
    void StopThinking();
    void StartThinking();

    // Legality
    bool IsLegalMove(Square from, Square to) const;
    bool PawnMoveOk(Square from, Square to) const;
    bool KnightMoveOk(Square from, Square to) const;
    bool BishopMoveOk(Square from, Square to) const;
    bool RookMoveOk(Square from, Square to) const;
    bool QueenMoveOk(Square from, Square to) const;
    bool KingMoveOk(Square from, Square to) const;
    // Whether that king is attacked once the letter on from stands on to
    // (from == to tests the position as it is).
    bool WhiteKingInCheckAfter(Square from, Square to) const;
    bool BlackKingInCheckAfter(Square from, Square to) const;
    bool HasLegalMove() const;
    bool IsThreefoldRepetition() const;

    // Playing and navigating
    void ResetToStart();
    void NewGame();
    bool ExecuteMove(Square from, Square to);
    bool MakeMove(Square from, Square to);
    bool GotoHalfMove(int move, bool whiteToMove);
    bool StepBack();
    bool StepForward();
    // Appends one line per recorded half-move ("1. E2-E4", 14 blanks + "E7-E5").
    void GetMoveList(std::vector<std::string>& list) const;

    // Events, called only when assigned, in this order within one move.
    std::function<void(Square oldSq, Square newSq)> OnLegalMove;
    std::function<void(Square oldSq, Square newSq, char capturedPiece)> OnCapture;
    std::function<void(Square oldSq, Square newSq, char& newPiece)> OnPromotion;
    std::function<void(Square oldSq, Square newSq)> OnCastle;
    std::function<void(Square oldSq, Square newSq)> OnCheck;
    std::function<void(Square oldSq, Square newSq)> OnMate;
    std::function<void(Square oldSq, Square newSq)> OnStaleMate;
    std::function<void()> OnNoMatingMaterial;
    std::function<void()> OnThreefoldPosition;
    std::function<void()> OnDraw;
    std::function<void()> OnPaint;

private:
    // The move's rules without the repetition refusal.
    bool IsLegalIgnoringRepetition(Square from, Square to) const;
    bool HasLegalMoveIgnoringRepetition() const;
    bool KingAttackedAfter(Square from, Square to, bool whiteKing) const;
    bool SlideReaches(Square from, Square to, const int (*directions)[2], int count) const;
    void PromotePawn(Square sq);
    MoveInfo& EntryFor(int move, bool whiteToMove);
    void RecordCurrentPosition();

    // The steps of ExecuteMove, in the order it calls them
    void RecordPositionBefore(Square from, Square to);
    char MovePiece(Square from, Square to);
    void AdvanceTurn();
    void PromoteOnLastRank(Square from, Square to);
    void TakeEnPassantVictim(Square from, Square to);
    void SetEnPassantSquare(Square from, Square to);
    void MoveCastlingRook(Square from, Square to);
    void DropCastlingRights(Square from, Square to);
    bool ReportMateStalemateAndMaterial(Square from, Square to);

    // Drawing, when a view is attached
    void DrawSquare(Square sq);
    void DrawPiece(Square sq, char letter);
    void DrawGridLines();

    IBoardView* m_view = nullptr;
    IEngineControl* m_engine = nullptr;

    std::array<char, 66> m_board{};
    bool m_whiteToMove = true;
    int m_currentMove = 1;
    std::atomic<CastleSet> m_castlingAllowed{AllCastling}; // a plain store the engine reads
    Square m_enPassant = Square::None;
    bool m_computerPlaysWhite = false;
    bool m_computerPlaysBlack = false;
    char m_promotionPiece = 'q';
    int m_lastMove = 1;
    bool m_lastWhiteToMove = true;
    bool m_stopRequested = false;
    bool m_gameEnded = false;
    // Row m holds move m's two positions (White to move, Black to move);
    // grows with the game, row 0 unused.
    std::vector<std::array<MoveInfo, 2>> m_history;
};

} // namespace quintavo
