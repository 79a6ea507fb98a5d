#include <gtest/gtest.h>

#include "board_fixture.h"
#include "rules/board_model.h"

namespace quintavo::test {
namespace {

TEST(Position, StartsAtTheStartPosition) {
    BoardModel model;
    EXPECT_EQ(model.Position(), StartPosition);
    EXPECT_EQ(model.Board()[0], '_');
    EXPECT_EQ(model.Board()[65], '\0');
    EXPECT_TRUE(model.WhiteToMove());
    EXPECT_EQ(model.CurrentMove(), 1);
    EXPECT_EQ(model.CastlingAllowed(), AllCastling);
    EXPECT_EQ(model.EnPassant(), Square::None);
    EXPECT_FALSE(model.ComputerPlaysWhite());
    EXPECT_FALSE(model.ComputerPlaysBlack());
    EXPECT_EQ(model.PromotionPiece(), 'q');
}

TEST(Position, SetPositionReadsLettersAndSpecialWords) {
    struct Case {
        std::string input;
        std::string expected;
    };
    const std::string blank56(56, ' ');
    std::string with_x = std::string(StartPosition);
    with_x[9] = 'x'; // cell 10, B7
    std::string expectedX = std::string(StartPosition);
    expectedX[9] = ' ';
    const Case cases[] = {
        {"rnbqkbnr", "rnbqkbnr" + blank56},
        {with_x, expectedX},
        {std::string(StartPosition) + "KKKKKK", std::string(StartPosition)},
        {"InIt", std::string(StartPosition)},
        {"NEWgame", std::string(StartPosition)},
        {"", std::string(64, ' ')},
        {std::string("k\0K", 3), "k" + std::string(63, ' ')},
    };
    for (const auto& c : cases) {
        BoardModel model;
        model.SetPosition(c.input);
        EXPECT_EQ(model.Position(), c.expected) << '"' << c.input << '"';
        EXPECT_EQ(model.Position().size(), 64u);
    }
}

TEST(Position, SetPositionStopsRepaintsAndKeepsTheState) {
    BoardModel model;
    Journal journal;
    model.SetView(&journal);
    model.SetEngineControl(&journal);
    model.SetWhiteToMove(false);
    model.SetCastlingAllowed(WhiteKingSide);
    model.SetEnPassant(Square::E3);
    journal.lines.clear();

    model.SetPosition("4k3");
    EXPECT_EQ(journal.lines, (std::vector<std::string>{"PauseEngine", "RepaintAll"}));
    EXPECT_EQ(model.Board()[0], ' ');
    EXPECT_FALSE(model.WhiteToMove());
    EXPECT_EQ(model.CastlingAllowed(), WhiteKingSide);
    EXPECT_EQ(model.EnPassant(), Square::E3);
    EXPECT_EQ(model.CurrentMove(), 1);
    EXPECT_TRUE(model.StopRequested());
}

TEST(Position, SettersAndTheirEngineHooks) {
    BoardModel model;
    Journal journal;
    model.SetEngineControl(&journal);

    model.SetCastlingAllowed(BlackQueenSide); // a plain store
    EXPECT_TRUE(journal.lines.empty());

    model.SetEnPassant(Square::None);
    model.SetEnPassant(Square::E4);
    EXPECT_EQ(model.EnPassant(), Square::None);
    EXPECT_TRUE(journal.lines.empty());
    model.SetEnPassant(Square::E3);
    EXPECT_EQ(model.EnPassant(), Square::E3);
    model.SetEnPassant(Square::H6);
    EXPECT_EQ(model.EnPassant(), Square::H6);
    EXPECT_EQ(journal.lines, (std::vector<std::string>{"PauseEngine", "PauseEngine"}));

    journal.lines.clear();
    model.SetCurrentMove(5);
    EXPECT_EQ(model.CurrentMove(), 1);
    model.SetWhiteToMove(false);
    model.SetComputerPlaysBlack(true);
    EXPECT_EQ(journal.lines,
              (std::vector<std::string>{"PauseEngine", "PauseEngine", "StartThinking"}));
    EXPECT_TRUE(model.ComputerToMove());
}

TEST(Position, ResetToStartKeepsPlayersPromotionAndHistory) {
    BoardModel model;
    Journal journal;
    model.SetView(&journal);
    model.SetEngineControl(&journal);
    Play(model, {"e2e4", "e7e5"});
    model.SetComputerPlaysWhite(true);
    model.SetPromotionPiece('n');
    model.SetCastlingAllowed(0);
    journal.lines.clear();

    model.ResetToStart();
    EXPECT_EQ(journal.lines, std::vector<std::string>{"PauseEngine"});
    EXPECT_EQ(model.Position(), StartPosition);
    EXPECT_EQ(model.CastlingAllowed(), AllCastling);
    EXPECT_TRUE(model.ComputerPlaysWhite());
    EXPECT_EQ(model.PromotionPiece(), 'n');
    EXPECT_EQ(model.HistoryEntry(1, false).Position.substr(36, 1), "P"); // e4 still recorded

    journal.lines.clear();
    model.NewGame();
    EXPECT_EQ(journal.lines, (std::vector<std::string>{"PauseEngine", "RepaintAll"}));
}

} // namespace
} // namespace quintavo::test
