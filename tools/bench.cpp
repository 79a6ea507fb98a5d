// quintavo-bench [--depth N] [FEN ...]: searches each position at every depth
// from 1 to N, each depth on a fresh engine as a game's first search, and
// prints the move, nodes and speed of each search and of all together.
#include <chrono>
#include <cstdint>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/move_text.h"
#include "rules/fen.h"
#include "tools/cli_support.h"

namespace {

using namespace quintavo;

constexpr int DefaultDepth = 6;
constexpr int MaxDepth = 30;

struct BenchPosition {
    std::string Name;
    std::string Fen;
};

const std::vector<BenchPosition> BuiltIn = {
    {"start", std::string(StartFen)},
    {"kiwipete", "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1"},
    {"middlegame-1", "r1bq1rk1/pppnbppp/4pn2/3p2B1/2PP4/2N1PN2/PP3PPP/R2QKB1R w KQ - 0 7"},
    {"middlegame-2", "r1bq1rk1/2p1bppp/p1np1n2/1p2p3/4P3/1BP2N1P/PP1P1PP1/RNBQR1K1 b - - 0 9"},
    {"endgame-1", "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1"},
    {"endgame-2", "8/5pk1/3b2p1/p7/P2B4/5PP1/6K1/8 w - - 0 1"},
};

int Usage(const std::string& message) {
    std::cerr << "quintavo-bench: " << message << "\n"
              << "usage: quintavo-bench [--depth N] [FEN ...]   (N 1 to " << MaxDepth
              << ", default " << DefaultDepth << ")\n";
    return 2;
}

std::uint64_t Nps(std::uint64_t nodes, std::int64_t micros) {
    return micros > 0 ? nodes * 1000000 / static_cast<std::uint64_t>(micros) : 0;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    int depth = DefaultDepth;
    std::vector<BenchPosition> positions;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--depth") {
            if (i + 1 >= args.size()) return Usage("--depth needs a number");
            const auto d = tools::ParseInt(args[++i], 1, MaxDepth);
            if (!d) return Usage("bad depth '" + args[i] + "'");
            depth = *d;
        } else {
            positions.push_back({"position-" + std::to_string(positions.size() + 1), args[i]});
        }
    }
    if (positions.empty()) positions = BuiltIn;

    std::vector<engine::EngineRequest> requests;
    for (const auto& p : positions) {
        std::string error;
        const auto parsed = ParsePlayableFen(p.Fen, &error);
        if (!parsed) return Usage("bad FEN '" + p.Fen + "': " + error);
        requests.push_back(engine::EngineRequest{*parsed});
    }

    using Clock = std::chrono::steady_clock;
    std::uint64_t totalNodes = 0;
    std::int64_t totalMicros = 0;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        std::cout << "position " << positions[i].Name << " " << positions[i].Fen << "\n";
        for (int d = 1; d <= depth; ++d) {
            auto e = std::make_unique<engine::TEngine>();
            engine::EngineRequest r = requests[i];
            r.SearchDepth = d;
            const auto start = Clock::now();
            const engine::SearchResult result = e->RunSearch(r);
            const auto micros =
                std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count();
            totalNodes += result.Nodes;
            totalMicros += micros;
            const std::string move = result.Outcome == engine::SearchOutcome::Move
                                         ? engine::MoveText(result.Move)
                                         : "none";
            std::cout << "depth " << d << " move " << move << " nodes " << result.Nodes << " ms "
                      << micros / 1000 << " nps " << Nps(result.Nodes, micros) << std::endl;
        }
    }
    std::cout << "total nodes " << totalNodes << " ms " << totalMicros / 1000 << " nps "
              << Nps(totalNodes, totalMicros) << std::endl;
    return 0;
}
