#include "rules/fen.h"

#include <sstream>
#include <vector>

namespace quintavo {

namespace {

std::optional<FenPosition> Fail(std::string* error, std::string message) {
    if (error) *error = std::move(message);
    return std::nullopt;
}

} // namespace

std::optional<FenPosition> ParseFen(std::string_view fen, std::string* error) {
    std::istringstream in{std::string(fen)};
    std::vector<std::string> fields;
    for (std::string field; in >> field;)
        fields.push_back(field);
    if (fields.size() < 2)
        return Fail(error, "a FEN needs at least the placement and the side to move");

    FenPosition position;
    int rank = 8;
    int file = 1;
    for (char c : fields[0]) {
        if (c == '/') {
            if (file != 9)
                return Fail(error, "rank " + std::to_string(rank) + " does not have 8 squares");
            --rank;
            file = 1;
            if (rank < 1) return Fail(error, "more than 8 ranks");
        } else if (c >= '1' && c <= '8') {
            file += c - '0';
            if (file > 9)
                return Fail(error, "rank " + std::to_string(rank) + " has more than 8 squares");
            position.Letters.append(static_cast<std::size_t>(c - '0'), ' ');
        } else if (std::string_view("PNBRQKpnbrqk").find(c) != std::string_view::npos) {
            if (file > 8)
                return Fail(error, "rank " + std::to_string(rank) + " has more than 8 squares");
            ++file;
            position.Letters.push_back(c);
        } else {
            return Fail(error, std::string("unexpected character '") + c + "' in the placement");
        }
    }
    if (rank != 1 || file != 9) return Fail(error, "the placement does not describe 64 squares");

    if (fields[1] == "w")
        position.WhiteToMove = true;
    else if (fields[1] == "b")
        position.WhiteToMove = false;
    else
        return Fail(error, "the side to move must be w or b");

    if (fields.size() > 2 && fields[2] != "-") {
        for (char c : fields[2]) {
            switch (c) {
            case 'K':
                position.Castling |= WhiteKingSide;
                break;
            case 'Q':
                position.Castling |= WhiteQueenSide;
                break;
            case 'k':
                position.Castling |= BlackKingSide;
                break;
            case 'q':
                position.Castling |= BlackQueenSide;
                break;
            default:
                return Fail(error, std::string("unexpected castling letter '") + c + "'");
            }
        }
    }
    if (fields.size() > 3 && fields[3] != "-") {
        position.EnPassant = SquareFromName(fields[3]);
        const int epRank = RankOf(position.EnPassant);
        if (epRank != 3 && epRank != 6)
            return Fail(error, "the en-passant square must be on rank 3 or 6");
    }
    return position;
}

void LoadFen(BoardModel& model, const FenPosition& position) {
    model.ResetToStart();
    model.SetPosition(position.Letters);
    model.SetWhiteToMove(position.WhiteToMove);
    model.SetCastlingAllowed(position.Castling);
    if (position.EnPassant != Square::None) model.SetEnPassant(position.EnPassant);
}

} // namespace quintavo
