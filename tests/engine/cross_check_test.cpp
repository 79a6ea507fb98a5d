// The engine's generator against the rules, over random games.
#include "tests/engine/cross_check.h"

#include <string_view>

#include "rules/fen.h"

namespace quintavo::engine::test {
namespace {

TEST(EngineCrossCheck, AgreesWithTheRulesInRandomGames) {
    EXPECT_GT(CrossCheckRandomGames(6, 2024, 200), 300);
}

TEST(EngineCrossCheck, AgreesWithTheRulesInChecksAndPins) {
    constexpr std::string_view Fens[] = {
        "4k3/8/8/8/4r3/8/3B1N2/R3K3 w - - 0 1", // block or take the rook
        "4k3/8/8/8/1b2r3/3N4/8/R3K3 w Q - 0 1", // two checkers: the king alone
        "4k3/8/8/8/8/3n4/2P1P3/4K3 w - - 0 1",  // a knight taken by either pawn
        "8/8/8/3pP3/4K3/8/8/7k w - d6 0 1",     // the checking pawn taken en passant
        "4k3/4r3/8/8/1b6/8/3NR3/4K3 w - - 0 1", // pinned: one may slide, one not
        "8/8/8/KPp4r/8/8/8/7k w - c6 0 1",      // en passant would open the rank
        "r3k2r/8/8/8/8/8/8/R3K1r1 w Qkq - 0 1", // in check, no castling
        "4r1k1/8/8/8/1b6/8/4R3/4K3 w - - 0 1",  // the only blocker is pinned
    };
    auto engine = std::make_unique<TEngine>();
    for (const auto fen : Fens) {
        SCOPED_TRACE(fen);
        const auto position = quintavo::ParseFen(fen);
        ASSERT_TRUE(position);
        BoardModel model;
        LoadFen(model, *position);
        EXPECT_EQ(EnginePairs(*engine, RequestOf(model)), RulesPairs(model));
    }
}

} // namespace
} // namespace quintavo::engine::test
