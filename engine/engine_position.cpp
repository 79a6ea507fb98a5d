#include "engine/engine.h"

#include <bit>
#include <utility>

namespace quintavo::engine {

namespace {

constexpr char StartBoard[] = "rnbqkbnrpppppppp                                PPPPPPPPRNBQKBNR";

int KindOfLetter(char upper) {
    switch (upper) {
    case 'P':
        return Pawn;
    case 'N':
        return Knight;
    case 'B':
        return Bishop;
    case 'R':
        return Rook;
    case 'Q':
        return Queen;
    case 'K':
        return King;
    default:
        return NoPiece;
    }
}

constexpr char PieceLetters[] = "PNBRQK";

} // namespace

EngineRequest StartRequest() {
    EngineRequest r;
    for (int s = 0; s < 64; ++s)
        r.Board[s] = StartBoard[s];
    r.WhiteToMove = true;
    r.CastlingAllowed = AllCastling;
    r.EnPassant = Square::None;
    r.SearchDepth = 1;
    return r;
}

TEngine::TEngine() {
    m_squarePiece.fill(NoPiece);
}

void TEngine::LoadEnginePosition(const EngineRequest& request) {
    m_colorSets.fill(0);
    for (int s = 0; s < 64; ++s) {
        const char c = request.Board[s];
        int kind = NoPiece;
        int color = NoColor;
        if (c >= 'A' && c <= 'Z') {
            kind = KindOfLetter(c);
            color = White;
        } else if (c >= 'a' && c <= 'z') {
            kind = KindOfLetter(static_cast<char>(c - 'a' + 'A'));
            color = Black;
        }
        m_squarePiece[s] = static_cast<std::uint8_t>(kind); // any other letter is an empty square
        if (kind != NoPiece) m_colorSets[color] |= SquareBit(s);
    }
    m_sideToMove = request.WhiteToMove ? White : Black;
    m_otherSide = 1 - m_sideToMove;

    // A right whose king or rook is away from home would castle with a
    // missing piece; play never produces one, so it is dropped here.
    const auto holds = [this](int sq, int color, int kind) {
        return SquareColor(sq) == color && m_squarePiece[sq] == kind;
    };
    int rights = request.CastlingAllowed & AllCastling;
    for (const EngineCastling& c : Castlings) {
        if (!holds(c.KingFrom, c.Color, King) || !holds(c.RookFrom, c.Color, Rook))
            rights &= ~c.Right;
    }
    m_castleRights = rights;

    // Only a square a double step can have passed over, with the pawn that
    // made it in front: anything else would make the capture remove a piece
    // that is not there and take-back invent one.
    int ep = EngineSquare(request.EnPassant);
    if (ep >= 0) {
        const int victim = m_sideToMove == White ? ep + 8 : ep - 8;
        const int row = RowOfSquare(ep);
        const bool rowFits = m_sideToMove == White ? row == 2 : row == 5;
        if (!rowFits || m_squarePiece[ep] != NoPiece || !holds(victim, m_otherSide, Pawn)) ep = -1;
    }
    m_enPassantSquare = ep;

    m_searchPly = 0;
    m_checkersKnown[0] = false;
    m_plyMovesStart[0] = 0;
    m_plyMovesEnd[0] = 0;
    RebuildDerivedState();
}

void TEngine::RebuildDerivedState() {
    for (auto& byColor : m_pieceSets)
        byColor.fill(0);
    m_tableSums.fill(0);
    for (int s = 0; s < 64; ++s) {
        const int k = m_squarePiece[s];
        if (k == NoPiece) continue;
        const int c = SquareColor(s);
        m_pieceSets[c][k] |= SquareBit(s);
        m_tableSums[c] += m_pieceSquareValue[c][k][s];
    }
}

bool TEngine::IsConsistent() const {
    std::array<std::array<std::uint64_t, 6>, 2> pieceSets{};
    std::array<std::uint64_t, 2> colorSets{};
    std::array<std::int32_t, 2> tableSums{};
    if ((m_colorSets[White] & m_colorSets[Black]) != 0) return false;
    for (int s = 0; s < 64; ++s) {
        const int c = SquareColor(s);
        const int k = m_squarePiece[s];
        if ((c == NoColor) != (k == NoPiece)) return false;
        if (c == NoColor) continue;
        if (k < Pawn || k > King) return false;
        pieceSets[c][k] |= SquareBit(s);
        colorSets[c] |= SquareBit(s);
        tableSums[c] += m_pieceSquareValue[c][k][s];
    }
    return pieceSets == m_pieceSets && colorSets == m_colorSets && tableSums == m_tableSums;
}

template <bool KeepSums> inline void TEngine::PutPiece(int sq, int color, int kind) {
    m_squarePiece[sq] = static_cast<std::uint8_t>(kind);
    m_pieceSets[color][kind] |= SquareBit(sq);
    m_colorSets[color] |= SquareBit(sq);
    if constexpr (KeepSums) m_tableSums[color] += m_pieceSquareValue[color][kind][sq];
}

template <bool KeepSums> inline void TEngine::ClearSquare(int sq) {
    const int color = SquareColor(sq);
    if (color == NoColor) return;
    if constexpr (KeepSums) m_tableSums[color] -= m_pieceSquareValue[color][m_squarePiece[sq]][sq];
    m_pieceSets[color][m_squarePiece[sq]] &= ~SquareBit(sq);
    m_colorSets[color] &= ~SquareBit(sq);
    m_squarePiece[sq] = NoPiece;
}

EngineRequest TEngine::CurrentRequest() const {
    EngineRequest r;
    for (int s = 0; s < 64; ++s) {
        const int kind = m_squarePiece[s];
        if (kind == NoPiece) {
            r.Board[s] = ' ';
        } else {
            const char upper = PieceLetters[kind];
            r.Board[s] = SquareColor(s) == White ? upper : static_cast<char>(upper - 'A' + 'a');
        }
    }
    r.WhiteToMove = m_sideToMove == White;
    r.CastlingAllowed = static_cast<std::uint8_t>(m_castleRights);
    r.EnPassant = m_enPassantSquare >= 0 ? FromEngineSquare(m_enPassantSquare) : Square::None;
    r.SearchDepth = 1;
    return r;
}

// The generator carries the list's end by value and the side to move as a
// template argument: held in members, both would be read again after every
// store into the score array, which the compiler must assume can overlap them.
inline int TEngine::AddMove(int end, int from, int to, int flags) {
    if (end >= MoveStackSize) return end; // only a position play never reaches fills the stack
    int score;
    if (flags & MoveFlags::Capture)
        score = 1000000 + 10 * m_squarePiece[to] - m_squarePiece[from];
    else
        score = m_historyScore[from][to];
    m_stackMoves[end] = MakeEngineMove(from, to, 0, flags);
    m_stackScores[end] = score;
    return end + 1;
}

template <int Us> inline int TEngine::AddPawnMove(int end, int from, int to, int flags) {
    if (Us == White ? to <= 7 : to >= 56) return AddPromotions(end, from, to, flags);
    return AddMove(end, from, to, flags);
}

inline int TEngine::AddPromotions(int end, int from, int to, int flags) {
    for (int kind = Knight; kind <= Queen; ++kind) {
        if (end >= MoveStackSize) return end;
        m_stackMoves[end] = MakeEngineMove(from, to, kind, flags + MoveFlags::Promotion);
        m_stackScores[end] = 1000000 + 10 * kind;
        ++end;
    }
    return end;
}

namespace {

constexpr std::uint64_t RowSet(int row) {
    return std::uint64_t{0xFF} << (8 * row);
}

// The pawns that have a move for the capture generator: a capture, or a step
// onto the last rank. Pawns on the first or last rank are outside play.
template <int Us>
std::uint64_t PawnsWithCaptureMoves(std::uint64_t pawns, std::uint64_t enemy,
                                    std::uint64_t occupied) {
    pawns &= ~(RowSet(0) | RowSet(7));
    if constexpr (Us == White) {
        const std::uint64_t takers = ((enemy << 9) & ~FileSet[0]) | ((enemy << 7) & ~FileSet[7]);
        return pawns & (takers | (RowSet(1) & ~(occupied << 8)));
    } else {
        const std::uint64_t takers = ((enemy >> 7) & ~FileSet[0]) | ((enemy >> 9) & ~FileSet[7]);
        return pawns & (takers | (RowSet(6) & ~(occupied >> 8)));
    }
}

// The piece that ends the ray from the square, or -1 for none.
template <int Ray> int NearestOnRay(int s, std::uint64_t occupied) {
    const std::uint64_t blockers = RaySets[s][Ray] & occupied;
    if (blockers == 0) return -1;
    return Ray < 4 ? 63 - std::countl_zero(blockers) : std::countr_zero(blockers);
}

// The slider of the set that ends the ray from the square, if one does.
template <int Ray> std::uint64_t SliderOnRay(int s, std::uint64_t occupied, std::uint64_t sliders) {
    if ((RaySets[s][Ray] & sliders) == 0) return 0;
    return sliders & SquareBit(NearestOnRay<Ray>(s, occupied));
}

} // namespace

// A pawn on the first or last rank is outside play: it has no moves. The
// capture generator keeps only the steps onto the last rank. Captures come in
// ascending squares, the left one first.
template <int Us, bool CapturesOnly>
inline int TEngine::AddPawnMoves(int end, int s, std::uint64_t enemy, std::uint64_t occupied) {
    const int row = RowOfSquare(s);
    if (row == 0 || row == 7) return end;
    const std::uint64_t bit = SquareBit(s);
    const std::uint64_t targets = Us == White
                                      ? ((bit >> 9) & ~FileSet[7]) | ((bit >> 7) & ~FileSet[0])
                                      : ((bit << 7) & ~FileSet[7]) | ((bit << 9) & ~FileSet[0]);
    for (std::uint64_t t = targets & enemy; t != 0; t &= t - 1)
        end = AddPawnMove<Us>(end, s, std::countr_zero(t), MoveFlags::PawnCapture);
    const int step = Us == White ? -8 : 8;
    if (occupied & SquareBit(s + step)) return end;
    const bool lastStep = Us == White ? s <= 15 : s >= 48;
    if constexpr (CapturesOnly) {
        if (lastStep) end = AddPromotions(end, s, s + step, MoveFlags::PawnMove);
        return end;
    }
    end = AddPawnMove<Us>(end, s, s + step, MoveFlags::PawnMove);
    const bool home = Us == White ? s >= 48 : s <= 15;
    if (home && (occupied & SquareBit(s + 2 * step)) == 0)
        end = AddMove(end, s, s + 2 * step, MoveFlags::PawnDoubleStep);
    return end;
}

template <int Us> inline int TEngine::AddEnPassantMoves(int end) {
    const int e = m_enPassantSquare;
    if (e == -1) return end;
    const int file = FileOfSquare(e);
    constexpr int flags = MoveFlags::PawnEnPassant;
    const std::uint64_t pawns = m_pieceSets[Us][Pawn];
    if constexpr (Us == White) {
        if (file != 0 && (pawns & SquareBit(e + 7))) end = AddMove(end, e + 7, e, flags);
        if (file != 7 && (pawns & SquareBit(e + 9))) end = AddMove(end, e + 9, e, flags);
    } else {
        if (file != 0 && (pawns & SquareBit(e - 9))) end = AddMove(end, e - 9, e, flags);
        if (file != 7 && (pawns & SquareBit(e - 7))) end = AddMove(end, e - 7, e, flags);
    }
    return end;
}

template <int Us> void TEngine::GenerateAllMovesOf() {
    const int p = m_searchPly;
    int end = m_plyMovesStart[p];
    const std::uint64_t own = m_colorSets[Us];
    const std::uint64_t enemy = m_colorSets[1 - Us];
    const std::uint64_t occupied = own | enemy;
    // Ascending bits visit the squares from a8 to h1, as a scan of the board
    // does; single-step targets in RayStep order are ascending squares too.
    for (std::uint64_t pieces = own; pieces != 0; pieces &= pieces - 1) {
        const int s = std::countr_zero(pieces);
        const int kind = m_squarePiece[s];
        switch (kind) {
        case Pawn:
            end = AddPawnMoves<Us, false>(end, s, enemy, occupied);
            break;
        case Knight:
        case King: {
            const std::uint64_t steps = kind == Knight ? Attackers.Knight[s] : Attackers.King[s];
            for (std::uint64_t t = steps & ~own; t != 0; t &= t - 1) {
                const int to = std::countr_zero(t);
                end = AddMove(end, s, to, (enemy & SquareBit(to)) ? MoveFlags::Capture : 0);
            }
            break;
        }
        default:
            for (int r = 0; r < RayCount[kind]; ++r) {
                const int d = RayStep[kind][r];
                int t = s;
                for (;;) {
                    t = BorderedBoard[SquareToBordered[t] + d];
                    if (t == -1) break;
                    if (occupied & SquareBit(t)) {
                        if (enemy & SquareBit(t)) end = AddMove(end, s, t, MoveFlags::Capture);
                        break;
                    }
                    end = AddMove(end, s, t, 0);
                }
            }
            break;
        }
    }
    for (int i = 2 * Us; i < 2 * Us + 2; ++i) {
        const EngineCastling& c = Castlings[i];
        if (m_castleRights & c.Right) end = AddMove(end, c.KingFrom, c.KingTo, MoveFlags::Castling);
    }
    end = AddEnPassantMoves<Us>(end);
    m_plyMovesEnd[p] = end;
    m_plyMovesStart[p + 1] = end;
    m_selectBound[p] = NoSelectBound;
}

template <int Us> void TEngine::GenerateCaptureMovesOf() {
    const int p = m_searchPly;
    int end = m_plyMovesStart[p];
    const std::uint64_t enemy = m_colorSets[1 - Us];
    const std::uint64_t occupied = m_colorSets[White] | m_colorSets[Black];
    // Most pawns can neither take nor promote; all of them are sorted out at
    // once, and the rest keep their place in the walk by square.
    const std::uint64_t pawns = m_pieceSets[Us][Pawn];
    const std::uint64_t active =
        (m_colorSets[Us] & ~pawns) | PawnsWithCaptureMoves<Us>(pawns, enemy, occupied);
    for (std::uint64_t pieces = active; pieces != 0; pieces &= pieces - 1) {
        const int s = std::countr_zero(pieces);
        const int kind = m_squarePiece[s];
        switch (kind) {
        case Pawn:
            end = AddPawnMoves<Us, true>(end, s, enemy, occupied);
            break;
        case Knight:
        case King: {
            const std::uint64_t steps = kind == Knight ? Attackers.Knight[s] : Attackers.King[s];
            for (std::uint64_t t = steps & enemy; t != 0; t &= t - 1)
                end = AddMove(end, s, std::countr_zero(t), MoveFlags::Capture);
            break;
        }
        default: {
            // Only the piece that ends each ray can be taken; most sliders
            // have no enemy on any of their lines.
            const std::uint64_t lines = (kind == Rook ? 0 : Attackers.Diagonal[s]) |
                                        (kind == Bishop ? 0 : Attackers.Orthogonal[s]);
            if ((lines & enemy) == 0) break;
            const auto take = [&](int t) {
                if (t >= 0 && (enemy & SquareBit(t))) end = AddMove(end, s, t, MoveFlags::Capture);
            };
            // Each kind's rays in its RayStep order, written out so that
            // every ray's direction is known when compiled.
            const bool diagonal = kind != Rook;
            const bool orthogonal = kind != Bishop;
            if (diagonal) take(NearestOnRay<0>(s, occupied));
            if (orthogonal) take(NearestOnRay<1>(s, occupied));
            if (diagonal) take(NearestOnRay<2>(s, occupied));
            if (orthogonal) take(NearestOnRay<3>(s, occupied));
            if (orthogonal) take(NearestOnRay<4>(s, occupied));
            if (diagonal) take(NearestOnRay<5>(s, occupied));
            if (orthogonal) take(NearestOnRay<6>(s, occupied));
            if (diagonal) take(NearestOnRay<7>(s, occupied));
            break;
        }
        }
    }
    end = AddEnPassantMoves<Us>(end);
    m_plyMovesEnd[p] = end;
    m_plyMovesStart[p + 1] = end;
    m_selectBound[p] = NoSelectBound;
}

void TEngine::GenerateAllMoves() {
    if (m_sideToMove == White)
        GenerateAllMovesOf<White>();
    else
        GenerateAllMovesOf<Black>();
}

void TEngine::GenerateCaptureMoves() {
    if (m_sideToMove == White)
        GenerateCaptureMovesOf<White>();
    else
        GenerateCaptureMovesOf<Black>();
}

// Whether a slider of the other colour now reaches the king through the
// emptied square.
[[gnu::always_inline]] inline bool TEngine::ExposedThrough(int from, int color) const {
    const std::uint64_t kings = m_pieceSets[color][King];
    if (kings == 0) return false;
    const int king = std::countr_zero(kings);
    const int ray = LineRay[king][from];
    if (ray < 0) return false;
    const std::uint64_t occupied = m_colorSets[White] | m_colorSets[Black];
    const std::uint64_t blockers = RaySets[king][ray] & occupied;
    if (blockers == 0) return false;
    const int t = ray < 4 ? 63 - std::countl_zero(blockers) : std::countr_zero(blockers);
    const auto& sets = m_pieceSets[1 - color];
    // Diagonal rays sit at even indices below 4 and odd ones above.
    const bool diagonal = ray == 0 || ray == 2 || ray == 5 || ray == 7;
    return ((diagonal ? sets[Bishop] : sets[Rook]) | sets[Queen]) & SquareBit(t);
}

bool TEngine::PlayMove(EngineMove move) {
    if (m_searchPly >= MaxPly) return false; // the undo stack is full
    const int from = MoveFrom(move);
    const int to = MoveTo(move);
    const int flags = MoveFlagsOf(move);
    const int us = m_sideToMove;
    const int them = m_otherSide;

    const std::uint64_t checkers = SideToMoveCheckers();
    const std::array<std::int32_t, 2> sumsBefore = m_tableSums;
    // Without check before, a move of another piece than the king can expose
    // its king only along the line it leaves; in check, it must also take the
    // only checker or step between it and the king.
    const bool fullTest =
        m_squarePiece[from] == King || (flags & (MoveFlags::Castling | MoveFlags::EnPassant)) != 0;
    if (!fullTest && checkers != 0) {
        if ((checkers & (checkers - 1)) != 0) return false;
        const int king = std::countr_zero(m_pieceSets[us][King]);
        const int checker = std::countr_zero(checkers);
        if (to != checker && (Between(king, checker) & SquareBit(to)) == 0) return false;
    }
    if (flags & MoveFlags::Castling) {
        if (checkers != 0) return false;
        const EngineCastling* c = CastlingTo(to);
        if (c == nullptr) return false;
        const std::uint64_t occupied = m_colorSets[White] | m_colorSets[Black];
        if ((occupied & c->MustBeEmpty) != 0 || IsAttacked(c->Passes[0], them) ||
            IsAttacked(c->Passes[1], them))
            return false;
        const int rookColor = SquareColor(c->RookFrom);
        const int rookKind = m_squarePiece[c->RookFrom];
        ClearSquare(c->RookFrom);
        if (rookColor != NoColor) PutPiece(c->RookTo, rookColor, rookKind);
    }

    const int mover = m_squarePiece[from];
    const int captured = m_squarePiece[to];
    m_undoStack[m_searchPly] = {move, static_cast<std::uint8_t>(captured),
                                static_cast<std::uint8_t>(m_castleRights),
                                static_cast<std::int8_t>(m_enPassantSquare), sumsBefore};
    ++m_searchPly;
    m_checkersKnown[m_searchPly] = false;
    m_castleRights = m_castleRights & CastleKeepMask[from] & CastleKeepMask[to];
    if (flags & MoveFlags::DoubleStep)
        m_enPassantSquare = us == White ? to + 8 : to - 8;
    else
        m_enPassantSquare = -1;
    // The generator's moves take only the other side's pieces.
    const int kind = (flags & MoveFlags::Promotion) ? MovePromotion(move) : mover;
    const std::uint64_t fromBit = SquareBit(from);
    const std::uint64_t toBit = SquareBit(to);
    if (captured != NoPiece) {
        m_tableSums[them] -= m_pieceSquareValue[them][captured][to];
        m_pieceSets[them][captured] &= ~toBit;
        m_colorSets[them] &= ~toBit;
    }
    m_tableSums[us] += m_pieceSquareValue[us][kind][to] - m_pieceSquareValue[us][mover][from];
    m_pieceSets[us][mover] &= ~fromBit;
    m_pieceSets[us][kind] |= toBit;
    m_colorSets[us] ^= fromBit | toBit;
    m_squarePiece[from] = NoPiece;
    m_squarePiece[to] = static_cast<std::uint8_t>(kind);
    if (flags & MoveFlags::EnPassant) ClearSquare(us == White ? to + 8 : to - 8);
    m_sideToMove = them;
    m_otherSide = us;
    // Most squares a piece leaves share no line with its king: that test
    // stays inline.
    const std::uint64_t kings = m_pieceSets[us][King];
    const bool exposed = fullTest ? IsInCheck(us)
                                  : kings != 0 && LineRay[std::countr_zero(kings)][from] >= 0 &&
                                        ExposedThrough(from, us);
    if (exposed) {
        UndoMove();
        return false;
    }
    return true;
}

void TEngine::UndoMove() {
    std::swap(m_sideToMove, m_otherSide);
    --m_searchPly;
    const UndoRecord& u = m_undoStack[m_searchPly];
    m_castleRights = u.CastleRights;
    m_enPassantSquare = u.EnPassantSquare;
    const int from = MoveFrom(u.Move);
    const int to = MoveTo(u.Move);
    const int flags = MoveFlagsOf(u.Move);
    const int us = m_sideToMove;
    const int kind = m_squarePiece[to];
    const int mover = (flags & MoveFlags::Promotion) ? Pawn : kind;
    const std::uint64_t fromBit = SquareBit(from);
    const std::uint64_t toBit = SquareBit(to);
    m_pieceSets[us][kind] &= ~toBit;
    m_pieceSets[us][mover] |= fromBit;
    m_colorSets[us] ^= fromBit | toBit;
    m_squarePiece[from] = static_cast<std::uint8_t>(mover);
    m_squarePiece[to] = u.Captured;
    if (u.Captured != NoPiece) {
        m_pieceSets[m_otherSide][u.Captured] |= toBit;
        m_colorSets[m_otherSide] |= toBit;
    }
    if (flags & MoveFlags::Castling) {
        if (const EngineCastling* c = CastlingTo(to)) {
            const int rookColor = SquareColor(c->RookTo);
            const int rookKind = m_squarePiece[c->RookTo];
            ClearSquare<false>(c->RookTo);
            if (rookColor != NoColor) PutPiece<false>(c->RookFrom, rookColor, rookKind);
        }
    }
    if (flags & MoveFlags::EnPassant)
        PutPiece<false>(m_sideToMove == White ? to + 8 : to - 8, m_otherSide, Pawn);
    m_tableSums = u.TableSums;
}

bool TEngine::IsInCheck(int color) const {
    const std::uint64_t kings = m_pieceSets[color][King];
    if (kings == 0) return false;
    return IsAttacked(std::countr_zero(kings), 1 - color); // the first king from a8 on
}

// Looked up from the target square: a piece attacks sq exactly when sq, walking
// the same steps backwards, meets it first.
bool TEngine::IsAttacked(int sq, int byColor) const {
    const auto& sets = m_pieceSets[byColor];
    if (Attackers.Pawn[byColor][sq] & sets[Pawn]) return true;
    if (Attackers.Knight[sq] & sets[Knight]) return true;
    if (Attackers.King[sq] & sets[King]) return true;
    return SliderAttackers(sq, byColor) != 0;
}

// The pieces of the colour that attack sq, found as IsAttacked finds them.
[[gnu::always_inline]] inline std::uint64_t TEngine::AttackersOf(int sq, int byColor) const {
    const auto& sets = m_pieceSets[byColor];
    return (Attackers.Pawn[byColor][sq] & sets[Pawn]) | (Attackers.Knight[sq] & sets[Knight]) |
           (Attackers.King[sq] & sets[King]) | SliderAttackers(sq, byColor);
}

// Sliders: the nearest piece on each ray from the square that holds one of
// them, by bit scan; rays without one are passed over.
[[gnu::always_inline]] inline std::uint64_t TEngine::SliderAttackers(int sq, int byColor) const {
    const auto& sets = m_pieceSets[byColor];
    const std::uint64_t occupied = m_colorSets[White] | m_colorSets[Black];
    std::uint64_t found = 0;
    const std::uint64_t diagonal = sets[Bishop] | sets[Queen];
    if (Attackers.Diagonal[sq] & diagonal) {
        found |= SliderOnRay<0>(sq, occupied, diagonal) | SliderOnRay<2>(sq, occupied, diagonal) |
                 SliderOnRay<5>(sq, occupied, diagonal) | SliderOnRay<7>(sq, occupied, diagonal);
    }
    const std::uint64_t orthogonal = sets[Rook] | sets[Queen];
    if (Attackers.Orthogonal[sq] & orthogonal) {
        found |=
            SliderOnRay<1>(sq, occupied, orthogonal) | SliderOnRay<3>(sq, occupied, orthogonal) |
            SliderOnRay<4>(sq, occupied, orthogonal) | SliderOnRay<6>(sq, occupied, orthogonal);
    }
    return found;
}

// The look-ups inline here: every node asks once.
void TEngine::FindCheckers() {
    const int p = m_searchPly;
    const std::uint64_t kings = m_pieceSets[m_sideToMove][King];
    m_checkers[p] = kings == 0 ? 0 : AttackersOf(std::countr_zero(kings), m_otherSide);
    m_checkersKnown[p] = true;
}

std::uint64_t TEngine::Perft(int depth) {
    if (m_searchPly == 0) m_plyMovesStart[0] = 0;
    const int room = MaxPly - 1 - m_searchPly;
    if (depth > room) depth = room;
    if (depth < 0) depth = 0;
    return PerftAt(depth);
}

std::uint64_t TEngine::PerftAt(int depth) {
    if (depth == 0) return 1;
    GenerateAllMoves();
    const int p = m_searchPly;
    std::uint64_t count = 0;
    for (int i = m_plyMovesStart[p]; i < m_plyMovesEnd[p]; ++i) {
        if (!PlayMove(m_stackMoves[i])) continue;
        count += depth == 1 ? 1 : PerftAt(depth - 1);
        UndoMove();
    }
    return count;
}

} // namespace quintavo::engine
