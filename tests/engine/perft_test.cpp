// The generator against the standard perft counts, shallow depths.
#include "tests/engine/perft_cases.h"

namespace quintavo::engine::test {
namespace {

TEST(EnginePerft, MatchesKnownCountsAtShallowDepths) {
    constexpr PerftCase Cases[] = {
        {StartFen, 1, 20},     {StartFen, 2, 400},   {StartFen, 3, 8902}, {Kiwipete, 1, 48},
        {Kiwipete, 2, 2039},   {Position3, 1, 14},   {Position3, 2, 191}, {Position3, 3, 2812},
        {Position3, 4, 43238}, {Position4, 1, 6},    {Position4, 2, 264}, {Position4, 3, 9467},
        {Position5, 1, 44},    {Position5, 2, 1486},
    };
    for (const auto& c : Cases)
        ExpectPerft(c);
}

} // namespace
} // namespace quintavo::engine::test
