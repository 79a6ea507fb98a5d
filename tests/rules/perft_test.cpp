// The rules' legal moves, played out and taken back through the history,
// against the known move-path counts of chess.
#include <gtest/gtest.h>

#include "board_fixture.h"
#include "rules/perft.h"

namespace quintavo::test {
namespace {

struct PerftCase {
    std::string_view fen;
    int depth;
    std::uint64_t leaves;
};

constexpr const char* Kiwipete = "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq -";
// The position where an en-passant capture can uncover a check along the rank.
constexpr const char* RankPin = "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - -";

#ifndef QUINTAVO_SLOW_PERFT
constexpr PerftCase Cases[] = {
    {StartFen, 1, 20},   {StartFen, 2, 400}, {StartFen, 3, 8902}, {Kiwipete, 1, 48},
    {Kiwipete, 2, 2039}, {RankPin, 1, 14},   {RankPin, 2, 191},   {RankPin, 3, 2812},
};
#else
constexpr PerftCase Cases[] = {
    {StartFen, 4, 197281},
    {Kiwipete, 3, 97862},
    {RankPin, 4, 43238},
};
#endif

TEST(RulesPerft, MatchesKnownCounts) {
    for (const auto& c : Cases) {
        SCOPED_TRACE(std::string(c.fen) + " depth " + std::to_string(c.depth));
        BoardModel model;
        Load(model, c.fen);
        const std::string before = model.Position();
        EXPECT_EQ(CountLegalLines(model, c.depth), c.leaves);
        EXPECT_EQ(model.Position(), before);
    }
}

} // namespace
} // namespace quintavo::test
