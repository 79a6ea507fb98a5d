// PGN files for the game window and the tools: read with the same size limit
// as saved games, written atomically. The format itself lives in rules/pgn.h.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "app/core/file_io.h"
#include "app/core/saved_game.h"
#include "rules/pgn.h"

namespace quintavo::appcore {

struct LoadedPgn {
    // Loaded: Game holds the moves. InvalidFile: the file was read but
    // refused, and Error says why (move number and text for a bad move).
    // LoadError: the file could not be read; Error is the system's text.
    LoadStatus Status = LoadStatus::LoadError;
    PgnReading Game;
    std::string Error;
};

// Reads at most MaxPgnSize bytes; a larger file is refused unread.
LoadedPgn LoadPgnFromFile(const std::filesystem::path& path);

// Writes the game (from the start position) in export format, replacing the
// file atomically; a move the rules refuse writes nothing.
FileResult SavePgnToFile(const std::filesystem::path& path, const PgnHeader& header,
                         const std::vector<GameMove>& moves);

} // namespace quintavo::appcore
