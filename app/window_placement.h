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

// Whether the window system places windows itself and tells a program
// nothing of where (Wayland): positions are then neither read nor written.
bool WindowSystemPlacesWindows();

// Writes the six values into the store's current group; without positions,
// the two position values (plain and screen-size variants) are left as they
// are, so a session that knows no positions spoils none for one that does.
void WritePlacement(QSettings& store, const WindowPlacement& placement, QSize screen,
                    bool withPositions = true);
// The stored placement when it applies: the screen-size variant of each
// position first, else the plain name; nothing when a position is missing or
// malformed, "FormVersion" is below 0, or it was taken at another density.
// Without positions, those are not read and the rest decides.
std::optional<WindowPlacement> ReadPlacement(const QSettings& store, QSize screen,
                                             int pixelsPerInch, bool withPositions = true);

// The window's placement now, and what restoring it does: the window has a
// fixed size, so only left and top are taken, and the show state. A stored
// position of (0, 0) is what a window system that hides positions reports,
// so it counts as none and the window stays where it was (centred).
WindowPlacement CapturePlacement(const QWidget& window);
void ApplyPlacement(QWidget& window, const WindowPlacement& placement, bool withPosition = true);

// The store itself, in the user's settings.
class TPlacementStore {
public:
    explicit TPlacementStore(bool withPositions = !WindowSystemPlacesWindows())
        : m_withPositions(withPositions) {}

    // Restores into a window about to be shown; a position that no screen
    // shows any more is ignored, so the window cannot be lost off-screen.
    void RestorePlacement(QWidget& window) const;
    void SavePlacement(const QWidget& window) const;

private:
    bool m_withPositions;
};

} // namespace quintavo::app
