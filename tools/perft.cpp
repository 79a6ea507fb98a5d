// quintavo-perft [--rules] FEN DEPTH: counts the leaves of the engine's move
// generator, or of the rules' distinct (from, to) pairs played through the
// board model, DEPTH half-moves deep. The count is printed alone on the last
// line, after one line per first move.
#include <cstdint>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/move_text.h"
#include "rules/board_model.h"
#include "rules/fen.h"
#include "rules/perft.h"
#include "tools/cli_support.h"

namespace {

using namespace quintavo;

constexpr int MaxDepth = 20;

int Usage(const std::string& message) {
    std::cerr << "quintavo-perft: " << message << "\n"
              << "usage: quintavo-perft [--rules] FEN DEPTH   (DEPTH 0 to " << MaxDepth << ")\n";
    return 2;
}

std::uint64_t EngineDivide(const engine::EngineRequest& request, int depth) {
    auto e = std::make_unique<engine::TEngine>();
    e->LoadEnginePosition(request);
    if (depth == 0) return 1;
    e->GenerateAllMoves();
    std::uint64_t total = 0;
    for (int i = e->PlyMovesStart(0); i < e->PlyMovesEnd(0); ++i) {
        const engine::EngineMove m = e->StackMove(i);
        if (!e->PlayMove(m)) continue;
        const std::uint64_t n = e->Perft(depth - 1);
        e->UndoMove();
        std::cout << engine::MoveText(m) << ": " << n << "\n";
        total += n;
    }
    return total;
}

std::uint64_t RulesDivide(const engine::EngineRequest& request, int depth) {
    BoardModel model;
    LoadFen(model, request);
    if (depth == 0) return 1;
    std::uint64_t total = 0;
    for (int from = 1; from <= SquareCount; ++from) {
        for (int to = 1; to <= SquareCount; ++to) {
            const Square f = ToSquare(from);
            const Square t = ToSquare(to);
            if (!model.IsLegalMove(f, t)) continue;
            if (!model.ExecuteMove(f, t)) continue;
            const std::uint64_t n = CountLegalLines(model, depth - 1);
            model.StepBack();
            std::cout << engine::SquareText(from - 1) << engine::SquareText(to - 1) << ": " << n
                      << "\n";
            total += n;
        }
    }
    return total;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    bool rules = false;
    if (!args.empty() && args.front() == "--rules") {
        rules = true;
        args.erase(args.begin());
    }
    if (args.size() < 2) return Usage("a FEN and a depth are needed");
    // The FEN may come as one quoted argument or as its separate fields.
    std::string fen;
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        if (i > 0) fen += ' ';
        fen += args[i];
    }
    const auto depth = tools::ParseInt(args.back(), 0, MaxDepth);
    if (!depth) return Usage("bad depth '" + args.back() + "'");
    std::string error;
    const auto parsed = ParsePlayableFen(fen, &error);
    if (!parsed) return Usage("bad FEN '" + fen + "': " + error);
    const engine::EngineRequest request{*parsed};

    const std::uint64_t count =
        rules ? RulesDivide(request, *depth) : EngineDivide(request, *depth);
    std::cout << count << std::endl;
    return 0;
}
