#include "app/core/saved_game.h"

#include <cctype>

namespace quintavo::appcore {

namespace {

constexpr std::string_view LineEnd = "\r\n";

void AppendLine(std::string& out, std::string_view text) {
    for (char c : text)
        out += (c == '\r' || c == '\n' || c == '\0') ? '?' : c;
    out += LineEnd;
}

// Blanks and control characters, as the move list's lines are trimmed.
std::string_view TrimControl(std::string_view text) {
    auto isSpace = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// From-square at characters 1-2, to-square at 4-5 of the trimmed text.
std::optional<SavedMove> SquaresAt(std::string_view text) {
    text = TrimControl(text);
    if (text.size() < 5) return std::nullopt;
    SavedMove move{SquareFromName(text.substr(0, 2)), SquareFromName(text.substr(3, 2))};
    if (move.From == Square::None || move.To == Square::None) return std::nullopt;
    // Character 6: an under-promotion's piece; readers that take only the
    // squares replay a queen.
    if (text.size() > 5) {
        const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(text[5])));
        if (letter == 'q' || letter == 'r' || letter == 'b' || letter == 'n')
            move.Promotion = letter;
    }
    return move;
}

std::vector<std::string_view> SplitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const auto end = bytes.find_first_of("\r\n");
        lines.push_back(bytes.substr(0, end));
        if (end == std::string_view::npos) break;
        const bool crlf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
        bytes.remove_prefix(end + (crlf ? 2 : 1));
    }
    return lines;
}

} // namespace

std::string FormatSavedGame(const std::vector<std::string>& moveLines, std::string_view fileName,
                            std::string_view dateText) {
    std::string out;
    AppendLine(out, std::string(SaveHeaderPrefix) + std::string(fileName));
    AppendLine(out, dateText);
    AppendLine(out, SavedGameMarker);
    AppendLine(out, "");
    AppendLine(out, SavedGameNotice);
    AppendLine(out, SavedGameRule);
    AppendLine(out, "");
    for (const std::string& line : moveLines)
        AppendLine(out, line);
    AppendLine(out, "");
    AppendLine(out, "");
    AppendLine(out, SavedGameMarker);
    return out;
}

FileResult SaveGameToFile(const std::filesystem::path& path,
                          const std::vector<std::string>& moveLines, std::string_view dateText) {
    return WriteFileAtomically(path,
                               FormatSavedGame(moveLines, path.filename().string(), dateText));
}

std::optional<SavedMove> ParseMoveLine(std::string_view line) {
    // The fixed column of the move list: after "N. " for moves 1 to 99, and
    // inside the 14 blanks of Black's lines.
    if (line.size() > 3)
        if (auto move = SquaresAt(line.substr(3))) return move;

    // Longer move numbers, or other leading blanks, shift the squares.
    std::string_view text = TrimControl(line);
    std::size_t digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9')
        ++digits;
    if (digits > 0 && digits < text.size() && text[digits] == '.') text.remove_prefix(digits + 1);
    return SquaresAt(text);
}

LoadedGame ParseSavedGame(std::string_view bytes) {
    LoadedGame game;
    if (bytes.find('\0') != std::string_view::npos || bytes.size() > MaxSavedGameSize) {
        game.Status = LoadStatus::InvalidFile;
        return game;
    }
    const auto lines = SplitLines(bytes);
    if (lines.size() < 5) {
        game.Status = LoadStatus::LoadError;
        return game;
    }
    if (lines[4] != SavedGameNotice) {
        game.Status = LoadStatus::InvalidFile;
        return game;
    }
    game.Status = LoadStatus::Loaded;
    if (lines.size() > SavedGameHeaderLines + SavedGameTrailerLines) {
        for (std::size_t i = SavedGameHeaderLines; i < lines.size() - SavedGameTrailerLines; ++i) {
            game.MoveLines.emplace_back(lines[i]);
            if (const auto move = ParseMoveLine(lines[i])) game.Moves.push_back(*move);
        }
    }
    return game;
}

LoadedGame LoadGameFromFile(const std::filesystem::path& path) {
    const ReadResult read = ReadFileBounded(path, MaxSavedGameSize);
    switch (read.Status) {
    case ReadStatus::Read:
        return ParseSavedGame(read.Data);
    case ReadStatus::TooLarge:
        return {LoadStatus::InvalidFile, {}, {}, {}};
    case ReadStatus::Missing:
    case ReadStatus::Unreadable:
        break;
    }
    return {LoadStatus::LoadError, {}, {}, read.Error};
}

} // namespace quintavo::appcore
