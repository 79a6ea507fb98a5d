#include "engine/engine.h"

namespace quintavo::engine {

namespace {

// Knights, bishops, rooks and queens of one colour, by material value.
int PieceMaterial(const std::array<std::int32_t, 64>& colors,
                  const std::array<std::int32_t, 64>& pieces, int color) {
    int sum = 0;
    for (int s = 0; s < 64; ++s) {
        if (colors[s] == color && pieces[s] >= Knight && pieces[s] <= Queen)
            sum += MaterialValue[pieces[s]];
    }
    return sum;
}

} // namespace

void TEngine::BuildPieceSquareValues() {
    for (auto& byColor : m_pieceSquareValue)
        for (auto& byKind : byColor) byKind.fill(0);

    for (int s = 0; s < 64; ++s) {
        const int m = MirrorSquare[s];
        auto& w = m_pieceSquareValue[White];
        auto& b = m_pieceSquareValue[Black];
        w[Pawn][s] = 100 + PawnTable[s];
        w[Knight][s] = 300 + MinorPieceTable[s];
        w[Bishop][s] = 300 + MinorPieceTable[s];
        w[Rook][s] = 500;
        w[Queen][s] = 900;
        b[Pawn][s] = 100 + PawnTable[m];
        b[Knight][s] = 300 + MinorPieceTable[m];
        b[Bishop][s] = 300 + MinorPieceTable[m];
        b[Rook][s] = 500;
        b[Queen][s] = 900;
    }

    for (int color = White; color <= Black; ++color) {
        auto& own = m_pieceSquareValue[color];
        const int opposingMaterial = PieceMaterial(m_squareColor, m_squarePiece, 1 - color);
        int kingSquare = -1;
        for (int s = 0; s < 64 && kingSquare < 0; ++s) {
            if (m_squareColor[s] == color && m_squarePiece[s] == King) kingSquare = s;
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
}

int TEngine::EvaluatePosition() const {
    int score[2] = {0, 0};
    int pawnsOnFile[2][10] = {};
    for (int s = 0; s < 64; ++s) {
        const int c = m_squareColor[s];
        if (c == NoColor) continue;
        const int k = m_squarePiece[s];
        score[c] += m_pieceSquareValue[c][k][s];
        if (k == Pawn) ++pawnsOnFile[c][FileOfSquare(s) + 1];
    }
    for (int s = 0; s < 64; ++s) {
        const int c = m_squareColor[s];
        if (c == NoColor) continue;
        const int o = 1 - c;
        const int f = FileOfSquare(s) + 1;
        const int k = m_squarePiece[s];
        if (k == Pawn) {
            if (pawnsOnFile[c][f] > 1) score[c] -= 5;
            if (pawnsOnFile[c][f - 1] == 0 && pawnsOnFile[c][f + 1] == 0) {
                score[c] -= 20;
                if (pawnsOnFile[o][f] == 0) score[c] -= 10;
            }
            if (pawnsOnFile[o][f - 1] == 0 && pawnsOnFile[o][f] == 0 && pawnsOnFile[o][f + 1] == 0)
                score[c] += 2 * m_pieceSquareValue[c][Pawn][s];
        } else if (k == Rook) {
            if (pawnsOnFile[c][f] == 0) {
                score[c] += 10;
                if (pawnsOnFile[o][f] == 0) score[c] += 5;
            }
        }
    }
    return m_sideToMove == White ? score[White] - score[Black] : score[Black] - score[White];
}

} // namespace quintavo::engine
