#include "engine/score_scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

namespace quintavo::engine {
namespace {

// Every variant of the scan against the plain answer, over lists of every
// length a node makes, with few distinct scores (ties) and with wide ones
// (negative, capture-sized and the boost's).
TEST(ScoreScan, EveryVariantFindsTheHighestAndItsFirstIndex) {
    std::mt19937 random(12345);
    for (const int spread : {3, 2000000000}) {
        std::uniform_int_distribution<std::int32_t> value(-spread, spread);
        for (int round = 0; round < 2000; ++round) {
            const int size = 1 + static_cast<int>(random() % 48);
            std::vector<std::int32_t> scores(size);
            for (auto& s : scores)
                s = value(random);
            const int begin = static_cast<int>(random() % size);
            const std::int32_t best = *std::max_element(scores.begin() + begin, scores.end());
            SCOPED_TRACE(testing::Message() << "size " << size << " begin " << begin);
            EXPECT_EQ(HighestScoreSse2(scores.data(), begin, size), best);
#if defined(__SSE2__) && defined(__GNUC__)
            if (HaveSse41) {
                EXPECT_EQ(HighestScoreSse41(scores.data(), begin, size), best);
            }
#endif
            EXPECT_EQ(HighestScore(scores.data(), begin, size), best);
            const auto first = std::find(scores.begin() + begin, scores.end(), best);
            EXPECT_EQ(FirstWithScore(scores.data(), begin, size, best), first - scores.begin());
        }
    }
}

} // namespace
} // namespace quintavo::engine
