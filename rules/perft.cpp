#include "rules/perft.h"

#include <utility>
#include <vector>

#include "rules/board_model.h"

namespace quintavo {

std::uint64_t CountLegalLines(BoardModel& model, int depth) {
    if (depth <= 0) return 1;
    std::vector<std::pair<Square, Square>> moves;
    for (int from = 1; from <= SquareCount; ++from) {
        if (model.PieceColor(ToSquare(from)) != (model.WhiteToMove() ? 1 : 0)) continue;
        for (int to = 1; to <= SquareCount; ++to)
            if (model.IsLegalMove(ToSquare(from), ToSquare(to)))
                moves.emplace_back(ToSquare(from), ToSquare(to));
    }
    if (depth == 1) return moves.size();
    std::uint64_t leaves = 0;
    for (const auto& [from, to] : moves) {
        if (!model.ExecuteMove(from, to)) continue;
        leaves += CountLegalLines(model, depth - 1);
        model.StepBack();
    }
    return leaves;
}

} // namespace quintavo
