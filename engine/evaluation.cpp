#include "engine/engine.h"
#include "engine/evaluate.h"

#include <bit>

namespace quintavo::engine {

namespace {

// Knights, bishops, rooks and queens of one colour, by material value.
int PieceMaterial(const TEngine& e, int color) {
    int sum = 0;
    for (int s = 0; s < 64; ++s) {
        const int kind = e.SquarePiece(s);
        if (e.SquareColor(s) == color && kind >= Knight && kind <= Queen)
            sum += MaterialValue[kind];
    }
    return sum;
}

// Bit f for each file f that holds a piece of the set.
std::uint8_t FilesOf(std::uint64_t set) {
    set |= set >> 32;
    set |= set >> 16;
    set |= set >> 8;
    return static_cast<std::uint8_t>(set);
}

} // namespace

void TEngine::BuildPieceSquareValues() {
    for (auto& byColor : m_pieceSquareValue)
        for (auto& byKind : byColor)
            byKind.fill(0);

    for (int s = 0; s < 64; ++s) {
        const int m = MirrorSquare[s];
        auto& w = m_pieceSquareValue[White];
        auto& b = m_pieceSquareValue[Black];
        w[Pawn][s] = MaterialValue[Pawn] + PawnTable[s];
        w[Knight][s] = MaterialValue[Knight] + MinorPieceTable[s];
        w[Bishop][s] = MaterialValue[Bishop] + MinorPieceTable[s];
        w[Rook][s] = MaterialValue[Rook];
        w[Queen][s] = MaterialValue[Queen];
        b[Pawn][s] = MaterialValue[Pawn] + PawnTable[m];
        b[Knight][s] = MaterialValue[Knight] + MinorPieceTable[m];
        b[Bishop][s] = MaterialValue[Bishop] + MinorPieceTable[m];
        b[Rook][s] = MaterialValue[Rook];
        b[Queen][s] = MaterialValue[Queen];
    }

    for (int color = White; color <= Black; ++color) {
        auto& own = m_pieceSquareValue[color];
        const int opposingMaterial = PieceMaterial(*this, 1 - color);
        int kingSquare = -1;
        for (int s = 0; s < 64 && kingSquare < 0; ++s) {
            if (SquareColor(s) == color && m_squarePiece[s] == King) kingSquare = s;
        }
        const bool middleGame = opposingMaterial > 1400;
        for (int s = 0; s < 64; ++s) {
            const int t = color == White ? s : MirrorSquare[s];
            own[King][s] = middleGame ? KingMiddleGameTable[t] : KingEndGameTable[t];
        }
        if (!middleGame || kingSquare < 0) continue;
        const int kingFile = FileOfSquare(kingSquare);
        if (kingFile >= 5) {
            for (int s = 0; s < 64; ++s)
                own[Pawn][s] += KingSideShelterTable[color == White ? s : MirrorSquare[s]];
        } else if (kingFile <= 2) {
            for (int s = 0; s < 64; ++s)
                own[Pawn][s] += QueenSideShelterTable[color == White ? s : MirrorSquare[s]];
        }
    }
    RebuildDerivedState(); // the sums follow the new tables
    for (auto& entry : m_pawnCache)
        entry.Valid = false;
}

void TEngine::CountPawnScores(PawnEntry& entry) {
    // Pawns per file, index 1 (a) to 8 (h); 0 and 9 stay empty neighbours.
    // Counted here, on a miss, rather than kept by every move.
    std::array<std::array<int, 10>, 2> onFile{};
    for (int c = White; c <= Black; ++c)
        for (int f = 0; f < 8; ++f)
            onFile[c][f + 1] = CountFew(m_pieceSets[c][Pawn] & FileSet[f]);
    // Every pawn of a file pays the same doubled and isolated terms; only the
    // passed bonus reads each pawn's own square.
    for (int c = White; c <= Black; ++c) {
        const auto& own = onFile[c];
        const auto& opposing = onFile[1 - c];
        int score = 0;
        for (int f = 1; f <= 8; ++f) {
            const int n = own[f];
            if (n == 0) continue;
            if (n > 1) score -= 5 * n;
            if (own[f - 1] == 0 && own[f + 1] == 0) {
                score -= 20 * n;
                if (opposing[f] == 0) score -= 10 * n;
            }
            if (opposing[f - 1] == 0 && opposing[f] == 0 && opposing[f + 1] == 0) {
                for (std::uint64_t pawns = m_pieceSets[c][Pawn] & FileSet[f - 1]; pawns != 0;
                     pawns &= pawns - 1)
                    score += 2 * m_pieceSquareValue[c][Pawn][std::countr_zero(pawns)];
            }
        }
        entry.Score[c] = score;
        entry.NoOwnPawnFiles[c] = static_cast<std::uint8_t>(~FilesOf(m_pieceSets[c][Pawn]));
    }
    entry.NoPawnFiles = entry.NoOwnPawnFiles[White] & entry.NoOwnPawnFiles[Black];
    entry.White = m_pieceSets[White][Pawn];
    entry.Black = m_pieceSets[Black][Pawn];
    entry.Valid = true;
}

int TEngine::EvaluatePosition() {
    return Evaluate();
}

} // namespace quintavo::engine
