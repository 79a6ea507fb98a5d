// The board state a search starts from, as the board model holds it, and how
// deep to search: the one request type of the engine, its thread and its
// front ends.
#pragma once

#include "rules/fen.h"

namespace quintavo::engine {

struct EngineRequest : FenPosition {
    int SearchDepth = 1;
};

} // namespace quintavo::engine
