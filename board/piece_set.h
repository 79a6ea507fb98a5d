// Piece-set bitmaps: six columns (pawn, knight, bishop, rook, queen, king) by
// four rows (White pieces, their masks, Black pieces, their masks) of square
// cells. Mask pixels of pure white are transparent, all others belong to the
// piece.
#pragma once

#include <QImage>

#include <array>

namespace quintavo {

// Letter k of this string is image k of a cut set.
inline constexpr char PieceLetters[] = "PNBRQKpnbrqk";

// A bitmap with a size.
bool HasPicture(const QImage& image);
// Non-empty, and width x 2 = height x 3.
bool IsValidPieceSet(const QImage& image);
// The image of a piece letter; -1 for anything else (which draws nothing).
int PieceImageIndex(char letter);

struct PieceImages {
    int CellSize = 0;
    // Premultiplied ARGB, fully transparent where the mask is white.
    std::array<QImage, 12> Images;
};

// Cuts a set into its twelve masked images with cells of height / 4 pixels.
PieceImages CutPieceSet(const QImage& set);
// Cuts a set drawn with soft edges: each mask pixel's grey is the piece's
// transparency there, from black (opaque) to white (absent).
PieceImages CutSoftPieceSet(const QImage& set);
// The twelve images for a screen of `ratio` device pixels per logical pixel,
// `logicalCell` logical pixels wide: from the finer set where there is one
// (a drawing at twice the pixels), else from the coarse set, scaled smoothly
// to round(logicalCell x ratio). They carry a device pixel ratio of `ratio`.
PieceImages PieceImagesForRatio(const PieceImages& coarse, const PieceImages& fine, qreal ratio);

// The built-in set "DEFAULTSET40" from the program's resources (240 x 160).
QImage LoadDefaultPieceSet();
// Its drawing at twice the pixels (480 x 320, soft masks).
QImage LoadDefaultPieceSet2x();

} // namespace quintavo
