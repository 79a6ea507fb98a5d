#include "rules/pgn.h"

#include <cctype>
#include <optional>

#include "rules/board_model.h"

namespace quintavo {

namespace {

constexpr std::size_t MaxLine = 79;

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsResult(std::string_view token) {
    return token == "1-0" || token == "0-1" || token == "1/2-1/2" || token == "*";
}

// Whether the bytes are well-formed UTF-8 (overlong forms and surrogates
// aside, which only a hand-made file holds).
bool IsUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        std::size_t more = 0;
        if (c < 0x80)
            more = 0;
        else if ((c & 0xE0) == 0xC0 && c >= 0xC2)
            more = 1;
        else if ((c & 0xF0) == 0xE0)
            more = 2;
        else if ((c & 0xF8) == 0xF0 && c <= 0xF4)
            more = 3;
        else
            return false;
        if (i + more >= bytes.size()) return false;
        for (std::size_t k = 1; k <= more; ++k)
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
        i += more + 1;
    }
    return true;
}

std::string Latin1ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

struct RawGame {
    std::vector<std::pair<std::string, std::string>> Tags;
    std::vector<std::string> Moves; // SAN tokens of the main line
};

// "move 12 (Black)" for the half-move with that index.
std::string MoveLabel(std::size_t halfMove) {
    return "move " + std::to_string(halfMove / 2 + 1) +
           (halfMove % 2 == 0 ? " (White)" : " (Black)");
}

// Splits the file into games, one at a time: tags, and the main line's
// moves without comments, variations, NAGs and escape lines.
class GameScanner {
public:
    explicit GameScanner(std::string_view text) : m_text(text) {}

    bool AtEnd() {
        SkipSpaceAndEscapes();
        return m_pos >= m_text.size();
    }

    // The next game, or nothing with m_error set.
    std::optional<RawGame> Next() {
        RawGame game;
        int depth = 0;
        bool inMoves = false;
        while (true) {
            SkipSpaceAndEscapes();
            if (m_pos >= m_text.size()) {
                const std::string where =
                    game.Moves.empty() ? "the game's start" : MoveLabel(game.Moves.size() - 1);
                if (depth > 0) return Fail("the file ends inside a variation after " + where);
                return Fail("the file ends without the game's result after " + where);
            }
            const char c = m_text[m_pos];
            if (c == '[') {
                if (inMoves)
                    return Fail("a new game starts before the result after " +
                                MoveLabel(game.Moves.size() - 1));
                if (!ReadTag(game)) return std::nullopt;
            } else if (c == '{') {
                const auto end = m_text.find('}', m_pos);
                if (end == std::string_view::npos)
                    return Fail("the file ends inside a comment" + After(game));
                m_pos = end + 1;
            } else if (c == ';') {
                SkipLine();
            } else if (c == '(') {
                ++depth;
                ++m_pos;
                inMoves = true;
            } else if (c == ')') {
                if (depth == 0) return Fail("a ')' without its '('" + After(game));
                --depth;
                ++m_pos;
            } else if (c == '$') {
                ++m_pos;
                while (m_pos < m_text.size() && IsDigit(m_text[m_pos]))
                    ++m_pos;
            } else {
                inMoves = true;
                std::string_view token = ReadSymbol();
                if (token.empty())
                    return Fail("unexpected '" + std::string(1, c) + "'" + After(game));
                if (depth > 0) continue;
                if (IsResult(token)) return game;
                // A move number, alone or glued to its move ("12.", "12...Nf6").
                std::size_t digits = 0;
                while (digits < token.size() && IsDigit(token[digits]))
                    ++digits;
                if (digits > 0 && digits < token.size() && token[digits] == '.') {
                    token.remove_prefix(digits);
                    while (!token.empty() && token.front() == '.')
                        token.remove_prefix(1);
                } else if (digits == token.size()) {
                    continue;
                }
                // Lone annotation marks, and the en-passant note some files add.
                if (token.empty() || token.find_first_not_of("!?") == std::string_view::npos ||
                    token == "e.p.")
                    continue;
                game.Moves.emplace_back(token);
            }
        }
    }

    const std::string& Error() const { return m_error; }

private:
    std::nullopt_t Fail(std::string error) {
        m_error = std::move(error);
        return std::nullopt;
    }

    bool FailTag(std::string error) {
        m_error = std::move(error);
        return false;
    }

    static std::string After(const RawGame& game) {
        return game.Moves.empty() ? std::string() : " after " + MoveLabel(game.Moves.size() - 1);
    }

    void SkipLine() {
        while (m_pos < m_text.size() && m_text[m_pos] != '\n')
            ++m_pos;
    }

    void SkipSpaceAndEscapes() {
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos];
            if (IsSpace(c)) {
                ++m_pos;
            } else if (c == '%' && (m_pos == 0 || m_text[m_pos - 1] == '\n')) {
                SkipLine();
            } else {
                break;
            }
        }
    }

    std::string_view ReadSymbol() {
        const std::size_t start = m_pos;
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos];
            if (IsSpace(c) || std::string_view("{}()[];$").find(c) != std::string_view::npos) break;
            ++m_pos;
        }
        return m_text.substr(start, m_pos - start);
    }

    bool ReadTag(RawGame& game) {
        ++m_pos; // '['
        const auto skipBlanks = [this] {
            while (m_pos < m_text.size() && IsSpace(m_text[m_pos]))
                ++m_pos;
        };
        skipBlanks();
        const std::size_t nameStart = m_pos;
        while (m_pos < m_text.size() &&
               (std::isalnum(static_cast<unsigned char>(m_text[m_pos])) || m_text[m_pos] == '_'))
            ++m_pos;
        std::string name(m_text.substr(nameStart, m_pos - nameStart));
        skipBlanks();
        if (m_pos >= m_text.size()) return FailTag("the file ends inside a tag");
        if (name.empty() || m_text[m_pos] != '"') return FailTag("a malformed tag");
        ++m_pos;
        std::string value;
        while (m_pos < m_text.size() && m_text[m_pos] != '"') {
            if (m_text[m_pos] == '\\' && m_pos + 1 < m_text.size()) ++m_pos;
            value += m_text[m_pos++];
        }
        if (m_pos >= m_text.size()) return FailTag("the file ends inside a tag");
        ++m_pos; // closing quote
        skipBlanks();
        if (m_pos >= m_text.size()) return FailTag("the file ends inside a tag");
        if (m_text[m_pos] != ']') return FailTag("a malformed tag [" + name + "]");
        ++m_pos;
        game.Tags.emplace_back(std::move(name), std::move(value));
        return true;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    std::string m_error;
};

const std::string* FindTag(const RawGame& game, std::string_view name) {
    for (const auto& [tag, value] : game.Tags)
        if (tag == name) return &value;
    return nullptr;
}

bool StartsFromSetUp(const RawGame& game) {
    const std::string* setUp = FindTag(game, "SetUp");
    return FindTag(game, "FEN") != nullptr || (setUp && *setUp != "0");
}

// Why a set-up game is not loaded, with the position it names.
std::string SetUpReason(const RawGame& game) {
    const std::string* fen = FindTag(game, "FEN");
    return "starts from a set-up position" + (fen ? " (FEN \"" + *fen + "\")" : std::string());
}

// Replays the main line from the start position; an error names the move.
std::string Replay(const RawGame& game, std::vector<GameMove>& moves) {
    BoardModel board;
    for (std::size_t i = 0; i < game.Moves.size(); ++i) {
        const std::string& text = game.Moves[i];
        const SanReading reading = ReadSan(board, text);
        if (!reading.Move) {
            const bool over = board.IsThreefoldRepetition();
            return MoveLabel(i) + " \"" + text +
                   "\": " + (over ? "played after a threefold repetition" : reading.Error);
        }
        if (!PlayMove(board, *reading.Move))
            return MoveLabel(i) + " \"" + text + "\": illegal move";
        moves.push_back(*reading.Move);
    }
    return {};
}

std::optional<std::string> FileError(std::string_view bytes) {
    if (bytes.size() > MaxPgnSize) return "the file is larger than 1 MiB";
    if (bytes.find('\0') != std::string_view::npos)
        return "the file is not text (it holds a NUL byte)";
    return std::nullopt;
}

std::string AsUtf8(std::string_view bytes) {
    return IsUtf8(bytes) ? std::string(bytes) : Latin1ToUtf8(bytes);
}

std::string Escaped(std::string_view value) {
    std::string out;
    for (char c : value) {
        if (c == '\\' || c == '"') out += '\\';
        out += (c == '\n' || c == '\r' || c == '\t') ? ' ' : c;
    }
    return out;
}

} // namespace

std::string PgnPlayerName(bool computer, bool randomMover, int depth) {
    if (!computer) return "Player";
    if (randomMover) return "Quintavo (random)";
    return "Quintavo (depth " + std::to_string(depth) + ")";
}

PgnWriting WritePgn(const PgnHeader& header, const std::vector<GameMove>& moves) {
    BoardModel board;
    bool mated = false;
    bool drawn = false;
    board.OnMate = [&mated](Square, Square) { mated = true; };
    board.OnDraw = [&drawn] { drawn = true; };

    std::vector<std::string> tokens;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const std::string san = WriteSan(board, moves[i]);
        mated = drawn = false;
        if (san.empty() || !PlayMove(board, moves[i]))
            return {{},
                    MoveLabel(i) + " \"" + SquareName(moves[i].From) + "-" +
                        SquareName(moves[i].To) + "\": illegal move"};
        if (i % 2 == 0) tokens.push_back(std::to_string(i / 2 + 1) + ".");
        tokens.push_back(san);
    }
    std::string result = header.Result;
    if (result.empty()) {
        if (mated)
            result = board.WhiteToMove() ? "0-1" : "1-0";
        else if (drawn)
            result = "1/2-1/2";
        else
            result = "*";
    }
    tokens.push_back(result);

    std::string text;
    const std::pair<const char*, const std::string*> roster[] = {
        {"Event", &header.Event}, {"Site", &header.Site},   {"Date", &header.Date},
        {"Round", &header.Round}, {"White", &header.White}, {"Black", &header.Black},
        {"Result", &result},
    };
    for (const auto& [name, value] : roster)
        text += std::string("[") + name + " \"" + Escaped(*value) + "\"]\n";
    text += '\n';
    std::string line;
    for (const std::string& token : tokens) {
        if (!line.empty() && line.size() + 1 + token.size() > MaxLine) {
            text += line + '\n';
            line.clear();
        }
        if (!line.empty()) line += ' ';
        line += token;
    }
    text += line + "\n\n";
    return {text, {}};
}

PgnReading ReadPgn(std::string_view bytes) {
    PgnReading reading;
    if (const auto error = FileError(bytes)) {
        reading.Error = *error;
        return reading;
    }
    const std::string text = AsUtf8(bytes);
    GameScanner scanner(text);
    std::size_t index = 0;
    std::string setUpError;
    while (!scanner.AtEnd()) {
        ++index;
        const std::optional<RawGame> game = scanner.Next();
        if (!game) {
            reading.Error = "game " + std::to_string(index) + ": " + scanner.Error();
            return reading;
        }
        if (StartsFromSetUp(*game)) {
            if (setUpError.empty())
                setUpError = "game " + std::to_string(index) + " " + SetUpReason(*game);
            continue;
        }
        std::vector<GameMove> moves;
        const std::string error = Replay(*game, moves);
        if (!error.empty()) {
            reading.Error = "game " + std::to_string(index) + ", " + error;
            return reading;
        }
        reading.Loaded = true;
        reading.Tags = game->Tags;
        reading.Moves = std::move(moves);
        reading.GameIndex = index;
        return reading;
    }
    if (!setUpError.empty())
        reading.Error = setUpError + ", and no game starts from the standard position";
    else
        reading.Error = "the file holds no game";
    return reading;
}

std::vector<PgnGameCheck> CheckPgn(std::string_view bytes) {
    std::vector<PgnGameCheck> checks;
    if (const auto error = FileError(bytes)) {
        checks.push_back({0, false, 0, *error});
        return checks;
    }
    const std::string text = AsUtf8(bytes);
    GameScanner scanner(text);
    while (!scanner.AtEnd()) {
        PgnGameCheck check;
        check.Index = checks.size() + 1;
        const std::optional<RawGame> game = scanner.Next();
        if (!game) {
            check.Error = scanner.Error();
            checks.push_back(check);
            return checks;
        }
        if (StartsFromSetUp(*game)) {
            check.Error = SetUpReason(*game);
        } else {
            std::vector<GameMove> moves;
            check.Error = Replay(*game, moves);
            check.HalfMoves = moves.size();
            check.Ok = check.Error.empty();
        }
        checks.push_back(check);
    }
    return checks;
}

} // namespace quintavo
