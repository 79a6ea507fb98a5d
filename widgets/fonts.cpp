#include "widgets/fonts.h"

namespace quintavo::widgets {

QFont PixelFont(const QString& family, int pixelSize, bool bold) {
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont DefaultWindowFont() {
    return PixelFont(QStringLiteral("Tahoma"), 11);
}

} // namespace quintavo::widgets
