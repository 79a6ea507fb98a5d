// The engine's generator against the rules, over a few hundred random games.
#include "tests/engine/cross_check.h"

namespace quintavo::engine::test {
namespace {

TEST(EngineCrossCheckDeep, AgreesWithTheRulesInManyRandomGames) {
    EXPECT_GT(CrossCheckRandomGames(300, 7, 400), 30000);
}

} // namespace
} // namespace quintavo::engine::test
