#pragma once
// The window pictures and the program icon.
#include "assets/generator/art.h"

#include <QImage>
#include <QString>
#include <functional>
#include <vector>

namespace quintavo::gen {

struct Picture {
    QString fileName; // relative to the assets folder; ".jpg" or ".png"
    int quality;      // JPEG quality
    std::function<QImage(const Fonts&)> draw;
};

// The game window's background, the splash picture, the About logo and the icon sizes.
std::vector<Picture> Pictures();

// At resolution 2 the same picture in twice the pixels, for screens of that density.
QImage DrawBackground(const Fonts& fonts, int resolution = 1);
QImage DrawSplash(const Fonts& fonts, int resolution = 1);
QImage DrawAboutLogo(const Fonts& fonts, int resolution = 1);
QImage DrawIcon(const Fonts& fonts, int size);
QString IconSvg(const Fonts& fonts);

bool WriteText(const QString& text, const QString& path, QString* error);

} // namespace quintavo::gen
