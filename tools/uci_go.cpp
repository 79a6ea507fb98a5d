#include "tools/uci_go.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

namespace quintavo::tools {

namespace {

// Moves a clock is expected to cover when the GUI does not say.
constexpr int DefaultMovesToGo = 30;
// Kept back from the clock for the pipe and the GUI: a tenth, at most 1 s,
// at least 20 ms.
constexpr Millis MaxReserve{1000};
constexpr Millis MinReserve{20};
// Longer times are taken as this (24 days), so that sums and deadlines of
// any time a GUI sends stay far from overflow.
constexpr std::int64_t MaxMillis = 1LL << 31;
// How much larger the next iteration is assumed to be than the last, when the
// last two do not tell, and the bounds of what they may tell.
constexpr double DefaultGrowth = 8.0;
constexpr double MinGrowth = 2.0;
constexpr double MaxGrowth = 16.0;

template <typename T> std::optional<T> Number(std::string_view text) {
    T value{};
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

bool IsKeyword(const std::string& word) {
    static const char* const Keywords[] = {"searchmoves", "ponder", "wtime",     "btime",
                                           "winc",        "binc",   "movestogo", "depth",
                                           "nodes",       "mate",   "movetime",  "infinite"};
    return std::find(std::begin(Keywords), std::end(Keywords), word) != std::end(Keywords);
}

} // namespace

GoCommand ParseGo(const std::vector<std::string>& words, int maxDepth) {
    GoCommand go;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "infinite") {
            go.Infinite = true;
            continue;
        }
        if (word == "ponder") {
            go.Ponder = true;
            continue;
        }
        if (word == "searchmoves") {
            while (i + 1 < words.size() && !IsKeyword(words[i + 1]))
                go.SearchMoves.push_back(words[++i]);
            continue;
        }
        if (!IsKeyword(word)) {
            go.Problems.push_back("go: unknown word '" + word + "' ignored");
            continue;
        }
        if (i + 1 >= words.size() || IsKeyword(words[i + 1])) {
            go.Problems.push_back("go: " + word + " needs a value");
            continue;
        }
        const std::string& value = words[++i];
        const auto bad = [&] {
            go.Problems.push_back("go: bad " + word + " '" + value + "' ignored");
        };
        if (word == "depth" || word == "mate") {
            // A mate in N is looked for as a search of 2N plies.
            const auto n = Number<int>(value);
            if (!n || *n < 1) {
                bad();
            } else {
                const long plies = word == "mate" ? 2L * *n : *n;
                go.Depth = static_cast<int>(std::min<long>(plies, maxDepth));
            }
        } else if (word == "nodes") {
            const auto n = Number<std::uint64_t>(value);
            if (!n || *n == 0)
                bad();
            else
                go.Nodes = *n;
        } else if (word == "movestogo") {
            const auto n = Number<int>(value);
            if (!n || *n < 1)
                bad();
            else
                go.MovesToGo = *n;
        } else {
            // Times in milliseconds; a GUI may send a clock already below
            // zero, which leaves no time at all.
            const auto n = Number<std::int64_t>(value);
            if (!n) {
                bad();
                continue;
            }
            const Millis ms{std::clamp<std::int64_t>(*n, 0, MaxMillis)};
            if (word == "wtime")
                go.WhiteTime = ms;
            else if (word == "btime")
                go.BlackTime = ms;
            else if (word == "winc")
                go.WhiteIncrement = ms;
            else if (word == "binc")
                go.BlackIncrement = ms;
            else
                go.MoveTime = ms;
        }
    }
    return go;
}

TimeBudget BudgetFor(const GoCommand& go, bool whiteToMove) {
    TimeBudget budget;
    const std::optional<Millis> time = whiteToMove ? go.WhiteTime : go.BlackTime;
    if (time) {
        const Millis increment = whiteToMove ? go.WhiteIncrement : go.BlackIncrement;
        const Millis reserve = std::clamp(*time / 10, MinReserve, MaxReserve);
        const Millis usable = std::max(*time - reserve, Millis{0});
        const int movesToGo = go.MovesToGo.value_or(DefaultMovesToGo);
        const Millis share = *time / movesToGo + increment * 3 / 4;
        budget.Soft = std::min(share, usable);
        budget.Hard = std::min(*budget.Soft * 2, usable);
    }
    if (go.MoveTime) {
        budget.Hard = budget.Hard ? std::min(*budget.Hard, *go.MoveTime) : *go.MoveTime;
        if (budget.Soft) budget.Soft = std::min(*budget.Soft, *go.MoveTime);
    }
    return budget;
}

double ExpectedGrowth(const std::vector<std::uint64_t>& iterationNodes) {
    const std::size_t n = iterationNodes.size();
    double growth = DefaultGrowth;
    const auto ratio = [&](std::size_t back) {
        const std::uint64_t older = iterationNodes[n - 1 - back];
        return older == 0 ? std::numeric_limits<double>::infinity()
                          : static_cast<double>(iterationNodes[n - 1]) / static_cast<double>(older);
    };
    if (n >= 3)
        growth = std::sqrt(ratio(2));
    else if (n == 2)
        growth = ratio(1);
    return std::clamp(growth, MinGrowth, MaxGrowth);
}

bool NextIterationFits(Millis soft, std::chrono::microseconds elapsed,
                       std::chrono::microseconds lastIteration, double growth) {
    const double expected =
        static_cast<double>(elapsed.count()) + growth * static_cast<double>(lastIteration.count());
    return expected <= static_cast<double>(std::chrono::microseconds(soft).count());
}

} // namespace quintavo::tools
