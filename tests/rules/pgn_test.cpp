#include "rules/pgn.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "board_fixture.h"
#include "rules/san.h"

namespace quintavo::test {
namespace {

std::string ReadData(const std::string& name) {
    std::ifstream in(std::string(QUINTAVO_TEST_DATA) + "/pgn/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<GameMove> MovesOf(std::initializer_list<const char*> sans) {
    BoardModel board;
    std::vector<GameMove> moves;
    for (const char* san : sans) {
        const SanReading reading = ReadSan(board, san);
        EXPECT_TRUE(reading.Move) << san << ": " << reading.Error;
        if (!reading.Move) break;
        moves.push_back(*reading.Move);
        PlayMove(board, *reading.Move);
    }
    return moves;
}

TEST(Pgn, WritesTheExportFormat) {
    PgnHeader header;
    header.Site = "Lindenau";
    header.Date = "2026.12.10";
    header.White = PgnPlayerName(false, false, 3);
    header.Black = PgnPlayerName(true, false, 3);
    const PgnWriting written = WritePgn(header, MovesOf({"f3", "e5", "g4", "Qh4#"}));
    EXPECT_EQ(written.Error, "");
    EXPECT_EQ(written.Text, "[Event \"Quintavo game\"]\n"
                            "[Site \"Lindenau\"]\n"
                            "[Date \"2026.12.10\"]\n"
                            "[Round \"-\"]\n"
                            "[White \"Player\"]\n"
                            "[Black \"Quintavo (depth 3)\"]\n"
                            "[Result \"0-1\"]\n"
                            "\n"
                            "1. f3 e5 2. g4 Qh4# 0-1\n"
                            "\n");
    EXPECT_EQ(PgnPlayerName(true, true, 5), "Quintavo (random)");
}

TEST(Pgn, ResultsFollowTheEndOfTheGame) {
    struct Case {
        std::vector<GameMove> moves;
        std::string given;
        std::string result;
    };
    const Case cases[] = {
        {MovesOf({"e4", "f5", "Qh5+", "g6", "Qxg6+", "hxg6"}), "", "*"},
        {MovesOf({"e4", "f6", "d4", "g5", "Qh5#"}), "", "1-0"},
        {MovesOf({"Nf3", "Nf6", "Ng1", "Ng8", "Nf3", "Nf6", "Ng1", "Ng8"}), "", "1/2-1/2"},
        {MovesOf({"e4"}), "1-0", "1-0"}, // a resignation the caller knows of
    };
    for (const auto& c : cases) {
        PgnHeader header;
        header.Result = c.given;
        const std::string text = WritePgn(header, c.moves).Text;
        EXPECT_NE(text.find("[Result \"" + c.result + "\"]"), std::string::npos) << text;
        EXPECT_NE(text.find(" " + c.result + "\n\n"), std::string::npos) << text;
    }
}

TEST(Pgn, RefusesToWriteAnIllegalMove) {
    std::vector<GameMove> moves = MovesOf({"e4", "e5"});
    moves.push_back({Square::E4, Square::E5, '\0'});
    const PgnWriting written = WritePgn({}, moves);
    EXPECT_EQ(written.Text, "");
    EXPECT_EQ(written.Error, "move 2 (White) \"E4-E5\": illegal move");
}

TEST(Pgn, TagValuesAreEscaped) {
    PgnHeader header;
    header.White = "A \"quoted\" back\\slash\nname";
    const std::string text = WritePgn(header, {}).Text;
    EXPECT_NE(text.find("[White \"A \\\"quoted\\\" back\\\\slash name\"]"), std::string::npos);
    const PgnReading read = ReadPgn(text);
    ASSERT_TRUE(read.Loaded) << read.Error;
    EXPECT_EQ(read.Tags[4].second, "A \"quoted\" back\\slash name");
}

// Random legal games, promotions to every piece included, survive the trip
// through the file with every move; no line is longer than 79 characters.
TEST(Pgn, RandomGamesRoundTrip) {
    std::mt19937 random(20261210);
    for (int game = 0; game < 40; ++game) {
        SCOPED_TRACE(game);
        BoardModel board;
        std::vector<GameMove> moves;
        for (int ply = 0; ply < 300; ++ply) {
            std::vector<GameMove> legal;
            for (int from = 1; from <= 64; ++from)
                for (int to = 1; to <= 64; ++to)
                    if (board.IsLegalMove(ToSquare(from), ToSquare(to)))
                        legal.push_back({ToSquare(from), ToSquare(to), '\0'});
            if (legal.empty()) break;
            GameMove move = legal[random() % legal.size()];
            const char piece = board.PieceAt(move.From);
            if ((piece == 'P' || piece == 'p') && (RankOf(move.To) == 8 || RankOf(move.To) == 1))
                move.Promotion = "qrbn"[random() % 4];
            ASSERT_TRUE(PlayMove(board, move));
            moves.push_back(move);
        }
        const PgnWriting written = WritePgn({}, moves);
        ASSERT_EQ(written.Error, "");
        std::istringstream lines(written.Text);
        for (std::string line; std::getline(lines, line);)
            EXPECT_LE(line.size(), 79u) << line;
        const PgnReading read = ReadPgn(written.Text);
        ASSERT_TRUE(read.Loaded) << read.Error;
        EXPECT_EQ(read.Moves, moves);
    }
}

TEST(Pgn, LoadsTheFirstGameOfAnAnnotatedFile) {
    const PgnReading read = ReadPgn(ReadData("two_games.pgn"));
    ASSERT_TRUE(read.Loaded) << read.Error;
    EXPECT_EQ(read.GameIndex, 1u);
    EXPECT_EQ(read.Moves.size(), 34u);
    EXPECT_EQ(read.Moves,
              MovesOf({"e4",  "e5",  "Nf3", "Nc6",  "Bb5",  "a6",   "Ba4",  "Nf6", "O-O",
                       "Be7", "Re1", "b5",  "Bb3",  "d6",   "c3",   "O-O",  "h3",  "Na5",
                       "Bc2", "c5",  "d4",  "Qc7",  "Nbd2", "cxd4", "cxd4", "Nc6", "Nb3",
                       "a5",  "Be3", "a4",  "Nbd2", "Bd7",  "Rc1",  "Qb7"}));
    EXPECT_EQ(read.Tags[5], (std::pair<std::string, std::string>{"Black", "Brandt, Käthe"}));
    EXPECT_EQ(read.Tags[7].first, "WhiteElo");
}

TEST(Pgn, ReadsLooseMovetext) {
    // Numbers glued to moves, "e.p.", lone marks, "$" glyphs, an escape line
    // and SetUp "0" (the standard position after all).
    const std::string text = "[SetUp \"0\"]\n1.e4 Nf6 2.e5 d5 3.exd6 e.p. ! $14\n"
                             "%ignored line 4. Qh5\n3...e6 4.dxc7 Qd7 5.cxb8Q 1-0";
    const PgnReading read = ReadPgn(text);
    ASSERT_TRUE(read.Loaded) << read.Error;
    EXPECT_EQ(read.Moves,
              MovesOf({"e4", "Nf6", "e5", "d5", "exd6", "e6", "dxc7", "Qd7", "cxb8=Q"}));
}

TEST(Pgn, ReadsLatin1AndSkipsSetUpGames) {
    const std::string text =
        "[Event \"x\"]\n[SetUp \"1\"]\n[FEN \"4k3/8/8/8/8/8/8/4K3 w - - 0 1\"]\n\n"
        "1. Kd2 *\n\n"
        "[White \"J\xF6rg\"]\n\n1.e4 e5 2.Nf3 1/2-1/2\n";
    const PgnReading read = ReadPgn(text);
    ASSERT_TRUE(read.Loaded) << read.Error;
    EXPECT_EQ(read.GameIndex, 2u);
    EXPECT_EQ(read.Tags[0].second, "Jörg");
    EXPECT_EQ(read.Moves, MovesOf({"e4", "e5", "Nf3"}));
}

TEST(Pgn, RefusalsNameTheMoveAndTheText) {
    const std::string game = "[Event \"x\"]\n\n1. e4 e5 2. Nf3 Nc6 3. Bb5 a6 ";
    struct Case {
        std::string text;
        std::string error;
    };
    const Case cases[] = {
        {game + "4. Bxe5 *", "game 1, move 4 (White) \"Bxe5\": illegal move"},
        {"1. d4 d5 2. Nf3 Nf6 3. Nd2 *", "game 1, move 3 (White) \"Nd2\": ambiguous move"},
        {"[SetUp \"1\"]\n[FEN \"4k3/8/8/8/8/8/8/4K3 w - - 0 1\"]\n\n1. Kd2 *",
         "game 1 starts from a set-up position (FEN \"4k3/8/8/8/8/8/8/4K3 w - - 0 1\"), and no "
         "game starts from the standard position"},
        {game, "game 1: the file ends without the game's result after move 3 (Black)"},
        {game + "{a comment that never",
         "game 1: the file ends inside a comment after move 3 (Black)"},
        {game + "(3... Nf6 4. O-O",
         "game 1: the file ends inside a variation after move 3 (Black)"},
        {"[Event \"cut", "game 1: the file ends inside a tag"},
        {game + "4. Ba4 ) *", "game 1: a ')' without its '(' after move 4 (White)"},
        {game + "\n[Event \"y\"]\n1. d4 *",
         "game 1: a new game starts before the result after move 3 (Black)"},
        {std::string(2 << 20, ' ') + game + "*", "the file is larger than 1 MiB"},
        {game + std::string(1, '\0') + "*", "the file is not text (it holds a NUL byte)"},
        {"", "the file holds no game"},
        {"% only an escape line\n", "the file holds no game"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 120));
        const PgnReading read = ReadPgn(c.text);
        EXPECT_FALSE(read.Loaded);
        EXPECT_EQ(read.Error, c.error);
        EXPECT_TRUE(read.Moves.empty());
    }
}

TEST(Pgn, CheckListsEveryGame) {
    const std::string text = ReadData("two_games.pgn") +
                             "\n[FEN \"4k3/8/8/8/8/8/8/4K3 w - - 0 1\"]\n1. Kd2 *\n"
                             "1. e4 e5 2. Ke3 *\n1. d4";
    const auto checks = CheckPgn(text);
    ASSERT_EQ(checks.size(), 5u);
    EXPECT_TRUE(checks[0].Ok);
    EXPECT_EQ(checks[0].HalfMoves, 34u);
    EXPECT_TRUE(checks[1].Ok);
    EXPECT_EQ(checks[1].HalfMoves, 2u);
    EXPECT_EQ(checks[2].Error, "starts from a set-up position (FEN \"4k3/8/8/8/8/8/8/4K3 w - - 0 "
                               "1\")");
    EXPECT_EQ(checks[3].Error, "move 2 (White) \"Ke3\": illegal move");
    EXPECT_EQ(checks[4].Error, "the file ends without the game's result after move 1 (White)");
}

} // namespace
} // namespace quintavo::test
