#include "app/core/random_move.h"

#include <vector>

#include <gtest/gtest.h>

namespace quintavo::appcore {
namespace {

// The random mover stops after MaxRandomMovePairs pairs on the strength of
// this walk: every pair of squares appears in the cycle of (from, to) draws,
// and never more than that many pairs apart, wherever the search starts.
TEST(RandomSequence, EveryPairOfSquaresRecursWithinTheSearchBound) {
    constexpr std::uint64_t PairsPerCycle = std::uint64_t{1} << 31;
    constexpr int Range = RandomSquareRange;
    std::vector<std::int64_t> first(Range * Range, -1), last(Range * Range, -1);
    std::vector<std::int64_t> longestGap(Range * Range, 0);

    RandomSequence random;
    for (std::int64_t i = 0; i < static_cast<std::int64_t>(PairsPerCycle); ++i) {
        const int from = static_cast<int>(random.Next(Range));
        const int pair = from * Range + static_cast<int>(random.Next(Range));
        if (last[pair] >= 0)
            longestGap[pair] = std::max(longestGap[pair], i - last[pair]);
        else
            first[pair] = i;
        last[pair] = i;
    }
    ASSERT_EQ(random.State(), 0u) << "the walk did not close the cycle";

    std::int64_t worst = 0;
    for (int from = 1; from <= SquareCount; ++from) {
        for (int to = 1; to <= SquareCount; ++to) {
            const int pair = from * Range + to;
            ASSERT_GE(first[pair], 0) << from << "-" << to << " never drawn";
            const std::int64_t wrap =
                static_cast<std::int64_t>(PairsPerCycle) - last[pair] + first[pair];
            worst = std::max({worst, longestGap[pair], wrap});
        }
    }
    EXPECT_EQ(worst, std::int64_t{MaxRandomMovePairs});
}

} // namespace
} // namespace quintavo::appcore
