// The deepest pinned search from the start position.
#include "tests/engine/engine_fixture.h"

namespace quintavo::engine::test {
namespace {

TEST(EngineSearchDeep, StartPositionDepthSix) {
    EngineRequest r = StartRequest();
    r.SearchDepth = 6;
    auto e = std::make_unique<TEngine>();
    const SearchResult result = e->RunSearch(r);
    ASSERT_EQ(result.Outcome, SearchOutcome::Move);
    EXPECT_EQ(MoveText(result.Move), "e2e4");
    EXPECT_EQ(result.Nodes, 250564u);
}

} // namespace
} // namespace quintavo::engine::test
