// Fonts that the windows name by family and pixel size. A family that is not
// installed falls back to the system's sans serif at the same size.
#pragma once

#include <QFont>
#include <QString>

namespace quintavo::widgets {

QFont PixelFont(const QString& family, int pixelSize, bool bold = false);

// The windows' own font: Tahoma at 11 pixels.
QFont DefaultWindowFont();

} // namespace quintavo::widgets
