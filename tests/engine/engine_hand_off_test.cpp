// The engine protocol between the board and its thread, with the test's own
// thread playing the UI thread. Runs under ThreadSanitizer too.
#include "engine/engine_hand_off.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "rules/board_model.h"
#include "rules/fen.h"
#include "tests/engine/fake_searches.h"

namespace quintavo {
namespace {

using namespace std::chrono_literals;
using engine::EngineRequest;
using engine::FoundMove;

using test::FirstLegalMove;

void Load(BoardModel& model, std::string_view fen) {
    const auto position = ParseFen(fen);
    ASSERT_TRUE(position) << fen;
    LoadFen(model, *position);
}

// The test thread as the UI thread: the engine wakes it, it runs the jobs.
class FakeUi {
public:
    std::function<void()> Waker() {
        return [this] {
            std::lock_guard lock(m_mutex);
            ++m_wakes;
            m_woken.notify_all();
        };
    }

    // Runs UI jobs until the condition holds; false after the time-out.
    template <class Condition>
    bool PumpUntil(EngineHandOff& handOff, Condition done, std::chrono::milliseconds limit = 10s) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (true) {
            handOff.RunPendingUiJob();
            if (done()) return true;
            if (std::chrono::steady_clock::now() >= deadline) return done();
            // Some conditions change on the engine thread without a wake-up,
            // so look again now and then.
            std::unique_lock lock(m_mutex);
            m_woken.wait_for(lock, 5ms, [this] { return m_wakes > 0; });
            m_wakes = 0;
        }
    }

    // Runs whatever arrives for a while (to show that nothing more happens).
    void PumpFor(EngineHandOff& handOff, std::chrono::milliseconds span) {
        PumpUntil(
            handOff, [] { return false; }, span);
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_woken;
    int m_wakes = 0;
};

struct HandOffFixture : ::testing::Test {
    BoardModel model;
    FakeUi ui;
    std::unique_ptr<EngineHandOff> handOff;

    void Create(engine::TEngineThread::SearchFunction search = FirstLegalMove) {
        handOff = std::make_unique<EngineHandOff>(model, std::move(search), ui.Waker());
        model.SetEngineControl(handOff.get());
    }
    void TearDown() override {
        model.SetEngineControl(nullptr);
        handOff.reset();
    }
};

TEST_F(HandOffFixture, ComputerAnswersTheUsersMoveThenSleeps) {
    Create();
    model.SetComputerPlaysBlack(true);
    EXPECT_EQ(handOff->PassCount(), 0u); // White to move: the thread is not woken
    ASSERT_TRUE(model.MakeMove(Square::E2, Square::E4));
    ASSERT_TRUE(ui.PumpUntil(*handOff, [&] { return model.WhiteToMove(); }));
    EXPECT_EQ(model.LastMove(), 2);
    ui.PumpFor(*handOff, 100ms);
    const auto passes = handOff->PassCount();
    EXPECT_EQ(passes, 1u);
    ui.PumpFor(*handOff, 200ms);
    EXPECT_EQ(handOff->PassCount(), passes); // no pass while the player thinks
    EXPECT_FALSE(handOff->Thinking());
}

TEST_F(HandOffFixture, BothSidesPlayOnUntilStopped) {
    Create();
    model.SetComputerPlaysWhite(true);
    model.SetComputerPlaysBlack(true);
    ASSERT_TRUE(ui.PumpUntil(*handOff, [&] { return model.CurrentMove() >= 4; }));
    model.StopThinking();
    EXPECT_TRUE(model.StopRequested());
    const std::string stoppedAt = model.Position();
    const auto passes = handOff->PassCount();
    ui.PumpFor(*handOff, 200ms);
    EXPECT_EQ(model.Position(), stoppedAt);
    EXPECT_EQ(handOff->PassCount(), passes);

    handOff->StartThinking(); // the game goes on
    const int move = model.CurrentMove();
    ASSERT_TRUE(ui.PumpUntil(*handOff, [&] { return model.CurrentMove() > move; }));
}

TEST_F(HandOffFixture, SettingThePositionAbortsTheSearch) {
    std::atomic<int> searches{0};
    Create([&](const EngineRequest& request, const std::atomic<bool>& abort) {
        ++searches;
        while (!abort)
            std::this_thread::sleep_for(1ms);
        return FirstLegalMove(request, abort);
    });
    model.SetComputerPlaysWhite(true);
    ASSERT_TRUE(ui.PumpUntil(*handOff, [&] { return handOff->Thinking(); }));
    model.SetPosition("init");
    EXPECT_FALSE(handOff->Thinking());
    EXPECT_EQ(model.Position(), StartPosition);
    EXPECT_EQ(model.LastMove(), 1); // nothing delivered
    ui.PumpFor(*handOff, 100ms);
    EXPECT_EQ(searches, 1);
    EXPECT_EQ(model.Position(), StartPosition);

    handOff->StartThinking(); // paused until started again
    ASSERT_TRUE(ui.PumpUntil(*handOff, [&] { return searches == 2; }));
}

TEST_F(HandOffFixture, StopWhilePausedReturnsAtOnce) {
    Create();
    model.SetStopRequested(false);
    model.StopThinking();
    EXPECT_TRUE(model.StopRequested());
    EXPECT_EQ(handOff->PassCount(), 0u);
}

TEST_F(HandOffFixture, StopFromAHandlerOfTheEnginesOwnMoveDoesNotWait) {
    Create();
    int stops = 0;
    model.OnLegalMove = [&](Square, Square) {
        if (model.WhiteToMove()) return; // only after White's move
        model.StopThinking();
        ++stops;
    };
    model.SetComputerPlaysWhite(true);
    model.SetComputerPlaysBlack(true);
    ASSERT_TRUE(ui.PumpUntil(*handOff, [&] { return stops == 1; }));
    ui.PumpFor(*handOff, 100ms);
    EXPECT_EQ(model.LastMove(), 1); // the stop held: Black did not answer
    EXPECT_FALSE(model.LastWhiteToMove());
}

TEST_F(HandOffFixture, NoMoveToPlayMeansNoPass) {
    Create();
    Load(model, "k7/8/8/8/8/8/8/2Q1K3 w - -");
    ASSERT_TRUE(model.ExecuteMove(Square::C1, Square::C7)); // stalemate
    model.SetComputerPlaysBlack(true);
    handOff->StartThinking();
    ui.PumpFor(*handOff, 100ms);
    EXPECT_EQ(handOff->PassCount(), 0u);
}

TEST_F(HandOffFixture, ASearchWithoutAMoveFailsOnceUntilThePositionChanges) {
    std::atomic<int> searches{0};
    Create([&](const EngineRequest&, const std::atomic<bool>&) {
        ++searches;
        return FoundMove{};
    });
    std::vector<std::pair<Square, Square>> failures;
    handOff->OnCalculationFailed = [&](Square from, Square to) { failures.emplace_back(from, to); };
    model.SetComputerPlaysWhite(true);
    ASSERT_TRUE(ui.PumpUntil(*handOff, [&] { return !failures.empty(); }));
    ASSERT_TRUE(ui.PumpUntil(*handOff, [&] { return handOff->Asleep(); }));
    EXPECT_EQ(failures, (std::vector{std::make_pair(Square::None, Square::None)}));
    EXPECT_EQ(handOff->PassCount(), 1u);
    EXPECT_EQ(searches, 1);

    handOff->StartThinking(); // the same position: the thread is not woken
    EXPECT_TRUE(handOff->Suspended());
    model.SetComputerPlaysBlack(true);
    EXPECT_TRUE(handOff->Suspended());

    model.SetComputerPlaysWhite(false); // the player moves: a new position
    ASSERT_TRUE(model.MakeMove(Square::E2, Square::E4));
    ASSERT_TRUE(ui.PumpUntil(*handOff, [&] { return failures.size() == 2; }));
    ASSERT_TRUE(ui.PumpUntil(*handOff, [&] { return handOff->Asleep(); }));
    EXPECT_EQ(handOff->PassCount(), 2u);
    EXPECT_EQ(searches, 2);
}

TEST_F(HandOffFixture, AMoveTheBoardRefusesFailsOnceWithItsSquares) {
    Create([](const EngineRequest&, const std::atomic<bool>&) {
        return FoundMove{true, Square::E2, Square::E5};
    });
    std::vector<std::pair<Square, Square>> failures;
    handOff->OnCalculationFailed = [&](Square from, Square to) { failures.emplace_back(from, to); };
    model.SetComputerPlaysWhite(true);
    ASSERT_TRUE(ui.PumpUntil(*handOff, [&] { return !failures.empty(); }));
    ASSERT_TRUE(ui.PumpUntil(*handOff, [&] { return handOff->Asleep(); }));
    EXPECT_EQ(failures, (std::vector{std::make_pair(Square::E2, Square::E5)}));
    EXPECT_EQ(handOff->PassCount(), 1u);
}

TEST_F(HandOffFixture, APawnOnItsOwnFirstRankGivesTheComputerNoMove) {
    Create();
    // Without the pawn's step White is stalemated.
    Load(model, "k7/8/8/8/8/8/5q2/P6K w - -");
    model.SetComputerPlaysWhite(true);
    EXPECT_TRUE(handOff->Suspended());
    EXPECT_EQ(handOff->PassCount(), 0u);
}

TEST_F(HandOffFixture, CustomEngineAsksTheHost) {
    Create();
    handOff->SetCustomEngine(true);
    std::vector<std::pair<Square, Square>> failures;
    handOff->OnCalculateMove = [](Square&, Square&) {}; // leaves both None
    handOff->OnCalculationFailed = [&](Square from, Square to) { failures.emplace_back(from, to); };
    model.SetComputerPlaysWhite(true); // stop, store, start: asks once
    EXPECT_EQ(failures.size(), 0u);    // the stop request blocks the host
    model.SetStopRequested(false);
    handOff->PollCustomEngine();
    handOff->PollCustomEngine();
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_EQ(failures[0], std::make_pair(Square::None, Square::None));

    handOff->OnCalculateMove = [](Square& from, Square& to) {
        from = Square::D2;
        to = Square::D4;
    };
    handOff->PollCustomEngine();
    EXPECT_EQ(model.PieceAt(Square::D4), 'P');
    EXPECT_EQ(handOff->PassCount(), 0u); // the thread never ran
}

TEST_F(HandOffFixture, TheComputerPromotesToAQueenWhateverThePlayerChose) {
    for (bool custom : {false, true}) {
        SCOPED_TRACE(custom ? "custom engine" : "engine thread");
        Create([](const EngineRequest&, const std::atomic<bool>&) {
            return FoundMove{true, Square::B2, Square::B1};
        });
        handOff->SetCustomEngine(custom);
        handOff->OnCalculateMove = [](Square& from, Square& to) {
            from = Square::B2;
            to = Square::B1;
        };
        Load(model, "4k3/P7/8/8/8/8/1p6/4K3 w - -");
        model.SetPromotionPiece('n'); // the player's choice for a8
        ASSERT_TRUE(model.MakeMove(Square::A7, Square::A8));
        EXPECT_EQ(model.PieceAt(Square::A8), 'N');
        model.SetComputerPlaysBlack(true);
        model.SetStopRequested(false);
        if (custom) handOff->PollCustomEngine();
        ASSERT_TRUE(ui.PumpUntil(*handOff, [&] { return model.PieceAt(Square::B1) != ' '; }));
        EXPECT_EQ(model.PieceAt(Square::B1), 'q');
        EXPECT_EQ(model.PromotionPiece(), 'n');
        model.SetComputerPlaysBlack(false);
        model.SetEngineControl(nullptr);
        handOff.reset();
    }
}

// A designed, loading or closing board holds its hand-off: the model's start
// neither wakes the thread nor asks the host until the hold ends.
TEST_F(HandOffFixture, AHeldHandOffIgnoresTheModelsStart) {
    for (bool custom : {false, true}) {
        SCOPED_TRACE(custom ? "custom engine" : "engine thread");
        model.ResetToStart();
        Create();
        handOff->SetCustomEngine(custom);
        int asked = 0;
        handOff->OnCalculateMove = [&](Square& from, Square& to) {
            ++asked;
            from = Square::E2;
            to = Square::E4;
        };
        handOff->SetHeld(true);
        model.SetComputerPlaysWhite(true); // stop, store, start
        model.SetStopRequested(false);
        model.StartThinking();
        EXPECT_EQ(asked, 0);
        EXPECT_TRUE(handOff->Suspended());

        handOff->SetHeld(false);
        model.StartThinking();
        ASSERT_TRUE(ui.PumpUntil(*handOff, [&] { return !model.WhiteToMove(); }));
        EXPECT_EQ(asked, custom ? 1 : 0);
        model.SetComputerPlaysWhite(false);
        model.SetEngineControl(nullptr);
        handOff.reset();
    }
}

TEST_F(HandOffFixture, CustomEngineIsNotAskedWithoutALegalMove) {
    Create();
    handOff->SetCustomEngine(true);
    int asked = 0;
    handOff->OnCalculateMove = [&](Square&, Square&) { ++asked; };
    Load(model, "k7/8/8/8/8/8/8/2Q1K3 w - -");
    ASSERT_TRUE(model.ExecuteMove(Square::C1, Square::C7));
    model.SetComputerPlaysBlack(true);
    model.SetStopRequested(false);
    handOff->PollCustomEngine();
    EXPECT_EQ(asked, 0);
}

TEST_F(HandOffFixture, SearchDepthStaysWithinOneToEight) {
    Create();
    const std::pair<int, int> cases[] = {{0, 1}, {-5, 1}, {1, 1}, {5, 5}, {8, 8}, {9, 8}, {100, 8}};
    for (const auto& [given, stored] : cases) {
        handOff->SetSearchDepth(given);
        EXPECT_EQ(handOff->SearchDepth(), stored) << given;
    }
}

TEST_F(HandOffFixture, DestructionEndsAThreadInTheMiddleOfItsWork) {
    // Searching, and waiting for a UI thread that never answers.
    Create([](const EngineRequest& request, const std::atomic<bool>& abort) {
        while (!abort)
            std::this_thread::sleep_for(1ms);
        return FirstLegalMove(request, abort);
    });
    model.SetComputerPlaysWhite(true);
    while (!handOff->Thinking())
        std::this_thread::sleep_for(1ms);
    model.SetEngineControl(nullptr);
    handOff.reset();

    Create();
    model.SetComputerPlaysBlack(true);
    model.SetComputerPlaysWhite(true); // White to move: the thread runs, nobody pumps
    std::this_thread::sleep_for(20ms);
    model.SetEngineControl(nullptr);
    handOff.reset();
}

TEST(HandOffWithoutThread, ReadsAsNotThinking) {
    BoardModel model;
    EngineHandOff handOff(model, nullptr, nullptr);
    model.SetEngineControl(&handOff);
    EXPECT_FALSE(handOff.HasThread());
    EXPECT_FALSE(handOff.Thinking());
    model.SetComputerPlaysWhite(true);
    EXPECT_TRUE(model.MakeMove(Square::E2, Square::E4));
}

} // namespace
} // namespace quintavo
