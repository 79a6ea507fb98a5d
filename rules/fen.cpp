#include "rules/fen.h"

#include <vector>

#include "rules/board_model.h"

namespace quintavo {

namespace {

constexpr std::string_view PieceLetters = "PNBRQKpnbrqk";

bool IsPieceLetter(char c) {
    return PieceLetters.find(c) != std::string_view::npos;
}

std::vector<std::string_view> SplitFields(std::string_view text) {
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
        const std::size_t start = i;
        while (i < text.size() && text[i] != ' ' && text[i] != '\t')
            ++i;
        if (i > start) fields.push_back(text.substr(start, i - start));
    }
    return fields;
}

bool IsCounter(std::string_view text) {
    if (text.empty() || text.size() > 9) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

std::optional<FenPosition> Fail(std::string* error, std::string message) {
    if (error) *error = std::move(message);
    return std::nullopt;
}

std::string RankText(int row) {
    return "rank " + std::to_string(8 - row);
}

} // namespace

std::optional<FenPosition> ParseFen(std::string_view fen, std::string* error) {
    const auto fields = SplitFields(fen);
    if (fields.size() < 2)
        return Fail(error, "a FEN needs at least the placement and the side to move");
    if (fields.size() > 6) return Fail(error, "a FEN has at most six fields");

    FenPosition position;
    position.Board.fill(' ');
    int row = 0;
    int file = 0;
    for (char c : fields[0]) {
        if (c == '/') {
            if (file != 8) return Fail(error, RankText(row) + " does not have 8 squares");
            ++row;
            file = 0;
            if (row > 7) return Fail(error, "the placement has more than 8 ranks");
        } else if (c >= '1' && c <= '8') {
            file += c - '0';
            if (file > 8) return Fail(error, RankText(row) + " has more than 8 squares");
        } else if (IsPieceLetter(c)) {
            if (file >= 8) return Fail(error, RankText(row) + " has more than 8 squares");
            position.Board[static_cast<std::size_t>(row * 8 + file)] = c;
            ++file;
        } else {
            return Fail(error, std::string("unexpected character '") + c + "' in the placement");
        }
    }
    if (row != 7 || file != 8) return Fail(error, "the placement does not have 8 full ranks");

    if (fields[1] == "w")
        position.WhiteToMove = true;
    else if (fields[1] == "b")
        position.WhiteToMove = false;
    else
        return Fail(error, "the side to move must be 'w' or 'b'");

    if (fields.size() > 2 && fields[2] != "-") {
        for (char c : fields[2]) {
            CastleSet right = 0;
            switch (c) {
            case 'K':
                right = WhiteKingSide;
                break;
            case 'Q':
                right = WhiteQueenSide;
                break;
            case 'k':
                right = BlackKingSide;
                break;
            case 'q':
                right = BlackQueenSide;
                break;
            default:
                return Fail(error, "castling rights must be '-' or letters of KQkq");
            }
            if (position.CastlingAllowed & right)
                return Fail(error, "a castling right is given twice");
            position.CastlingAllowed = static_cast<CastleSet>(position.CastlingAllowed | right);
        }
    }

    if (fields.size() > 3 && fields[3] != "-") {
        const Square sq = SquareFromName(fields[3]);
        if (sq == Square::None || fields[3][0] < 'a' || fields[3][0] > 'h')
            return Fail(error, "the en-passant square must be '-' or a square such as e3");
        if (RankOf(sq) != (position.WhiteToMove ? 6 : 3))
            return Fail(error, "the en-passant square must be on rank 6 with White to move, "
                               "rank 3 with Black");
        position.EnPassant = sq;
    }
    for (std::size_t i = 4; i < fields.size(); ++i) {
        if (!IsCounter(fields[i])) return Fail(error, "the move counters must be whole numbers");
    }
    return position;
}

std::string PlayableProblem(const FenPosition& position) {
    int whiteKings = 0;
    int blackKings = 0;
    for (std::size_t s = 0; s < position.Board.size(); ++s) {
        const char c = position.Board[s];
        if (c == 'K') ++whiteKings;
        if (c == 'k') ++blackKings;
        if ((c == 'P' || c == 'p') && (s < 8 || s >= 56))
            return "a pawn stands on the first or last rank";
    }
    if (whiteKings != 1 || blackKings != 1) return "each side needs exactly one king";
    return {};
}

std::optional<FenPosition> ParsePlayableFen(std::string_view fen, std::string* error) {
    auto position = ParseFen(fen, error);
    if (!position) return std::nullopt;
    if (std::string problem = PlayableProblem(*position); !problem.empty())
        return Fail(error, std::move(problem));
    return position;
}

std::string ToFen(const FenPosition& position) {
    std::string fen;
    for (int row = 0; row < 8; ++row) {
        int empty = 0;
        for (int file = 0; file < 8; ++file) {
            const char c = position.Board[static_cast<std::size_t>(row * 8 + file)];
            if (IsPieceLetter(c)) {
                if (empty > 0) fen += static_cast<char>('0' + empty);
                empty = 0;
                fen += c;
            } else {
                ++empty;
            }
        }
        if (empty > 0) fen += static_cast<char>('0' + empty);
        if (row < 7) fen += '/';
    }
    fen += position.WhiteToMove ? " w " : " b ";
    const CastleSet rights = position.CastlingAllowed;
    if ((rights & AllCastling) == 0) fen += '-';
    if (rights & WhiteKingSide) fen += 'K';
    if (rights & WhiteQueenSide) fen += 'Q';
    if (rights & BlackKingSide) fen += 'k';
    if (rights & BlackQueenSide) fen += 'q';
    fen += ' ';
    fen += position.EnPassant == Square::None ? "-" : CoordinateName(position.EnPassant);
    fen += " 0 1";
    return fen;
}

void LoadFen(BoardModel& model, const FenPosition& position) {
    model.ResetToStart();
    model.SetPosition(std::string_view(position.Board.data(), position.Board.size()));
    model.SetWhiteToMove(position.WhiteToMove);
    model.SetCastlingAllowed(position.CastlingAllowed);
    if (position.EnPassant != Square::None) model.SetEnPassant(position.EnPassant);
}

} // namespace quintavo
