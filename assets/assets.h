#pragma once
// The game's own pictures, compiled into the program as Qt resources: the piece sets,
// the window pictures and the program icon. Call InitAssets() once before loading any.
#include <QImage>
#include <QString>

class QIcon;

namespace quintavo {

// Registers the resources of this static library with the program.
void InitAssets();

// The board's built-in piece set: 240 x 160, 8 bits per pixel with a palette, 40-pixel cells.
inline constexpr char DefaultPieceSetPath[] = ":/quintavo/pieces/DEFAULTSET40.bmp";
inline constexpr int BuiltInPieceSetCount = 9;
// The nine sets the settings select by number, 0 ... 8; an empty string outside that range.
QString BuiltInPieceSetPath(int number);

// Every built-in set also comes drawn at twice the pixels for dense screens: a PNG of the
// same grid whose mask greys are the transparency (black opaque, white absent).
inline constexpr char DefaultPieceSet2xPath[] = ":/quintavo/pieces/DEFAULTSET40@2x.png";
QString BuiltInPieceSet2xPath(int number);

inline constexpr char BackgroundPath[] = ":/quintavo/pictures/background.jpg"; // 630 x 603
inline constexpr char SplashPath[] = ":/quintavo/pictures/splash.jpg";         // 316 x 90
inline constexpr char AboutLogoPath[] = ":/quintavo/pictures/about_logo.jpg";  // 142 x 31
// The window pictures at twice the pixels.
inline constexpr char Background2xPath[] = ":/quintavo/pictures/background@2x.jpg";
inline constexpr char Splash2xPath[] = ":/quintavo/pictures/splash@2x.jpg";
inline constexpr char AboutLogo2xPath[] = ":/quintavo/pictures/about_logo@2x.jpg";
inline constexpr char IconSvgPath[] = ":/quintavo/icons/quintavo.svg";
// The program icon as a PNG of the given edge (16, 22, 24, 32, 48, 64, 128 or 256).
QString IconPath(int size);

// Loads a picture from the resources (or any path): JPEGs through DecodeJpeg, everything
// else through Qt's readers. A missing, damaged or oversized (above 64 MiB) picture gives
// a null image.
QImage LoadPicture(const QString& path);

// A window picture for a screen of the given pixel ratio: at 2 its drawing at twice the
// pixels, marked as ratio 2 so that it shows at the same logical size; at other ratios
// above 1 that drawing scaled smoothly to the ratio; at 1 `path`. Falls back to `path`
// when the finer drawing cannot be read.
QImage LoadPictureForRatio(const QString& path, const QString& path2x, qreal ratio);

// The program icon with every size it comes in.
QIcon AppIcon();

} // namespace quintavo
