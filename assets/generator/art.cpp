#include "assets/generator/art.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPolygonF>
#include <QtMath>

#include <cmath>

namespace quintavo::gen {
namespace {

constexpr qreal GlyphSize = 1000.0; // large enough that hinting plays no part

QString LoadFamily(const QString& file, QString* error) {
    const int id = QFontDatabase::addApplicationFont(file);
    const QStringList families =
        id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        *error = QStringLiteral("cannot load the font %1").arg(file);
        return {};
    }
    return families.first();
}

quint32 Hash(int x, int y, int seed) {
    quint32 h = static_cast<quint32>(x) * 374761393u + static_cast<quint32>(y) * 668265263u +
                static_cast<quint32>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

qreal Lattice(int x, int y, int seed) {
    return (Hash(x, y, seed) & 0xFFFF) / 65535.0;
}

qreal Smooth(qreal t) {
    return t * t * (3 - 2 * t);
}

} // namespace

bool LoadFonts(const QString& folder, Fonts* fonts, QString* error) {
    fonts->sans = LoadFamily(folder + QStringLiteral("/DejaVuSans.ttf"), error);
    fonts->sansBold = LoadFamily(folder + QStringLiteral("/DejaVuSans-Bold.ttf"), error);
    fonts->serifBold = LoadFamily(folder + QStringLiteral("/DejaVuSerif-Bold.ttf"), error);
    return !fonts->sans.isEmpty() && !fonts->sansBold.isEmpty() && !fonts->serifBold.isEmpty();
}

QPainterPath GlyphPath(const QString& family, char32_t codePoint, bool bold) {
    QFont font(family);
    font.setPixelSize(static_cast<int>(GlyphSize));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::NoFontMerging);
    QPainterPath path;
    path.addText(0, 0, font, QString::fromUcs4(&codePoint, 1));
    return path;
}

QPainterPath TextPath(const QString& family, const QString& text, qreal pixelSize, bool bold) {
    QFont font(family);
    font.setPixelSize(static_cast<int>(GlyphSize));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath path;
    path.addText(0, 0, font, text);
    QTransform scale;
    scale.scale(pixelSize / GlyphSize, pixelSize / GlyphSize);
    return scale.map(path);
}

QPainterPath Silhouette(const QPainterPath& glyph) {
    QPainterPath hull;
    hull.setFillRule(Qt::WindingFill);
    for (const QPolygonF& contour : glyph.toSubpathPolygons()) {
        QPainterPath part;
        part.addPolygon(contour);
        part.closeSubpath();
        hull = hull.united(part);
    }
    return hull.simplified();
}

QColor Mix(const QColor& a, const QColor& b, qreal t) {
    t = qBound(0.0, t, 1.0);
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

qreal Noise(qreal x, qreal y, int seed) {
    const int xi = static_cast<int>(std::floor(x));
    const int yi = static_cast<int>(std::floor(y));
    const qreal tx = Smooth(x - xi);
    const qreal ty = Smooth(y - yi);
    const qreal a = Lattice(xi, yi, seed), b = Lattice(xi + 1, yi, seed);
    const qreal c = Lattice(xi, yi + 1, seed), d = Lattice(xi + 1, yi + 1, seed);
    return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
}

qreal Fbm(qreal x, qreal y, int seed, int octaves) {
    qreal sum = 0, amplitude = 0.5, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * Noise(x, y, seed + i * 101);
        norm += amplitude;
        x *= 2.03;
        y *= 2.03;
        amplitude *= 0.5;
    }
    return sum / norm;
}

QImage WoodTexture(int width, int height, const QColor& dark, const QColor& light, int seed,
                   qreal grainScale, int resolution) {
    QImage image(width * resolution, height * resolution, QImage::Format_RGB32);
    for (int py = 0; py < image.height(); ++py) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(py));
        const qreal y = resolution == 1 ? py : (py + 0.5) / resolution - 0.5;
        for (int px = 0; px < image.width(); ++px) {
            const qreal x = resolution == 1 ? px : (px + 0.5) / resolution - 0.5;
            // Rings: stretched along x, bent by low noise; fine pores from high noise.
            const qreal warp = Fbm(x / (160.0 * grainScale), y / (40.0 * grainScale), seed, 3);
            const qreal rings = y / (9.0 * grainScale) + warp * 9.0;
            const qreal ring = 0.5 + 0.5 * std::sin(rings * 2 * M_PI * 0.5);
            const qreal pores = Fbm(x / (30.0 * grainScale), y / (1.6 * grainScale), seed + 7, 2);
            const qreal broad = Fbm(x / 220.0, y / 120.0, seed + 13, 2);
            const qreal t = 0.15 + 0.35 * std::pow(ring, 3) + 0.3 * pores + 0.3 * broad;
            line[px] = Mix(dark, light, t).rgb();
        }
    }
    image.setDevicePixelRatio(resolution);
    return image;
}

} // namespace quintavo::gen
