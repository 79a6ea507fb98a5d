// Engine moves in coordinate notation, as the front ends print them.
#include "tests/engine/engine_fixture.h"

namespace quintavo::engine::test {
namespace {

TEST(EngineMoveText, WritesFromToAndPromotion) {
    EXPECT_EQ(MoveText(MakeEngineMove(52, 36, 0, 24)), "e2e4");
    EXPECT_EQ(MoveText(MakeEngineMove(8, 0, Queen, 48)), "a7a8q");
    EXPECT_EQ(MoveText(MakeEngineMove(55, 62, Knight, 48)), "h2g1n");
    EXPECT_EQ(SquareText(0), "a8");
    EXPECT_EQ(SquareText(63), "h1");
}

} // namespace
} // namespace quintavo::engine::test
