// Stand-ins for the engine in tests of the engine protocol and the board: no
// Qt, so the thread-sanitizer build uses them too.
#pragma once

#include <atomic>
#include <string>

#include "engine/engine_thread.h"
#include "rules/board_model.h"

namespace quintavo::test {

// The first legal (from, to) pair in square order: enough of an engine to
// watch the protocol.
inline engine::FoundMove FirstLegalMove(const engine::EngineRequest& request,
                                        const std::atomic<bool>&) {
    BoardModel scratch;
    scratch.SetPosition(std::string(request.Board.begin(), request.Board.end()));
    scratch.SetWhiteToMove(request.WhiteToMove);
    scratch.SetCastlingAllowed(request.CastlingAllowed);
    scratch.SetEnPassant(request.EnPassant);
    for (int from = 1; from <= 64; ++from)
        for (int to = 1; to <= 64; ++to)
            if (scratch.IsLegalMove(ToSquare(from), ToSquare(to)))
                return {true, ToSquare(from), ToSquare(to)};
    return {};
}

} // namespace quintavo::test
