// The one FEN reader and writer: accepted forms, refused ones, and the
// positions a search cannot start from.
#include <gtest/gtest.h>

#include "board_fixture.h"
#include "rules/fen.h"

namespace quintavo::test {
namespace {

TEST(Fen, ReadsEveryFieldAndWritesThemBack) {
    const auto p = ParseFen("r3k2r/8/8/3pP3/8/8/8/R3K2R w Kq d6 0 12");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->Board[0], 'r');
    EXPECT_EQ(p->Board[4], 'k');
    EXPECT_EQ(p->Board[27], 'p');
    EXPECT_EQ(p->Board[28], 'P');
    EXPECT_EQ(p->Board[63], 'R');
    EXPECT_EQ(p->Board[1], ' ');
    EXPECT_TRUE(p->WhiteToMove);
    EXPECT_EQ(p->CastlingAllowed, WhiteKingSide | BlackQueenSide);
    EXPECT_EQ(p->EnPassant, Square::D6);
    EXPECT_EQ(ToFen(*p), "r3k2r/8/8/3pP3/8/8/8/R3K2R w Kq d6 0 1");

    const auto shortForm = ParseFen("  4k3/8/8/8/8/8/8/4K3 \t  b ");
    ASSERT_TRUE(shortForm);
    EXPECT_FALSE(shortForm->WhiteToMove);
    EXPECT_EQ(shortForm->CastlingAllowed, 0);
    EXPECT_EQ(shortForm->EnPassant, Square::None);
    EXPECT_EQ(ToFen(*shortForm), "4k3/8/8/8/8/8/8/4K3 b - - 0 1");

    const auto start = ParseFen(StartFen);
    ASSERT_TRUE(start);
    EXPECT_EQ(ToFen(*start), StartFen);
    BoardModel model;
    Load(model, "4k3/8/8/8/8/8/8/4K3 b - - 0 1");
    LoadFen(model, *start);
    EXPECT_EQ(model.Position(), BoardModel().Position());
    EXPECT_EQ(model.CastlingAllowed(), AllCastling);
}

TEST(Fen, RefusesMalformedTextWithAReason) {
    constexpr const char* Bad[] = {
        "",
        "4k3/8/8/8/8/8/8/4K3",             // no side to move
        "4k3/8/8/8/8/8/8/4K3 x",           // unknown side
        "4k3/8/8/8/8/8/4K3 w",             // seven ranks
        "4k3/8/8/8/8/8/8/8/4K3 w",         // nine ranks
        "4k4/8/8/8/8/8/8/4K3 w",           // nine files
        "4k2/8/8/8/8/8/8/4K3 w",           // seven files
        "4k3/8/8/8/8/8/8/4X3 w",           // unknown piece
        "4k3/8/8/8/8/8/8/4K3 w KX",        // bad castling letter
        "4k3/8/8/8/8/8/8/4K3 w KK",        // castling right twice
        "4k3/8/8/8/8/8/8/4K3 w - e4",      // en passant on the wrong rank
        "4k3/8/8/8/8/8/8/4K3 w - e3",      // White to move: rank 6 only
        "4k3/8/8/8/8/8/8/4K3 w - z9",      // no square
        "4k3/8/8/8/8/8/8/4K3 w - - x 1",   // counters
        "4k3/8/8/8/8/8/8/4K3 w - - 0 1 7", // seven fields
    };
    for (const char* fen : Bad) {
        std::string error;
        EXPECT_FALSE(ParseFen(fen, &error)) << fen;
        EXPECT_FALSE(error.empty()) << fen;
    }
}

// The board model runs any placement; a search needs one king a side and no
// pawn where it could never have come from or moved on.
TEST(Fen, ReadsStrangePlacementsThatNoSearchAccepts) {
    constexpr const char* Strange[] = {
        "8/8/8/8/8/8/8/4K3 w",    // no Black king
        "4k3/8/8/8/8/8/8/3KK3 w", // two White kings
        "P3k3/8/8/8/8/8/8/4K3 w", // pawn on the last rank
        "4k3/8/8/8/8/8/8/p3K3 b", // pawn on the first rank
    };
    for (const char* fen : Strange) {
        EXPECT_TRUE(ParseFen(fen)) << fen;
        std::string error;
        EXPECT_FALSE(ParsePlayableFen(fen, &error)) << fen;
        EXPECT_FALSE(error.empty()) << fen;
    }
    EXPECT_TRUE(ParsePlayableFen(StartFen));
}

} // namespace
} // namespace quintavo::test
