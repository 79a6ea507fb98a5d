#include <gtest/gtest.h>

#include "board_fixture.h"

namespace quintavo::test {
namespace {

TEST(Navigation, StepBackAndForwardThroughTheLine) {
    BoardModel model;
    Play(model, {"e2e4", "e7e5", "g1f3"});
    const std::string end = model.Position();
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(model.StepBack()) << i;
    EXPECT_FALSE(model.StepBack());
    EXPECT_EQ(model.Position(), StartPosition);
    EXPECT_TRUE(model.WhiteToMove());
    EXPECT_EQ(model.CurrentMove(), 1);

    EXPECT_TRUE(model.StepForward());
    EXPECT_EQ(model.EnPassant(), Square::E3);
    EXPECT_TRUE(model.StepForward());
    EXPECT_TRUE(model.StepForward());
    EXPECT_FALSE(model.StepForward());
    EXPECT_EQ(model.Position(), end);
    EXPECT_EQ(model.CurrentMove(), 2);
    EXPECT_FALSE(model.WhiteToMove());

    // A new move from an earlier position cuts the old continuation.
    EXPECT_TRUE(model.StepBack());
    EXPECT_TRUE(model.StepBack());
    Play(model, {"d7d5"});
    EXPECT_FALSE(model.StepForward());
    std::vector<std::string> list;
    model.GetMoveList(list);
    EXPECT_EQ(list, (std::vector<std::string>{"1. E2-E4", "              D7-D5"}));
}

TEST(Navigation, GotoHalfMoveRefusesOutsideTheLine) {
    BoardModel model;
    Journal journal;
    model.SetView(&journal);
    model.SetEngineControl(&journal);
    Play(model, {"e2e4", "e7e5"});
    journal.lines.clear();
    EXPECT_FALSE(model.GotoHalfMove(2, false));
    EXPECT_FALSE(model.GotoHalfMove(0, false));
    EXPECT_EQ(journal.lines, (std::vector<std::string>{"PauseEngine", "PauseEngine"}));
    EXPECT_EQ(model.CurrentMove(), 2);

    journal.lines.clear();
    EXPECT_TRUE(model.GotoHalfMove(1, false));
    EXPECT_EQ(journal.lines, (std::vector<std::string>{"PauseEngine", "RedrawChanged"}));
    EXPECT_EQ(model.PieceAt(Square::E4), 'P');
    EXPECT_EQ(model.PieceAt(Square::E5), ' ');
    EXPECT_EQ(model.LastMove(), 2);
    EXPECT_TRUE(model.LastWhiteToMove());
}

TEST(Navigation, StartOfTheLineBeforeAnyMove) {
    BoardModel model;
    model.SetPosition("4k3");
    EXPECT_TRUE(model.GotoHalfMove(1, true));
    EXPECT_EQ(model.Position(), StartPosition);
    EXPECT_EQ(model.CastlingAllowed(), AllCastling);
}

TEST(Navigation, MoveListFormat) {
    BoardModel model;
    Play(model, {"e2e4", "e7e5", "g1f3"});
    std::vector<std::string> list{"kept"};
    model.GetMoveList(list);
    EXPECT_EQ(list,
              (std::vector<std::string>{"kept", "1. E2-E4", "              E7-E5", "2. G1-F3"}));

    model.StepBack();
    model.StepBack();
    list.clear();
    model.GetMoveList(list);
    EXPECT_EQ(list.size(), 3u); // the whole line, also while an earlier position shows
}

TEST(Navigation, MoveListNamesAnUnderPromotion) {
    const std::pair<char, const char*> cases[] = {
        {'n', "E7-E8N"}, {'b', "E7-E8B"}, {'r', "E7-E8R"}, {'q', "E7-E8"}};
    for (const auto& [piece, text] : cases) {
        BoardModel model;
        Load(model, "8/4P2k/8/8/8/8/3p4/K7 w - -");
        model.SetPromotionPiece(piece);
        Play(model, {"e7e8"});
        model.SetPromotionPiece('n');
        Play(model, {"d2d1", "a1a2"}); // Black's knight, then a plain move
        std::vector<std::string> list;
        model.GetMoveList(list);
        EXPECT_EQ(list, (std::vector<std::string>{std::string("1. ") + text,
                                                  std::string(14, ' ') + "D2-D1N", "2. A1-A2"}));
    }
}

// Each move starts from its own position, so nothing repeats however long
// the game runs.
std::string UniquePosition(int i) {
    std::string position = "    k" + std::string(59, ' ');
    position[60] = 'K';
    for (int bit = 0; bit < 9; ++bit)
        if (i & (1 << bit)) position[16 + bit] = 'P'; // ranks 6 and 5
    return position;
}

TEST(Navigation, LongGamesKeepEveryMove) {
    BoardModel model;
    constexpr int Moves = 300;
    for (int i = 0; i < Moves; ++i) {
        model.SetPosition(UniquePosition(i));
        ASSERT_TRUE(model.ExecuteMove(Square::E1, Square::D1)) << i;
        ASSERT_TRUE(model.ExecuteMove(Square::E8, Square::D8)) << i;
    }
    EXPECT_EQ(model.LastMove(), Moves + 1);
    std::vector<std::string> list;
    model.GetMoveList(list);
    ASSERT_EQ(list.size(), 2u * Moves);
    EXPECT_EQ(list[2 * Moves - 2], "300. E1-D1");
    EXPECT_EQ(list[2 * Moves - 1], "              E8-D8");

    ASSERT_TRUE(model.GotoHalfMove(280, true));
    EXPECT_EQ(model.Position(), UniquePosition(279));
    ASSERT_TRUE(model.StepForward());
    EXPECT_EQ(model.PieceAt(Square::D1), 'K');
}

} // namespace
} // namespace quintavo::test
