#include "rules/board_model.h"

#include <algorithm>
#include <cctype>

#include "rules/board_view.h"
#include "rules/engine_control.h"

namespace quintavo {

namespace {

constexpr int Diagonals[4][2] = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
// Horizontal directions first, then vertical: the order the walk is made in.
constexpr int Lines[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
constexpr int KnightJumps[8][2] = {{2, 1}, {2, -1}, {-2, 1}, {-2, -1},
                                   {1, 2}, {1, -2}, {-1, 2}, {-1, -2}};

constexpr std::string_view StoredLetters = " PNBRQKpnbrqk";

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

int Distance(int a, int b) {
    return a > b ? a - b : b - a;
}

// Material that can still force mate: a side with less than 5 cannot.
int MatingWeight(char letter) {
    switch (Lower(letter)) {
    case 'p':
    case 'r':
    case 'q':
        return 5;
    case 'b':
        return 3;
    case 'n':
        return 2;
    default:
        return 0;
    }
}

// Half-moves in playing order: (m, White) < (m, Black) < (m + 1, White).
int HalfMoveKey(int move, bool whiteToMove) {
    return move * 2 + (whiteToMove ? 0 : 1);
}

// Unknown promotion letters give a queen.
char PromotionLetter(char requested, bool white) {
    char letter = Lower(requested);
    if (letter != 'q' && letter != 'r' && letter != 'b' && letter != 'n') letter = 'q';
    return white ? static_cast<char>(std::toupper(static_cast<unsigned char>(letter))) : letter;
}

// Whether that king is attacked on `board` once the letter on from stands on to.
bool KingAttacked(std::array<char, 66> copy, Square from, Square to, Square enPassant,
                  bool whiteKing) {
    if (from != to && ToSquare(Ordinal(from)) != Square::None &&
        ToSquare(Ordinal(to)) != Square::None) {
        const char mover = copy[Ordinal(from)];
        // An en-passant capture also takes its victim off the board.
        if (to == enPassant && FileOf(from) != FileOf(to) && copy[Ordinal(to)] == ' ') {
            if (mover == 'P' && RankOf(to) == 6) copy[Ordinal(MakeSquare(FileOf(to), 5))] = ' ';
            if (mover == 'p' && RankOf(to) == 3) copy[Ordinal(MakeSquare(FileOf(to), 4))] = ' ';
        }
        copy[Ordinal(to)] = mover;
        copy[Ordinal(from)] = ' ';
    }

    const char king = whiteKing ? 'K' : 'k';
    int kingAt = 0;
    for (int i = 1; i <= SquareCount && kingAt == 0; ++i)
        if (copy[i] == king) kingAt = i;
    // Without its king White is never in check, Black always: no Black move
    // then passes.
    if (kingAt == 0) return !whiteKing;

    const auto at = [&copy](int f, int r) {
        const Square sq = MakeSquare(f, r);
        return sq == Square::None ? '\0' : copy[Ordinal(sq)];
    };
    const int f = FileOf(ToSquare(kingAt));
    const int r = RankOf(ToSquare(kingAt));
    const char pawn = whiteKing ? 'p' : 'P';
    const int pawnRank = whiteKing ? r + 1 : r - 1;
    if (at(f - 1, pawnRank) == pawn || at(f + 1, pawnRank) == pawn) return true;

    const char knight = whiteKing ? 'n' : 'N';
    for (const auto& jump : KnightJumps)
        if (at(f + jump[0], r + jump[1]) == knight) return true;

    const char queen = whiteKing ? 'q' : 'Q';
    const char bishop = whiteKing ? 'b' : 'B';
    const char rook = whiteKing ? 'r' : 'R';
    const char enemyKing = whiteKing ? 'k' : 'K';
    const auto rayHits = [&](const int(&dir)[2], char slider) {
        for (int k = 1; k <= 7; ++k) {
            const char c = at(f + dir[0] * k, r + dir[1] * k);
            if (c == '\0') return false;
            if (c == ' ') continue;
            return c == queen || c == slider || (c == enemyKing && k == 1);
        }
        return false;
    };
    for (const auto& dir : Diagonals)
        if (rayHits(dir, bishop)) return true;
    for (const auto& dir : Lines)
        if (rayHits(dir, rook)) return true;
    return false;
}

// The en-passant square of a recorded position as far as it makes a
// difference: only where a pawn of the side to move can legally take onto it.
Square CapturableEnPassant(const MoveInfo& entry, bool whiteToMove) {
    const Square ep = entry.EnPassant;
    if (RankOf(ep) != (whiteToMove ? 6 : 3)) return Square::None;
    std::array<char, 66> board{};
    board.fill(' ');
    board[65] = '\0';
    for (int i = 0; i < SquareCount && i < static_cast<int>(entry.Position.size()); ++i)
        board[i + 1] = entry.Position[i];
    const char pawn = whiteToMove ? 'P' : 'p';
    const int fromRank = whiteToMove ? 5 : 4;
    for (int df : {-1, 1}) {
        const Square from = MakeSquare(FileOf(ep) + df, fromRank);
        if (from == Square::None || board[Ordinal(from)] != pawn) continue;
        if (!KingAttacked(board, from, ep, ep, whiteToMove)) return ep;
    }
    return Square::None;
}

// Two recorded positions with the same side to move are the same position
// when placement, castling rights and a usable en-passant square all agree.
bool SamePosition(const MoveInfo& a, const MoveInfo& b, bool whiteToMove) {
    return a.Position == b.Position && a.CastlingAllowed == b.CastlingAllowed &&
           CapturableEnPassant(a, whiteToMove) == CapturableEnPassant(b, whiteToMove);
}

const MoveInfo EmptyEntry{};

} // namespace

BoardModel::BoardModel() {
    m_board.fill(' ');
    m_board[65] = '\0';
    ResetToStart();
}

// ---------------------------------------------------------------------------
// Position and state

std::string BoardModel::Position() const {
    std::string position(m_board.begin() + 1, m_board.begin() + 65);
    const auto end = position.find('\0');
    if (end != std::string::npos) position.resize(end);
    return position;
}

void BoardModel::SetPosition(std::string_view position) {
    StopThinking();
    std::fill(m_board.begin(), m_board.begin() + 65, ' ');
    const std::size_t count = std::min<std::size_t>(SquareCount, position.size());
    for (std::size_t i = 0; i < count; ++i) {
        const char c = position[i];
        if (c == '\0') break;
        if (StoredLetters.find(c) != std::string_view::npos) m_board[i + 1] = c;
    }
    std::string lowered(position);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(), Lower);
    if (lowered == "init" || lowered == "newgame") {
        m_board[0] = '_';
        std::copy(StartPosition.begin(), StartPosition.end(), m_board.begin() + 1);
    }
    if (m_view) m_view->RepaintAll();
}

char BoardModel::PieceAt(Square sq) const {
    if (sq == Square::None) return m_board[0];
    return ToSquare(Ordinal(sq)) == Square::None ? '\0' : m_board[Ordinal(sq)];
}

int BoardModel::PieceColor(Square sq) const {
    if (ToSquare(Ordinal(sq)) == Square::None) return -1;
    return LetterColor(m_board[Ordinal(sq)]);
}

void BoardModel::SetWhiteToMove(bool value) {
    StopThinking();
    m_whiteToMove = value;
}

void BoardModel::SetCastlingAllowed(CastleSet value) {
    m_castlingAllowed.store(value & AllCastling, std::memory_order_relaxed);
}

void BoardModel::SetEnPassant(Square sq) {
    const int rank = RankOf(sq);
    if (rank != 6 && rank != 3) return;
    StopThinking();
    m_enPassant = sq;
}

void BoardModel::SetComputerPlaysWhite(bool value) {
    StopThinking();
    m_computerPlaysWhite = value;
    StartThinking();
}

void BoardModel::SetComputerPlaysBlack(bool value) {
    StopThinking();
    m_computerPlaysBlack = value;
    StartThinking();
}

bool BoardModel::ComputerToMove() const {
    return (m_computerPlaysWhite && m_whiteToMove) || (m_computerPlaysBlack && !m_whiteToMove);
}

// ---------------------------------------------------------------------------
// Recorded line and engine hand-off

const MoveInfo& BoardModel::HistoryEntry(int move, bool whiteToMove) const {
    if (move < 1 || move >= static_cast<int>(m_history.size())) return EmptyEntry;
    return m_history[move][whiteToMove ? 0 : 1];
}

MoveInfo& BoardModel::EntryFor(int move, bool whiteToMove) {
    if (move >= static_cast<int>(m_history.size())) m_history.resize(move + 1);
    return m_history[move][whiteToMove ? 0 : 1];
}

void BoardModel::RecordCurrentPosition() {
    MoveInfo& entry = EntryFor(m_currentMove, m_whiteToMove);
    entry.Position = Position();
    entry.CastlingAllowed = CastlingAllowed();
    entry.EnPassant = m_enPassant;
}

void BoardModel::StopThinking() {
    if (m_engine) m_engine->PauseEngine();
    m_stopRequested = true;
}

void BoardModel::StartThinking() {
    if (m_engine) m_engine->StartThinking();
}

// ---------------------------------------------------------------------------
// Legality

bool BoardModel::IsLegalMove(Square from, Square to) const {
    // A Square is any byte: values past H1 would index beyond the board.
    if (ToSquare(Ordinal(from)) == Square::None || ToSquare(Ordinal(to)) == Square::None)
        return false;
    // The repetition walk reads the whole line: asked last, as few moves
    // get that far.
    return IsLegalIgnoringRepetition(from, to) && !IsThreefoldRepetition();
}

bool BoardModel::IsLegalIgnoringRepetition(Square from, Square to) const {
    if (ToSquare(Ordinal(from)) == Square::None || ToSquare(Ordinal(to)) == Square::None)
        return false;
    const int mover = PieceColor(from);
    if (mover != (m_whiteToMove ? 1 : 0)) return false;
    if (mover == PieceColor(to)) return false;
    bool movementOk = true;
    switch (Lower(PieceAt(from))) {
    case 'p':
        movementOk = PawnMoveOk(from, to);
        break;
    case 'n':
        movementOk = KnightMoveOk(from, to);
        break;
    case 'b':
        movementOk = BishopMoveOk(from, to);
        break;
    case 'r':
        movementOk = RookMoveOk(from, to);
        break;
    case 'q':
        movementOk = QueenMoveOk(from, to);
        break;
    case 'k':
        movementOk = KingMoveOk(from, to);
        break;
    default:
        break; // a letter without a movement rule
    }
    if (!movementOk) return false;
    return mover == 1 ? !WhiteKingInCheckAfter(from, to) : !BlackKingInCheckAfter(from, to);
}

bool BoardModel::PawnMoveOk(Square from, Square to) const {
    const int color = PieceColor(from);
    if (color < 0 || to == Square::None) return false;
    const bool white = color == 1;
    // A pawn on its own first rank has no moves, as in the engine.
    if (RankOf(from) == (white ? 1 : 8)) return false;
    const int step = white ? 1 : -1;
    const int df = Distance(FileOf(to), FileOf(from));
    if (RankOf(to) == RankOf(from) + step) {
        if (df == 0) return PieceColor(to) == -1;
        if (df == 1) return PieceColor(to) == (white ? 0 : 1) || to == m_enPassant;
        return false;
    }
    const int startRank = white ? 2 : 7;
    if (RankOf(from) != startRank || RankOf(to) != startRank + 2 * step || df != 0) return false;
    const Square between = ToSquare((Ordinal(from) + Ordinal(to)) / 2);
    return PieceColor(to) == -1 && PieceColor(between) == -1;
}

bool BoardModel::KnightMoveOk(Square from, Square to) const {
    const int df = Distance(FileOf(to), FileOf(from));
    const int dr = Distance(RankOf(to), RankOf(from));
    return (df == 2 && dr == 1) || (df == 1 && dr == 2);
}

bool BoardModel::SlideReaches(Square from, Square to, const int (*directions)[2], int count) const {
    const int mover = PieceColor(from);
    const int f = FileOf(from);
    const int r = RankOf(from);
    for (int d = 0; d < count; ++d) {
        for (int k = 1; k <= 7; ++k) {
            const Square sq = MakeSquare(f + directions[d][0] * k, r + directions[d][1] * k);
            if (sq == Square::None) break;
            if (sq == to) return PieceColor(to) != mover;
            if (PieceColor(sq) != -1) break;
        }
    }
    return false;
}

bool BoardModel::BishopMoveOk(Square from, Square to) const {
    return SlideReaches(from, to, Diagonals, 4);
}

bool BoardModel::RookMoveOk(Square from, Square to) const {
    return SlideReaches(from, to, Lines, 4);
}

bool BoardModel::QueenMoveOk(Square from, Square to) const {
    return BishopMoveOk(from, to) || RookMoveOk(from, to);
}

bool BoardModel::KingMoveOk(Square from, Square to) const {
    if (Distance(FileOf(to), FileOf(from)) <= 1 && Distance(RankOf(to), RankOf(from)) <= 1)
        return true;

    for (const CastlingMove& c : CastlingMoves) {
        if (from != c.KingFrom || to != c.KingTo) continue;
        if ((CastlingAllowed() & c.Right) == 0) return false;
        if (PieceAt(c.RookFrom) != c.Rook) return false;
        for (Square sq : c.MustBeEmpty)
            if (sq != Square::None && PieceColor(sq) != -1) return false;
        const bool white = c.Rook == 'R';
        const Square kingPath[3] = {c.KingFrom, c.Passes[0], c.Passes[1]};
        for (Square sq : kingPath) {
            const bool attacked = white ? WhiteKingInCheckAfter(c.KingFrom, sq)
                                        : BlackKingInCheckAfter(c.KingFrom, sq);
            if (attacked) return false;
        }
        return true;
    }
    return false;
}

bool BoardModel::WhiteKingInCheckAfter(Square from, Square to) const {
    return KingAttackedAfter(from, to, true);
}

bool BoardModel::BlackKingInCheckAfter(Square from, Square to) const {
    return KingAttackedAfter(from, to, false);
}

bool BoardModel::KingAttackedAfter(Square from, Square to, bool whiteKing) const {
    return KingAttacked(m_board, from, to, m_enPassant, whiteKing);
}

bool BoardModel::HasLegalMove() const {
    return !IsThreefoldRepetition() && HasLegalMoveIgnoringRepetition();
}

bool BoardModel::HasLegalMoveIgnoringRepetition() const {
    const int side = m_whiteToMove ? 1 : 0;
    for (int from = 1; from <= SquareCount; ++from) {
        if (LetterColor(m_board[from]) != side) continue;
        for (int to = 1; to <= SquareCount; ++to)
            if (IsLegalIgnoringRepetition(ToSquare(from), ToSquare(to))) return true;
    }
    return false;
}

bool BoardModel::IsThreefoldRepetition() const {
    const MoveInfo& current = HistoryEntry(m_currentMove, m_whiteToMove);
    if (current.Position.empty()) return false;
    // Only positions with the same side to move can repeat: one full move back
    // at a time.
    int repeats = 0;
    for (int move = m_currentMove - 1; move >= 1; --move)
        if (SamePosition(HistoryEntry(move, m_whiteToMove), current, m_whiteToMove) &&
            ++repeats >= 2)
            return true;
    return false;
}

// ---------------------------------------------------------------------------
// Playing and navigating

void BoardModel::ResetToStart() {
    StopThinking();
    m_board[0] = '_';
    std::copy(StartPosition.begin(), StartPosition.end(), m_board.begin() + 1);
    m_board[65] = '\0';
    m_whiteToMove = true;
    m_currentMove = 1;
    m_lastMove = 1;
    m_lastWhiteToMove = true;
    m_enPassant = Square::None;
    m_castlingAllowed.fetch_or(AllCastling, std::memory_order_relaxed);
    // The start of the line is known from here on, so going back to it before
    // the first move shows the start position.
    RecordCurrentPosition();
}

void BoardModel::NewGame() {
    ResetToStart();
    if (m_view) m_view->RepaintAll();
}

void BoardModel::DrawSquare(Square sq) {
    if (m_view) m_view->DrawSquare(sq);
}

void BoardModel::DrawPiece(Square sq, char letter) {
    if (m_view) m_view->DrawPiece(sq, letter);
}

void BoardModel::DrawGridLines() {
    if (m_view) m_view->DrawGridLines();
}

void BoardModel::PromotePawn(Square sq) {
    m_board[Ordinal(sq)] = PromotionLetter(m_promotionPiece, RankOf(sq) == 8);
    DrawSquare(sq);
    DrawPiece(sq, m_board[Ordinal(sq)]);
    DrawGridLines();
}

// The single place where a move changes the game. Its steps run in this
// order because the handlers of each event see the board as the steps before
// left it.
bool BoardModel::ExecuteMove(Square from, Square to) {
    m_gameEnded = false;
    if (!IsLegalMove(from, to)) return false;
    RecordPositionBefore(from, to);
    const char captured = MovePiece(from, to);
    AdvanceTurn();
    if (OnLegalMove) OnLegalMove(from, to);
    if (captured != ' ' && OnCapture) OnCapture(from, to, captured);
    PromoteOnLastRank(from, to);
    TakeEnPassantVictim(from, to);
    SetEnPassantSquare(from, to);
    MoveCastlingRook(from, to);
    DropCastlingRights(from, to);
    bool draw = ReportMateStalemateAndMaterial(from, to);
    RecordCurrentPosition();
    m_lastMove = m_currentMove;
    m_lastWhiteToMove = m_whiteToMove;
    if (IsThreefoldRepetition()) {
        if (OnThreefoldPosition) OnThreefoldPosition();
        draw = true;
    }
    if (draw && OnDraw) {
        m_gameEnded = true;
        OnDraw();
    }
    if (OnPaint) OnPaint();
    return true;
}

void BoardModel::RecordPositionBefore(Square from, Square to) {
    MoveInfo& before = EntryFor(m_currentMove, m_whiteToMove);
    before.Position = Position();
    before.CastlingAllowed = CastlingAllowed();
    before.EnPassant = m_enPassant;
    before.OldSq = from;
    before.NewSq = to;
}

// Slides or places the piece and repaints both squares; gives the captured
// letter, blank for none.
char BoardModel::MovePiece(Square from, Square to) {
    DrawSquare(from);
    if (m_view && m_view->WantsAnimation(from, to)) {
        DrawGridLines();
        m_view->AnimateMove(from, to);
    }
    const char captured = m_board[Ordinal(to)];
    m_board[Ordinal(to)] = m_board[Ordinal(from)];
    m_board[Ordinal(from)] = ' ';
    DrawSquare(to);
    DrawPiece(to, m_board[Ordinal(to)]);
    DrawGridLines();
    return captured;
}

// The recorded line now ends at the new position.
void BoardModel::AdvanceTurn() {
    if (!m_whiteToMove) ++m_currentMove;
    m_whiteToMove = !m_whiteToMove;
    m_lastMove = m_currentMove;
    m_lastWhiteToMove = m_whiteToMove;
}

void BoardModel::PromoteOnLastRank(Square from, Square to) {
    const char moved = m_board[Ordinal(to)];
    if ((moved == 'P' || moved == 'p') && (RankOf(to) == 8 || RankOf(to) == 1)) {
        if (OnPromotion) OnPromotion(from, to, m_promotionPiece);
        PromotePawn(to);
    }
}

// EnPassant still holds the square of the move before.
void BoardModel::TakeEnPassantVictim(Square from, Square to) {
    Square victim = Square::None;
    if (to == m_enPassant) {
        if (m_board[Ordinal(to)] == 'P' && RankOf(to) == 6) victim = MakeSquare(FileOf(to), 5);
        if (m_board[Ordinal(to)] == 'p' && RankOf(to) == 3) victim = MakeSquare(FileOf(to), 4);
    }
    if (victim == Square::None) return;
    if (OnCapture) OnCapture(from, to, m_board[Ordinal(victim)]);
    m_board[Ordinal(victim)] = ' ';
    DrawSquare(victim);
    DrawGridLines();
}

// A double step sets the square passed over, whether or not a pawn could
// take there.
void BoardModel::SetEnPassantSquare(Square from, Square to) {
    const char landed = m_board[Ordinal(to)];
    if ((landed == 'P' && RankOf(from) == 2 && RankOf(to) == 4) ||
        (landed == 'p' && RankOf(from) == 7 && RankOf(to) == 5))
        m_enPassant = ToSquare((Ordinal(from) + Ordinal(to)) / 2);
    else
        m_enPassant = Square::None;
}

void BoardModel::MoveCastlingRook(Square from, Square to) {
    const char landed = m_board[Ordinal(to)];
    for (const CastlingMove& c : CastlingMoves) {
        if (landed != c.King || from != c.KingFrom || to != c.KingTo) continue;
        m_board[Ordinal(c.RookTo)] = c.Rook;
        m_board[Ordinal(c.RookFrom)] = ' ';
        DrawSquare(c.RookFrom);
        DrawPiece(c.RookTo, c.Rook);
        DrawGridLines();
        if (OnCastle) OnCastle(from, to);
    }
}

// A right goes with a move from its king's or rook's square, and with a
// capture of the rook on its corner (the engine trusts the rights).
void BoardModel::DropCastlingRights(Square from, Square to) {
    CastleSet lost = RightsTiedTo(from);
    if (to != Square::E1 && to != Square::E8) lost |= RightsTiedTo(to);
    if (lost) m_castlingAllowed.fetch_and(static_cast<CastleSet>(~lost), std::memory_order_relaxed);
}

// Check, mate or stalemate, then too little material; true when a draw was
// found.
bool BoardModel::ReportMateStalemateAndMaterial(Square from, Square to) {
    const bool check = WhiteKingInCheckAfter(to, to) || BlackKingInCheckAfter(to, to);
    bool draw = false;
    // The history entry of the new position is not written yet, so the
    // repetition refusal would read a stale entry here: it is judged later.
    const bool hasMove = HasLegalMoveIgnoringRepetition();
    if (check) {
        if (OnCheck) OnCheck(from, to);
        if (!hasMove && OnMate) {
            m_gameEnded = true;
            OnMate(from, to);
        }
    } else if (!hasMove) {
        if (OnStaleMate) OnStaleMate(from, to);
        draw = true;
    }

    int whiteWeight = 0;
    int blackWeight = 0;
    for (int i = 1; i <= SquareCount; ++i) {
        const char c = m_board[i];
        (LetterColor(c) == 1 ? whiteWeight : blackWeight) += MatingWeight(c);
    }
    if (whiteWeight < 5 && blackWeight < 5) {
        if (OnNoMatingMaterial) OnNoMatingMaterial();
        draw = true;
    }
    return draw;
}

bool BoardModel::MakeMove(Square from, Square to) {
    StopThinking();
    const bool made = ExecuteMove(from, to);
    m_stopRequested = false;
    StartThinking();
    return made;
}

bool BoardModel::GotoHalfMove(int move, bool whiteToMove) {
    StopThinking();
    const int key = HalfMoveKey(move, whiteToMove);
    if (key > HalfMoveKey(m_lastMove, m_lastWhiteToMove) || key < HalfMoveKey(1, true))
        return false;
    m_currentMove = move;
    m_whiteToMove = whiteToMove;
    const std::string oldPosition = Position();
    const MoveInfo& entry = HistoryEntry(move, whiteToMove);
    for (int i = 0; i < SquareCount; ++i)
        m_board[i + 1] = i < static_cast<int>(entry.Position.size()) ? entry.Position[i] : ' ';
    m_enPassant = entry.EnPassant;
    m_castlingAllowed.store(entry.CastlingAllowed, std::memory_order_relaxed);
    if (m_view) m_view->RedrawChangedSquares(oldPosition);
    return true;
}

bool BoardModel::StepBack() {
    return m_whiteToMove ? GotoHalfMove(m_currentMove - 1, false)
                         : GotoHalfMove(m_currentMove, true);
}

bool BoardModel::StepForward() {
    return m_whiteToMove ? GotoHalfMove(m_currentMove, false)
                         : GotoHalfMove(m_currentMove + 1, true);
}

void BoardModel::GetMoveList(std::vector<std::string>& list) const {
    // An under-promotion adds the piece's letter ("E7-E8N"), read from the
    // position the move led to; a queen adds nothing.
    const auto moveText = [](const MoveInfo& entry, const MoveInfo& after) {
        std::string text = SquareName(entry.OldSq) + "-" + SquareName(entry.NewSq);
        const int from = Ordinal(entry.OldSq) - 1;
        const int to = Ordinal(entry.NewSq) - 1;
        if (from < 0 || to < 0 || from >= static_cast<int>(entry.Position.size()) ||
            to >= static_cast<int>(after.Position.size()))
            return text;
        const int rank = RankOf(entry.NewSq);
        const char piece = Lower(after.Position[to]);
        if (Lower(entry.Position[from]) == 'p' && (rank == 8 || rank == 1) &&
            (piece == 'r' || piece == 'b' || piece == 'n'))
            text += static_cast<char>(std::toupper(static_cast<unsigned char>(piece)));
        return text;
    };
    for (int move = 1; move <= m_lastMove; ++move) {
        const bool last = move == m_lastMove;
        if (!last || !m_lastWhiteToMove)
            list.push_back(std::to_string(move) + ". " +
                           moveText(HistoryEntry(move, true), HistoryEntry(move, false)));
        if (!last)
            list.push_back(std::string(14, ' ') +
                           moveText(HistoryEntry(move, false), HistoryEntry(move + 1, true)));
    }
}

} // namespace quintavo
