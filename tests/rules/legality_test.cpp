#include <gtest/gtest.h>

#include "board_fixture.h"

namespace quintavo::test {
namespace {

struct LegalityCase {
    const char* fen;
    const char* move; // "e2e4", or "--e4" for a None from-square
    bool legal;
    const char* why;
};

constexpr const char* Start = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -";

constexpr LegalityCase LegalityCases[] = {
    {Start, "e2e4", true, "double step"},
    {Start, "g1f3", true, "knight"},
    {Start, "e2e5", false, "pawn three squares"},
    {Start, "e7e5", false, "not Black's turn"},
    {Start, "f1c4", false, "bishop blocked"},
    {Start, "e1g1", false, "castling through pieces"},
    {Start, "a1a2", false, "onto an own piece"},
    {Start, "--e4", false, "no from-square"},
    {Start, "e2--", false, "no to-square"},
    {Start, "e4e5", false, "empty from-square"},
    {"4k3/8/8/3pP3/8/8/8/4K3 w - d6", "e5d6", true, "en passant onto the empty square"},
    {"4k3/8/8/3pP1p1/8/8/8/4K3 w - d6", "e5f6", false, "diagonal onto another empty square"},
    {"4k3/8/8/8/8/8/8/4K2R w Q -", "e1g1", false, "king side right gone"},
    {"4k3/8/8/8/8/8/8/4K2R w K -", "e1g1", true, "king side castling"},
    {"4k3/8/8/8/2b5/8/8/4K2R w K -", "e1g1", false, "F1 attacked by a bishop"},
    {"4k1r1/8/8/8/8/8/8/4K2R w K -", "e1g1", false, "into check on G1"},
    {"4k3/8/8/8/8/8/8/4K1NR w K -", "e1g1", false, "G1 occupied"},
    {"1r2k3/8/8/8/8/8/8/R3K3 w Q -", "e1c1", true, "B1 attacked may be passed by the rook"},
    {"4k3/8/8/8/8/8/8/RN2K3 w Q -", "e1c1", false, "B1 occupied"},
    {"4k3/8/8/4r3/8/8/8/R3K2R w KQ -", "e1g1", false, "out of check, king side"},
    {"4k3/8/8/4r3/8/8/8/R3K2R w KQ -", "e1c1", false, "out of check, queen side"},
    {"r3k2r/8/8/8/8/8/8/4K3 b kq -", "e8c8", true, "Black queen side"},
    {"r3k2r/8/8/8/8/8/8/4KR2 b kq -", "e8g8", false, "Black through F8 attacked"},
    {"4k3/8/8/8/8/8/8/4K2r w K -", "e1g1", false, "corner holds a Black rook"},
    {"4k3/4r3/8/8/8/8/4B3/4K3 w - -", "e2d3", false, "pinned bishop"},
    {"4k3/4r3/8/8/8/8/4R3/4K3 w - -", "e2e7", true, "pinned rook takes along the pin"},
    {"4k3/4r3/8/8/8/8/4R3/4K3 w - -", "e2d2", false, "pinned rook leaves the pin"},
    {"8/8/8/3k4/8/3K4/8/8 w - -", "d3d4", false, "next to the other king"},
    {"8/8/8/3k4/8/3K4/8/8 w - -", "d3c3", true, "king step"},
    {"8/8/8/3k4/8/3K4/8/8 b - -", "d5d4", false, "Black next to the other king"},
    {"4k3/8/8/8/8/4n3/4P3/4K3 w - -", "e2e4", false, "double step over a piece"},
    {"4k3/8/8/8/8/4n3/4P3/4K3 w - -", "e2e3", false, "pawn straight onto a piece"},
    {"4k3/8/8/8/8/4n3/3P4/4K3 w - -", "d2e3", true, "pawn capture"},
    {"4k3/P7/8/8/8/8/8/4K3 w - -", "a7a8", true, "step onto the last rank"},
    {"4k3/p7/8/8/8/8/8/4K3 b - -", "a7a5", true, "Black double step"},
    {"4k3/8/8/8/8/8/8/R7 w - -", "a1a8", true, "no White king: never in check"},
    {"8/8/8/8/8/8/r7/4K3 b - -", "a2a1", false, "no Black king: no Black move"},
    {"P3k3/8/8/8/8/8/8/4K2p w - -", "a8a7", false, "White pawn on the last rank"},
    {"P3k3/8/8/8/8/8/8/4K2p b - -", "h1h2", false, "Black pawn on the first rank"},
    {"4k3/8/8/8/8/8/8/P3K3 w - -", "a1a2", false, "White pawn on its own first rank"},
    {"4k3/8/8/8/8/8/8/P3K3 w - -", "a1a3", false, "White pawn on its own first rank, two"},
    {"4k3/8/8/8/8/8/1p6/P3K3 w - -", "a1b2", false, "White pawn on its own first rank takes"},
    {"p3k3/8/8/8/8/8/8/4K3 b - -", "a8a7", false, "Black pawn on its own first rank"},
    // En passant and the own king: the victim leaves the board too.
    {"8/8/8/K2pP2r/8/8/8/7k w - d6", "e5d6", false, "en passant uncovering a rank check"},
    {"8/8/8/2k5/3Pp3/8/8/4K3 b - d3", "e4d3", true, "en passant takes the checking pawn"},
};

TEST(Legality, TableOfMoves) {
    for (const auto& c : LegalityCases) {
        SCOPED_TRACE(std::string(c.fen) + " " + c.move + ": " + c.why);
        BoardModel model;
        Load(model, c.fen);
        const std::string move(c.move);
        const Square from = SquareFromName(move.substr(0, 2));
        const Square to = SquareFromName(move.substr(2, 2));
        EXPECT_EQ(model.IsLegalMove(from, to), c.legal);
    }
}

TEST(Legality, EnPassantOnlyOnTheNextHalfMove) {
    BoardModel model;
    Play(model, {"e2e4", "a7a6", "e4e5", "d7d5"});
    EXPECT_TRUE(model.IsLegalMove(Square::E5, Square::D6));
    Play(model, {"h2h3", "a6a5"});
    EXPECT_FALSE(model.IsLegalMove(Square::E5, Square::D6));
}

TEST(Legality, SquareValuesBeyondTheBoardAreRefused) {
    BoardModel model;
    for (int value = 65; value <= 255; ++value) {
        const auto outside = static_cast<Square>(value);
        SCOPED_TRACE(value);
        EXPECT_FALSE(model.IsLegalMove(outside, Square::E4));
        EXPECT_FALSE(model.IsLegalMove(Square::E2, outside));
        EXPECT_EQ(model.PieceColor(outside), -1);
        EXPECT_FALSE(model.WhiteKingInCheckAfter(Square::E2, outside));
    }
    EXPECT_TRUE(model.IsLegalMove(Square::E2, Square::E4));
}

TEST(Legality, AttackTestsSurviveStrangePositions) {
    const std::string positions[] = {
        "KKKKKKKKkkkkkkkk",                               // many kings
        "",                                               // empty board
        "PPPPPPPPk" + std::string(47, ' ') + "ppppppppK", // pawns on the wrong ranks
        std::string(64, 'p'),
        std::string(64, 'K'),
    };
    for (const auto& position : positions) {
        BoardModel model;
        model.SetPosition(position);
        for (bool white : {true, false}) {
            model.SetWhiteToMove(white);
            (void)model.HasLegalMove();
            for (int from = 1; from <= 64; ++from)
                for (int to = 1; to <= 64; ++to)
                    (void)model.IsLegalMove(ToSquare(from), ToSquare(to));
        }
    }
    BoardModel model;
    model.SetPosition("");
    EXPECT_FALSE(model.WhiteKingInCheckAfter(Square::E2, Square::E2));
    EXPECT_TRUE(model.BlackKingInCheckAfter(Square::E2, Square::E2));
    EXPECT_FALSE(model.HasLegalMove());
}

} // namespace
} // namespace quintavo::test
