#include "engine/engine.h"

#include <utility>

namespace quintavo::engine {

namespace {

constexpr char StartBoard[] = "rnbqkbnrpppppppp                                PPPPPPPPRNBQKBNR";

int KindOfLetter(char upper) {
    switch (upper) {
    case 'P': return Pawn;
    case 'N': return Knight;
    case 'B': return Bishop;
    case 'R': return Rook;
    case 'Q': return Queen;
    case 'K': return King;
    default: return NoPiece;
    }
}

constexpr char PieceLetters[] = "PNBRQK";

} // namespace

EngineRequest StartRequest() {
    EngineRequest r;
    for (int s = 0; s < 64; ++s) r.Board[s] = StartBoard[s];
    r.WhiteToMove = true;
    r.CastlingAllowed = 15;
    r.EnPassant = Square::None;
    r.SearchDepth = 1;
    return r;
}

TEngine::TEngine() {
    m_squareColor.fill(NoColor);
    m_squarePiece.fill(NoPiece);
}

void TEngine::LoadEnginePosition(const EngineRequest& request) {
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
        if (kind == NoPiece) color = NoColor; // any other letter is an empty square
        m_squareColor[s] = color;
        m_squarePiece[s] = kind;
    }
    m_sideToMove = request.WhiteToMove ? White : Black;
    m_otherSide = 1 - m_sideToMove;

    // A right whose king or rook is away from home would castle with a
    // missing piece; play never produces one, so it is dropped here.
    const auto holds = [this](int sq, int color, int kind) {
        return m_squareColor[sq] == color && m_squarePiece[sq] == kind;
    };
    int rights = request.CastlingAllowed & 15;
    if (!holds(60, White, King)) rights &= ~3;
    if (!holds(63, White, Rook)) rights &= ~1;
    if (!holds(56, White, Rook)) rights &= ~2;
    if (!holds(4, Black, King)) rights &= ~12;
    if (!holds(7, Black, Rook)) rights &= ~4;
    if (!holds(0, Black, Rook)) rights &= ~8;
    m_castleRights = rights;

    // Only a square a double step can have passed over, with the pawn that
    // made it in front: anything else would make the capture remove a piece
    // that is not there and take-back invent one.
    int ep = EngineSquare(request.EnPassant);
    if (ep >= 0) {
        const int victim = m_sideToMove == White ? ep + 8 : ep - 8;
        const int row = RowOfSquare(ep);
        const bool rowFits = m_sideToMove == White ? row == 2 : row == 5;
        if (!rowFits || m_squareColor[ep] != NoColor || !holds(victim, m_otherSide, Pawn)) ep = -1;
    }
    m_enPassantSquare = ep;

    m_searchPly = 0;
    m_plyMovesStart[0] = 0;
    m_plyMovesEnd[0] = 0;
}

EngineRequest TEngine::CurrentRequest() const {
    EngineRequest r;
    for (int s = 0; s < 64; ++s) {
        const int kind = m_squarePiece[s];
        if (kind == NoPiece) {
            r.Board[s] = ' ';
        } else {
            const char upper = PieceLetters[kind];
            r.Board[s] = m_squareColor[s] == White ? upper : static_cast<char>(upper - 'A' + 'a');
        }
    }
    r.WhiteToMove = m_sideToMove == White;
    r.CastlingAllowed = static_cast<std::uint8_t>(m_castleRights);
    r.EnPassant = m_enPassantSquare >= 0 ? FromEngineSquare(m_enPassantSquare) : Square::None;
    r.SearchDepth = 1;
    return r;
}

void TEngine::AddMove(int from, int to, int flags) {
    if ((flags & MoveFlags::PawnMove) &&
        (m_sideToMove == White ? to <= 7 : to >= 56)) {
        AddPromotions(from, to, flags);
        return;
    }
    auto& end = m_plyMovesEnd[m_searchPly];
    if (end >= MoveStackSize) return; // only a position play never reaches fills the stack
    int score;
    if (flags & MoveFlags::Capture)
        score = 1000000 + 10 * m_squarePiece[to] - m_squarePiece[from];
    else
        score = m_historyScore[from][to];
    m_moveStack[end] = {MakeEngineMove(from, to, 0, flags), score};
    ++end;
}

void TEngine::AddPromotions(int from, int to, int flags) {
    auto& end = m_plyMovesEnd[m_searchPly];
    for (int kind = Knight; kind <= Queen; ++kind) {
        if (end >= MoveStackSize) return;
        m_moveStack[end] = {MakeEngineMove(from, to, kind, flags + MoveFlags::Promotion),
                            1000000 + 10 * kind};
        ++end;
    }
}

void TEngine::GenerateAllMoves() {
    const int p = m_searchPly;
    m_plyMovesEnd[p] = m_plyMovesStart[p];
    const int us = m_sideToMove;
    const int them = m_otherSide;
    for (int s = 0; s < 64; ++s) {
        if (m_squareColor[s] != us) continue;
        const int kind = m_squarePiece[s];
        if (kind == Pawn) {
            // A pawn on the first or last rank is outside play: it has no moves.
            const int row = RowOfSquare(s);
            if (row == 0 || row == 7) continue;
            const int file = FileOfSquare(s);
            if (us == White) {
                if (file != 0 && m_squareColor[s - 9] == Black) AddMove(s, s - 9, 17);
                if (file != 7 && m_squareColor[s - 7] == Black) AddMove(s, s - 7, 17);
                if (m_squareColor[s - 8] == NoColor) {
                    AddMove(s, s - 8, 16);
                    if (s >= 48 && m_squareColor[s - 16] == NoColor) AddMove(s, s - 16, 24);
                }
            } else {
                if (file != 0 && m_squareColor[s + 7] == White) AddMove(s, s + 7, 17);
                if (file != 7 && m_squareColor[s + 9] == White) AddMove(s, s + 9, 17);
                if (m_squareColor[s + 8] == NoColor) {
                    AddMove(s, s + 8, 16);
                    if (s <= 15 && m_squareColor[s + 16] == NoColor) AddMove(s, s + 16, 24);
                }
            }
            continue;
        }
        for (int r = 0; r < RayCount[kind]; ++r) {
            const int d = RayStep[kind][r];
            int t = s;
            for (;;) {
                t = BorderedBoard[SquareToBordered[t] + d];
                if (t == -1) break;
                if (m_squareColor[t] != NoColor) {
                    if (m_squareColor[t] == them) AddMove(s, t, 1);
                    break;
                }
                AddMove(s, t, 0);
                if (!SlidingPiece[kind]) break;
            }
        }
    }
    if (us == White) {
        if (m_castleRights & 1) AddMove(60, 62, 2);
        if (m_castleRights & 2) AddMove(60, 58, 2);
    } else {
        if (m_castleRights & 4) AddMove(4, 6, 2);
        if (m_castleRights & 8) AddMove(4, 2, 2);
    }
    const int e = m_enPassantSquare;
    if (e != -1) {
        const int file = FileOfSquare(e);
        if (us == White) {
            if (file != 0 && m_squareColor[e + 7] == White && m_squarePiece[e + 7] == Pawn)
                AddMove(e + 7, e, 21);
            if (file != 7 && m_squareColor[e + 9] == White && m_squarePiece[e + 9] == Pawn)
                AddMove(e + 9, e, 21);
        } else {
            if (file != 0 && m_squareColor[e - 9] == Black && m_squarePiece[e - 9] == Pawn)
                AddMove(e - 9, e, 21);
            if (file != 7 && m_squareColor[e - 7] == Black && m_squarePiece[e - 7] == Pawn)
                AddMove(e - 7, e, 21);
        }
    }
    m_plyMovesStart[p + 1] = m_plyMovesEnd[p];
}

void TEngine::GenerateCaptureMoves() {
    const int p = m_searchPly;
    m_plyMovesEnd[p] = m_plyMovesStart[p];
    const int us = m_sideToMove;
    const int them = m_otherSide;
    for (int s = 0; s < 64; ++s) {
        if (m_squareColor[s] != us) continue;
        const int kind = m_squarePiece[s];
        if (kind == Pawn) {
            const int row = RowOfSquare(s);
            if (row == 0 || row == 7) continue;
            const int file = FileOfSquare(s);
            if (us == White) {
                if (file != 0 && m_squareColor[s - 9] == Black) AddMove(s, s - 9, 17);
                if (file != 7 && m_squareColor[s - 7] == Black) AddMove(s, s - 7, 17);
                if (s <= 15 && m_squareColor[s - 8] == NoColor) AddMove(s, s - 8, 16);
            } else {
                if (file != 0 && m_squareColor[s + 7] == White) AddMove(s, s + 7, 17);
                if (file != 7 && m_squareColor[s + 9] == White) AddMove(s, s + 9, 17);
                if (s >= 48 && m_squareColor[s + 8] == NoColor) AddMove(s, s + 8, 16);
            }
            continue;
        }
        for (int r = 0; r < RayCount[kind]; ++r) {
            const int d = RayStep[kind][r];
            int t = s;
            for (;;) {
                t = BorderedBoard[SquareToBordered[t] + d];
                if (t == -1) break;
                if (m_squareColor[t] != NoColor) {
                    if (m_squareColor[t] == them) AddMove(s, t, 1);
                    break;
                }
                if (!SlidingPiece[kind]) break;
            }
        }
    }
    const int e = m_enPassantSquare;
    if (e != -1) {
        const int file = FileOfSquare(e);
        if (us == White) {
            if (file != 0 && m_squareColor[e + 7] == White && m_squarePiece[e + 7] == Pawn)
                AddMove(e + 7, e, 21);
            if (file != 7 && m_squareColor[e + 9] == White && m_squarePiece[e + 9] == Pawn)
                AddMove(e + 9, e, 21);
        } else {
            if (file != 0 && m_squareColor[e - 9] == Black && m_squarePiece[e - 9] == Pawn)
                AddMove(e - 9, e, 21);
            if (file != 7 && m_squareColor[e - 7] == Black && m_squarePiece[e - 7] == Pawn)
                AddMove(e - 7, e, 21);
        }
    }
    m_plyMovesStart[p + 1] = m_plyMovesEnd[p];
}

bool TEngine::PlayMove(EngineMove move) {
    if (m_searchPly >= MaxPly) return false; // the undo stack is full
    const int from = MoveFrom(move);
    const int to = MoveTo(move);
    const int flags = MoveFlagsOf(move);
    const int us = m_sideToMove;
    const int them = m_otherSide;

    if (flags & MoveFlags::Castling) {
        if (IsInCheck(us)) return false;
        const auto empty = [this](int sq) { return m_squareColor[sq] == NoColor; };
        int rookFrom;
        int rookTo;
        switch (to) {
        case 62:
            if (!empty(61) || !empty(62) || IsAttacked(61, them) || IsAttacked(62, them)) return false;
            rookFrom = 63;
            rookTo = 61;
            break;
        case 58:
            if (!empty(57) || !empty(58) || !empty(59) || IsAttacked(58, them) || IsAttacked(59, them))
                return false;
            rookFrom = 56;
            rookTo = 59;
            break;
        case 6:
            if (!empty(5) || !empty(6) || IsAttacked(5, them) || IsAttacked(6, them)) return false;
            rookFrom = 7;
            rookTo = 5;
            break;
        case 2:
            if (!empty(1) || !empty(2) || !empty(3) || IsAttacked(2, them) || IsAttacked(3, them))
                return false;
            rookFrom = 0;
            rookTo = 3;
            break;
        default:
            return false;
        }
        m_squareColor[rookTo] = m_squareColor[rookFrom];
        m_squarePiece[rookTo] = m_squarePiece[rookFrom];
        m_squareColor[rookFrom] = NoColor;
        m_squarePiece[rookFrom] = NoPiece;
    }

    m_undoStack[m_searchPly] = {move, m_squarePiece[to], m_castleRights, m_enPassantSquare};
    ++m_searchPly;
    m_castleRights = m_castleRights & CastleKeepMask[from] & CastleKeepMask[to];
    if (flags & MoveFlags::DoubleStep)
        m_enPassantSquare = us == White ? to + 8 : to - 8;
    else
        m_enPassantSquare = -1;
    m_squareColor[to] = us;
    m_squarePiece[to] = (flags & MoveFlags::Promotion) ? MovePromotion(move) : m_squarePiece[from];
    m_squareColor[from] = NoColor;
    m_squarePiece[from] = NoPiece;
    if (flags & MoveFlags::EnPassant) {
        const int victim = us == White ? to + 8 : to - 8;
        m_squareColor[victim] = NoColor;
        m_squarePiece[victim] = NoPiece;
    }
    m_sideToMove = them;
    m_otherSide = us;
    if (IsInCheck(m_otherSide)) {
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
    m_squareColor[from] = m_sideToMove;
    m_squarePiece[from] = (flags & MoveFlags::Promotion) ? Pawn : m_squarePiece[to];
    if (u.Captured == NoPiece) {
        m_squareColor[to] = NoColor;
        m_squarePiece[to] = NoPiece;
    } else {
        m_squareColor[to] = m_otherSide;
        m_squarePiece[to] = u.Captured;
    }
    if (flags & MoveFlags::Castling) {
        int rookFrom = -1;
        int rookTo = -1;
        switch (to) {
        case 62: rookFrom = 61; rookTo = 63; break;
        case 58: rookFrom = 59; rookTo = 56; break;
        case 6: rookFrom = 5; rookTo = 7; break;
        case 2: rookFrom = 3; rookTo = 0; break;
        default: break;
        }
        if (rookFrom >= 0) {
            m_squareColor[rookTo] = m_squareColor[rookFrom];
            m_squarePiece[rookTo] = m_squarePiece[rookFrom];
            m_squareColor[rookFrom] = NoColor;
            m_squarePiece[rookFrom] = NoPiece;
        }
    }
    if (flags & MoveFlags::EnPassant) {
        const int victim = m_sideToMove == White ? to + 8 : to - 8;
        m_squareColor[victim] = m_otherSide;
        m_squarePiece[victim] = Pawn;
    }
}

bool TEngine::IsInCheck(int color) const {
    for (int s = 0; s < 64; ++s) {
        if (m_squareColor[s] == color && m_squarePiece[s] == King) return IsAttacked(s, 1 - color);
    }
    return false;
}

bool TEngine::IsAttacked(int sq, int byColor) const {
    for (int s = 0; s < 64; ++s) {
        if (m_squareColor[s] != byColor) continue;
        const int kind = m_squarePiece[s];
        if (kind == Pawn) {
            const int row = RowOfSquare(s);
            if (row == 0 || row == 7) continue; // outside play, attacks nothing
            const int file = FileOfSquare(s);
            if (byColor == White) {
                if (file != 0 && s - 9 == sq) return true;
                if (file != 7 && s - 7 == sq) return true;
            } else {
                if (file != 0 && s + 7 == sq) return true;
                if (file != 7 && s + 9 == sq) return true;
            }
            continue;
        }
        for (int r = 0; r < RayCount[kind]; ++r) {
            const int d = RayStep[kind][r];
            int t = s;
            for (;;) {
                t = BorderedBoard[SquareToBordered[t] + d];
                if (t == -1) break;
                if (t == sq) return true;
                if (m_squareColor[t] != NoColor) break;
                if (!SlidingPiece[kind]) break;
            }
        }
    }
    return false;
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
        if (!PlayMove(m_moveStack[i].Move)) continue;
        count += depth == 1 ? 1 : PerftAt(depth - 1);
        UndoMove();
    }
    return count;
}

} // namespace quintavo::engine
