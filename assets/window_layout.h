#pragma once
// Where the game window's background picture draws its faces. The window places its
// controls on these rectangles, and the generator draws the picture from the same numbers,
// so the clickable places and the drawn ones cannot drift apart.
#include <array>

namespace quintavo::layout {

struct Rect {
    int x, y, w, h;
    constexpr int Right() const { return x + w; }  // exclusive
    constexpr int Bottom() const { return y + h; } // exclusive
};

inline constexpr Rect Background{0, 0, 630, 603};

// The game window's outline: the rounded top corners, the body, and one row
// per line of the bowed lower edge. The background is drawn to fit it and the
// window is cut to it.
struct OutlineRect {
    int left, top, right, bottom; // right and bottom exclusive
};
inline constexpr std::array<OutlineRect, 36> GameWindowOutline{{
    {5, 0, 626, 1},       {3, 1, 628, 2},       {2, 2, 629, 4},       {1, 4, 631, 571},
    {1, 571, 629, 572},   {2, 572, 628, 573},   {4, 573, 627, 574},   {6, 574, 625, 575},
    {8, 575, 623, 576},   {10, 576, 621, 577},  {13, 577, 618, 578},  {16, 578, 615, 579},
    {19, 579, 612, 580},  {22, 580, 608, 581},  {26, 581, 604, 582},  {31, 582, 600, 583},
    {35, 583, 595, 584},  {40, 584, 590, 585},  {45, 585, 585, 586},  {50, 586, 580, 587},
    {56, 587, 574, 588},  {62, 588, 568, 589},  {69, 589, 561, 590},  {76, 590, 554, 591},
    {83, 591, 547, 592},  {92, 592, 539, 593},  {100, 593, 531, 594}, {109, 594, 522, 595},
    {119, 595, 511, 596}, {129, 596, 501, 597}, {140, 597, 489, 598}, {152, 598, 478, 599},
    {166, 599, 463, 600}, {180, 600, 448, 601}, {197, 601, 431, 602}, {218, 602, 408, 603},
}};
inline constexpr OutlineRect GameWindowOutlineBounds{1, 0, 631, 603};
// The picture's darkest edge colour (0xRRGGBB). The window's outline reaches one column
// beyond the picture (x = 630), and the picture is dark outside the outline; a window that
// fills its own background with this colour shows no seam, shaped or not.
inline constexpr unsigned WindowFillRgb = 0x140B05;
inline constexpr int TitleBarHeight = 25;
inline constexpr Rect HideButton{594, 4, 16, 16};
inline constexpr Rect CloseButton{610, 4, 16, 16};
inline constexpr Rect GameTitle{168, 33, 329, 13};
inline constexpr Rect Board{16, 61, 400, 400};
inline constexpr Rect MoveList{437, 111, 178, 354};
inline constexpr Rect FixedLines{16, 496, 601, 29};

// Where the captions above the move list start, left ends. Longer words than
// the design's move a caption left of its place, never right.
struct Point {
    int x, y;
};
inline constexpr Point WhiteHead{544, 81};
inline constexpr Point BlackHead{576, 81};
inline constexpr Point TimeCaption{456, 97};
inline constexpr Point Clock{568, 97};

// The command bar, left to right: New, Load, Save, Back, Forward, Start/Stop, Options, Info.
// The faces are 21 pixels high at top 561; the labels sit on them at top 564.
inline constexpr int CommandFaceTop = 561;
inline constexpr int CommandFaceHeight = 21;
inline constexpr int CommandLabelTop = 564;
inline constexpr int CommandFaceGap = 6;
inline constexpr std::array<int, 8> CommandFaceWidths{50, 50, 60, 50, 50, 70, 60, 50};

constexpr std::array<Rect, 8> CommandFaces() {
    int total = CommandFaceGap * 7;
    for (int w : CommandFaceWidths)
        total += w;
    std::array<Rect, 8> faces{};
    int x = (Background.w - total) / 2;
    for (std::size_t i = 0; i < faces.size(); ++i) {
        faces[i] = Rect{x, CommandFaceTop, CommandFaceWidths[i], CommandFaceHeight};
        x += CommandFaceWidths[i] + CommandFaceGap;
    }
    return faces;
}

// The splash window shows its picture at (1, 1) inside a one-pixel frame; the About
// window shows its logo at (36, 32).
inline constexpr Rect SplashPicture{1, 1, 316, 90};
inline constexpr Rect AboutLogo{36, 32, 142, 31};

} // namespace quintavo::layout
