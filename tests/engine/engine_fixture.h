// Shared helpers for the engine tests: positions from FEN or from the board's
// 64 letters, and a full copy of the engine's observable state.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "engine/move_text.h"
#include "rules/fen.h"

namespace quintavo::engine::test {

inline EngineRequest FromFen(std::string_view fen, int depth = 1) {
    std::string error;
    const auto parsed = ParsePlayableFen(fen, &error);
    EXPECT_TRUE(parsed) << fen << ": " << error;
    return EngineRequest{parsed.value_or(FenPosition{}), depth};
}

// The board's own form: 64 letters a8 ... h1; reaches positions FEN refuses.
inline EngineRequest FromLetters(std::string_view letters, bool whiteToMove,
                                 std::uint8_t castling = 0, int depth = 1) {
    EngineRequest r;
    for (int s = 0; s < 64; ++s)
        r.Board[s] = letters[s];
    r.WhiteToMove = whiteToMove;
    r.CastlingAllowed = castling;
    r.SearchDepth = depth;
    return r;
}

inline std::unique_ptr<TEngine> Loaded(const EngineRequest& r) {
    auto e = std::make_unique<TEngine>();
    e->LoadEnginePosition(r);
    return e;
}

struct EngineState {
    std::array<int, 64> Colors{};
    std::array<int, 64> Pieces{};
    int Side = 0, Other = 0, Rights = 0, EnPassant = 0, Ply = 0;
    bool operator==(const EngineState&) const = default;
};

inline EngineState StateOf(const TEngine& e) {
    EngineState s;
    for (int sq = 0; sq < 64; ++sq) {
        s.Colors[sq] = e.SquareColor(sq);
        s.Pieces[sq] = e.SquarePiece(sq);
    }
    s.Side = e.SideToMove();
    s.Other = e.OtherSide();
    s.Rights = e.CastleRights();
    s.EnPassant = e.EnPassantSquare();
    s.Ply = e.SearchPly();
    return s;
}

// The current ply's generated moves as text, in stack order.
inline std::vector<std::string> GeneratedTexts(const TEngine& e) {
    std::vector<std::string> texts;
    const int p = e.SearchPly();
    for (int i = e.PlyMovesStart(p); i < e.PlyMovesEnd(p); ++i)
        texts.push_back(MoveText(e.StackMove(i)));
    return texts;
}

// Finds a generated move of the current ply by its text; 0 if absent.
inline EngineMove FindMove(const TEngine& e, std::string_view text) {
    const int p = e.SearchPly();
    for (int i = e.PlyMovesStart(p); i < e.PlyMovesEnd(p); ++i)
        if (MoveText(e.StackMove(i)) == text) return e.StackMove(i);
    return 0;
}

inline constexpr std::string_view Kiwipete =
    "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1";

} // namespace quintavo::engine::test
