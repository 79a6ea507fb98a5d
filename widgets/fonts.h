// Fonts that the windows name by family and pixel size. A family that is not
// installed falls back to the system's sans serif at the same size.
#pragma once

#include <QFont>
#include <QString>

namespace quintavo::widgets {

QFont PixelFont(const QString& family, int pixelSize, bool bold = false);

// The windows' own font: Tahoma at 11 pixels.
QFont DefaultWindowFont();

// The smallest pixel size a caption may shrink to so that it fits its place.
inline constexpr int SmallestFittingPixelSize = 9;

// `base` when `text` fits within `width` pixels with `margin` to spare on each
// side; else the same font at smaller pixel sizes down to the smallest, and
// then a condensed face of the family where one is installed. The last try
// is returned when nothing fits.
QFont FontFittingWidth(const QFont& base, const QString& text, int width, int margin);

} // namespace quintavo::widgets
