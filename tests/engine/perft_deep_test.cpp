// The generator against the standard perft counts, the deep ones.
#include "tests/engine/perft_cases.h"

namespace quintavo::engine::test {
namespace {

TEST(EnginePerftDeep, StartPosition) {
    ExpectPerft({StartFen, 4, 197281});
    ExpectPerft({StartFen, 5, 4865609});
}

TEST(EnginePerftDeep, Kiwipete) {
    ExpectPerft({Kiwipete, 3, 97862});
    ExpectPerft({Kiwipete, 4, 4085603});
}

TEST(EnginePerftDeep, RookEndgame) {
    ExpectPerft({Position3, 5, 674624});
}

TEST(EnginePerftDeep, PromotionsAndChecks) {
    ExpectPerft({Position4, 4, 422333});
}

TEST(EnginePerftDeep, PromotionByCapture) {
    ExpectPerft({Position5, 3, 62379});
    ExpectPerft({Position5, 4, 2103487});
}

} // namespace
} // namespace quintavo::engine::test
