#pragma once
// Drawing helpers shared by the generator's pictures: chess glyph outlines from the font,
// a piece's filled silhouette, procedural wood and small colour sums.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRectF>

namespace quintavo::gen {

// The fonts the generator draws with, loaded from their files so that nothing else
// installed on the machine can stand in for them.
struct Fonts {
    QString sans; // chess glyphs and small print
    QString sansBold;
    QString serifBold; // the name "Quintavo"
};
bool LoadFonts(const QString& folder, Fonts* fonts, QString* error);

// Glyph outline of one character at a large size (unhinted), in font units with the
// baseline at y = 0.
QPainterPath GlyphPath(const QString& family, char32_t codePoint, bool bold = false);
// Text outline at the given pixel size, baseline at y = 0.
QPainterPath TextPath(const QString& family, const QString& text, qreal pixelSize,
                      bool bold = false);

// Every closed contour filled solid: the piece's silhouette with its inner holes closed.
QPainterPath Silhouette(const QPainterPath& glyph);

QColor Mix(const QColor& a, const QColor& b, qreal t);

// Smooth value noise in [0, 1], repeatable for a given seed.
qreal Noise(qreal x, qreal y, int seed);
qreal Fbm(qreal x, qreal y, int seed, int octaves = 4);

// Wood with grain running along x, the colours going from dark to light. `resolution`
// pixels per unit: the same wood in finer pixels.
QImage WoodTexture(int width, int height, const QColor& dark, const QColor& light, int seed,
                   qreal grainScale = 1.0, int resolution = 1);

} // namespace quintavo::gen
