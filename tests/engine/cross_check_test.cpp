// The engine's generator against the rules, over random games.
#include "tests/engine/cross_check.h"

namespace quintavo::engine::test {
namespace {

TEST(EngineCrossCheck, AgreesWithTheRulesInRandomGames) {
    EXPECT_GT(CrossCheckRandomGames(6, 2024, 200), 300);
}

} // namespace
} // namespace quintavo::engine::test
