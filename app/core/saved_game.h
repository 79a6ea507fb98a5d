// The saved-game file (".vsr"): a fixed header, the move list's lines as the
// board writes them, and a fixed trailer, every line ended by CR LF. Writing
// formats and replaces the file atomically; reading checks the notice line
// and gives the moves to replay from the start position.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/core/file_io.h"
#include "rules/square.h"

namespace quintavo::appcore {

inline constexpr std::string_view SaveHeaderPrefix = "Quintavo saved file; ";
inline constexpr std::string_view SavedGameMarker = "#--#";
// Line 5: the only line a loader checks, byte for byte.
inline constexpr std::string_view SavedGameNotice = "Quintavo game record: moves in order";
static_assert(SavedGameNotice.size() == 36);
inline constexpr std::string_view SavedGameRule = "_______________________";
static_assert(SavedGameRule.size() == 23);
// Header lines before the first move line, trailer lines after the last.
inline constexpr std::size_t SavedGameHeaderLines = 7;
inline constexpr std::size_t SavedGameTrailerLines = 3;
// A real game needs a few kilobytes; anything beyond this is not one.
inline constexpr std::size_t MaxSavedGameSize = std::size_t{1} << 20;

// The file's bytes for these move-list lines: n + 10 lines. `fileName` is the
// name without folder, `dateText` the date of saving as the user's locale
// writes it short. Line breaks and NUL characters, which would shift the
// lines or make the file unreadable, become "?".
std::string FormatSavedGame(const std::vector<std::string>& moveLines, std::string_view fileName,
                            std::string_view dateText);

// Formats for the path's file name and replaces the file atomically: on any
// failure the file that was there is left whole and the system's error text
// is returned. The caller skips saving an empty move list.
FileResult SaveGameToFile(const std::filesystem::path& path,
                          const std::vector<std::string>& moveLines, std::string_view dateText);

struct SavedMove {
    Square From = Square::None;
    Square To = Square::None;
    // 'q', 'r', 'b' or 'n' when a letter follows the to-square ("E7-E8N");
    // '\0' otherwise, which replays as a queen.
    char Promotion = '\0';
    bool operator==(const SavedMove&) const = default;
};

// The two squares of a move-list line, "1. E2-E4" or 14 blanks and "E7-E5",
// in either case, and the promotion letter right after them ("E7-E8N"); move
// numbers of 100 and more and other leading blanks are read too. Nothing for
// a line that does not name two squares.
std::optional<SavedMove> ParseMoveLine(std::string_view line);

enum class LoadStatus {
    Loaded,      // MoveLines and Moves hold the game
    InvalidFile, // not a saved game: wrong notice line, not text, or too large
    LoadError,   // fewer than five lines, or the file could not be read
};

struct LoadedGame {
    LoadStatus Status = LoadStatus::LoadError;
    // Lines 8 to n + 7 as they stand in the file (empty for ten or fewer lines).
    std::vector<std::string> MoveLines;
    // The squares of each move line that names two; lines that do not are
    // skipped, as replaying them would be refused anyway.
    std::vector<SavedMove> Moves;
    // For LoadError from the system: its text for the file.
    std::string Error;
};

// A file's bytes; a NUL byte means the file is not text.
LoadedGame ParseSavedGame(std::string_view bytes);
// Reads at most MaxSavedGameSize bytes; a larger file is refused unread.
LoadedGame LoadGameFromFile(const std::filesystem::path& path);

} // namespace quintavo::appcore
