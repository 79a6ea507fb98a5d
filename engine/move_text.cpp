#include "engine/move_text.h"

#include "rules/square.h"

namespace quintavo::engine {

std::string SquareText(int engineSquare) {
    if (engineSquare < 0 || engineSquare > 63) return "-";
    return CoordinateName(FromEngineSquare(engineSquare));
}

std::string MoveText(EngineMove move) {
    std::string text = SquareText(MoveFrom(move)) + SquareText(MoveTo(move));
    static constexpr char PromotionLetters[] = " nbrq";
    const int promotion = MovePromotion(move);
    if (promotion >= Knight && promotion <= Queen) text += PromotionLetters[promotion];
    return text;
}

} // namespace quintavo::engine
