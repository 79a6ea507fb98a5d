// FEN for the front ends: accepted forms and refused ones.
#include "tests/engine/engine_fixture.h"

namespace quintavo::engine::test {
namespace {

TEST(EngineFen, ReadsEveryField) {
    const FenResult r = ParseFen("r3k2r/8/8/3pP3/8/8/8/R3K2R w Kq d6 0 12");
    ASSERT_TRUE(r.Ok) << r.Error;
    EXPECT_EQ(r.Request.Board[0], 'r');
    EXPECT_EQ(r.Request.Board[4], 'k');
    EXPECT_EQ(r.Request.Board[27], 'p');
    EXPECT_EQ(r.Request.Board[28], 'P');
    EXPECT_EQ(r.Request.Board[63], 'R');
    EXPECT_EQ(r.Request.Board[1], ' ');
    EXPECT_TRUE(r.Request.WhiteToMove);
    EXPECT_EQ(r.Request.CastlingAllowed, 1 | 8);
    EXPECT_EQ(r.Request.EnPassant, Square::D6);
    EXPECT_EQ(ToFen(r.Request), "r3k2r/8/8/3pP3/8/8/8/R3K2R w Kq d6 0 1");

    const FenResult shortForm = ParseFen("  4k3/8/8/8/8/8/8/4K3   b ");
    ASSERT_TRUE(shortForm.Ok) << shortForm.Error;
    EXPECT_FALSE(shortForm.Request.WhiteToMove);
    EXPECT_EQ(shortForm.Request.CastlingAllowed, 0);
    EXPECT_EQ(shortForm.Request.EnPassant, Square::None);

    const FenResult start = ParseFen(StartFen);
    ASSERT_TRUE(start.Ok);
    EXPECT_EQ(start.Request.Board, StartRequest().Board);
    EXPECT_EQ(start.Request.CastlingAllowed, 15);
}

TEST(EngineFen, RefusesMalformedText) {
    constexpr const char* Bad[] = {
        "",
        "4k3/8/8/8/8/8/8/4K3",        // no side to move
        "4k3/8/8/8/8/8/8/4K3 x",      // unknown side
        "4k3/8/8/8/8/8/4K3 w",        // seven ranks
        "4k3/8/8/8/8/8/8/8/4K3 w",    // nine ranks
        "4k4/8/8/8/8/8/8/4K3 w",      // nine files
        "4k2/8/8/8/8/8/8/4K3 w",      // seven files
        "4k3/8/8/8/8/8/8/4X3 w",      // unknown piece
        "8/8/8/8/8/8/8/4K3 w",        // no Black king
        "4k3/8/8/8/8/8/8/3KK3 w",     // two White kings
        "P3k3/8/8/8/8/8/8/4K3 w",     // pawn on the last rank
        "4k3/8/8/8/8/8/8/4K3 w KX",   // bad castling letter
        "4k3/8/8/8/8/8/8/4K3 w KK",   // castling right twice
        "4k3/8/8/8/8/8/8/4K3 w - e4", // en passant on the wrong rank
        "4k3/8/8/8/8/8/8/4K3 w - e3", // White to move: rank 6 only
        "4k3/8/8/8/8/8/8/4K3 w - z9",
        "4k3/8/8/8/8/8/8/4K3 w - - x 1",   // counters
        "4k3/8/8/8/8/8/8/4K3 w - - 0 1 7", // seven fields
    };
    for (const char* fen : Bad) {
        const FenResult r = ParseFen(fen);
        EXPECT_FALSE(r.Ok) << fen;
        EXPECT_FALSE(r.Error.empty()) << fen;
    }
}

TEST(EngineFen, MoveText) {
    EXPECT_EQ(MoveText(MakeEngineMove(52, 36, 0, 24)), "e2e4");
    EXPECT_EQ(MoveText(MakeEngineMove(8, 0, Queen, 48)), "a7a8q");
    EXPECT_EQ(MoveText(MakeEngineMove(55, 62, Knight, 48)), "h2g1n");
    EXPECT_EQ(SquareText(0), "a8");
    EXPECT_EQ(SquareText(63), "h1");
}

} // namespace
} // namespace quintavo::engine::test
