#pragma once
// A picture of the game window as the player will see it: the background with a board,
// the move list and the labels placed over it, cut to the window's outline. Only for
// looking at; nothing of it is stored in the assets.
#include "assets/generator/art.h"

#include <QImage>

namespace quintavo::gen {

QImage WindowMockup(const Fonts& fonts, const QImage& background, const QImage& pieceSet);
// The splash window with its title and a half-full progress bar; the About window's top.
QImage SplashMockup(const Fonts& fonts, const QImage& picture);
QImage AboutMockup(const Fonts& fonts, const QImage& logo);

} // namespace quintavo::gen
