#include "board/piece_set.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <string_view>

#include "assets/assets.h"

namespace quintavo {

bool HasPicture(const QImage& image) {
    return !image.isNull() && image.width() > 0 && image.height() > 0;
}

bool IsValidPieceSet(const QImage& image) {
    return HasPicture(image) && image.width() * 2 == image.height() * 3;
}

int PieceImageIndex(char letter) {
    if (letter == '\0') return -1;
    const auto pos = std::string_view(PieceLetters).find(letter);
    return pos == std::string_view::npos ? -1 : static_cast<int>(pos);
}

namespace {

// Cuts a set into its twelve cells; `combine` makes each output pixel from the
// picture's pixel and the mask's. Cells beyond a too narrow set stay transparent.
template <typename Combine> PieceImages CutCells(const QImage& set, Combine combine) {
    PieceImages result;
    if (!HasPicture(set)) return result;
    const QImage source = set.convertToFormat(QImage::Format_RGB32);
    const int c = source.height() / 4;
    result.CellSize = c;
    if (c <= 0) return result;
    for (int colour = 0; colour < 2; ++colour) {
        for (int piece = 0; piece < 6; ++piece) {
            QImage image(c, c, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            const int width = std::min(c, source.width() - piece * c);
            for (int y = 0; y < c; ++y) {
                const auto* picture =
                    reinterpret_cast<const QRgb*>(source.constScanLine(2 * colour * c + y)) +
                    piece * c;
                const auto* mask =
                    reinterpret_cast<const QRgb*>(source.constScanLine((2 * colour + 1) * c + y)) +
                    piece * c;
                auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
                for (int x = 0; x < width; ++x)
                    out[x] = combine(picture[x], mask[x]);
            }
            result.Images[colour * 6 + piece] = std::move(image);
        }
    }
    return result;
}

} // namespace

PieceImages CutPieceSet(const QImage& set) {
    return CutCells(set, [](QRgb picture, QRgb mask) {
        const bool transparent = (mask & 0xFFFFFF) == 0xFFFFFF;
        return transparent ? 0u : (picture | 0xFF000000u);
    });
}

PieceImages CutSoftPieceSet(const QImage& set) {
    return CutCells(set, [](QRgb picture, QRgb mask) {
        return qPremultiply(
            qRgba(qRed(picture), qGreen(picture), qBlue(picture), 255 - qGreen(mask)));
    });
}

PieceImages PieceImagesForRatio(const PieceImages& coarse, const PieceImages& fine, qreal ratio) {
    PieceImages result;
    result.CellSize = coarse.CellSize;
    const bool useFine = fine.CellSize == 2 * coarse.CellSize && coarse.CellSize > 0;
    const int side = static_cast<int>(std::lround(coarse.CellSize * ratio));
    if (side <= 0) return result;
    for (std::size_t i = 0; i < result.Images.size(); ++i) {
        const QImage& source = useFine ? fine.Images[i] : coarse.Images[i];
        if (source.isNull()) continue;
        QImage image = source.width() == side ? source
                                              : source.scaled(side, side, Qt::IgnoreAspectRatio,
                                                              Qt::SmoothTransformation);
        image.setDevicePixelRatio(ratio);
        result.Images[i] = std::move(image);
    }
    return result;
}

QImage LoadDefaultPieceSet() {
    static std::once_flag registered;
    std::call_once(registered, [] { InitAssets(); });
    return QImage(QString::fromLatin1(DefaultPieceSetPath));
}

QImage LoadDefaultPieceSet2x() {
    LoadDefaultPieceSet(); // registers the resources
    QImage set(QString::fromLatin1(DefaultPieceSet2xPath));
    set.setDevicePixelRatio(1); // a set is measured in its own pixels
    return set;
}

} // namespace quintavo
