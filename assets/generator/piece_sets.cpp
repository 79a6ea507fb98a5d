#include "assets/generator/piece_sets.h"

#include <QFileInfo>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace quintavo::gen {
namespace {

// Column order pawn, knight, bishop, rook, queen, king: the solid glyphs and the outlined ones.
constexpr std::array<char32_t, 6> SolidGlyphs{0x265F, 0x265E, 0x265D, 0x265C, 0x265B, 0x265A};
constexpr std::array<char32_t, 6> OutlineGlyphs{0x2659, 0x2658, 0x2657, 0x2656, 0x2655, 0x2654};

struct PieceShape {
    QPainterPath solid;   // the filled glyph, inner lines cut out
    QPainterPath outline; // the outlined glyph: contour and inner lines
    QPainterPath hull;    // the silhouette
};

std::array<PieceShape, 6> Shapes(const Fonts& fonts) {
    std::array<PieceShape, 6> shapes;
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        shapes[i].solid = GlyphPath(fonts.sans, SolidGlyphs[i]);
        shapes[i].outline = GlyphPath(fonts.sans, OutlineGlyphs[i]);
        shapes[i].hull = Silhouette(shapes[i].solid).united(Silhouette(shapes[i].outline));
    }
    return shapes;
}

// One piece drawn anti-aliased into a transparent cell of `logicalCell` times `scale`
// pixels; the choices of style follow the logical cell, so both drawings look alike.
QImage DrawPiece(const PieceShape& shape, const QTransform& toCell, int logicalCell, int scale,
                 bool white, const PieceTheme& theme) {
    const int cell = logicalCell * scale;
    QImage layer(cell, cell, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    // Below about 24 pixels the inner lines run together into grey and thin spikes (the
    // queen's crown) break up; a slightly fattened silhouette alone reads better there.
    const bool innerLines = logicalCell >= 24;
    QPainterPath hull = toCell.map(shape.hull);
    if (!innerLines) {
        QPainterPathStroker fatten;
        fatten.setWidth(cell / 22.0);
        fatten.setJoinStyle(Qt::RoundJoin);
        hull = hull.united(fatten.createStroke(hull)).simplified();
    }
    const QRectF box = hull.boundingRect();
    QLinearGradient shade(box.topLeft(), box.bottomRight());
    // Thin lines vanish at small sizes; the line width never drops below a pixel.
    const qreal line = std::max(1.0, logicalCell / 36.0) * scale;
    if (white) {
        shade.setColorAt(0, theme.whiteTop);
        shade.setColorAt(1, theme.whiteBottom);
        p.fillPath(hull, shade);
        if (innerLines)
            p.fillPath(toCell.map(shape.outline), theme.whiteLine);
        else
            p.strokePath(hull,
                         QPen(theme.whiteLine, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    } else {
        shade.setColorAt(0, theme.blackTop);
        shade.setColorAt(1, theme.blackBottom);
        const qreal rim = std::max(1.0, logicalCell / 30.0) * scale;
        p.strokePath(hull,
                     QPen(theme.blackRim, 2 * rim, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (innerLines) {
            p.fillPath(hull, theme.blackRim);
            p.fillPath(toCell.map(shape.solid), shade);
        } else {
            p.fillPath(hull, shade);
        }
    }
    return layer;
}

// Hard-edged piece pixels from the anti-aliased layer: a pixel belongs to the piece when
// it is at least half covered, and then shows the piece's own colour at full strength.
void PlaceCell(const QImage& layer, QImage* sheet, int cellX, int cellY) {
    const int cell = layer.width();
    for (int y = 0; y < cell; ++y) {
        auto* in = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
        auto* image = reinterpret_cast<QRgb*>(sheet->scanLine(cellY + y));
        auto* mask = reinterpret_cast<QRgb*>(sheet->scanLine(cellY + cell + y));
        for (int x = 0; x < cell; ++x) {
            const int alpha = qAlpha(in[x]);
            QRgb colour = 0xFFFFFFFF, maskColour = 0xFFFFFFFF;
            if (alpha >= 128) {
                const QRgb c = qUnpremultiply(in[x]);
                colour = qRgb(qRed(c), qGreen(c), qBlue(c));
                if (colour == 0xFFFFFFFF) colour = qRgb(254, 254, 254); // white means "not here"
                maskColour = 0xFF000000;
            }
            image[cellX + x] = colour;
            mask[cellX + x] = maskColour;
        }
    }
}

// Soft-edged piece pixels: the mask's grey is the piece's transparency (black opaque,
// white absent), the image holds the piece's colour wherever it shows at all.
void PlaceCellSmooth(const QImage& layer, QImage* sheet, int cellX, int cellY) {
    const int cell = layer.width();
    for (int y = 0; y < cell; ++y) {
        auto* in = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
        auto* image = reinterpret_cast<QRgb*>(sheet->scanLine(cellY + y));
        auto* mask = reinterpret_cast<QRgb*>(sheet->scanLine(cellY + cell + y));
        for (int x = 0; x < cell; ++x) {
            const int alpha = qAlpha(in[x]);
            QRgb colour = 0xFFFFFFFF;
            if (alpha > 0) {
                const QRgb c = qUnpremultiply(in[x]);
                colour = qRgb(qRed(c), qGreen(c), qBlue(c));
            }
            image[cellX + x] = colour;
            mask[cellX + x] = qRgb(255 - alpha, 255 - alpha, 255 - alpha);
        }
    }
}

PieceTheme Theme(QRgb whiteTop, QRgb whiteBottom, QRgb whiteLine, QRgb blackTop, QRgb blackBottom,
                 QRgb blackRim) {
    return {QColor(whiteTop), QColor(whiteBottom), QColor(whiteLine),
            QColor(blackTop), QColor(blackBottom), QColor(blackRim)};
}

} // namespace

std::vector<PieceSetPlan> PieceSetPlans() {
    const PieceTheme classic = Theme(0xFFFFFF, 0xD4D4D4, 0x101010, 0x4A4A4A, 0x0E0E0E, 0xE6E6E6);
    const PieceTheme ivory = Theme(0xFFF9EA, 0xE2CFA6, 0x2A1B0C, 0x4B3420, 0x170D05, 0xF1E2C0);
    const PieceTheme slate = Theme(0xF7F9FC, 0xC4CFDC, 0x18212D, 0x3A4A5E, 0x0D141D, 0xDCE4EE);
    const PieceTheme walnut = Theme(0xFFF2DA, 0xDDBE8C, 0x3A2410, 0x6A3F1E, 0x211108, 0xF0D8AE);
    const PieceTheme marble = Theme(0xFFFFFF, 0xC9CBD2, 0x0C0C0C, 0x505055, 0x08080A, 0xEDEDED);
    const PieceTheme sea = Theme(0xF8FBFF, 0xC9DCEF, 0x0E2238, 0x284564, 0x07111D, 0xD6E5F5);
    const PieceTheme rosewood = Theme(0xFFF7F0, 0xE8CDBD, 0x3A1412, 0x5C2420, 0x1C0807, 0xF2DAD0);
    return {
        {QStringLiteral("DEFAULTSET40.bmp"), 240, 160, classic},
        {QStringLiteral("set0.bmp"), 216, 144, classic},
        {QStringLiteral("set1.bmp"), 192, 128, ivory},
        {QStringLiteral("set2.bmp"), 94, 64, classic},
        {QStringLiteral("set3.bmp"), 192, 128, slate},
        {QStringLiteral("set4.bmp"), 240, 160, walnut},
        {QStringLiteral("set5.bmp"), 384, 256, marble},
        {QStringLiteral("set6.bmp"), 480, 320, ivory},
        {QStringLiteral("set7.bmp"), 240, 160, sea},
        {QStringLiteral("set8.bmp"), 360, 240, rosewood},
    };
}

QImage DrawPieceSet(const Fonts& fonts, const PieceSetPlan& plan, int resolution) {
    const int cell = plan.height / 4;
    const auto shapes = Shapes(fonts);

    // One scale for all six, so that the pieces keep their relative sizes; they stand on a
    // common base line, with the tallest centred upright, and each is centred across.
    qreal tallest = 0, widest = 0;
    for (const auto& s : shapes) {
        tallest = std::max(tallest, s.hull.boundingRect().height());
        widest = std::max(widest, s.hull.boundingRect().width());
    }
    const qreal rim = std::max(1.0, cell / 30.0);
    const qreal margin = cell < 24 ? rim + 2.0 : std::max(1.0, cell * 0.05) + rim;
    const qreal scale = std::min((cell - 2 * margin) / tallest, (cell - 2 * margin) / widest);
    const qreal baseline = (cell + tallest * scale) / 2; // the tallest piece centred

    const int device = cell * resolution;
    QImage sheet(6 * device, 4 * device, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    for (int colour = 0; colour < 2; ++colour) {
        for (int column = 0; column < 6; ++column) {
            const PieceShape& shape = shapes[static_cast<std::size_t>(column)];
            const QRectF box = shape.hull.boundingRect();
            // Whole-pixel placement keeps the bases and the upright lines crisp.
            const int visible = std::min(cell, plan.width - column * cell); // set 2 cuts its king
            const qreal dx =
                std::round(resolution * ((visible - box.width() * scale) / 2 - box.left() * scale));
            const qreal dy = std::round(resolution * (baseline - box.bottom() * scale));
            QTransform toCell;
            toCell.translate(dx, dy);
            toCell.scale(resolution * scale, resolution * scale);
            const QImage piece =
                DrawPiece(shape, toCell, cell, resolution, colour == 0, plan.theme);
            if (resolution == 1)
                PlaceCell(piece, &sheet, column * device, 2 * colour * device);
            else
                PlaceCellSmooth(piece, &sheet, column * device, 2 * colour * device);
        }
    }
    return sheet.copy(0, 0, plan.width * resolution, plan.height * resolution);
}

QString HiDpiFileName(const QString& fileName) {
    return QFileInfo(fileName).completeBaseName() + QStringLiteral("@2x.png");
}

QImage PreviewOnBoard(const QImage& set, int square) {
    const int cell = set.height() / 4;
    const int columns = std::min(6, set.width() / cell + (set.width() % cell ? 1 : 0));
    QImage board(columns * square, 4 * square, QImage::Format_RGB32);
    QPainter p(&board);
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < columns; ++column) {
            const QRect target(column * square, row * square, square, square);
            p.fillRect(target, (row + column) % 2 ? QColor(0x808080) : QColor(0xFFFFFF));
            // Rows 0 and 2 on white and grey squares, then the same on darker greens and browns.
            if (row >= 2)
                p.fillRect(target, (row + column) % 2 ? QColor(0x6B4A2B) : QColor(0xD9B98A));
            const int colourRow = row % 2 ? 2 : 0;
            const int w = std::min(cell, set.width() - column * cell);
            const QImage image = set.copy(column * cell, colourRow * cell, w, cell);
            const QImage mask = set.copy(column * cell, (colourRow + 1) * cell, w, cell);
            QImage piece = image.convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < cell; ++y)
                for (int x = 0; x < w; ++x)
                    piece.setPixel(x, y,
                                   (piece.pixel(x, y) & 0xFFFFFF) |
                                       ((255u - qGreen(mask.pixel(x, y))) << 24));
            const int offset = (square - cell) / 2;
            p.drawImage(target.topLeft() + QPoint(offset, offset), piece);
        }
    }
    return board;
}

} // namespace quintavo::gen
