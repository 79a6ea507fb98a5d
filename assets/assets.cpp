#include "assets/assets.h"

#include "assets/jpeg_image.h"

#include <QFile>
#include <QIcon>

#include <array>
#include <cmath>

// Q_INIT_RESOURCE must be used outside any namespace. Calling it from this library also
// keeps the linker from dropping the compiled resources of a static library.
static void InitAssetsResource() {
    Q_INIT_RESOURCE(assets);
}

namespace quintavo {
namespace {

constexpr std::array IconSizes{16, 22, 24, 32, 48, 64, 128, 256};
// Far above any picture of ours or any sensible piece-set bitmap; a path to something
// huge is refused rather than read into memory.
constexpr qint64 MaxPictureBytes = 64ll * 1024 * 1024;

bool LooksLikeJpeg(const QByteArray& data) {
    return data.size() >= 3 && static_cast<unsigned char>(data[0]) == 0xFF &&
           static_cast<unsigned char>(data[1]) == 0xD8 &&
           static_cast<unsigned char>(data[2]) == 0xFF;
}

} // namespace

void InitAssets() {
    InitAssetsResource();
}

QString BuiltInPieceSetPath(int number) {
    if (number < 0 || number >= BuiltInPieceSetCount) return {};
    return QStringLiteral(":/quintavo/pieces/set%1.bmp").arg(number);
}

QString BuiltInPieceSet2xPath(int number) {
    if (number < 0 || number >= BuiltInPieceSetCount) return {};
    return QStringLiteral(":/quintavo/pieces/set%1@2x.png").arg(number);
}

QString IconPath(int size) {
    return QStringLiteral(":/quintavo/icons/quintavo-%1.png").arg(size);
}

QImage LoadPicture(const QString& path) {
    if (path.isEmpty()) return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxPictureBytes) return {};
    const QByteArray data = file.readAll();
    if (LooksLikeJpeg(data)) return DecodeJpeg(data);
    return QImage::fromData(data);
}

QImage LoadPictureForRatio(const QString& path, const QString& path2x, qreal ratio) {
    if (ratio > 1) {
        QImage fine = LoadPicture(path2x);
        if (!fine.isNull()) {
            if (ratio == 2) {
                fine.setDevicePixelRatio(2);
                return fine;
            }
            // Scaled here, smoothly: a label would scale it pixel by pixel.
            const QSize size(static_cast<int>(std::lround(fine.width() * ratio / 2)),
                             static_cast<int>(std::lround(fine.height() * ratio / 2)));
            QImage scaled = fine.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            scaled.setDevicePixelRatio(ratio);
            return scaled;
        }
    }
    return LoadPicture(path);
}

QIcon AppIcon() {
    QIcon icon;
    for (int size : IconSizes)
        icon.addFile(IconPath(size), QSize(size, size));
    return icon;
}

} // namespace quintavo
