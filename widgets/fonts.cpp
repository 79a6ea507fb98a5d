#include "widgets/fonts.h"

#include <algorithm>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>

namespace quintavo::widgets {

namespace {

// The ink is what must fit: the advance leaves out overhangs of italics and
// some glyphs' side bearings.
int InkWidth(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    const QRect ink = metrics.boundingRect(text);
    return std::max(ink.right() + 1, metrics.horizontalAdvance(text)) - std::min(0, ink.left());
}

// The installed condensed face of a family, if there is one.
QString CondensedFamily(const QFont& font) {
    const QString family = QFontInfo(font).family();
    const QString condensed = family + QStringLiteral(" Condensed");
    return QFontDatabase::families().contains(condensed) ? condensed : QString();
}

} // namespace

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

QFont FontFittingWidth(const QFont& base, const QString& text, int width, int margin) {
    const int room = width - 2 * margin;
    QFont font = base;
    if (InkWidth(font, text) <= room) return font;
    const int start = base.pixelSize() > 0 ? base.pixelSize() : QFontInfo(base).pixelSize();
    for (int size = start - 1; size >= SmallestFittingPixelSize; --size) {
        font.setPixelSize(size);
        if (InkWidth(font, text) <= room) return font;
    }
    const QString condensed = CondensedFamily(base);
    if (condensed.isEmpty()) return font;
    QFont narrow = base;
    narrow.setFamily(condensed);
    for (int size = start; size >= SmallestFittingPixelSize; --size) {
        narrow.setPixelSize(size);
        if (InkWidth(narrow, text) <= room) return narrow;
    }
    return narrow;
}

} // namespace quintavo::widgets
