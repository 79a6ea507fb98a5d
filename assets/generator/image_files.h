#pragma once
// Writing the generator's pictures in the forms the game reads.
#include <QImage>
#include <QString>

namespace quintavo::gen {

// An 8-bit palettised BMP. Pure black and pure white are kept exactly (the masks depend on
// it); other colours are reduced to the rest of a 256-colour palette, never onto white.
bool WriteBmp8(const QImage& image, const QString& path, QString* error);

// A baseline JPEG without chroma subsampling, so thin lines and small print stay clean.
bool WriteJpeg(const QImage& image, const QString& path, int quality, QString* error);

bool WritePng(const QImage& image, const QString& path, QString* error);

// The palettised picture WriteBmp8 stores, for previews and checks.
QImage ToIndexed8(const QImage& image);

} // namespace quintavo::gen
