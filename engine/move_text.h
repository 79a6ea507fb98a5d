// The engine's squares and moves in coordinate notation (e2e4, e7e8q), for its
// front ends and tests.
#pragma once

#include <string>

#include "engine/engine.h"

namespace quintavo::engine {

// "a8" ... "h1" for 0 ... 63.
std::string SquareText(int engineSquare);

// From, to and the promotion letter: "e2e4", "e1g1", "a7a8q".
std::string MoveText(EngineMove move);

} // namespace quintavo::engine
