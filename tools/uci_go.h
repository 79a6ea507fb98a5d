// The limits of one UCI "go" and the time a clock allows for the move.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quintavo::tools {

using Millis = std::chrono::milliseconds;

struct GoCommand {
    std::optional<int> Depth;
    std::optional<Millis> MoveTime;
    std::optional<Millis> WhiteTime, BlackTime;
    Millis WhiteIncrement{0}, BlackIncrement{0};
    std::optional<int> MovesToGo;
    std::optional<std::uint64_t> Nodes;
    bool Infinite = false;
    bool Ponder = false;
    std::vector<std::string> SearchMoves; // as given, not yet checked
    std::vector<std::string> Problems;    // what was refused, one sentence each
};

// The words after "go". A bad or unknown word is reported in Problems and
// left out; the rest still counts.
GoCommand ParseGo(const std::vector<std::string>& words, int maxDepth);

// Soft: no further iteration starts that is not expected to end within it.
// Hard: a running iteration is abandoned there. Both are counted from the go.
struct TimeBudget {
    std::optional<Millis> Soft;
    std::optional<Millis> Hard;
};
TimeBudget BudgetFor(const GoCommand& go, bool whiteToMove);

// How many times the last iteration's nodes the next one is expected to take,
// from the nodes of each iteration alone, oldest first. Depths alternate
// between cheap and dear, so two steps back are averaged where known.
double ExpectedGrowth(const std::vector<std::uint64_t>& iterationNodes);

// Whether one more iteration, taking `growth` times the last one's time, is
// expected to end within the soft budget.
bool NextIterationFits(Millis soft, std::chrono::microseconds elapsed,
                       std::chrono::microseconds lastIteration, double growth);

} // namespace quintavo::tools
