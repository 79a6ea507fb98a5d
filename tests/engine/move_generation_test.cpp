// Loading, generation order and scores, making and taking back moves, and
// the attack tests of the engine's own position.
#include <random>

#include "tests/engine/engine_fixture.h"

namespace quintavo::engine::test {
namespace {

TEST(EngineGeneration, StartPositionOrderAndScores) {
    auto e = Loaded(StartRequest());
    e->GenerateAllMoves();
    // Castling is generated from the rights alone; PlayMove refuses both.
    const std::vector<std::string> expected = {
        "a2a3", "a2a4", "b2b3", "b2b4", "c2c3", "c2c4", "d2d3", "d2d4", "e2e3", "e2e4", "f2f3",
        "f2f4", "g2g3", "g2g4", "h2h3", "h2h4", "b1a3", "b1c3", "g1f3", "g1h3", "e1g1", "e1c1"};
    EXPECT_EQ(GeneratedTexts(*e), expected);
    int playable = 0;
    for (int i = e->PlyMovesStart(0); i < e->PlyMovesEnd(0); ++i) {
        EXPECT_EQ(e->StackScore(i), 0);
        if (e->PlayMove(e->StackMove(i))) {
            ++playable;
            e->UndoMove();
        }
    }
    EXPECT_EQ(playable, 20);
    EXPECT_EQ(e->PlyMovesStart(1), e->PlyMovesEnd(0));
    EXPECT_EQ(MoveFlagsOf(FindMove(*e, "e2e4")), 24);
    EXPECT_EQ(MoveFlagsOf(FindMove(*e, "e2e3")), 16);
    EXPECT_EQ(MoveFlagsOf(FindMove(*e, "g1f3")), 0);
    EXPECT_EQ(MoveFlagsOf(FindMove(*e, "e1g1")), 2);
}

TEST(EngineGeneration, CaptureScoresRankVictimThenAttacker) {
    // The pawn on e5 can take d6 en passant; the pawn on c3 and the queen on
    // d1 can both take the queen on d4.
    auto e = Loaded(FromFen("4k3/8/8/3pP3/3q4/2P5/8/3QK3 w - d6 0 1"));
    e->GenerateAllMoves();
    const EngineMove ep = FindMove(*e, "e5d6");
    ASSERT_NE(ep, 0u);
    EXPECT_EQ(MoveFlagsOf(ep), 21);
    const auto scoreOf = [&](std::string_view text) {
        for (int i = e->PlyMovesStart(0); i < e->PlyMovesEnd(0); ++i)
            if (MoveText(e->StackMove(i)) == text) return e->StackScore(i);
        ADD_FAILURE() << text << " not generated";
        return 0;
    };
    EXPECT_EQ(scoreOf("e5d6"), 1000060);
    EXPECT_EQ(scoreOf("c3d4"), 1000040); // pawn takes queen
    EXPECT_EQ(scoreOf("d1d4"), 1000036); // queen takes queen
    EXPECT_EQ(MoveFlagsOf(FindMove(*e, "c3d4")), 17);
    EXPECT_EQ(MoveFlagsOf(FindMove(*e, "d1d4")), 1);

    // The capture generator keeps the same order and adds no quiet move.
    auto c = Loaded(FromFen("4k3/8/8/3pP3/3q4/2P5/8/3QK3 w - d6 0 1"));
    c->GenerateCaptureMoves();
    EXPECT_EQ(GeneratedTexts(*c), (std::vector<std::string>{"c3d4", "d1d4", "e5d6"}));
}

TEST(EngineGeneration, CaptureGeneratorHoldsCapturesPromotionsAndEnPassantOnly) {
    auto e = Loaded(FromFen("1n2k3/P7/8/3pP3/3q4/2P5/8/3QK3 w - d6 0 1"));
    e->GenerateCaptureMoves();
    EXPECT_EQ(GeneratedTexts(*e),
              (std::vector<std::string>{"a7b8n", "a7b8b", "a7b8r", "a7b8q", "a7a8n", "a7a8b",
                                        "a7a8r", "a7a8q", "c3d4", "d1d4", "e5d6"}));
}

TEST(EngineGeneration, PromotionsOnlyOntoTheLastRank) {
    auto e = Loaded(FromFen("1n2k3/P7/P7/8/8/8/p7/4K3 w - - 0 1"));
    e->GenerateAllMoves();
    int promotions = 0;
    for (int i = e->PlyMovesStart(0); i < e->PlyMovesEnd(0); ++i) {
        const EngineMove m = e->StackMove(i);
        if (MoveFrom(m) != 8) continue; // the a7 pawn
        ++promotions;
        const int kind = MovePromotion(m);
        EXPECT_EQ(e->StackScore(i), 1000000 + 10 * kind);
        EXPECT_EQ(MoveFlagsOf(m), MoveTo(m) == 1 ? 49 : 48);
    }
    EXPECT_EQ(promotions, 8);
    const std::vector<std::string> texts = GeneratedTexts(*e);
    EXPECT_EQ(texts[0], "a7b8n"); // knight first, queen last
    EXPECT_EQ(texts[3], "a7b8q");
    // a6 to a7 is blocked; nothing else of the a6 pawn, and a7a8 exists.
    EXPECT_EQ(FindMove(*e, "a6a7"), 0u);
    EXPECT_NE(FindMove(*e, "a7a8q"), 0u);

    auto b = Loaded(FromFen("4k3/8/8/8/8/p7/1p6/R3K3 b - - 0 1"));
    b->GenerateAllMoves();
    EXPECT_EQ(MoveFlagsOf(FindMove(*b, "a3a2")), 16); // to the second rank: ordinary
    EXPECT_EQ(MoveFlagsOf(FindMove(*b, "b2a1q")), 49);
    EXPECT_EQ(MoveFlagsOf(FindMove(*b, "b2b1n")), 48);
}

TEST(EngineGeneration, PawnsOnTheirFirstOrLastRankAreInert) {
    // White pawns on a8 and h1, Black pawns on b1 and g8: the board can hold
    // them although play never does.
    auto e = Loaded(FromLetters("P     pk"
                                "        "
                                "        "
                                "        "
                                "        "
                                "        "
                                "        "
                                "Kp     P",
                                true));
    e->GenerateAllMoves();
    for (int i = e->PlyMovesStart(0); i < e->PlyMovesEnd(0); ++i)
        EXPECT_EQ(MoveFrom(e->StackMove(i)), 56) << MoveText(e->StackMove(i)); // the king only
    EXPECT_FALSE(e->IsAttacked(54, White)); // h1 pawn attacks nothing, g2 included
    EXPECT_FALSE(e->IsAttacked(13, Black)); // nor does the g8 pawn attack f7
    e->LoadEnginePosition(FromLetters("P     pk" + std::string(48, ' ') + "Kp     P", false));
    e->GenerateAllMoves();
    for (int i = e->PlyMovesStart(0); i < e->PlyMovesEnd(0); ++i)
        EXPECT_EQ(MoveFrom(e->StackMove(i)), 7) << MoveText(e->StackMove(i));
}

struct CastlingCase {
    const char* Fen;
    const char* Move;
    bool Playable;
};

TEST(EngineGeneration, CastlingChecksEmptyAndUnattackedSquares) {
    constexpr CastlingCase Cases[] = {
        {"r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "e1g1", true},
        {"r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "e1c1", true},
        {"4kr2/8/8/8/8/8/8/R3K2R w KQ - 0 1", "e1g1", false}, // f1 attacked
        {"4kr2/8/8/8/8/8/8/R3K2R w KQ - 0 1", "e1c1", true},
        {"3rk3/8/8/8/8/8/8/R3K2R w KQ - 0 1", "e1c1", false}, // d1 attacked
        {"3rk3/8/8/8/8/8/8/R3K2R w KQ - 0 1", "e1g1", true},
        {"1r2k3/8/8/8/8/8/8/R3K2R w KQ - 0 1", "e1c1", true},  // only b1 attacked
        {"4k3/8/8/8/8/8/8/RN2K2R w KQ - 0 1", "e1c1", false},  // b1 occupied
        {"4k1r1/8/8/8/8/8/8/R3K2R w KQ - 0 1", "e1g1", false}, // g1 attacked
        {"4r1k1/8/8/8/8/8/8/R3K2R w KQ - 0 1", "e1g1", false}, // in check
        {"4r1k1/8/8/8/8/8/8/R3K2R w KQ - 0 1", "e1c1", false},
        {"r3k2r/8/8/8/8/8/8/4KR2 b kq - 0 1", "e8g8", false}, // f8 attacked
        {"r3k2r/8/8/8/8/8/8/4KR2 b kq - 0 1", "e8c8", true},
        {"r3k2r/8/8/8/8/8/8/1R2K3 b kq - 0 1", "e8c8", true}, // only b8 attacked
    };
    for (const auto& c : Cases) {
        SCOPED_TRACE(testing::Message() << c.Fen << " " << c.Move);
        auto e = Loaded(FromFen(c.Fen));
        e->GenerateAllMoves();
        const EngineMove m = FindMove(*e, c.Move);
        ASSERT_NE(m, 0u);
        const EngineState before = StateOf(*e);
        ASSERT_EQ(e->PlayMove(m), c.Playable);
        if (!c.Playable) {
            EXPECT_EQ(StateOf(*e), before);
            continue;
        }
        const bool white = c.Move[1] == '1';
        const int rookTo = c.Move[2] == 'g' ? (white ? 61 : 5) : (white ? 59 : 3);
        const int rookFrom = c.Move[2] == 'g' ? (white ? 63 : 7) : (white ? 56 : 0);
        EXPECT_EQ(e->SquarePiece(rookTo), Rook);
        EXPECT_EQ(e->SquarePiece(rookFrom), NoPiece);
        EXPECT_EQ(e->CastleRights() & (white ? 3 : 12), 0);
        e->UndoMove();
        EXPECT_EQ(StateOf(*e), before);
    }
}

TEST(EngineGeneration, RightsFollowKingsAndCornerRooks) {
    struct Case {
        const char* Fen;
        const char* Move;
        int RightsAfter;
    };
    constexpr Case Cases[] = {
        {"r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "h1h5", 14},
        {"r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "e1e2", 12},
        {"r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "a1a8", 5},    // takes a8: both a-side rights
        {"r3k2r/8/8/8/8/8/6b1/R3K2R b KQkq - 0 1", "g2h1", 14}, // rook captured on h1
        {"r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", "e8d8", 3},
    };
    for (const auto& c : Cases) {
        SCOPED_TRACE(testing::Message() << c.Fen << " " << c.Move);
        auto e = Loaded(FromFen(c.Fen));
        e->GenerateAllMoves();
        const EngineMove m = FindMove(*e, c.Move);
        ASSERT_NE(m, 0u);
        ASSERT_TRUE(e->PlayMove(m));
        EXPECT_EQ(e->CastleRights(), c.RightsAfter);
        e->UndoMove();
        EXPECT_EQ(e->CastleRights(), 15);
    }
}

TEST(EngineGeneration, LoadDropsRightsWithoutTheirPiecesAndImpossibleEnPassant) {
    // No rook on h1 or a8, Black king away from e8.
    auto e = Loaded(FromLetters("r   k   " + std::string(48, ' ') + "R   K   ", true, 15));
    EXPECT_EQ(e->CastleRights(), 2 | 8);
    e->LoadEnginePosition(FromLetters("    k  r" + std::string(48, ' ') + "R   K  R", true, 15));
    EXPECT_EQ(e->CastleRights(), 1 | 2 | 4);
    e->LoadEnginePosition(FromLetters("   k   r" + std::string(48, ' ') + "R   K  R", true, 15));
    EXPECT_EQ(e->CastleRights(), 1 | 2);

    EngineRequest r = FromFen("4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1");
    EXPECT_EQ(Loaded(r)->EnPassantSquare(), 19);
    r.EnPassant = Square::E6; // nothing passed over e6
    EXPECT_EQ(Loaded(r)->EnPassantSquare(), -1);
    r.EnPassant = Square::D3; // the wrong rank for White to move
    EXPECT_EQ(Loaded(r)->EnPassantSquare(), -1);
    r.WhiteToMove = false;
    r.EnPassant = Square::D6;
    EXPECT_EQ(Loaded(r)->EnPassantSquare(), -1);
}

TEST(EngineGeneration, PlayMoveRefusesExposingTheOwnKing) {
    // The knight on d2 is pinned by the bishop on b4; the king may not walk
    // into the rook's file.
    auto e = Loaded(FromFen("4k3/8/8/8/1b6/8/3N4/4K2r w - - 0 1"));
    EXPECT_TRUE(e->IsInCheck(White));
    e->GenerateAllMoves();
    const EngineState before = StateOf(*e);
    int legal = 0;
    for (int i = e->PlyMovesStart(0); i < e->PlyMovesEnd(0); ++i) {
        if (e->PlayMove(e->StackMove(i))) {
            ++legal;
            EXPECT_FALSE(e->IsInCheck(White));
            e->UndoMove();
        }
        EXPECT_EQ(StateOf(*e), before) << MoveText(e->StackMove(i));
    }
    EXPECT_EQ(legal, 2); // Ke2 and Kf2; the pinned knight may not block on f1
}

TEST(EngineGeneration, PlayAndUndoRestoreEveryArrayThroughRandomGames) {
    std::mt19937 rng(12345);
    const std::string_view starts[] = {
        StartFen, Kiwipete, "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1",
        "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - -"};
    for (const auto fen : starts) {
        SCOPED_TRACE(fen);
        auto e = Loaded(FromFen(fen));
        e->BuildPieceSquareValues();
        std::vector<EngineState> path{StateOf(*e)};
        std::vector<int> scores{e->EvaluatePosition()};
        for (int ply = 0; ply < 60; ++ply) {
            e->GenerateAllMoves();
            const int p = e->SearchPly();
            std::vector<EngineMove> legal;
            for (int i = e->PlyMovesStart(p); i < e->PlyMovesEnd(p); ++i) {
                const EngineState before = StateOf(*e);
                const int score = e->EvaluatePosition();
                if (e->PlayMove(e->StackMove(i))) {
                    legal.push_back(e->StackMove(i));
                    e->UndoMove();
                }
                ASSERT_EQ(StateOf(*e), before) << MoveText(e->StackMove(i));
                ASSERT_EQ(e->EvaluatePosition(), score);
                ASSERT_TRUE(e->IsConsistent()) << MoveText(e->StackMove(i));
            }
            if (legal.empty()) break;
            ASSERT_TRUE(e->PlayMove(legal[rng() % legal.size()]));
            ASSERT_TRUE(e->IsConsistent());
            path.push_back(StateOf(*e));
            scores.push_back(e->EvaluatePosition());
        }
        while (e->SearchPly() > 0) {
            path.pop_back();
            scores.pop_back();
            e->UndoMove();
            ASSERT_EQ(StateOf(*e), path.back());
            ASSERT_EQ(e->EvaluatePosition(), scores.back());
            ASSERT_TRUE(e->IsConsistent());
        }
    }
}

TEST(EngineGeneration, MoveStackNeverOverflows) {
    // Twelve queens a side and no kings, a board play never produces: each
    // ply adds well over a hundred moves until the stack is full.
    auto e = Loaded(FromLetters("QQQQQQQQQQQQ" + std::string(40, ' ') + "qqqqqqqqqqqq", true));
    bool filled = false;
    for (int ply = 0; ply < 63; ++ply) {
        e->GenerateAllMoves();
        const int p = e->SearchPly();
        ASSERT_LE(e->PlyMovesEnd(p), MoveStackSize);
        if (e->PlyMovesEnd(p) == MoveStackSize) filled = true;
        // The first quiet move keeps the board crowded.
        EngineMove quiet = 0;
        for (int i = e->PlyMovesStart(p); i < e->PlyMovesEnd(p) && quiet == 0; ++i)
            if (MoveFlagsOf(e->StackMove(i)) == 0) quiet = e->StackMove(i);
        if (quiet == 0 || !e->PlayMove(quiet)) break;
    }
    EXPECT_TRUE(filled);
}

TEST(EngineGeneration, CurrentRequestRoundTrips) {
    EngineRequest r =
        FromFen("r3k2r/p1ppqpb1/bn2pnp1/2pPN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq c6 0 2");
    auto e = Loaded(r);
    const EngineRequest back = e->CurrentRequest();
    EXPECT_EQ(back.Board, r.Board);
    EXPECT_EQ(back.WhiteToMove, r.WhiteToMove);
    EXPECT_EQ(back.CastlingAllowed, r.CastlingAllowed);
    EXPECT_EQ(back.EnPassant, Square::C6);
}

} // namespace
} // namespace quintavo::engine::test
