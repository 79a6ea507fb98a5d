#include "app/core/pgn_file.h"

namespace quintavo::appcore {

LoadedPgn LoadPgnFromFile(const std::filesystem::path& path) {
    LoadedPgn loaded;
    ReadResult read = ReadFileBounded(path, MaxPgnSize);
    switch (read.Status) {
    case ReadStatus::Read:
        break;
    case ReadStatus::TooLarge:
        loaded.Status = LoadStatus::InvalidFile;
        loaded.Error = "the file is larger than 1 MiB";
        return loaded;
    case ReadStatus::Missing:
    case ReadStatus::Unreadable:
        loaded.Error = read.Error;
        return loaded;
    }
    loaded.Game = ReadPgn(read.Data);
    loaded.Status = loaded.Game.Loaded ? LoadStatus::Loaded : LoadStatus::InvalidFile;
    loaded.Error = loaded.Game.Error;
    return loaded;
}

FileResult SavePgnToFile(const std::filesystem::path& path, const PgnHeader& header,
                         const std::vector<GameMove>& moves) {
    const PgnWriting written = WritePgn(header, moves);
    if (!written.Error.empty()) return FileResult::Failure(path.string() + ": " + written.Error);
    return WriteFileAtomically(path, written.Text);
}

} // namespace quintavo::appcore
