// The board's drawing into its backing image: border with labels and frames,
// squares in colours or textures, grid lines, pieces, and the piece images.
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <QRegion>

#include <algorithm>
#include <cmath>

#include "board/chess_board.h"

namespace quintavo {

namespace {

// The labels are placed by the font's size in points.
int PointSize(const QFont& font) {
    if (font.pointSizeF() > 0) return static_cast<int>(std::lround(font.pointSizeF()));
    if (font.pixelSize() > 0) return static_cast<int>(std::lround(font.pixelSize() * 72.0 / 96.0));
    return 0;
}

} // namespace

QPoint TChessBoard::ScreenCell(Square sq) const {
    const int i = Ordinal(sq) - 1;
    int col = i % 8;
    int row = i / 8;
    if (m_whiteOnTop) {
        col = 7 - col;
        row = 7 - row;
    }
    return {col, row};
}

QRect TChessBoard::CellRect(Square sq) const {
    const QPoint cell = ScreenCell(sq);
    const int s = m_sizeOfSquare;
    return {cell.x() * s + m_sizeOfBorder, cell.y() * s + m_sizeOfBorder, s, s};
}

// A texture runs on from the control's origin under everything it fills, so
// neighbouring squares of one colour continue each other's pattern.
void TChessBoard::FillOrTile(QPainter& painter, const QImage& texture, TColor color,
                             const QRect& area) {
    if (HasPicture(texture)) {
        const int w = texture.width();
        const int h = texture.height();
        // Rows 0 ... H div h and columns 0 ... W div w; only those meeting the
        // area can show through its clip.
        const int lastRow = std::min(m_canvasSide / h, std::max(area.bottom(), 0) / h);
        const int lastCol = std::min(m_canvasSide / w, std::max(area.right(), 0) / w);
        for (int row = std::max(area.top(), 0) / h; row <= lastRow; ++row)
            for (int col = std::max(area.left(), 0) / w; col <= lastCol; ++col)
                painter.drawImage(col * w, row * h, texture);
        return;
    }
    painter.fillRect(area, ToQColor(color));
}

// The frame and grid pen: LineStyle as the last border took it, in a colour.
QPen TChessBoard::GridPen(TColor color) const {
    QPen pen = ScreenPen(m_borderPen);
    pen.setColor(ToQColor(color));
    return pen;
}

// At a ratio that is not whole, a one-pixel line would cover one device pixel
// here and two there; it gets a whole number of device pixels everywhere.
QPen TChessBoard::ScreenPen(QPen pen) const {
    const qreal ratio = m_canvas.devicePixelRatio();
    if (ratio == std::floor(ratio) || pen.style() == Qt::NoPen) return pen;
    const qreal width = pen.widthF() > 0 ? pen.widthF() : 1.0;
    pen.setWidthF(std::max(1.0, std::round(width * ratio)) / ratio);
    return pen;
}

void TChessBoard::DrawBorder() {
    if (m_canvas.isNull()) return;
    const int w = m_canvasSide;
    const int h = m_canvasSide;
    const int b = m_sizeOfBorder;
    const int s = m_sizeOfSquare;
    QPainter painter(&m_canvas);
    painter.setClipRegion(QRegion(0, 0, w, h).subtracted(QRegion(b, b, w - 2 * b, h - 2 * b)));
    FillOrTile(painter, m_borderBitmap, m_borderColor, QRect(0, 0, w, h));

    if (m_displayCoords != 0) {
        painter.setFont(m_coordFont);
        painter.setPen(ToQColor(m_coordFontColor));
        const char* letters = m_whiteOnTop ? "HGFEDCBA" : "ABCDEFGH";
        const int size = PointSize(m_coordFont);
        const int a = (b - size) / 2 + 1;
        const int d = (s - size) / 2;
        const int e = QFontMetrics(m_coordFont, &m_canvas).height() / 4;
        const auto text = [&](int x, int y, const QString& label) {
            painter.drawText(QRect(x, y, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                             label);
        };
        for (int i = 0; i < 8; ++i) {
            const QString number = QString::number(m_whiteOnTop ? i + 1 : 8 - i);
            const QString letter = QString(QChar::fromLatin1(letters[i]));
            const int along = i * s + b + d;
            if (m_displayCoords & West) text(a, along, number);
            if (m_displayCoords & East) text(w - b + a, along, number);
            if (m_displayCoords & North) text(along, a - e, letter);
            if (m_displayCoords & South) text(along, h - b + a - e, letter);
        }
    }

    // Both frames take their vertical extent from the width: the board is square.
    m_borderPen = m_lineStyle;
    if (m_lineStyle.style() == Qt::NoPen) return;
    painter.setPen(ScreenPen(m_lineStyle));
    painter.setBrush(Qt::NoBrush);
    CentreLinesOnPixels(painter);
    painter.drawPolyline(QPolygon(
        {QPoint(0, 0), QPoint(w - 1, 0), QPoint(w - 1, w - 1), QPoint(0, w - 1), QPoint(0, 0)}));
    painter.drawPolyline(QPolygon({QPoint(b - 1, b - 1), QPoint(w - b, b - 1), QPoint(w - b, w - b),
                                   QPoint(b - 1, w - b), QPoint(b - 1, b - 1)}));
}

void TChessBoard::DrawSquares() {
    if (m_canvas.isNull()) return;
    {
        const int b = m_sizeOfBorder;
        const int s = m_sizeOfSquare;
        const QRect inner(b, b, m_canvasSide - 2 * b, m_canvasSide - 2 * b);
        QPainter painter(&m_canvas);
        // Pass 0 leaves the dark cells (column + row odd), pass 1 the light ones.
        for (int pass = 0; pass < 2; ++pass) {
            QRegion region(inner);
            for (int k = 0; k < 8; ++k)
                for (int i = 0; i < 4; ++i)
                    region -= QRect((2 * i + ((k % 2) ^ pass)) * s + b, k * s + b, s, s);
            painter.save();
            painter.setClipRegion(region);
            if (pass == 0)
                FillOrTile(painter, m_squareDark, m_squareColorDark, inner);
            else
                FillOrTile(painter, m_squareLight, m_squareColorLight, inner);
            painter.restore();
        }
    }
    DrawGridLines();
}

void TChessBoard::DrawPieces() {
    for (int i = 1; i <= SquareCount; ++i) {
        const Square sq = ToSquare(i);
        const char letter = m_model.PieceAt(sq);
        if (letter != ' ') DrawPiece(sq, letter);
    }
}

void TChessBoard::DrawSquare(Square sq) {
    if (m_canvas.isNull() || sq == Square::None) return;
    const QRect cell = CellRect(sq);
    {
        QPainter painter(&m_canvas);
        painter.setClipRect(cell);
        if (IsLightSquare(sq))
            FillOrTile(painter, m_squareLight, m_squareColorLight, cell);
        else
            FillOrTile(painter, m_squareDark, m_squareColorDark, cell);
        if (m_boardLines && m_borderPen.style() != Qt::NoPen) {
            // Black segments; callers overdraw them with DrawGridLines.
            painter.setPen(GridPen(0x000000));
            DrawInnerLines(painter);
        }
    }
    FlushCanvas();
}

void TChessBoard::DrawGridLines() {
    if (m_canvas.isNull() || !m_boardLines || m_borderPen.style() == Qt::NoPen) return;
    {
        QPainter painter(&m_canvas);
        painter.setPen(GridPen(ToColorRef(m_lineStyle.color())));
        DrawInnerLines(painter);
    }
    FlushCanvas();
}

// The 7 inner vertical and 7 inner horizontal lines over the whole board,
// with the painter's pen and clip. Line ends are exclusive, as the frames' are.
void TChessBoard::DrawInnerLines(QPainter& painter) const {
    const int b = m_sizeOfBorder;
    const int s = m_sizeOfSquare;
    painter.save();
    CentreLinesOnPixels(painter);
    for (int i = 1; i <= 7; ++i) {
        painter.drawLine(i * s + b, b, i * s + b, m_canvasSide - b - 1);
        painter.drawLine(b, i * s + b, m_canvasSide - b - 1, i * s + b);
    }
    painter.restore();
}

// A line "on" logical pixel x covers that pixel. Wider than one device pixel,
// a line is centred on its coordinate, so it would straddle x's left edge:
// half a logical pixel to the right it covers x's device pixels.
void TChessBoard::CentreLinesOnPixels(QPainter& painter) const {
    if (m_canvas.devicePixelRatio() != 1.0) painter.translate(0.5, 0.5);
}

void TChessBoard::DrawPiece(Square sq, char letter) {
    if (m_canvas.isNull() || sq == Square::None) return;
    const int index = PieceImageIndex(letter);
    if (index < 0 || m_pieces.Images[index].isNull()) return;
    // Native cell size, centred; a set larger than the squares overlaps them.
    const int offset = (m_sizeOfSquare - m_pieces.CellSize) / 2;
    const QPoint cell = ScreenCell(sq);
    const QPoint at(cell.x() * m_sizeOfSquare + m_sizeOfBorder + offset,
                    cell.y() * m_sizeOfSquare + m_sizeOfBorder + offset);
    const qreal ratio = m_canvas.devicePixelRatio();
    if (ratio == 1.0) {
        QPainter painter(&m_canvas);
        painter.drawImage(at, m_pieces.Images[index]);
    } else {
        // In the canvas's own pixels, on the nearest one: a logical position
        // between two would be resampled.
        const QImage& piece = m_ratioPieces.Images[index];
        m_canvas.setDevicePixelRatio(1);
        {
            QPainter painter(&m_canvas);
            QImage pixels = piece;
            pixels.setDevicePixelRatio(1);
            painter.drawImage(QPoint(static_cast<int>(std::lround(at.x() * ratio)),
                                     static_cast<int>(std::lround(at.y() * ratio))),
                              pixels);
        }
        m_canvas.setDevicePixelRatio(ratio);
    }
    FlushCanvas();
}

void TChessBoard::RedrawChangedSquares(const std::string& oldPosition) {
    for (int i = 1; i <= SquareCount; ++i) {
        const Square sq = ToSquare(i);
        const char before = i - 1 < static_cast<int>(oldPosition.size()) ? oldPosition[i - 1] : ' ';
        const char now = m_model.PieceAt(sq);
        if (before == now) continue;
        DrawSquare(sq);
        if (now != ' ') DrawPiece(sq, now);
    }
    DrawGridLines();
}

void TChessBoard::LoadDefaultPieceSet() {
    m_defaultPieceSet = quintavo::LoadDefaultPieceSet();
}

void TChessBoard::BuildPieceImages() {
    const bool custom = IsValidPieceSet(m_customPieceSet);
    m_pieces = CutPieceSet(custom ? m_customPieceSet : m_defaultPieceSet);
    if (!custom && m_defaultPieceSet2x.isNull()) m_defaultPieceSet2x = LoadDefaultPieceSet2x();
    const QImage& fine = custom ? m_finePieceSet : m_defaultPieceSet2x;
    const QImage& coarse = custom ? m_customPieceSet : m_defaultPieceSet;
    m_finePieces = HasPicture(fine) && fine.size() == 2 * coarse.size() ? CutSoftPieceSet(fine)
                                                                        : PieceImages();
    ScalePieceImages();
}

void TChessBoard::ScalePieceImages() {
    const qreal ratio = m_canvas.isNull() ? ScreenRatio() : m_canvas.devicePixelRatio();
    m_ratioPieces =
        ratio == 1.0 ? PieceImages() : PieceImagesForRatio(m_pieces, m_finePieces, ratio);
}

const PieceImages& TChessBoard::ScreenPieces() const {
    return m_ratioPieces.CellSize > 0 ? m_ratioPieces : m_pieces;
}

} // namespace quintavo
