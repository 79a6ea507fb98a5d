// The soak's referee: keeps one game by the board model's rules and judges
// each move a player sends. Reads lines on standard input:
//   new          a game from the start position      -> "ok"
//   legal        the moves the side to move has      -> "legal e2e4 ..."
//   move e7e8q   plays it if the rules allow it      -> "ok <state>" or "illegal <why>"
// where <state> is one of ongoing, mate, stalemate, material, repetition.
#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include "rules/board_model.h"
#include "rules/fen.h"

namespace {

using namespace quintavo;

bool IsPromotion(const BoardModel& model, Square from, Square to) {
    const char piece = model.PieceAt(from);
    return (piece == 'P' && RankOf(to) == 8) || (piece == 'p' && RankOf(to) == 1);
}

class TReferee {
public:
    void NewGame() {
        m_model = std::make_unique<BoardModel>();
        LoadFen(*m_model, *ParseFen(StartFen));
        m_model->OnMate = [this](Square, Square) { m_state = "mate"; };
        m_model->OnStaleMate = [this](Square, Square) { m_state = "stalemate"; };
        m_model->OnNoMatingMaterial = [this] { m_state = "material"; };
        m_model->OnThreefoldPosition = [this] { m_state = "repetition"; };
        m_state = "ongoing";
    }

    std::string Legal() const {
        std::string list = "legal";
        for (int f = 1; f <= SquareCount; ++f) {
            for (int t = 1; t <= SquareCount; ++t) {
                const Square from = ToSquare(f);
                const Square to = ToSquare(t);
                if (!m_model->IsLegalMove(from, to)) continue;
                list += ' ' + CoordinateName(from) + CoordinateName(to);
                if (IsPromotion(*m_model, from, to)) list += 'q';
            }
        }
        return list;
    }

    std::string Move(const std::string& text) {
        if (m_state != "ongoing") return "illegal the game is over (" + m_state + ")";
        if (text.size() < 4 || text.size() > 5) return "illegal malformed";
        const Square from = SquareFromName(text.substr(0, 2));
        const Square to = SquareFromName(text.substr(2, 2));
        if (from == Square::None || to == Square::None) return "illegal malformed";
        if (!m_model->IsLegalMove(from, to)) return "illegal by the rules";
        const bool promotion = IsPromotion(*m_model, from, to);
        if (promotion != (text.size() == 5)) return "illegal promotion letter";
        if (promotion) {
            if (std::string_view("qrbn").find(text[4]) == std::string_view::npos)
                return "illegal promotion letter";
            m_model->SetPromotionPiece(text[4]);
        }
        if (!m_model->ExecuteMove(from, to)) return "illegal refused by the model";
        return "ok " + m_state;
    }

private:
    std::unique_ptr<BoardModel> m_model;
    std::string m_state;
};

} // namespace

int main() {
    TReferee referee;
    referee.NewGame();
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream in(line);
        std::string command, argument;
        in >> command >> argument;
        if (command == "new") {
            referee.NewGame();
            std::cout << "ok" << std::endl;
        } else if (command == "legal") {
            std::cout << referee.Legal() << std::endl;
        } else if (command == "move") {
            std::cout << referee.Move(argument) << std::endl;
        } else {
            std::cout << "error unknown command" << std::endl;
        }
    }
    return 0;
}
