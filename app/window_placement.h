// Where the game window stood: kept per user in the store of organisation
// "Harbrook", application "Chess", group "ChessWindow", as text values, each
// position once under its plain name and once for the screen size it was
// taken on ("NormPos(1024x768)").
#pragma once

#include <array>
#include <optional>

#include <QSize>
#include <QString>

class QSettings;
class QWidget;

namespace quintavo::app {

struct WindowPlacement {
    int Flags = 0;
    // 1 normal, 2 minimised, 3 maximised (and the system's other show codes).
    int ShowCmd = 1;
    int PixelsPerInch = 96;
    std::array<int, 4> MinMaxPos{-1, -1, -1, -1}; // minimised x, y; maximised x, y
    std::array<int, 4> NormPos{};                 // left, top, right, bottom
    int FormVersion = 0;

    bool operator==(const WindowPlacement&) const = default;
};

inline constexpr char PlacementOrganisation[] = "Harbrook";
inline constexpr char PlacementApplication[] = "Chess";
inline constexpr char PlacementGroup[] = "ChessWindow";

// "NormPos(1024x768)" for "NormPos" on a 1024 x 768 screen.
QString ScreenVariantName(const QString& name, QSize screen);

// Writes the six values into the store's current group.
void WritePlacement(QSettings& store, const WindowPlacement& placement, QSize screen);
// The stored placement when it applies: the screen-size variant of each
// position first, else the plain name; nothing when a position is missing or
// malformed, "FormVersion" is below 0, or it was taken at another density.
std::optional<WindowPlacement> ReadPlacement(const QSettings& store, QSize screen,
                                             int pixelsPerInch);

// The window's placement now, and what restoring it does: the window has a
// fixed size, so only left and top are taken, and the show state.
WindowPlacement CapturePlacement(const QWidget& window);
void ApplyPlacement(QWidget& window, const WindowPlacement& placement);

// The store itself, in the user's settings.
class TPlacementStore {
public:
    // Restores into a window about to be shown; a position that no screen
    // shows any more is ignored, so the window cannot be lost off-screen.
    void RestorePlacement(QWidget& window) const;
    void SavePlacement(const QWidget& window) const;
};

} // namespace quintavo::app
