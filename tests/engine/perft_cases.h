// The standard perft positions and a check of one count.
#pragma once

#include <cstdint>

#include "tests/engine/engine_fixture.h"

namespace quintavo::engine::test {

struct PerftCase {
    std::string_view Fen;
    int Depth;
    std::uint64_t Nodes;
};

inline constexpr std::string_view Position3 = "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - -";
inline constexpr std::string_view Position4 =
    "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1";
inline constexpr std::string_view Position5 =
    "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8";

// The count, and the position untouched afterwards.
inline void ExpectPerft(const PerftCase& c) {
    SCOPED_TRACE(testing::Message() << c.Fen << " depth " << c.Depth);
    auto e = Loaded(FromFen(c.Fen));
    const EngineState before = StateOf(*e);
    EXPECT_EQ(e->Perft(c.Depth), c.Nodes);
    EXPECT_EQ(StateOf(*e), before);
}

} // namespace quintavo::engine::test
