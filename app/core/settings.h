// The game window's settings: one variable per key of "quintavo.ini", named
// after the key, with its default; read and written in one fixed key order.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <variant>

#include "app/core/file_io.h"

namespace quintavo::appcore {

class IniFile;

inline constexpr std::string_view SettingsFileName = "quintavo.ini";

// The per-move time limit's range in seconds, as the options dialog offers it.
inline constexpr int MinTimeLimit = 5;
inline constexpr int MaxTimeLimit = 3600;

struct Settings {
    // [Extended]
    bool bAskForSaving = true;
    // [Language]
    int CurrentLanguageID = 0;
    // [BoardSettings]
    std::string PathPic;
    bool ShowIt = false;
    // [Settings]
    bool AnimatedMoves = true;
    bool BoardLines = false;
    bool ComputerPlaysBlack = true;
    bool ComputerPlaysWhite = false;
    bool DisplayCoordsWest = true;
    bool DisplayCoordsNorth = true;
    bool DisplayCoordsEast = true;
    bool DisplayCoordsSouth = true;
    bool WhiteOnTop = false;
    bool WhiteKingSide = true;
    bool WhiteQueenSide = true;
    bool BlackKingSide = true;
    bool BlackQueenSide = true;
    int PieceSet = 0;
    int SearchDepth = 3;
    int ThinkingPriority = 0;
    int SquareColorDark = 0x808080;
    int SquareColorLight = 0xFFFFFF;
    int ColorFrame = 0xC0C0C0;
    // [Options]
    bool Preview = true;
    // [Settings], after Preview in the file's order
    int iTimeLimit = 300;
    bool ShowCasteling = true;
    bool ShowMate = true;
    bool ShowChess = true;
    bool ShowDraw = true;
    bool ShowThreeFoldPos = true;
    // [Custom]
    bool CustomEngine = false;

    bool operator==(const Settings&) const = default;
};

// One key of the file: where it lives and which variable holds it.
struct SettingKey {
    std::string_view Section;
    std::string_view Key;
    std::variant<bool Settings::*, int Settings::*, std::string Settings::*> Variable;
};

// The 31 keys in the order in which they are read and written.
extern const std::array<SettingKey, 31> SettingKeys;

// All keys from an ini file; a missing or malformed value gives the key's
// default, whatever the variable held before.
Settings ReadSettings(const IniFile& ini);
// All keys into an ini file, in order, whether or not they changed.
void WriteSettings(const Settings& settings, IniFile& ini);

// The file's settings; all defaults when the file is missing or unreadable.
Settings ReadFromIni(const std::filesystem::path& path);
// Rewrites all keys in the file, keeping its other lines, atomically. A file
// that could not be read whole is left as it is and an error is returned.
FileResult SaveToIni(const Settings& settings, const std::filesystem::path& path);

// Where the settings file lives: beside the executable when the program runs
// from its build folder (CMakeCache.txt one level up) or a settings file is
// already there, and that folder is writable; otherwise in "quintavo" under
// $XDG_CONFIG_HOME or ~/.config (created when missing), as for an installed
// program, whose folder belongs to the system even when root could write it.
// Never fails: with no usable folder at all it answers the executable's
// folder, where reading still works.
std::filesystem::path SettingsFilePath(const std::filesystem::path& executableFolder);

} // namespace quintavo::appcore
