// Colours as the board's properties hold them: 0x00BBGGRR, red in the low byte.
#pragma once

#include <QColor>

#include <cstdint>

namespace quintavo {

using TColor = std::uint32_t;

inline QColor ToQColor(TColor color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

inline TColor ToColorRef(const QColor& color) {
    return static_cast<TColor>(color.red()) | (static_cast<TColor>(color.green()) << 8) |
           (static_cast<TColor>(color.blue()) << 16);
}

} // namespace quintavo
