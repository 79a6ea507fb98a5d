// What a player met in real games: the move list jumping when the window got
// the focus back, the clock running under boxes and into a search, and a save
// question with nothing to save.
#include "app/main_window.h"

#include <atomic>
#include <fstream>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include "app/core/saved_game.h"
#include "tests/engine/fake_searches.h"
#include "window_test_support.h"

namespace quintavo::app::test {
namespace {

using Answer = IUserPrompts::Answer;

QListWidget* MoveList(TfrmVessaro& window) {
    return window.findChild<QListWidget*>(QStringLiteral("ListBox1"));
}

void ClickLine(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

// Counts the clock's ticks, whether or not they move the clock.
struct TickCounter {
    int ticks = 0;
    QMetaObject::Connection connection;
    explicit TickCounter(TfrmVessaro& window) {
        auto* timer = window.findChild<QTimer*>(QStringLiteral("TimeLimit"));
        connection = QObject::connect(timer, &QTimer::timeout, [this] { ++ticks; });
    }
    ~TickCounter() { QObject::disconnect(connection); }
    bool WaitFor(int more) {
        const int until = ticks + more;
        return QTest::qWaitFor([&] { return ticks >= until; }, 10000);
    }
};

TEST_F(WindowTest, OnlyThePlayersOwnChoiceInTheMoveListMovesTheBoard) {
    WriteSettings(QuietSettings);
    Open();
    Key(Qt::Key_F2);
    Move("e2", "e4");
    Move("e7", "e5");
    Move("g1", "f3");
    QListWidget* list = MoveList(*Window);
    ClickLine(list, 2);
    ASSERT_TRUE(list->hasFocus());
    Key(Qt::Key_Up); // keys on the focused list choose too
    EXPECT_EQ(Board().PieceAt(Square::G1), 'N');
    EXPECT_EQ(Board().PieceAt(Square::E5), 'p');
    Move("d2", "d4"); // playing on from there cuts the game off and refills the list
    ASSERT_EQ(MoveLines().size(), 3);
    const std::string position = Board().Position();

    // Another window takes the focus, then the game window gets it back and
    // the list its focus with it.
    QWidget other;
    other.setGeometry(0, 0, 100, 100);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    Window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->hasFocus(); }, 5000));
    EXPECT_EQ(Board().Position(), position);
    EXPECT_EQ(MoveLines().size(), 3);
}

TEST_F(WindowTest, TheClockHoldsWhileABoxWaitsAndItsMessagesWaitTheirTurn) {
    WriteSettings(std::string(QuietSettings) + "iTimeLimit=5\r\n");
    Open(50);
    Key(Qt::Key_F2);
    Move("e2", "e4");
    Move("f7", "f6");
    TickCounter clock(*Window);
    int logDuringTheBox = -1;
    bool opened = false;
    Prompts->WhileOpen = [&] {
        if (std::exchange(opened, true)) return;
        // More ticks than the limit has seconds: the time would run out here.
        ASSERT_TRUE(clock.WaitFor(8));
        EXPECT_EQ(Window->State().SecondsLeft, 5);
        // A move that gives check while the box is open: its message waits.
        Move("d1", "h5");
        logDuringTheBox = static_cast<int>(Prompts->Log.size());
    };
    Prompts->Answers = {Answer::Cancel};
    Key(Qt::Key_F2);
    EXPECT_EQ(logDuringTheBox, 1);
    EXPECT_EQ(Prompts->Log, (QStringList{QStringLiteral("question: Möchten Sie dieses "
                                                        "Schachspiel speichern?"),
                                         QStringLiteral("information:     Schach!    ")}));
    EXPECT_TRUE(Window->State().GameRunning);
    // Once no box is open the clock runs again.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Window->State().GameRunning; }, 10000));
    EXPECT_EQ(Prompts->Log.back(), QStringLiteral("message: Zeit ist abgelaufen"));
}

TEST_F(WindowTest, ALoadedGameStartsWithTheFullTime) {
    const std::string file = Path("game.vsr");
    std::ofstream(file, std::ios::binary)
        << appcore::FormatSavedGame({"1. E2-E4", "              E7-E5"}, "game.vsr", "01.02.2024");
    WriteSettings(std::string(QuietSettings) + "iTimeLimit=5\r\n");
    Open(50);
    Key(Qt::Key_F2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Window->State().SecondsLeft <= 2; }, 10000));
    Prompts->OpenName = QString::fromStdString(file);
    Key(Qt::Key_F3);
    ASSERT_EQ(MoveLines().size(), 2);
    EXPECT_GE(Window->State().SecondsLeft, 4); // a tick may have passed since
    EXPECT_TRUE(Window->findChild<QTimer*>(QStringLiteral("TimeLimit"))->isActive());
}

TEST_F(WindowTest, ATimeOutDuringTheSearchStopsItSoBoardListAndFileAgree) {
    // A search that runs until it is told to stop, and then still answers.
    std::atomic<int> searches{0};
    Search = [&](const engine::EngineRequest& request, const std::atomic<bool>& abort) {
        ++searches;
        while (!abort.load())
            std::this_thread::yield();
        return quintavo::test::FirstLegalMove(request, abort);
    };
    WriteSettings("[Settings]\r\nComputerPlaysBlack=1\r\nAnimatedMoves=0\r\niTimeLimit=5\r\n");
    Open(20);
    Key(Qt::Key_F2);
    Move("e2", "e4");
    ASSERT_TRUE(QTest::qWaitFor([&] { return searches.load() > 0; }, 5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Window->State().GameRunning; }, 10000));
    EXPECT_EQ(Prompts->Log.back(), QStringLiteral("message: Zeit ist abgelaufen"));
    EXPECT_FALSE(Board().Thinking());
    // Whatever the search still found went nowhere.
    QCoreApplication::processEvents();
    const std::string position = Board().Position();
    EXPECT_EQ(MoveLines(), QStringList{QStringLiteral("1. E2-E4")});
    EXPECT_EQ(Board().PieceAt(Square::E4), 'P');
    EXPECT_FALSE(Board().WhiteToMove());
    Prompts->SaveName = QString::fromStdString(Path("after.vsr"));
    Key(Qt::Key_F4);
    const appcore::LoadedGame saved = appcore::LoadGameFromFile(Path("after.vsr"));
    ASSERT_EQ(saved.Status, appcore::LoadStatus::Loaded);
    EXPECT_EQ(saved.MoveLines, std::vector<std::string>{"1. E2-E4"});
    EXPECT_EQ(Board().Position(), position);
}

TEST_F(WindowTest, NoSaveQuestionWhileTheListIsEmpty) {
    WriteSettings(QuietSettings);
    Open();
    Key(Qt::Key_F7); // Start
    Key(Qt::Key_F7); // Stop: the game counts as changed, but holds no move
    ASSERT_TRUE(Window->State().GameModified);
    Key(Qt::Key_F2);
    EXPECT_TRUE(Prompts->Log.isEmpty());
    EXPECT_TRUE(Window->State().GameRunning);
}

TEST_F(WindowTest, AnUnknownLanguageOrAClockOfNoTimeIsCorrectedAtStart) {
    WriteSettings(std::string(QuietSettings) +
                  "iTimeLimit=0\r\n[Language]\r\nCurrentLanguageID=7\r\n");
    Open();
    EXPECT_EQ(Label("Label4")->text(), QStringLiteral("300"));
    EXPECT_EQ(Label("Label2")->text(), QStringLiteral("Start"));
    std::ifstream in(SettingsFile(), std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("CurrentLanguageID=0"), std::string::npos);
    EXPECT_NE(text.find("iTimeLimit=300"), std::string::npos);
}

} // namespace
} // namespace quintavo::app::test
