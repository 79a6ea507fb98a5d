#include "app/core/saved_game.h"

#include <gtest/gtest.h>

#include "tests/app/core/test_folder.h"

namespace quintavo::appcore {
namespace {

using test::ReadAll;
using test::TestFolder;
using test::WriteAll;

const std::string Black = std::string(14, ' ');

// A file as the program writes it, around these move-list lines.
std::string FileWith(const std::vector<std::string>& lines) {
    return FormatSavedGame(lines, "game.vsr", "01.02.2024");
}

TEST(SavedGame, OneHalfMoveGivesElevenLinesWithTheMoveOnLineEight) {
    EXPECT_EQ(FormatSavedGame({"1. E2-E4"}, "game.vsr", "01.02.2024"),
              "Quintavo saved file; game.vsr\r\n"
              "01.02.2024\r\n"
              "#--#\r\n"
              "\r\n"
              "Quintavo game record: moves in order\r\n"
              "_______________________\r\n"
              "\r\n"
              "1. E2-E4\r\n"
              "\r\n"
              "\r\n"
              "#--#\r\n");
}

TEST(SavedGame, LineBreaksInTheNameOrDateCannotShiftTheLines) {
    // A file name on Linux may hold a line break.
    const std::string bytes = FormatSavedGame({"1. E2-E4"}, "two\nlines\r.vsr", "1\r\n2");
    EXPECT_EQ(bytes.substr(0, bytes.find("#--#")),
              "Quintavo saved file; two?lines?.vsr\r\n1??2\r\n");
    const LoadedGame game = ParseSavedGame(bytes);
    EXPECT_EQ(game.Status, LoadStatus::Loaded);
    EXPECT_EQ(game.MoveLines, std::vector<std::string>{"1. E2-E4"});
}

struct MoveLineCase {
    std::string line;
    std::optional<SavedMove> move;
};

TEST(SavedGame, MoveLineParser) {
    using enum Square;
    const MoveLineCase cases[] = {
        {"1. E2-E4", SavedMove{E2, E4}},
        {Black + "E7-E5", SavedMove{E7, E5}},
        {"12. G1-F3", SavedMove{G1, F3}},
        {"99. a1-h8", SavedMove{A1, H8}},
        {"100. E2-E4", SavedMove{E2, E4}},
        {"256. H7-H8", SavedMove{H7, H8}},
        {"1000. A2-A3", SavedMove{A2, A3}},
        {"1.E2-E4", SavedMove{E2, E4}},
        {"  5. E2-E4", SavedMove{E2, E4}},
        {"    E7-E5", SavedMove{E7, E5}},
        {"E7-E5", SavedMove{E7, E5}},
        {"1. E2-E4\t\x1a ", SavedMove{E2, E4}},
        {"1. E2-E4 and more", SavedMove{E2, E4}},
        {"1. E2xE4", SavedMove{E2, E4}}, // the separator was never checked
        {"9. E7-E8N", SavedMove{E7, E8, 'n'}},
        {Black + "E2-E1r", SavedMove{E2, E1, 'r'}},
        {"9. E7-E8B ", SavedMove{E7, E8, 'b'}},
        {"9. E7-E8Q", SavedMove{E7, E8, 'q'}},
        {"9. E7-E8K", SavedMove{E7, E8}},
        {"9. E7-E8", SavedMove{E7, E8}},
        {"abcE2-E4", SavedMove{E2, E4}}, // the fixed column reads as it always did
        {"", std::nullopt},
        {"1.", std::nullopt},
        {"100.", std::nullopt},
        {"1. E2", std::nullopt},
        {"1. E2-E", std::nullopt},
        {"1. I2-E4", std::nullopt},
        {"1. E9-E4", std::nullopt},
        {"1. E2-E0", std::nullopt},
        {"1. E2-", std::nullopt},
        {"abc. E2-E4", std::nullopt},
        {"#--#", std::nullopt},
        {"Quintavo saved file; x.vsr", std::nullopt},
        {"_______________________", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("[" + c.line + "]");
        EXPECT_EQ(ParseMoveLine(c.line), c.move);
    }
}

TEST(SavedGame, LoadsTheMovesOfAValidFile) {
    const std::vector<std::string> lines = {"1. E2-E4", Black + "E7-E5", "2. G1-F3"};
    const LoadedGame game = ParseSavedGame(FileWith(lines));
    EXPECT_EQ(game.Status, LoadStatus::Loaded);
    EXPECT_EQ(game.MoveLines, lines);
    EXPECT_EQ(game.Moves,
              (std::vector<SavedMove>{
                  {Square::E2, Square::E4}, {Square::E7, Square::E5}, {Square::G1, Square::F3}}));
}

TEST(SavedGame, MovesFromNumberOneHundredOnLoadToo) {
    const std::vector<std::string> lines = {"99. A2-A3", Black + "B7-B6", "100. C2-C3",
                                            Black + "D7-D6", "101. E2-E3"};
    const LoadedGame game = ParseSavedGame(FileWith(lines));
    ASSERT_EQ(game.Status, LoadStatus::Loaded);
    EXPECT_EQ(game.Moves.size(), 5u);
    EXPECT_EQ(game.Moves[2], (SavedMove{Square::C2, Square::C3}));
    EXPECT_EQ(game.Moves[4], (SavedMove{Square::E2, Square::E3}));
}

TEST(SavedGame, OnlyTheLinesBetweenHeaderAndTrailerAreMoves) {
    // Any header, date and trailer will do, moves in them included; lines in
    // the block that name no move stay listed but give nothing to replay.
    const std::string bytes = "1. A2-A3\n2. A2-A3\n3. A2-A3\n\n" + std::string(SavedGameNotice) +
                              "\n4. A2-A3\n5. A2-A3\n"
                              "1. E2-E4\n"
                              "a remark\n" +
                              Black +
                              "E7-E5\n"
                              "6. A2-A3\n7. A2-A3\n8. A2-A3";
    const LoadedGame game = ParseSavedGame(bytes);
    ASSERT_EQ(game.Status, LoadStatus::Loaded);
    EXPECT_EQ(game.MoveLines, (std::vector<std::string>{"1. E2-E4", "a remark", Black + "E7-E5"}));
    EXPECT_EQ(game.Moves,
              (std::vector<SavedMove>{{Square::E2, Square::E4}, {Square::E7, Square::E5}}));
}

TEST(SavedGame, EveryLineEndingCounts) {
    const std::string notice(SavedGameNotice);
    const std::string lf = "h\nd\n#--#\n\n" + notice + "\n_\n\n1. E2-E4\n\n\n#--#";
    const std::string cr = "h\rd\r#--#\r\r" + notice + "\r_\r\r1. E2-E4\r\r\r#--#\r";
    // "\n\r" is two line ends, not one.
    const std::string mixed =
        "h\r\nd\n\r\r\n" + notice + "\r\n_\r\n\r\n1. E2-E4\r\n\r\n\r\n#--#\r\n";
    for (const auto& bytes : {lf, cr, mixed}) {
        const LoadedGame game = ParseSavedGame(bytes);
        ASSERT_EQ(game.Status, LoadStatus::Loaded);
        EXPECT_EQ(game.MoveLines, std::vector<std::string>{"1. E2-E4"});
    }
}

TEST(SavedGame, ShortFilesLoadAsEmptyGamesOrFail) {
    const std::string notice(SavedGameNotice);
    const LoadedGame five = ParseSavedGame("a\r\nb\r\nc\r\n\r\n" + notice);
    EXPECT_EQ(five.Status, LoadStatus::Loaded);
    EXPECT_TRUE(five.MoveLines.empty());
    const LoadedGame ten = ParseSavedGame(FileWith({}));
    EXPECT_EQ(ten.Status, LoadStatus::Loaded);
    EXPECT_TRUE(ten.MoveLines.empty());

    EXPECT_EQ(ParseSavedGame("").Status, LoadStatus::LoadError);
    EXPECT_EQ(ParseSavedGame("a\r\nb\r\nc\r\nd\r\n").Status, LoadStatus::LoadError);
}

TEST(SavedGame, RefusesWhatIsNotASavedGame) {
    const std::string good = FileWith({"1. E2-E4"});
    std::string wrongCase = good;
    wrongCase.replace(wrongCase.find("Quintavo game"), 8, "QUINTAVO");
    std::string trailingBlank = good;
    trailingBlank.insert(trailingBlank.find("order") + 5, " ");
    std::string withNul = good;
    withNul += '\0';

    for (const std::string& bytes :
         {wrongCase, trailingBlank, withNul, std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0", 16),
          std::string("one\ntwo\nthree\nfour\nfive\nsix\n")}) {
        const LoadedGame game = ParseSavedGame(bytes);
        EXPECT_EQ(game.Status, LoadStatus::InvalidFile);
        EXPECT_TRUE(game.MoveLines.empty());
        EXPECT_TRUE(game.Moves.empty());
    }
}

TEST(SavedGame, SavesAndLoadsBackThroughTheFile) {
    TestFolder dir;
    const auto path = dir / "My game.vsr";
    const std::vector<std::string> lines = {"1. E2-E4", Black + "E7-E5"};
    ASSERT_TRUE(SaveGameToFile(path, lines, "2024-02-01"));
    const std::string bytes = ReadAll(path);
    EXPECT_EQ(bytes.rfind("Quintavo saved file; My game.vsr\r\n2024-02-01\r\n", 0), 0u);

    const LoadedGame game = LoadGameFromFile(path);
    EXPECT_EQ(game.Status, LoadStatus::Loaded);
    EXPECT_EQ(game.MoveLines, lines);
    EXPECT_EQ(test::Entries(dir.Path()), std::vector<std::string>{"My game.vsr"});
}

TEST(SavedGame, LoadsAFileWithAnEightBitHeader) {
    const LoadedGame game = LoadGameFromFile(QUINTAVO_TEST_DATA "/appcore/opening_latin1.vsr");
    ASSERT_EQ(game.Status, LoadStatus::Loaded);
    EXPECT_EQ(game.Moves, (std::vector<SavedMove>{{Square::E2, Square::E4},
                                                  {Square::E7, Square::E5},
                                                  {Square::G1, Square::F3},
                                                  {Square::B8, Square::C6}}));
}

TEST(SavedGame, AnOversizeFileIsRefusedAndAnUnreadableOneFails) {
    TestFolder dir;
    std::vector<std::string> lines;
    for (int i = 0; i < 120000; ++i)
        lines.push_back("1. E2-E4");
    WriteAll(dir / "huge.vsr", FileWith(lines));
    ASSERT_GT(std::filesystem::file_size(dir / "huge.vsr"), MaxSavedGameSize);
    EXPECT_EQ(LoadGameFromFile(dir / "huge.vsr").Status, LoadStatus::InvalidFile);

    const LoadedGame missing = LoadGameFromFile(dir / "missing.vsr");
    EXPECT_EQ(missing.Status, LoadStatus::LoadError);
    EXPECT_NE(missing.Error.find("No such file"), std::string::npos);
    EXPECT_EQ(LoadGameFromFile(dir.Path()).Status, LoadStatus::LoadError);
}

TEST(SavedGame, AFailedSaveReportsTheSystemsText) {
    TestFolder dir;
    WriteAll(dir / "file", "x");
    const FileResult result = SaveGameToFile(dir / "file" / "game.vsr", {"1. E2-E4"}, "d");
    EXPECT_FALSE(result);
    EXPECT_EQ(result.Error, (dir / "file" / "game.vsr").string() + ": Not a directory");
}

} // namespace
} // namespace quintavo::appcore
