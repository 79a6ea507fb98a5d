// Games in PGN, the common exchange format of chess programs: an export
// writer (seven-tag roster, numbered SAN, lines of at most 79 characters) and
// a reader for what real files hold. Values in, values out: the callers read
// and write the files.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "rules/san.h"

namespace quintavo {

// The same limit as for saved games: a real game file is far smaller.
inline constexpr std::size_t MaxPgnSize = std::size_t{1} << 20;

// The seven-tag roster. An empty Result is taken from the final position:
// 1-0 or 0-1 after a mate, 1/2-1/2 after a draw the rules see, else "*".
struct PgnHeader {
    std::string Event = "Quintavo game";
    std::string Site = "?";
    std::string Date = "????.??.??"; // YYYY.MM.DD
    std::string Round = "-";
    std::string White = "?";
    std::string Black = "?";
    std::string Result;
};

// "Player", "Quintavo (depth N)" or "Quintavo (random)".
std::string PgnPlayerName(bool computer, bool randomMover, int depth);

struct PgnWriting {
    std::string Text; // empty when a move is refused
    std::string Error;
};

// The game from the start position in export format, ending in a newline.
PgnWriting WritePgn(const PgnHeader& header, const std::vector<GameMove>& moves);

struct PgnReading {
    bool Loaded = false;
    std::string Error; // why not, naming the move number and the text found
    // The loaded game: its tags as found (values in UTF-8) and its moves.
    std::vector<std::pair<std::string, std::string>> Tags;
    std::vector<GameMove> Moves;
    std::size_t GameIndex = 0; // 1 for the file's first game
};

// Loads the first game that starts from the standard position. Comments,
// variations, NAGs, escape lines and unknown tags are skipped; UTF-8 and
// Latin-1 are read. Files over MaxPgnSize or with a NUL byte are refused.
PgnReading ReadPgn(std::string_view bytes);

struct PgnGameCheck {
    std::size_t Index = 0; // 1 for the first game
    bool Ok = false;
    std::size_t HalfMoves = 0;
    std::string Error;
};

// Every game of the file replayed, for a checker: set-up games are reported
// as errors too. An error of the file itself (size, NUL, a cut-off game) ends
// the list with a last entry that carries it.
std::vector<PgnGameCheck> CheckPgn(std::string_view bytes);

} // namespace quintavo
