// The game window's outline, as the shaped form reads it.
#pragma once

#include <QByteArray>

namespace quintavo::app {

// The stored value: a count of 608, then region data of 36 rectangles.
QByteArray GameWindowMask2();

} // namespace quintavo::app
