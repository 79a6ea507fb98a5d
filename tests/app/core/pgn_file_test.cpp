#include "app/core/pgn_file.h"

#include <gtest/gtest.h>

#include "rules/board_model.h"
#include "rules/san.h"
#include "test_folder.h"

namespace quintavo::appcore::test {
namespace {

TEST(PgnFile, SavedGameLoadsAgainWithItsUnderPromotion) {
    TestFolder folder;
    BoardModel board;
    const std::vector<GameMove> line = {
        {Square::E2, Square::E4}, {Square::D7, Square::D5}, {Square::E4, Square::D5},
        {Square::C7, Square::C6}, {Square::D5, Square::C6}, {Square::G8, Square::F6},
        {Square::C6, Square::B7}, {Square::B8, Square::D7}, {Square::B7, Square::A8, 'n'}};
    for (const GameMove& move : line)
        ASSERT_TRUE(PlayMove(board, move));
    board.StepBack(); // the whole line is saved, not only what the board shows
    EXPECT_EQ(RecordedMoves(board), line);

    PgnHeader header;
    header.White = "Player";
    ASSERT_TRUE(SavePgnToFile(folder / "game.pgn", header, RecordedMoves(board)));
    const LoadedPgn loaded = LoadPgnFromFile(folder / "game.pgn");
    ASSERT_EQ(loaded.Status, LoadStatus::Loaded) << loaded.Error;
    EXPECT_EQ(loaded.Game.Moves, line);
    EXPECT_NE(ReadAll(folder / "game.pgn").find("5. bxa8=N"), std::string::npos);
}

TEST(PgnFile, RefusalsLeaveNothingLoaded) {
    TestFolder folder;
    WriteAll(folder / "big.pgn", std::string(2 << 20, ' '));
    WriteAll(folder / "bad.pgn", "1. e4 e5 2. Ke3 *\n");
    struct Case {
        const char* name;
        LoadStatus status;
        std::string error;
    };
    const Case cases[] = {
        {"big.pgn", LoadStatus::InvalidFile, "the file is larger than 1 MiB"},
        {"bad.pgn", LoadStatus::InvalidFile, "game 1, move 2 (White) \"Ke3\": illegal move"},
        {"missing.pgn", LoadStatus::LoadError, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const LoadedPgn loaded = LoadPgnFromFile(folder / c.name);
        EXPECT_EQ(loaded.Status, c.status);
        EXPECT_FALSE(loaded.Error.empty());
        if (!c.error.empty()) {
            EXPECT_EQ(loaded.Error, c.error);
        }
        EXPECT_TRUE(loaded.Game.Moves.empty());
    }
}

TEST(PgnFile, AnIllegalMoveWritesNothing) {
    TestFolder folder;
    WriteAll(folder / "game.pgn", "kept");
    EXPECT_FALSE(SavePgnToFile(folder / "game.pgn", {}, {{Square::E2, Square::E5}}));
    EXPECT_EQ(ReadAll(folder / "game.pgn"), "kept");
}

} // namespace
} // namespace quintavo::appcore::test
