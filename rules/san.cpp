#include "rules/san.h"

#include <cctype>
#include <vector>

#include "rules/board_model.h"

namespace quintavo {

namespace {

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

char Upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

bool IsPromotionLetter(char c) {
    c = Lower(c);
    return c == 'q' || c == 'r' || c == 'b' || c == 'n';
}

bool IsPawnPromotion(const BoardModel& model, Square from, Square to) {
    return Lower(model.PieceAt(from)) == 'p' && (RankOf(to) == 8 || RankOf(to) == 1);
}

bool IsCastling(const BoardModel& model, Square from, Square to) {
    const int df = FileOf(to) - FileOf(from);
    return Lower(model.PieceAt(from)) == 'k' && (df == 2 || df == -2);
}

// The legal moves onto `to` of the mover's pieces of that kind ('p' ... 'k').
std::vector<GameMove> LegalMovesTo(const BoardModel& model, char piece, Square to) {
    std::vector<GameMove> moves;
    const int side = model.WhiteToMove() ? 1 : 0;
    for (int from = 1; from <= SquareCount; ++from) {
        const Square sq = ToSquare(from);
        if (model.PieceColor(sq) != side || Lower(model.PieceAt(sq)) != piece) continue;
        if (model.IsLegalMove(sq, to)) moves.push_back({sq, to, '\0'});
    }
    return moves;
}

// "+" or "#" after the move, or nothing.
std::string CheckMark(const BoardModel& model, const GameMove& move) {
    BoardModel after;
    CopyPosition(model, after);
    if (!PlayMove(after, move)) return {};
    const bool white = after.WhiteToMove();
    const bool check = white ? after.WhiteKingInCheckAfter(Square::None, Square::None)
                             : after.BlackKingInCheckAfter(Square::None, Square::None);
    if (!check) return {};
    return after.HasLegalMove() ? "+" : "#";
}

} // namespace

void CopyPosition(const BoardModel& from, BoardModel& to) {
    to.ResetToStart();
    to.SetPosition(from.Position());
    to.SetWhiteToMove(from.WhiteToMove());
    to.SetCastlingAllowed(from.CastlingAllowed());
    to.SetEnPassant(from.EnPassant());
}

bool PlayMove(BoardModel& model, const GameMove& move) {
    const char kept = model.PromotionPiece();
    model.SetPromotionPiece(move.Promotion != '\0' ? move.Promotion : 'q');
    const bool played = model.ExecuteMove(move.From, move.To);
    model.SetPromotionPiece(kept);
    return played;
}

std::vector<GameMove> RecordedMoves(const BoardModel& model) {
    std::vector<GameMove> moves;
    int move = 1;
    bool white = true;
    const auto key = [](int m, bool w) { return m * 2 + (w ? 0 : 1); };
    while (key(move, white) < key(model.LastMove(), model.LastWhiteToMove())) {
        const MoveInfo& entry = model.HistoryEntry(move, white);
        const MoveInfo& after =
            white ? model.HistoryEntry(move, false) : model.HistoryEntry(move + 1, true);
        GameMove played{entry.OldSq, entry.NewSq, '\0'};
        const int from = Ordinal(entry.OldSq) - 1;
        const int to = Ordinal(entry.NewSq) - 1;
        if (from >= 0 && to >= 0 && from < static_cast<int>(entry.Position.size()) &&
            to < static_cast<int>(after.Position.size()) && Lower(entry.Position[from]) == 'p' &&
            (RankOf(entry.NewSq) == 8 || RankOf(entry.NewSq) == 1))
            played.Promotion = Lower(after.Position[to]);
        moves.push_back(played);
        if (!white) ++move;
        white = !white;
    }
    return moves;
}

std::string WriteSan(const BoardModel& model, const GameMove& move) {
    if (!model.IsLegalMove(move.From, move.To)) return {};
    const char piece = Lower(model.PieceAt(move.From));
    const bool capture = model.PieceColor(move.To) != -1;
    std::string san;
    if (IsCastling(model, move.From, move.To)) {
        san = FileOf(move.To) == 7 ? "O-O" : "O-O-O";
    } else if (piece == 'p') {
        const bool takes = FileOf(move.From) != FileOf(move.To); // en passant too
        if (takes) san += CoordinateName(move.From)[0];
        if (takes) san += 'x';
        san += CoordinateName(move.To);
        if (IsPawnPromotion(model, move.From, move.To)) {
            san += '=';
            san += Upper(IsPromotionLetter(move.Promotion) ? move.Promotion : 'q');
        }
    } else {
        san += Upper(piece);
        bool sameFile = false;
        bool sameRank = false;
        bool others = false;
        for (const GameMove& other : LegalMovesTo(model, piece, move.To)) {
            if (other.From == move.From) continue;
            others = true;
            sameFile = sameFile || FileOf(other.From) == FileOf(move.From);
            sameRank = sameRank || RankOf(other.From) == RankOf(move.From);
        }
        const std::string from = CoordinateName(move.From);
        if (others && (!sameFile || sameRank)) san += from[0];
        if (others && sameFile) san += from[1];
        if (capture) san += 'x';
        san += CoordinateName(move.To);
    }
    return san + CheckMark(model, move);
}

SanReading ReadSan(const BoardModel& model, std::string_view text) {
    // Check, mate and annotation marks say nothing about the move.
    while (!text.empty() && std::string_view("+#!?").find(text.back()) != std::string_view::npos)
        text.remove_suffix(1);
    if (text.empty()) return {std::nullopt, "not a move"};

    const bool white = model.WhiteToMove();
    const Square kingFrom = white ? Square::E1 : Square::E8;
    if (text == "O-O" || text == "0-0" || text == "O-O-O" || text == "0-0-0") {
        const Square to = MakeSquare(text.size() == 3 ? 7 : 3, white ? 1 : 8);
        if (Lower(model.PieceAt(kingFrom)) != 'k' || !model.IsLegalMove(kingFrom, to))
            return {std::nullopt, "illegal move"};
        return {GameMove{kingFrom, to, '\0'}, {}};
    }

    std::string rest;
    for (char c : text)
        if (c != 'x' && c != ':' && c != '-') rest += c;
    char piece = 'p';
    if (!rest.empty() && std::string_view("NBRQK").find(rest.front()) != std::string_view::npos) {
        piece = Lower(rest.front());
        rest.erase(0, 1);
    }
    char promotion = '\0';
    if (piece == 'p' && rest.size() >= 3 && IsPromotionLetter(rest.back())) {
        std::string head = rest.substr(0, rest.size() - 1);
        if (head.back() == '=') head.pop_back();
        if (!head.empty() && std::isdigit(static_cast<unsigned char>(head.back()))) {
            promotion = Lower(rest.back());
            rest = head;
        }
    }
    if (rest.size() < 2 || rest.size() > 4) return {std::nullopt, "not a move"};
    const Square to = SquareFromName(rest.substr(rest.size() - 2));
    if (to == Square::None || !std::islower(static_cast<unsigned char>(rest[rest.size() - 2])))
        return {std::nullopt, "not a move"};
    int file = 0;
    int rank = 0;
    for (char c : rest.substr(0, rest.size() - 2)) {
        if (c >= 'a' && c <= 'h' && file == 0 && rank == 0)
            file = c - 'a' + 1;
        else if (c >= '1' && c <= '8' && rank == 0)
            rank = c - '0';
        else
            return {std::nullopt, "not a move"};
    }

    std::optional<GameMove> found;
    int matches = 0;
    for (const GameMove& candidate : LegalMovesTo(model, piece, to)) {
        if (file != 0 && FileOf(candidate.From) != file) continue;
        if (rank != 0 && RankOf(candidate.From) != rank) continue;
        // "e4" is a step; a pawn's capture names its file.
        if (piece == 'p' && file == 0 && FileOf(candidate.From) != FileOf(to)) continue;
        // A king's two-square step is written as castling only.
        if (IsCastling(model, candidate.From, candidate.To)) continue;
        ++matches;
        found = candidate;
    }
    if (matches == 0) return {std::nullopt, "illegal move"};
    if (matches > 1) return {std::nullopt, "ambiguous move"};
    const bool promotes = IsPawnPromotion(model, found->From, found->To);
    if (promotion != '\0' && !promotes) return {std::nullopt, "illegal move"};
    if (promotes) found->Promotion = promotion != '\0' ? promotion : 'q';
    return {found, {}};
}

} // namespace quintavo
