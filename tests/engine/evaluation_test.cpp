// The static evaluation: tables built at the root and the pawn and rook terms.
#include "tests/engine/engine_fixture.h"

namespace quintavo::engine::test {
namespace {

int Evaluate(std::string_view fen) {
    auto e = Loaded(FromFen(fen));
    e->BuildPieceSquareValues();
    return e->EvaluatePosition();
}

TEST(EngineEvaluation, StartPositionIsLevelForEitherSide) {
    EXPECT_EQ(Evaluate(StartFen), 0);
    EXPECT_EQ(Evaluate("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR b KQkq - 0 1"), 0);
}

struct EvalCase {
    const char* Fen;
    int WhiteView;
    const char* Why;
};

TEST(EngineEvaluation, PawnAndRookTerms) {
    // Both kings use the end-game table (no opposing pieces): e1 and e8 are
    // worth -5 each and cancel out.
    constexpr EvalCase Cases[] = {
        // 112 on e5, passed +224, isolated -20 and -10 on a file without
        // Black pawns.
        {"4k3/8/8/4P3/8/8/8/4K3 w - - 0 1", 306, "passed isolated pawn"},
        // c2 and c3 pay 5 each for the doubled file; b, c, d all face pawns.
        // White 100 + 100 + 103 + 80 - 10, Black 100 + 100 + 80.
        {"4k3/1ppp4/8/8/8/2P5/1PPP4/4K3 w - - 0 1", 93, "doubled pawns"},
        {"4k3/8/8/8/8/8/8/R3K3 w - - 0 1", 515, "rook on a file without pawns"},
        // The rook gains 10; the a7 pawn is isolated on a file without White
        // pawns (-30) and passed (+200).
        {"4k3/p7/8/8/8/8/8/R3K3 w - - 0 1", 240, "rook facing a Black pawn"},
        // The rook gains nothing; the a2 pawn is isolated (-30) and passed.
        {"4k3/8/8/8/8/8/P7/R3K3 w - - 0 1", 770, "rook behind its own pawn"},
        // A Black pawn on a neighbouring file stops the bonus whatever its
        // rank; d2 (120) is isolated and not passed either.
        {"4k3/8/8/4P3/8/8/3p4/4K3 w - - 0 1", -8, "opposing pawn behind"},
    };
    for (const auto& c : Cases) {
        SCOPED_TRACE(c.Why);
        EXPECT_EQ(Evaluate(c.Fen), c.WhiteView);
        std::string black(c.Fen);
        black[black.find(" w ") + 1] = 'b';
        EXPECT_EQ(Evaluate(black), -c.WhiteView);
    }
}

TEST(EngineEvaluation, KingTableFollowsOpposingMaterialAtTheRoot) {
    // Black holds a rook and a bishop (800): White's king uses the end-game table.
    auto e = Loaded(FromFen("rb2k3/8/8/8/8/8/5PPP/6K1 w - - 0 1"));
    e->BuildPieceSquareValues();
    EXPECT_EQ(e->PieceSquareValue(White, King, 62), KingEndGameTable[62]);
    EXPECT_EQ(e->PieceSquareValue(White, Pawn, 53), 100);
    // Queen, rook and knight (1700): middle game, and the king on g1 shelters
    // f2, g2 and h2 with 20 more each.
    e->LoadEnginePosition(FromFen("rnq1k3/8/8/8/8/8/5PPP/6K1 w - - 0 1"));
    e->BuildPieceSquareValues();
    EXPECT_EQ(e->PieceSquareValue(White, King, 62), 10);
    for (int sq : {53, 54, 55})
        EXPECT_EQ(e->PieceSquareValue(White, Pawn, sq), 120);
    EXPECT_EQ(e->PieceSquareValue(White, Pawn, 45), 100 + PawnTable[45] + 10); // f3
    EXPECT_EQ(e->PieceSquareValue(White, Pawn, 48), 100);                      // a2
    // Black's own tables are mirrored: White has no pieces, Black's king is
    // in the end game.
    EXPECT_EQ(e->PieceSquareValue(Black, King, 4), KingEndGameTable[MirrorSquare[4]]);
    EXPECT_EQ(e->PieceSquareValue(Black, Pawn, 13), 100 + PawnTable[53]);
}

TEST(EngineEvaluation, ShelterFollowsTheKingsWing) {
    struct Case {
        const char* Fen;
        int A2, F2;
    };
    constexpr Case Cases[] = {
        {"rnq1k3/8/8/8/8/8/PPPPPPPP/1K6 w - - 0 1", 120, 100},
        {"rnq1k3/8/8/8/8/8/PPPPPPPP/3K4 w - - 0 1", 100, 100},
        {"rnq1k3/8/8/8/8/8/PPPPPPPP/4K3 w - - 0 1", 100, 100},
        {"rnq1k3/8/8/8/8/8/PPPPPPPP/7K w - - 0 1", 100, 120},
    };
    for (const auto& c : Cases) {
        SCOPED_TRACE(c.Fen);
        auto e = Loaded(FromFen(c.Fen));
        e->BuildPieceSquareValues();
        EXPECT_EQ(e->PieceSquareValue(White, Pawn, 48), c.A2);
        EXPECT_EQ(e->PieceSquareValue(White, Pawn, 53), c.F2);
    }
    // Black's king on g8 against a queen, rook and knight shelters f7.
    auto e = Loaded(FromFen("6k1/5ppp/8/8/8/8/8/RNQ1K3 w - - 0 1"));
    e->BuildPieceSquareValues();
    EXPECT_EQ(e->PieceSquareValue(Black, Pawn, 13), 120);
    EXPECT_EQ(e->PieceSquareValue(Black, King, 6), KingMiddleGameTable[62]);
}

TEST(EngineEvaluation, TablesStayFixedAfterCapturesInTheTree) {
    auto e = Loaded(FromFen("rnq1k3/8/8/8/8/8/5PPP/Q5K1 w - - 0 1"));
    e->BuildPieceSquareValues();
    e->GenerateAllMoves();
    ASSERT_TRUE(e->PlayMove(FindMove(*e, "a1a8"))); // Black drops to 1200
    EXPECT_EQ(e->PieceSquareValue(White, King, 62), 10);
    EXPECT_EQ(e->PieceSquareValue(White, Pawn, 54), 120);
}

} // namespace
} // namespace quintavo::engine::test
