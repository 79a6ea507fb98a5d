// Plays random games on the rules' board model and compares, position by
// position, the engine's legal moves with the rules' legal (from, to) pairs.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <set>
#include <utility>

#include "engine/engine.h"
#include "engine/move_text.h"
#include "rules/board_model.h"
#include "rules/fen.h"

namespace quintavo::engine::test {

using MovePairs = std::set<std::pair<int, int>>; // (from, to) as Square ordinals

inline EngineRequest RequestOf(const BoardModel& model) {
    EngineRequest r;
    const std::string position = model.Position();
    for (int s = 0; s < 64; ++s)
        r.Board[s] = s < static_cast<int>(position.size()) ? position[s] : ' ';
    r.WhiteToMove = model.WhiteToMove();
    r.CastlingAllowed = model.CastlingAllowed();
    r.EnPassant = model.EnPassant();
    return r;
}

inline MovePairs EnginePairs(TEngine& engine, const EngineRequest& r) {
    engine.LoadEnginePosition(r);
    engine.GenerateAllMoves();
    MovePairs pairs;
    for (int i = engine.PlyMovesStart(0); i < engine.PlyMovesEnd(0); ++i) {
        const EngineMove m = engine.StackMove(i);
        if (!engine.PlayMove(m)) continue;
        engine.UndoMove();
        pairs.emplace(MoveFrom(m) + 1, MoveTo(m) + 1); // the four promotions fold into one
    }
    return pairs;
}

inline MovePairs RulesPairs(const BoardModel& model) {
    MovePairs pairs;
    const int side = model.WhiteToMove() ? 1 : 0;
    for (int from = 1; from <= SquareCount; ++from) {
        if (model.PieceColor(ToSquare(from)) != side) continue;
        for (int to = 1; to <= SquareCount; ++to)
            if (model.IsLegalMove(ToSquare(from), ToSquare(to))) pairs.emplace(from, to);
    }
    return pairs;
}

// Returns the number of positions compared.
inline int CrossCheckRandomGames(int games, unsigned seed, int maxPlies) {
    std::mt19937 rng(seed);
    auto engine = std::make_unique<TEngine>();
    int compared = 0;
    for (int game = 0; game < games; ++game) {
        BoardModel model;
        model.NewGame();
        // Vary the promotion piece so that every kind enters the games.
        static constexpr char Promotions[] = "qrbn";
        model.SetPromotionPiece(Promotions[game % 4]);
        for (int ply = 0; ply < maxPlies; ++ply) {
            const EngineRequest r = RequestOf(model);
            const MovePairs rules = RulesPairs(model);
            const MovePairs mine = EnginePairs(*engine, r);
            if (rules.empty() && !mine.empty() && model.IsThreefoldRepetition()) break;
            ++compared;
            if (rules != mine) {
                ADD_FAILURE() << "game " << game << " ply " << ply << ": " << ToFen(r) << "\n"
                              << "rules " << rules.size() << " moves, engine " << mine.size();
                return compared;
            }
            if (rules.empty()) break; // mate or stalemate
            auto it = rules.begin();
            std::advance(it, rng() % rules.size());
            if (!model.ExecuteMove(ToSquare(it->first), ToSquare(it->second))) {
                ADD_FAILURE() << "the rules refused their own legal move";
                return compared;
            }
        }
    }
    return compared;
}

} // namespace quintavo::engine::test
