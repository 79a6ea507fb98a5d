#include "engine/fen.h"

#include <vector>

namespace quintavo::engine {

namespace {

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

bool IsPieceLetter(char c) {
    switch (c) {
    case 'P':
    case 'N':
    case 'B':
    case 'R':
    case 'Q':
    case 'K':
    case 'p':
    case 'n':
    case 'b':
    case 'r':
    case 'q':
    case 'k':
        return true;
    default:
        return false;
    }
}

bool IsCounter(std::string_view text) {
    if (text.empty() || text.size() > 9) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

FenResult Fail(std::string message) {
    FenResult r;
    r.Error = std::move(message);
    return r;
}

} // namespace

FenResult ParseFen(std::string_view fen) {
    const auto fields = SplitFields(fen);
    if (fields.size() < 2) return Fail("a FEN needs at least the board and the side to move");
    if (fields.size() > 6) return Fail("a FEN has at most six fields");

    FenResult result;
    EngineRequest& r = result.Request;
    r.Board.fill(' ');
    int row = 0;
    int file = 0;
    for (char c : fields[0]) {
        if (c == '/') {
            if (file != 8)
                return Fail("rank " + std::to_string(8 - row) + " does not have 8 squares");
            ++row;
            file = 0;
            if (row > 7) return Fail("the board has more than 8 ranks");
        } else if (c >= '1' && c <= '8') {
            file += c - '0';
            if (file > 8)
                return Fail("rank " + std::to_string(8 - row) + " has more than 8 squares");
        } else if (IsPieceLetter(c)) {
            if (file >= 8)
                return Fail("rank " + std::to_string(8 - row) + " has more than 8 squares");
            r.Board[row * 8 + file] = c;
            ++file;
        } else {
            return Fail(std::string("unexpected character '") + c + "' in the board");
        }
    }
    if (row != 7 || file != 8) return Fail("the board does not have 8 full ranks");

    int whiteKings = 0;
    int blackKings = 0;
    for (int s = 0; s < 64; ++s) {
        if (r.Board[s] == 'K') ++whiteKings;
        if (r.Board[s] == 'k') ++blackKings;
        if ((r.Board[s] == 'P' || r.Board[s] == 'p') && (s < 8 || s >= 56))
            return Fail("a pawn stands on the first or last rank");
    }
    if (whiteKings != 1 || blackKings != 1) return Fail("each side needs exactly one king");

    if (fields[1] == "w") {
        r.WhiteToMove = true;
    } else if (fields[1] == "b") {
        r.WhiteToMove = false;
    } else {
        return Fail("the side to move must be 'w' or 'b'");
    }

    r.CastlingAllowed = 0;
    if (fields.size() > 2 && fields[2] != "-") {
        for (char c : fields[2]) {
            int bit = 0;
            switch (c) {
            case 'K':
                bit = WhiteKingSide;
                break;
            case 'Q':
                bit = WhiteQueenSide;
                break;
            case 'k':
                bit = BlackKingSide;
                break;
            case 'q':
                bit = BlackQueenSide;
                break;
            default:
                return Fail("castling rights must be '-' or letters of KQkq");
            }
            if (r.CastlingAllowed & bit) return Fail("a castling right is given twice");
            r.CastlingAllowed = static_cast<std::uint8_t>(r.CastlingAllowed | bit);
        }
    }

    r.EnPassant = Square::None;
    if (fields.size() > 3 && fields[3] != "-") {
        const Square sq = SquareFromName(fields[3]);
        if (sq == Square::None || fields[3][0] < 'a' || fields[3][0] > 'h')
            return Fail("the en-passant square must be '-' or a square such as e3");
        if (RankOf(sq) != (r.WhiteToMove ? 6 : 3))
            return Fail(
                "the en-passant square must be on rank 6 with White to move, rank 3 with Black");
        r.EnPassant = sq;
    }
    for (std::size_t i = 4; i < fields.size(); ++i) {
        if (!IsCounter(fields[i])) return Fail("the move counters must be whole numbers");
    }
    r.SearchDepth = 1;
    result.Ok = true;
    return result;
}

std::string ToFen(const EngineRequest& request) {
    std::string fen;
    for (int row = 0; row < 8; ++row) {
        int empty = 0;
        for (int file = 0; file < 8; ++file) {
            const char c = request.Board[row * 8 + file];
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
    fen += request.WhiteToMove ? " w " : " b ";
    const int rights = request.CastlingAllowed;
    if ((rights & AllCastling) == 0) fen += '-';
    if (rights & WhiteKingSide) fen += 'K';
    if (rights & WhiteQueenSide) fen += 'Q';
    if (rights & BlackKingSide) fen += 'k';
    if (rights & BlackQueenSide) fen += 'q';
    fen += ' ';
    if (request.EnPassant == Square::None) {
        fen += '-';
    } else {
        fen += SquareText(EngineSquare(request.EnPassant));
    }
    fen += " 0 1";
    return fen;
}

std::string SquareText(int engineSquare) {
    if (engineSquare < 0 || engineSquare > 63) return "-";
    return {static_cast<char>('a' + FileOfSquare(engineSquare)),
            static_cast<char>('8' - RowOfSquare(engineSquare))};
}

std::string MoveText(EngineMove move) {
    std::string text = SquareText(MoveFrom(move)) + SquareText(MoveTo(move));
    static constexpr char PromotionLetters[] = " nbrq";
    const int promotion = MovePromotion(move);
    if (promotion >= Knight && promotion <= Queen) text += PromotionLetters[promotion];
    return text;
}

} // namespace quintavo::engine
