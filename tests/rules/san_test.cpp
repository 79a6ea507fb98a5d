#include "rules/san.h"

#include <gtest/gtest.h>

#include "board_fixture.h"

namespace quintavo::test {
namespace {

// "e7d8n" as a move: squares and an optional promotion letter.
GameMove M(std::string_view text) {
    GameMove move{SquareFromName(text.substr(0, 2)), SquareFromName(text.substr(2, 2)), '\0'};
    if (text.size() > 4) move.Promotion = text[4];
    return move;
}

struct SanCase {
    const char* fen;
    const char* move;
    const char* san;
};

constexpr const char* Start = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -";

const SanCase SanCases[] = {
    {Start, "e2e4", "e4"},
    {Start, "g1f3", "Nf3"},
    {"4k3/8/8/8/8/8/8/1N2KN2 w - -", "b1d2", "Nbd2"},   // by file
    {"4k3/8/8/R7/8/8/8/R3K3 w - -", "a1a3", "R1a3"},    // by rank
    {"4k3/8/8/8/8/Q7/8/Q1Q1K3 w - -", "a1b2", "Qa1b2"}, // by both
    {"4k3/8/8/8/8/Q7/8/Q1Q1K3 w - -", "c1b2", "Qcb2"},  // file suffices
    {"4k3/8/8/3p4/8/8/8/3QK3 w - -", "d1d5", "Qxd5"},
    {"3r3k/4P3/8/8/8/8/8/4K3 w - -", "e7d8q", "exd8=Q+"}, // promotion with capture
    {"3r3k/4P3/8/8/8/8/8/4K3 w - -", "e7d8n", "exd8=N"},
    {"8/8/8/8/8/8/4p3/3RK2k b - -", "e2d1r", "exd1=R+"},
    {"5k2/8/8/8/8/8/8/4K2R w K -", "e1g1", "O-O+"},
    {"2rkr3/2p1p3/8/8/8/8/8/R3K3 w Q -", "e1c1", "O-O-O#"},
    {"4k2r/8/8/8/8/8/8/5K2 b k -", "e8g8", "O-O+"},
    {"4k3/8/8/3pP3/8/8/8/4K3 w - d6", "e5d6", "exd6"}, // en passant
    {"4k3/8/8/8/3Pp3/8/8/4K3 b - d3", "e4d3", "exd3"},
    {"rnbqkbnr/pppp1ppp/8/4p3/6P1/5P2/PPPPP2P/RNBQKBNR b KQkq -", "d8h4", "Qh4#"},
};

TEST(San, WritesAndReadsTheTable) {
    for (const auto& c : SanCases) {
        SCOPED_TRACE(std::string(c.fen) + " " + c.move);
        BoardModel model;
        Load(model, c.fen);
        EXPECT_EQ(WriteSan(model, M(c.move)), c.san);
        const SanReading reading = ReadSan(model, c.san);
        ASSERT_TRUE(reading.Move) << reading.Error;
        GameMove expected = M(c.move);
        EXPECT_EQ(*reading.Move, expected);
    }
}

TEST(San, WritesNothingForAnIllegalMove) {
    BoardModel model;
    EXPECT_EQ(WriteSan(model, M("e2e5")), "");
    EXPECT_EQ(WriteSan(model, M("e7e5")), ""); // not White's piece
}

TEST(San, ReadsWhatRealFilesContain) {
    struct Case {
        const char* fen;
        const char* text;
        const char* move; // nullptr: refused with `error`
        const char* error;
    };
    const Case cases[] = {
        {Start, "e4!", "e2e4", ""},
        {Start, "e4?!", "e2e4", ""},
        {Start, "Nf3+", "g1f3", ""}, // a wrong check mark is ignored too
        {Start, "Ng1f3", "g1f3", ""},
        {"5k2/8/8/8/8/8/8/4K2R w K -", "0-0", "e1g1", ""},
        {"2rkr3/2p1p3/8/8/8/8/8/R3K3 w Q -", "0-0-0#", "e1c1", ""},
        {"3r3k/4P3/8/8/8/8/8/4K3 w - -", "exd8Q", "e7d8q", ""},
        {"3r3k/4P3/8/8/8/8/8/4K3 w - -", "ed8=N", "e7d8n", ""}, // no "x"
        {"k7/4P3/8/8/8/8/8/K7 w - -", "e8", "e7e8q", ""},       // no piece: a queen
        {"4k3/8/8/3p4/8/8/8/3QK3 w - -", "Qd5", "d1d5", ""},
        {"4k3/8/8/3pP3/8/8/8/4K3 w - d6", "ed6", "e5d6", ""},
        {"4k3/8/8/8/8/8/8/1N2KN2 w - -", "Nd2", nullptr, "ambiguous move"},
        {"4k3/8/8/8/8/Q7/8/Q1Q1K3 w - -", "Qab2", nullptr, "ambiguous move"},
        {Start, "Ke2", nullptr, "illegal move"},
        {Start, "e5", nullptr, "illegal move"},
        {Start, "O-O", nullptr, "illegal move"},
        {Start, "Kg1", nullptr, "illegal move"},
        {"5k2/8/8/8/8/8/8/4K2R w K -", "Kg1", nullptr, "illegal move"}, // castling is O-O
        {Start, "e4=Q", nullptr, "illegal move"},
        {Start, "hello", nullptr, "not a move"},
        {Start, "", nullptr, "not a move"},
        {Start, "+!", nullptr, "not a move"},
        {Start, "Nz9", nullptr, "not a move"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.fen) + " \"" + c.text + "\"");
        BoardModel model;
        Load(model, c.fen);
        const SanReading reading = ReadSan(model, c.text);
        if (c.move) {
            ASSERT_TRUE(reading.Move) << reading.Error;
            EXPECT_EQ(*reading.Move, M(c.move));
        } else {
            EXPECT_FALSE(reading.Move);
            EXPECT_EQ(reading.Error, c.error);
        }
    }
}

TEST(San, PlayMoveKeepsThePromotionSetting) {
    BoardModel model;
    Load(model, "4k3/P7/8/8/8/8/8/4K3 w - -");
    model.SetPromotionPiece('r');
    ASSERT_TRUE(PlayMove(model, M("a7a8n")));
    EXPECT_EQ(model.PieceAt(Square::A8), 'N');
    EXPECT_EQ(model.PromotionPiece(), 'r');
}

} // namespace
} // namespace quintavo::test
