#pragma once
// The piece sets: six columns (pawn, knight, bishop, rook, queen, king) by four rows
// (White pieces, their masks, Black pieces, their masks) of square cells. Image cells are
// white where the piece is not; mask cells are black exactly on the piece, white elsewhere.
#include "assets/generator/art.h"

#include <QImage>
#include <QString>
#include <vector>

namespace quintavo::gen {

struct PieceTheme {
    QColor whiteTop, whiteBottom, whiteLine; // White: light body shaded downwards, dark outline
    QColor blackTop, blackBottom, blackRim;  // Black: dark body, light rim and inner lines
};

struct PieceSetPlan {
    QString fileName;
    int width;
    int height; // the cell is height / 4; a narrower width cuts the last column
    PieceTheme theme;
};

// DEFAULTSET40 first, then the nine numbered sets.
std::vector<PieceSetPlan> PieceSetPlans();

// At resolution 1 the hard-edged set as the board has always cut it. At resolution 2 the
// same set at twice the pixels for screens of that density, anti-aliased: there the mask's
// grey is the transparency, from black (opaque) to white (absent).
QImage DrawPieceSet(const Fonts& fonts, const PieceSetPlan& plan, int resolution = 1);
// The name of a set's drawing at resolution 2: "set4.bmp" -> "set4@2x.png".
QString HiDpiFileName(const QString& fileName);

// The pieces of a set placed on a small board, for looking at them as the game shows them.
QImage PreviewOnBoard(const QImage& set, int square);

} // namespace quintavo::gen
