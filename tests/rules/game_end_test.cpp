#include <gtest/gtest.h>

#include "board_fixture.h"

namespace quintavo::test {
namespace {

using Lines = std::vector<std::string>;

TEST(GameEnd, FoolsMateEndsTheGame) {
    for (bool withMate : {true, false}) {
        SCOPED_TRACE(withMate ? "with OnMate" : "without OnMate");
        BoardModel model;
        Journal journal;
        RecordEvents(model, journal, withMate);
        Play(model, {"f2f3", "e7e5", "g2g4"});
        journal.lines.clear();
        bool endedInHandler = false;
        if (withMate) {
            model.OnMate = [&](Square, Square) { endedInHandler = model.GameEnded(); };
        }
        ASSERT_TRUE(model.ExecuteMove(Square::D8, Square::H4));
        EXPECT_EQ(journal.Events(), (Lines{"OnLegalMove D8 H4", "OnCheck D8 H4", "OnPaint"}));
        EXPECT_EQ(model.GameEnded(), withMate);
        EXPECT_EQ(endedInHandler, withMate);
        EXPECT_FALSE(model.HasLegalMove());
        EXPECT_FALSE(model.IsLegalMove(Square::E1, Square::F2));
        EXPECT_FALSE(model.IsLegalMove(Square::A2, Square::A3));
    }
}

TEST(GameEnd, GameEndedLastsUntilTheNextMove) {
    BoardModel model;
    Load(model, "k7/8/8/8/8/8/8/2Q1K3 w - -");
    model.OnDraw = [] {};
    ASSERT_TRUE(model.ExecuteMove(Square::C1, Square::C7));
    EXPECT_TRUE(model.GameEnded());
    EXPECT_FALSE(model.ExecuteMove(Square::A8, Square::B8)); // stalemated: refused
    EXPECT_FALSE(model.GameEnded());

    BoardModel silent; // no OnDraw handler: the flag stays down
    Load(silent, "k7/8/8/8/8/8/8/2Q1K3 w - -");
    ASSERT_TRUE(silent.ExecuteMove(Square::C1, Square::C7));
    EXPECT_FALSE(silent.GameEnded());
}

TEST(GameEnd, TooLittleMaterialRepeatsAndPlayGoesOn) {
    BoardModel model;
    Journal journal;
    RecordEvents(model, journal);
    Load(model, "4k3/8/8/8/8/8/1p6/2B1K2n w - -");
    ASSERT_TRUE(model.ExecuteMove(Square::C1, Square::B2));
    journal.lines.clear();
    ASSERT_TRUE(model.ExecuteMove(Square::H1, Square::G3));
    EXPECT_EQ(journal.Events(),
              (Lines{"OnLegalMove H1 G3", "OnNoMatingMaterial", "OnDraw", "OnPaint"}));
    EXPECT_TRUE(model.HasLegalMove());
}

TEST(GameEnd, MatingMaterialTable) {
    struct Case {
        const char* fen;
        const char* move;
        bool tooLittle;
    };
    const Case cases[] = {
        {"4k3/8/8/8/8/8/8/4K3 w - -", "e1e2", true},     // bare kings
        {"4k3/8/8/8/8/8/8/3NKN2 w - -", "e1e2", true},   // two knights: 4
        {"4k3/8/8/8/8/8/8/2NNKN2 w - -", "e1e2", false}, // three knights: 6
        {"4k3/8/8/8/8/8/8/2B1KB2 w - -", "e1e2", false}, // two bishops: 6
        {"4k3/8/8/8/8/8/8/2B1KN2 w - -", "e1e2", false}, // bishop and knight: 5
        {"4k3/8/8/8/8/8/8/4K2R w - -", "e1e2", false},   // a rook
        {"4k3/p7/8/8/8/8/8/4K3 w - -", "e1e2", false},   // a Black pawn
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fen);
        BoardModel model;
        Load(model, c.fen);
        bool fired = false;
        model.OnNoMatingMaterial = [&fired] { fired = true; };
        const std::string move(c.move);
        ASSERT_TRUE(model.ExecuteMove(SquareFromName(move.substr(0, 2)),
                                      SquareFromName(move.substr(2, 2))));
        EXPECT_EQ(fired, c.tooLittle);
    }
}

TEST(GameEnd, ThreefoldRepetitionStopsPlay) {
    BoardModel model;
    Journal journal;
    RecordEvents(model, journal);
    Play(model, {"g1f3", "g8f6", "f3g1", "f6g8", "g1f3", "g8f6", "f3g1"});
    for (const auto& line : journal.Events())
        EXPECT_NE(line, "OnThreefoldPosition");
    EXPECT_FALSE(model.IsThreefoldRepetition());
    journal.lines.clear();
    ASSERT_TRUE(model.ExecuteMove(Square::F6, Square::G8));
    EXPECT_EQ(journal.Events(),
              (Lines{"OnLegalMove F6 G8", "OnThreefoldPosition", "OnDraw", "OnPaint"}));
    EXPECT_TRUE(model.IsThreefoldRepetition());
    EXPECT_TRUE(model.GameEnded());
    EXPECT_FALSE(model.HasLegalMove());
    EXPECT_FALSE(model.IsLegalMove(Square::E2, Square::E4));

    // Stepping back makes an earlier position current, and play may go on.
    ASSERT_TRUE(model.StepBack());
    EXPECT_FALSE(model.IsThreefoldRepetition());
    EXPECT_TRUE(model.IsLegalMove(Square::E7, Square::E5));
}

TEST(GameEnd, RepetitionNeedsTheSamePositionNotJustThePlacement) {
    struct Case {
        const char* fen; // nullptr: the start position
        std::vector<const char*> moves;
        int drawAt; // index of the move that makes the third repetition, -1 for none
        const char* why;
    };
    const Case cases[] = {
        {nullptr,
         {"e2e4", "e7e5", "e1e2", "e8e7", "e2e1", "e7e8", "e1e2", "e8e7", "e2e1", "e7e8"},
         -1,
         "after 1...e5 both sides could still castle"},
        {nullptr,
         {"e2e4", "e7e5", "e1e2", "e8e7", "e2e1", "e7e8", "e1e2", "e8e7", "e2e1", "e7e8", "e1e2",
          "e8e7"},
         11,
         "the kings' dance repeats once no right is left"},
        {nullptr,
         {"g1f3", "g8f6", "f3g1", "f6g8", "g1f3", "g8f6", "f3g1", "f6g8"},
         7,
         "knights out and back twice"},
        {"4k3/8/8/8/8/8/8/R3K3 w - -",
         {"a1a2", "e8e7", "a2a3", "e7e8", "a3a1", "e8d8", "a1a2", "d8e8", "a2a1"},
         -1,
         "the placement recurs with the other side to move"},
        {nullptr,
         {"e2e4", "g8f6", "g1f3", "f6g8", "f3g1", "g8f6", "g1f3", "f6g8", "f3g1"},
         8,
         "an en-passant square nobody can take onto does not count"},
        {"4k3/8/8/8/3p4/8/4P3/4K3 w - -",
         {"e2e4", "e8d7", "e1d1", "d7e8", "d1e1", "e8d7", "e1d1", "d7e8", "d1e1"},
         -1,
         "after e4 the pawn on d4 could take en passant"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        BoardModel model;
        if (c.fen) Load(model, c.fen);
        int events = 0;
        model.OnThreefoldPosition = [&events] { ++events; };
        for (int i = 0; i < static_cast<int>(c.moves.size()); ++i) {
            const std::string move(c.moves[i]);
            ASSERT_TRUE(model.ExecuteMove(SquareFromName(move.substr(0, 2)),
                                          SquareFromName(move.substr(2, 2))))
                << move;
            EXPECT_EQ(model.IsThreefoldRepetition(), i == c.drawAt) << "after " << move;
            EXPECT_EQ(events, i >= c.drawAt && c.drawAt >= 0 ? 1 : 0) << "after " << move;
        }
        EXPECT_EQ(model.HasLegalMove(), c.drawAt < 0);
    }
}

TEST(GameEnd, MateSearchIgnoresAStaleHistoryEntry) {
    // An earlier game leaves its positions in the history; the new game's
    // mate test must not read them as repetitions.
    BoardModel model;
    Play(model, {"g1f3", "g8f6", "f3g1", "f6g8", "g1f3", "g8f6", "f3g1", "f6g8"});
    ASSERT_TRUE(model.IsThreefoldRepetition());
    model.NewGame();
    Journal journal;
    RecordEvents(model, journal);
    Play(model, {"g1f3"});
    EXPECT_EQ(journal.Events(), (Lines{"OnLegalMove G1 F3", "OnPaint"}));
}

} // namespace
} // namespace quintavo::test
