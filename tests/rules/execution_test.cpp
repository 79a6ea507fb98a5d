#include <gtest/gtest.h>

#include "board_fixture.h"

namespace quintavo::test {
namespace {

using Lines = std::vector<std::string>;

struct EventCase {
    const char* name;
    const char* fen;
    const char* move;
    Lines events;
};

const EventCase EventCases[] = {
    {"ordinary move",
     "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -",
     "e2e4",
     {"OnLegalMove E2 E4", "OnPaint"}},
    {"capture",
     "4k3/8/8/3p4/4P3/8/8/4K3 w - -",
     "e4d5",
     {"OnLegalMove E4 D5", "OnCapture E4 D5 p", "OnPaint"}},
    {"capturing promotion with check",
     "1n2k3/P7/8/8/8/8/8/4K3 w - -",
     "a7b8",
     {"OnLegalMove A7 B8", "OnCapture A7 B8 n", "OnPromotion A7 B8", "OnCheck A7 B8", "OnPaint"}},
    {"en passant",
     "4k3/8/8/3pP3/8/8/8/4K3 w - d6",
     "e5d6",
     {"OnLegalMove E5 D6", "OnCapture E5 D6 p", "OnPaint"}},
    {"castling",
     "4k3/8/8/8/8/8/8/4K2R w K -",
     "e1g1",
     {"OnLegalMove E1 G1", "OnCastle E1 G1", "OnPaint"}},
    {"castling with check",
     "5k2/8/8/8/8/8/8/4K2R w K -",
     "e1g1",
     {"OnLegalMove E1 G1", "OnCastle E1 G1", "OnCheck E1 G1", "OnPaint"}},
    {"check",
     "4k3/8/8/8/8/8/8/R3K3 w - -",
     "a1a8",
     {"OnLegalMove A1 A8", "OnCheck A1 A8", "OnPaint"}},
    {"mate",
     "rnbqkbnr/pppp1ppp/8/4p3/6P1/5P2/PPPPP2P/RNBQKBNR b KQkq g3",
     "d8h4",
     {"OnLegalMove D8 H4", "OnCheck D8 H4", "OnMate D8 H4", "OnPaint"}},
    {"stalemate",
     "k7/8/8/8/8/8/8/2Q1K3 w - -",
     "c1c7",
     {"OnLegalMove C1 C7", "OnStaleMate C1 C7", "OnDraw", "OnPaint"}},
    {"stalemate with too little material",
     "k7/8/1K6/8/8/8/7B/8 w - -",
     "h2e5",
     {"OnLegalMove H2 E5", "OnStaleMate H2 E5", "OnNoMatingMaterial", "OnDraw", "OnPaint"}},
    {"capture leaving bishop against knight",
     "4k3/8/8/8/8/8/1p6/2B1K2n w - -",
     "c1b2",
     {"OnLegalMove C1 B2", "OnCapture C1 B2 p", "OnNoMatingMaterial", "OnDraw", "OnPaint"}},
    {"bishop and knight are enough",
     "4k3/8/8/8/8/8/1p6/2B1KN2 w - -",
     "c1b2",
     {"OnLegalMove C1 B2", "OnCapture C1 B2 p", "OnPaint"}},
};

TEST(Execution, EventsFireInTheirOrder) {
    for (const auto& c : EventCases) {
        SCOPED_TRACE(c.name);
        BoardModel model;
        Load(model, c.fen);
        Journal journal;
        RecordEvents(model, journal);
        const std::string move(c.move);
        ASSERT_TRUE(model.ExecuteMove(SquareFromName(move.substr(0, 2)),
                                      SquareFromName(move.substr(2, 2))));
        EXPECT_EQ(journal.Events(), c.events);
    }
}

TEST(Execution, HandlersSeeTheBoardAlreadyChanged) {
    BoardModel model;
    Load(model, "4k3/8/8/8/8/8/8/4K2R w K -");
    bool checked = false;
    model.OnLegalMove = [&](Square, Square) {
        EXPECT_EQ(model.PieceAt(Square::G1), 'K');
        EXPECT_FALSE(model.WhiteToMove());
        EXPECT_EQ(model.LastWhiteToMove(), false);
        EXPECT_EQ(model.PieceAt(Square::H1), 'R'); // the rook follows after the event
        checked = true;
    };
    model.OnCastle = [&](Square, Square) { EXPECT_EQ(model.PieceAt(Square::F1), 'R'); };
    ASSERT_TRUE(model.ExecuteMove(Square::E1, Square::G1));
    EXPECT_TRUE(checked);
    EXPECT_EQ(model.PieceAt(Square::H1), ' ');
    EXPECT_EQ(model.CastlingAllowed(), 0);
}

TEST(Execution, DrawCallsOfOneMove) {
    BoardModel model;
    Journal journal;
    model.SetView(&journal);
    model.SetEngineControl(&journal);
    Load(model, "4k3/8/8/8/8/8/8/4K2R w K -");
    journal.lines.clear();
    journal.animate = true;
    ASSERT_TRUE(model.MakeMove(Square::E1, Square::G1));
    EXPECT_EQ(journal.lines,
              (Lines{"PauseEngine", "DrawSquare E1", "DrawGridLines", "AnimateMove E1 G1",
                     "DrawSquare G1", "DrawPiece G1 K", "DrawGridLines", "DrawSquare H1",
                     "DrawPiece F1 R", "DrawGridLines", "StartThinking"}));
    EXPECT_FALSE(model.StopRequested());

    journal.lines.clear();
    journal.animate = false;
    EXPECT_FALSE(model.MakeMove(Square::E8, Square::E6)); // refused: no drawing, no event
    EXPECT_EQ(journal.lines, (Lines{"PauseEngine", "StartThinking"}));
}

TEST(Execution, StateAfterPawnMoves) {
    BoardModel model;
    ASSERT_TRUE(model.ExecuteMove(Square::E2, Square::E4));
    EXPECT_EQ(model.EnPassant(), Square::E3);
    EXPECT_FALSE(model.WhiteToMove());
    EXPECT_EQ(model.CurrentMove(), 1);
    ASSERT_TRUE(model.ExecuteMove(Square::E7, Square::E5));
    EXPECT_EQ(model.EnPassant(), Square::E6);
    EXPECT_EQ(model.CurrentMove(), 2);
    ASSERT_TRUE(model.ExecuteMove(Square::G1, Square::F3));
    EXPECT_EQ(model.EnPassant(), Square::None);
    EXPECT_EQ(model.LastMove(), 2);
    EXPECT_FALSE(model.LastWhiteToMove());
}

TEST(Execution, EnPassantRemovesTheVictim) {
    BoardModel model;
    Journal journal;
    RecordEvents(model, journal);
    Play(model, {"e2e4", "a7a6", "e4e5", "d7d5"});
    ASSERT_TRUE(model.ExecuteMove(Square::E5, Square::D6));
    EXPECT_EQ(model.PieceAt(Square::D5), ' ');
    EXPECT_EQ(model.PieceAt(Square::D6), 'P');
    EXPECT_EQ(journal.Events()[journal.Events().size() - 2], "OnCapture E5 D6 p");
}

TEST(Execution, PromotionPiece) {
    struct Case {
        const char* name;
        const char* fen;
        const char* move;
        bool handler;
        char chosen;
        char expected;
    };
    const Case cases[] = {
        {"no handler gives a queen", "4k3/P7/8/8/8/8/8/4K3 w - -", "a7a8", false, 0, 'Q'},
        {"a knight", "4k3/P7/8/8/8/8/8/4K3 w - -", "a7a8", true, 'n', 'N'},
        {"upper-case letter", "4k3/P7/8/8/8/8/8/4K3 w - -", "a7a8", true, 'R', 'R'},
        {"Black promotes in lower case", "4k3/8/8/8/8/8/p7/4K3 b - -", "a2a1", true, 'B', 'b'},
        {"an unknown letter gives a queen", "4k3/P7/8/8/8/8/8/4K3 w - -", "a7a8", true, 'x', 'Q'},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BoardModel model;
        Load(model, c.fen);
        if (c.handler) model.OnPromotion = [&c](Square, Square, char& piece) { piece = c.chosen; };
        const std::string move(c.move);
        const Square to = SquareFromName(move.substr(2, 2));
        ASSERT_TRUE(model.ExecuteMove(SquareFromName(move.substr(0, 2)), to));
        EXPECT_EQ(model.PieceAt(to), c.expected);
    }
}

TEST(Execution, PromotionPieceIsKeptForLaterPromotions) {
    BoardModel model;
    Load(model, "4k3/PP6/8/8/8/8/7p/4K3 w - -");
    model.OnPromotion = [](Square, Square, char& piece) { piece = 'n'; };
    ASSERT_TRUE(model.ExecuteMove(Square::A7, Square::A8));
    model.OnPromotion = nullptr;
    ASSERT_TRUE(model.ExecuteMove(Square::H2, Square::H1));
    EXPECT_EQ(model.PieceAt(Square::H1), 'n');
    EXPECT_EQ(model.PromotionPiece(), 'n');
}

TEST(Execution, CastlingRightsFollowKingsAndRooks) {
    struct Case {
        const char* name;
        const char* move;
        CastleSet expected;
    };
    const Case cases[] = {
        {"king move", "e1e2", BlackKingSide | BlackQueenSide},
        {"rook from H1", "h1h2", WhiteQueenSide | BlackKingSide | BlackQueenSide},
        {"rook from A1", "a1a2", WhiteKingSide | BlackKingSide | BlackQueenSide},
        // Taking a rook on its corner ends that right as well.
        {"rook taken on A8", "a1a8", WhiteKingSide | BlackKingSide},
        {"rook taken on H8", "h1h8", WhiteQueenSide | BlackQueenSide},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BoardModel model;
        Load(model, "r3k2r/8/8/8/8/8/8/R3K2R w KQkq -");
        const std::string move(c.move);
        ASSERT_TRUE(model.ExecuteMove(SquareFromName(move.substr(0, 2)),
                                      SquareFromName(move.substr(2, 2))));
        EXPECT_EQ(model.CastlingAllowed(), c.expected);
    }
}

TEST(Execution, IllegalMoveChangesNothing) {
    BoardModel model;
    Journal journal;
    model.SetView(&journal);
    RecordEvents(model, journal);
    EXPECT_FALSE(model.ExecuteMove(Square::E2, Square::E5));
    EXPECT_FALSE(model.ExecuteMove(Square::None, Square::E4));
    EXPECT_TRUE(journal.lines.empty());
    EXPECT_EQ(model.Position(), StartPosition);
    EXPECT_TRUE(model.WhiteToMove());
}

} // namespace
} // namespace quintavo::test
