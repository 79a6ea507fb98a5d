// quintavo-pgn: converts games between the saved-game format and PGN, and
// checks PGN files. Output goes to standard output, messages to standard
// error; status 0 on success, 1 for a file that cannot be used, 2 for a
// wrong command line.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/core/file_io.h"
#include "app/core/pgn_file.h"
#include "app/core/saved_game.h"
#include "rules/board_model.h"
#include "rules/pgn.h"
#include "rules/san.h"

namespace {

using namespace quintavo;

int Usage() {
    std::cerr << "usage: quintavo-pgn to-pgn GAME.vsr\n"
                 "       quintavo-pgn to-vsr GAME.pgn\n"
                 "       quintavo-pgn check FILE.pgn\n";
    return 2;
}

int Fail(const std::string& message) {
    std::cerr << "quintavo-pgn: " << message << '\n';
    return 1;
}

bool ReadText(const std::filesystem::path& path, std::size_t limit, std::string& data,
              std::string& error) {
    appcore::ReadResult read = appcore::ReadFileBounded(path, limit);
    switch (read.Status) {
    case appcore::ReadStatus::Read:
        data = std::move(read.Data);
        return true;
    case appcore::ReadStatus::TooLarge:
        error = path.string() + ": the file is larger than 1 MiB";
        return false;
    case appcore::ReadStatus::Missing:
    case appcore::ReadStatus::Unreadable:
        break;
    }
    error = read.Error;
    return false;
}

int ToPgn(const std::filesystem::path& path) {
    const appcore::LoadedGame game = appcore::LoadGameFromFile(path);
    if (game.Status == appcore::LoadStatus::InvalidFile)
        return Fail(path.string() + ": not a saved game");
    if (game.Status != appcore::LoadStatus::Loaded) return Fail(game.Error);
    std::vector<GameMove> moves;
    for (const appcore::SavedMove& saved : game.Moves)
        moves.push_back({saved.From, saved.To, saved.Promotion});
    const PgnWriting written = WritePgn({}, moves);
    if (!written.Error.empty()) return Fail(path.string() + ": " + written.Error);
    std::cout << written.Text;
    return 0;
}

std::string Today() {
    const auto days = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    const std::chrono::year_month_day date{days};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

int ToVsr(const std::filesystem::path& path) {
    const appcore::LoadedPgn loaded = appcore::LoadPgnFromFile(path);
    if (loaded.Status == appcore::LoadStatus::LoadError) return Fail(loaded.Error);
    if (loaded.Status != appcore::LoadStatus::Loaded)
        return Fail(path.string() + ": " + loaded.Error);
    BoardModel board;
    for (const GameMove& move : loaded.Game.Moves)
        if (!PlayMove(board, move)) return Fail(path.string() + ": a move could not be replayed");
    std::vector<std::string> lines;
    board.GetMoveList(lines);
    std::filesystem::path name = path.filename();
    name.replace_extension(".vsr");
    std::cout << appcore::FormatSavedGame(lines, name.string(), Today());
    return 0;
}

int Check(const std::filesystem::path& path) {
    std::string data;
    std::string error;
    if (!ReadText(path, MaxPgnSize, data, error)) return Fail(error);
    const std::vector<PgnGameCheck> checks = CheckPgn(data);
    if (checks.empty()) return Fail(path.string() + ": the file holds no game");
    int status = 0;
    for (const PgnGameCheck& check : checks) {
        if (check.Index == 0) return Fail(path.string() + ": " + check.Error);
        if (check.Ok) {
            std::cout << "game " << check.Index << ": " << check.HalfMoves << " half-moves\n";
        } else {
            std::cout << "game " << check.Index << ": error: " << check.Error << '\n';
            status = 1;
        }
    }
    return status;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) return Usage();
    const std::string_view command = argv[1];
    const std::filesystem::path path = argv[2];
    if (command == "to-pgn") return ToPgn(path);
    if (command == "to-vsr") return ToVsr(path);
    if (command == "check") return Check(path);
    return Usage();
}
