#include "app/main_window.h"

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "app/core/random_move.h"
#include "app/core/saved_game.h"
#include "chrome/tray_icon.h"
#include "lang/app_languages.h"
#include "rules/board_model.h"
#include "window_test_support.h"

namespace quintavo::app::test {
namespace {

using Answer = IUserPrompts::Answer;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) break;
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

QColor TextColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

const QStringList ThreeHalfMoves = {
    QStringLiteral("1. E2-E4"), QStringLiteral("              E7-E5"), QStringLiteral("2. G1-F3")};

std::string SavedGameOf(const QStringList& lines) {
    std::vector<std::string> moves;
    for (const QString& line : lines)
        moves.push_back(line.toStdString());
    return appcore::FormatSavedGame(moves, "game.vsr", "01.02.2024");
}

// Closes the next modal window that opens, after running `check` on it.
void CloseNextModal(std::function<void(QWidget*)> check = {}) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, check] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        poll->stop();
        poll->deleteLater();
        if (check) check(modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
    });
    poll->start(10);
}

TEST_F(WindowTest, HoldsEveryControlAtItsPlace) {
    WriteSettings(QuietSettings);
    Open();
    EXPECT_EQ(lang::ControlNameProblems(lang::Window::Main, Window.get()).join(u", "), QString());
    EXPECT_EQ(Window->size(), QSize(639, 615));
    EXPECT_TRUE(Window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(Window->mask().rectCount(), 36);
    EXPECT_EQ(Window->windowTitle(), QStringLiteral("Quintavo"));
    EXPECT_EQ(Board().geometry(), QRect(16, 61, 400, 400));
    EXPECT_EQ(Board().SizeOfSquare(), 45);
    EXPECT_EQ(Board().SizeOfBorder(), 20);
    EXPECT_EQ(Window->findChild<QListWidget*>(QStringLiteral("ListBox1"))->geometry(),
              QRect(437, 111, 178, 354));
    EXPECT_EQ(Label("Label3")->geometry(), QRect(168, 33, 329, 13));
    EXPECT_EQ(Label("Label5")->geometry(), QRect(16, 496, 601, 29));
    // The column heads stand at (544, 81) and (576, 81) unless the font is
    // too wide for that (see CaptionsOfEveryLanguageKeepApart).
    EXPECT_EQ(Label("Label6")->y(), 81);
    EXPECT_EQ(Label("Label7")->y(), 81);
    EXPECT_EQ(Label("Label8")->pos(), QPoint(456, 97));
    EXPECT_EQ(Label("Label4")->pos(), QPoint(568, 97));
    EXPECT_EQ(Window->findChild<QWidget*>(QStringLiteral("SpeedButton9"))->geometry(),
              QRect(594, 4, 16, 16));
    EXPECT_EQ(Window->findChild<QWidget*>(QStringLiteral("SpeedButton10"))->geometry(),
              QRect(610, 4, 16, 16));

    const char* commands[] = {"NeuLbl",  "Ladenlbl", "savelbl", "Backlbl",
                              "Nextlbl", "Label2",   "Label1",  "infolbl"};
    int previousRight = 0;
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(commands[i]);
        QLabel* label = Label(commands[i]);
        EXPECT_EQ(label->y(), 564);
        EXPECT_GT(label->x(), previousRight);
        previousRight = label->geometry().right();
        EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
        // The options label carries its key but shows no tooltip.
        EXPECT_EQ(label->toolTip(), i == 6 ? QString() : QStringLiteral("F%1").arg(i + 2));
        EXPECT_EQ(TextColour(label), QColor(Qt::black));
    }

    auto* menu = Window->findChild<QMenu*>(QStringLiteral("PopupMenu1"));
    QStringList items;
    for (QAction* action : menu->actions())
        items << action->objectName();
    EXPECT_EQ(items.join(u' '), QStringLiteral("Hide1 Optionen1 ber1 N1 Close1"));
    EXPECT_EQ(Window->findChild<chrome::TTrayIcon*>()->Hint(), QStringLiteral("Mirabel"));
}

TEST_F(WindowTest, ShowsTheLanguageOfTheSettingsFileInWindowAndTrayMenu) {
    WriteSettings("[Language]\r\nCurrentLanguageID=1\r\n");
    Open();
    EXPECT_EQ(Label("NeuLbl")->text(), QStringLiteral("New"));
    EXPECT_EQ(Label("Label2")->text(), QStringLiteral("Start"));
    EXPECT_EQ(Label("Label6")->text(), QStringLiteral("White"));
    EXPECT_EQ(Window->findChild<QAction*>(QStringLiteral("ber1"))->text(),
              QStringLiteral("About..."));
    EXPECT_EQ(Window->findChild<QAction*>(QStringLiteral("Close1"))->text(),
              QStringLiteral("Close Application"));
    Window->PopupMenu1Popup();
    EXPECT_EQ(Window->findChild<QAction*>(QStringLiteral("Hide1"))->text(), QStringLiteral("Hide"));
}

TEST_F(WindowTest, CaptionsOfEveryLanguageKeepApart) {
    for (int language = 0; language < 4; ++language) {
        SCOPED_TRACE(language);
        Window.reset();
        WriteSettings(std::string(QuietSettings) +
                      "[Language]\r\nCurrentLanguageID=" + std::to_string(language) + "\r\n");
        Open();
        EXPECT_LT(Label("Label6")->geometry().right(), Label("Label7")->x());
        EXPECT_LT(Label("Label8")->geometry().right(), Label("Label4")->x());
        EXPECT_LE(Label("Label6")->x(), 544);
        EXPECT_LE(Label("Label7")->x(), 576);
        EXPECT_LE(Label("Label7")->geometry().right(), 437 + 178 - 1); // within the list's width
    }
}

TEST_F(WindowTest, CreatingTheWindowWritesEveryKeyOfTheSettingsFile) {
    WriteSettings("[Settings]\r\niTimeLimit=0x20\r\nComputerPlaysBlack=0\r\n");
    Open();
    const std::string ini = ReadFile(SettingsFile());
    int keys = 0;
    for (const std::string& line : Lines(ini))
        keys += line.find('=') != std::string::npos;
    EXPECT_EQ(keys, 31) << ini;
    EXPECT_NE(ini.find("iTimeLimit=32"), std::string::npos);
    EXPECT_NE(ini.find("ThinkingPriority=0"), std::string::npos);
    EXPECT_NE(ini.find("Preview=1"), std::string::npos);
    EXPECT_EQ(Label("Label4")->text(), QStringLiteral("32"));
}

TEST_F(WindowTest, AnOwnPieceBitmapThatCannotBeReadFallsBackAndIsCleared) {
    const std::string picture = Path("pieces.bmp");
    WriteFile(picture, "not a bitmap");
    WriteSettings(std::string(QuietSettings) + "[BoardSettings]\r\nShowIt=1\r\nPathPic=" + picture +
                  "\r\n");
    Open();
    EXPECT_EQ(Prompts->Log, QStringList{QStringLiteral("message: Error - Erreur - Fehler")});
    EXPECT_EQ(Board().CustomPieceSetBitmap().size(), QSize(216, 144)); // built-in set 0
    EXPECT_EQ(Board().FinePieceSet().size(), QSize(432, 288));         // and its finer drawing
    const std::string ini = ReadFile(SettingsFile());
    EXPECT_NE(ini.find("ShowIt=0"), std::string::npos);
    EXPECT_NE(ini.find("PathPic=\r\n"), std::string::npos);
}

TEST_F(WindowTest, APieceSetBeyondTheLastSelectsTheLast) {
    WriteSettings(std::string(QuietSettings) + "PieceSet=12\r\n");
    Open();
    EXPECT_EQ(Board().CustomPieceSetBitmap().size(), QSize(360, 240)); // set 8
    EXPECT_EQ(Board().FinePieceSet().size(), QSize(720, 480));
    EXPECT_TRUE(Prompts->Log.isEmpty());
}

// A player's own bitmap has no finer drawing; dense screens get it scaled.
TEST_F(WindowTest, AnOwnPieceBitmapComesWithoutAFinerDrawing) {
    const std::string picture = Path("pieces.bmp");
    QImage own(120, 80, QImage::Format_RGB32);
    own.fill(Qt::black);
    ASSERT_TRUE(own.save(QString::fromStdString(picture), "BMP"));
    WriteSettings(std::string(QuietSettings) + "[BoardSettings]\r\nShowIt=1\r\nPathPic=" + picture +
                  "\r\n");
    Open();
    EXPECT_EQ(Board().CustomPieceSetBitmap().size(), QSize(120, 80));
    EXPECT_TRUE(Board().FinePieceSet().isNull());
}

TEST_F(WindowTest, NewAsksTheSaveQuestionAndFollowsEachAnswer) {
    struct Case {
        const char* what;
        Answer answer;
        bool saveDialogAnswers;
        bool newGame;
        bool saved;
    };
    const Case cases[] = {
        {"cancel keeps the game", Answer::Cancel, true, false, false},
        {"no discards it", Answer::No, true, true, false},
        {"yes saves, then starts anew", Answer::Yes, true, true, true},
        {"yes with the save dialog cancelled keeps it", Answer::Yes, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Window.reset();
        Prompts = std::make_shared<FakePrompts>();
        const std::string saved = Path("saved.vsr");
        std::remove(saved.c_str());
        WriteSettings(QuietSettings);
        Open();
        Key(Qt::Key_F2);
        Move("e2", "e4");
        ASSERT_TRUE(Window->State().GameModified);

        Prompts->Answers = {c.answer};
        Prompts->SaveName = c.saveDialogAnswers ? QString::fromStdString(saved) : QString();
        Key(Qt::Key_F2);
        ASSERT_FALSE(Prompts->Log.isEmpty());
        EXPECT_EQ(Prompts->Log.front(),
                  QStringLiteral("question: Möchten Sie dieses Schachspiel speichern?"));
        EXPECT_EQ(MoveLines().isEmpty(), c.newGame);
        EXPECT_EQ(Board().PieceAt(Square::E4) == 'P', !c.newGame);
        EXPECT_EQ(Window->State().GameModified, !c.newGame);
        EXPECT_EQ(std::ifstream(saved).good(), c.saved);
        if (c.saved) {
            EXPECT_EQ(Lines(ReadFile(saved)).size(), 11u);
        }
    }
}

TEST_F(WindowTest, NoSaveQuestionWhenTheSettingsSayNotToAsk) {
    WriteSettings(std::string(QuietSettings) + "[Extended]\r\nbAskForSaving=0\r\n");
    Open();
    Key(Qt::Key_F2);
    Move("e2", "e4");
    Key(Qt::Key_F2);
    EXPECT_TRUE(Prompts->Log.isEmpty());
    EXPECT_TRUE(MoveLines().isEmpty());
}

TEST_F(WindowTest, StartStopStartsPausesAndResumes) {
    WriteSettings(QuietSettings);
    Open();
    EXPECT_EQ(Label("Label2")->text(), QStringLiteral("Start"));
    EXPECT_TRUE(Label("Label3")->text().isEmpty());

    Key(Qt::Key_F7); // idle: a new game
    EXPECT_TRUE(Window->State().GameRunning);
    EXPECT_TRUE(Window->State().GameStarted);
    EXPECT_EQ(Label("Label2")->text(), QStringLiteral("Stop"));
    EXPECT_EQ(Label("Label3")->text(), QStringLiteral("Spiel: Neu.vsr"));
    EXPECT_EQ(TextColour(Label("Label6")), QColor(255, 0, 0));
    EXPECT_EQ(Label("Label4")->text(), QStringLiteral("300"));
    EXPECT_FALSE(Window->State().GameModified);

    ClickLabel("Label2"); // pause
    EXPECT_FALSE(Window->State().GameRunning);
    EXPECT_TRUE(Window->State().GameStarted);
    EXPECT_EQ(Label("Label2")->text(), QStringLiteral("Start"));
    EXPECT_TRUE(Window->State().GameModified);

    Key(Qt::Key_F7); // resume
    EXPECT_TRUE(Window->State().GameRunning);
    EXPECT_EQ(Label("Label2")->text(), QStringLiteral("Stop"));
    EXPECT_TRUE(MoveLines().isEmpty());
}

TEST_F(WindowTest, StartStopAfterALoadResumesInEveryLanguage) {
    // The French start label reads "Début" while the start text is
    // "Commencer": what the label means decides, not its words.
    for (int language : {0, 2}) {
        SCOPED_TRACE(language);
        Window.reset();
        WriteFile(Path("game.vsr"), SavedGameOf(ThreeHalfMoves));
        WriteSettings(std::string(QuietSettings) +
                      "[Language]\r\nCurrentLanguageID=" + std::to_string(language) + "\r\n");
        Prompts->OpenName = QString::fromStdString(Path("game.vsr"));
        Open();
        Key(Qt::Key_F3);
        ASSERT_TRUE(Window->State().GameRunning);
        EXPECT_EQ(Label("Label2")->text(),
                  language == 2 ? QStringLiteral("Début") : QStringLiteral("Start"));
        Key(Qt::Key_F7);
        EXPECT_TRUE(Window->State().GameRunning);
        EXPECT_EQ(Label("Label2")->text(), Window->Language().sStop);
        Key(Qt::Key_F7);
        EXPECT_FALSE(Window->State().GameRunning);
        EXPECT_EQ(Label("Label2")->text(), Window->Language().sStart);
    }
}

TEST_F(WindowTest, BackAndForwardWorkOnlyWhileAGameRuns) {
    WriteSettings(QuietSettings);
    Open();
    Key(Qt::Key_F2);
    Move("e2", "e4");
    Move("e7", "e5");
    Key(Qt::Key_F5);
    EXPECT_EQ(Board().PieceAt(Square::E5), ' ');
    EXPECT_EQ(Board().PieceAt(Square::E7), 'p');
    EXPECT_EQ(MoveLines().size(), 2);
    ClickLabel("Nextlbl");
    EXPECT_EQ(Board().PieceAt(Square::E5), 'p');

    Key(Qt::Key_F7); // paused
    Key(Qt::Key_F5);
    ClickLabel("Backlbl");
    EXPECT_EQ(Board().PieceAt(Square::E5), 'p');
}

TEST_F(WindowTest, ClickingAMoveListLineShowsThePositionAfterItEvenWhenIdle) {
    WriteSettings(QuietSettings);
    Open();
    Key(Qt::Key_F2);
    Move("e2", "e4");
    Move("e7", "e5");
    Move("g1", "f3");
    Key(Qt::Key_F7);
    ASSERT_FALSE(Window->State().GameRunning);
    const bool modified = Window->State().GameModified;
    auto* list = Window->findChild<QListWidget*>(QStringLiteral("ListBox1"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(Board().PieceAt(Square::E4), 'P');
    EXPECT_EQ(Board().PieceAt(Square::E7), 'p');
    EXPECT_EQ(Board().PieceAt(Square::G1), 'N');
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(2)).center());
    EXPECT_EQ(Board().PieceAt(Square::F3), 'N');
    EXPECT_EQ(Board().PieceAt(Square::E5), 'p');
    EXPECT_EQ(Window->State().GameModified, modified);
}

TEST_F(WindowTest, TheClockRestartsWithEveryMoveAndEndsTheGameAtZero) {
    WriteSettings(std::string(QuietSettings) + "iTimeLimit=5\r\n");
    Open(20);
    Key(Qt::Key_F2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Label("Label4")->text() == "4"; }, 5000));
    Move("e2", "e4");
    EXPECT_EQ(Window->State().SecondsLeft, 5);
    EXPECT_EQ(Label("Label4")->text(), QStringLiteral("4")); // until the next tick
    EXPECT_EQ(TextColour(Label("Label7")), QColor(255, 0, 0));
    EXPECT_EQ(TextColour(Label("Label6")), QColor(Qt::black));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Prompts->Log.isEmpty(); }, 5000));
    EXPECT_EQ(Prompts->Log, QStringList{QStringLiteral("message: Zeit ist abgelaufen")});
    EXPECT_FALSE(Window->State().GameRunning);
    EXPECT_EQ(Label("Label4")->text(), QStringLiteral("0"));
    // The clock has stopped, so it cannot run below zero.
    EXPECT_FALSE(Window->findChild<QTimer*>(QStringLiteral("TimeLimit"))->isActive());
    // A move of the stopped game is neither listed nor timed.
    Move("e7", "e5");
    EXPECT_EQ(MoveLines().size(), 1);
}

TEST_F(WindowTest, WithTheComputerPlayingBlackWhiteStaysMarked) {
    WriteSettings("[Settings]\r\nComputerPlaysBlack=1\r\nAnimatedMoves=0\r\nCustomEngine=1\r\n");
    Open();
    Key(Qt::Key_F2);
    EXPECT_FALSE(Window->State().WhiteTurnMark);
    Move("e2", "e4");
    ASSERT_TRUE(QTest::qWaitFor([&] { return MoveLines().size() == 2; }, 5000));
    EXPECT_EQ(TextColour(Label("Label6")), QColor(255, 0, 0));
    EXPECT_EQ(TextColour(Label("Label7")), QColor(Qt::black));
}

TEST_F(WindowTest, TheRandomMoverAnswersFromTheProgramsSequence) {
    WriteSettings("[Settings]\r\nComputerPlaysBlack=1\r\nAnimatedMoves=0\r\nCustomEngine=1\r\n");
    Open();
    Key(Qt::Key_F2);
    Move("e2", "e4");
    ASSERT_TRUE(QTest::qWaitFor([&] { return MoveLines().size() == 2; }, 5000));

    BoardModel expected;
    expected.NewGame();
    ASSERT_TRUE(expected.ExecuteMove(Square::E2, Square::E4));
    appcore::RandomSequence sequence;
    Square from = Square::None, to = Square::None;
    ASSERT_TRUE(appcore::ChooseRandomMove(sequence, expected, from, to));
    ASSERT_TRUE(expected.ExecuteMove(from, to));
    std::vector<std::string> lines;
    expected.GetMoveList(lines);
    EXPECT_EQ(MoveLines().at(1).toStdString(), lines.at(1));
    EXPECT_TRUE(Prompts->Log.isEmpty());
}

TEST_F(WindowTest, BoardMessagesFollowTheirSwitches) {
    struct Case {
        const char* settings;
        std::vector<std::pair<const char*, const char*>> moves;
        QStringList shown;
        bool stillRunning;
    };
    const std::vector<std::pair<const char*, const char*>> check = {
        {"e2", "e4"}, {"f7", "f6"}, {"d1", "h5"}};
    const std::vector<std::pair<const char*, const char*>> foolsMate = {
        {"f2", "f3"}, {"e7", "e5"}, {"g2", "g4"}, {"d8", "h4"}};
    const std::vector<std::pair<const char*, const char*>> castle = {
        {"e2", "e4"}, {"e7", "e5"}, {"g1", "f3"}, {"b8", "c6"},
        {"f1", "c4"}, {"g8", "f6"}, {"e1", "g1"}};
    const std::vector<std::pair<const char*, const char*>> repeat = {
        {"g1", "f3"}, {"g8", "f6"}, {"f3", "g1"}, {"f6", "g8"},
        {"g1", "f3"}, {"g8", "f6"}, {"f3", "g1"}, {"f6", "g8"}};
    const QString info = QStringLiteral("information:     %1!    ");
    const Case cases[] = {
        {"ShowChess=1", check, {info.arg(u"Schach")}, true},
        {"ShowChess=0", check, {}, true},
        {"ShowChess=0\r\nShowMate=1", foolsMate, {info.arg(u"Matt")}, false},
        {"ShowChess=0\r\nShowMate=0", foolsMate, {}, false},
        {"ShowCasteling=1", castle, {info.arg(u"Rochade")}, true},
        {"ShowCasteling=0", castle, {}, true},
        {"ShowThreeFoldPos=1\r\nShowDraw=1",
         repeat,
         {QStringLiteral("message: Diese Position ist zum dritten Mal aufgetreten"),
          info.arg(u"Unentschieden")},
         false},
        {"ShowThreeFoldPos=0\r\nShowDraw=0", repeat, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.settings);
        Window.reset();
        Prompts = std::make_shared<FakePrompts>();
        WriteSettings(std::string(QuietSettings) + c.settings + "\r\n");
        Open();
        Key(Qt::Key_F2);
        for (const auto& [from, to] : c.moves)
            Move(from, to);
        EXPECT_EQ(Prompts->Log, c.shown);
        EXPECT_EQ(Window->State().GameRunning, c.stillRunning);
        EXPECT_EQ(MoveLines().size(), static_cast<qsizetype>(c.moves.size()));
    }
}

TEST_F(WindowTest, LoadReplaysAFileFromTheStartPosition) {
    WriteFile(Path("game.vsr"), SavedGameOf(ThreeHalfMoves));
    WriteSettings(QuietSettings);
    Prompts->OpenName = QString::fromStdString(Path("game.vsr"));
    Open();
    Key(Qt::Key_F2);
    Move("d2", "d4"); // a game in progress is replaced, not continued
    Key(Qt::Key_F3);
    EXPECT_EQ(MoveLines(), ThreeHalfMoves);
    EXPECT_EQ(Board().PieceAt(Square::E2), 'P'); // shown at the start
    EXPECT_EQ(Board().PieceAt(Square::D2), 'P');
    EXPECT_TRUE(Window->State().GameRunning);
    EXPECT_FALSE(Window->State().GameModified);
    EXPECT_FALSE(Window->State().Replaying);
    EXPECT_TRUE(Board().AnimateMoves() == false); // the file's setting, restored
    EXPECT_EQ(Label("Label3")->text(), QStringLiteral("Spiel: game.vsr"));
    EXPECT_EQ(Prompts->Log, QStringList{QStringLiteral("open")}); // no save question
    ClickLabel("Nextlbl");
    EXPECT_EQ(Board().PieceAt(Square::E4), 'P');
}

TEST_F(WindowTest, LoadRefusesForeignFilesAndResetsAfterBrokenOnes) {
    WriteSettings(QuietSettings);
    Open();
    Key(Qt::Key_F2);
    Move("e2", "e4");

    // Cancelled: nothing at all.
    Key(Qt::Key_F3);
    EXPECT_EQ(Prompts->Log, QStringList{QStringLiteral("open")});

    // Not a saved game: refused, the game untouched.
    std::string foreign = SavedGameOf(ThreeHalfMoves);
    foreign.replace(foreign.find("Quintavo game"), 8, "Xuintavo");
    WriteFile(Path("foreign.vsr"), foreign);
    Prompts->OpenName = QString::fromStdString(Path("foreign.vsr"));
    Prompts->Log.clear();
    Key(Qt::Key_F3);
    EXPECT_EQ(Prompts->Log, (QStringList{QStringLiteral("open"),
                                         QStringLiteral("message: Ungültige Schachdatei")}));
    EXPECT_EQ(MoveLines(), QStringList{QStringLiteral("1. E2-E4")});
    EXPECT_TRUE(Window->State().LoadCancelled);

    // Too short to be read: the load error, then a new game with its question.
    WriteFile(Path("short.vsr"), "one\r\ntwo\r\n");
    Prompts->OpenName = QString::fromStdString(Path("short.vsr"));
    Prompts->Log.clear();
    Prompts->Answers = {Answer::No};
    Key(Qt::Key_F3);
    ASSERT_GE(Prompts->Log.size(), 2);
    EXPECT_EQ(
        Prompts->Log[1],
        QStringLiteral("message: Fehler beim Laden aufgetreten. Das Spiel wird neu gestartet."));
    EXPECT_TRUE(MoveLines().isEmpty());
    EXPECT_TRUE(Window->State().GameRunning);
    EXPECT_EQ(Board().PieceAt(Square::E2), 'P');
}

TEST_F(WindowTest, SaveWritesTheListAndDoesNothingForAnEmptyOne) {
    WriteSettings(QuietSettings);
    Open();
    Key(Qt::Key_F4);
    EXPECT_TRUE(Prompts->Log.isEmpty());

    Key(Qt::Key_F2);
    Move("e2", "e4");
    Move("e7", "e5");
    Prompts->SaveName = QString::fromStdString(Path("out.vsr"));
    ClickLabel("savelbl");
    EXPECT_EQ(Prompts->Log, QStringList{QStringLiteral("save: Neu.vsr")});
    const std::vector<std::string> lines = Lines(ReadFile(Path("out.vsr")));
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0], "Quintavo saved file; out.vsr");
    EXPECT_EQ(lines[4], appcore::SavedGameNotice);
    EXPECT_EQ(lines[7], "1. E2-E4");
    EXPECT_EQ(lines[8], "              E7-E5");
    EXPECT_EQ(lines[11], "#--#");
    // Saving changes neither the title nor the modified mark.
    EXPECT_EQ(Label("Label3")->text(), QStringLiteral("Spiel: Neu.vsr"));
    EXPECT_TRUE(Window->State().GameModified);
}

TEST_F(WindowTest, AFailedSaveShowsWhyAndCancelsTheNewGameThatAsked) {
    WriteSettings(QuietSettings);
    Open();
    Key(Qt::Key_F2);
    Move("e2", "e4");
    Prompts->SaveName = QString::fromStdString(Path("missing/folder/out.vsr"));
    Prompts->Answers = {Answer::Yes};
    Key(Qt::Key_F2);
    ASSERT_EQ(Prompts->Log.size(), 3);
    EXPECT_TRUE(Prompts->Log[2].startsWith(QStringLiteral("message: ")))
        << Prompts->Log[2].toStdString();
    EXPECT_TRUE(Prompts->Log[2].contains(QStringLiteral("out.vsr")));
    EXPECT_EQ(MoveLines(), QStringList{QStringLiteral("1. E2-E4")});
    EXPECT_TRUE(Window->State().GameModified);
}

TEST_F(WindowTest, OptionsAsksBeforeEndingARunningGame) {
    WriteSettings(QuietSettings);
    Open();
    Key(Qt::Key_F2);
    auto* timer = Window->findChild<QTimer*>(QStringLiteral("TimeLimit"));
    ASSERT_TRUE(timer->isActive());

    Prompts->Answers = {Answer::No};
    Key(Qt::Key_F8);
    ASSERT_EQ(Prompts->Log.size(), 1);
    EXPECT_TRUE(Prompts->Log[0].startsWith(QStringLiteral("yes/no: Sie befinden sich")));
    EXPECT_TRUE(Window->State().GameRunning);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(Label("Label2")->text(), QStringLiteral("Stop"));

    Prompts->Answers = {Answer::Yes};
    bool dialogShown = false;
    CloseNextModal([&](QWidget*) { dialogShown = true; });
    Key(Qt::Key_F8);
    EXPECT_TRUE(dialogShown);
    EXPECT_FALSE(Window->State().GameRunning);
    EXPECT_FALSE(Window->State().GameStarted);
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(Label("Label2")->text(), QStringLiteral("Start"));
    // Without a running game no question comes.
    Prompts->Log.clear();
    CloseNextModal();
    Key(Qt::Key_F8);
    EXPECT_TRUE(Prompts->Log.isEmpty());
    // Start then begins a new game.
    Key(Qt::Key_F7);
    EXPECT_TRUE(Window->State().GameStarted);
}

TEST_F(WindowTest, InfoPausesTheClockWhileTheAboutWindowIsOpen) {
    WriteSettings(QuietSettings);
    Open();
    Key(Qt::Key_F2);
    auto* timer = Window->findChild<QTimer*>(QStringLiteral("TimeLimit"));
    bool pausedMeanwhile = false;
    CloseNextModal([&](QWidget*) { pausedMeanwhile = !timer->isActive(); });
    Key(Qt::Key_F9);
    EXPECT_TRUE(pausedMeanwhile);
    EXPECT_TRUE(timer->isActive());
}

TEST_F(WindowTest, EscapeHidesTheWindowEvenFromTheMoveList) {
    WriteSettings(QuietSettings);
    Open();
    auto* list = Window->findChild<QListWidget*>(QStringLiteral("ListBox1"));
    list->setFocus();
    ASSERT_TRUE(list->hasFocus());
    Key(Qt::Key_Escape);
    // Without a notification area the window is minimised instead.
    if (chrome::TTrayIcon::Available())
        EXPECT_FALSE(Window->isVisible());
    else
        EXPECT_TRUE(Window->isMinimized());
}

TEST_F(WindowTest, EscapeDuringADragEndsTheDragAndKeepsTheWindow) {
    WriteSettings(QuietSettings);
    Open();
    QWidget* board = Window->Board();
    const QPoint e2(20 + 4 * 45 + 22, 20 + 6 * 45 + 22);
    QTest::mousePress(board, Qt::LeftButton, {}, e2);
    QTest::mouseMove(board, e2 - QPoint(0, 30));
    QTest::mouseMove(board, e2 - QPoint(0, 60));
    ASSERT_TRUE(Board().Dragging());
    Key(Qt::Key_Escape);
    EXPECT_FALSE(Board().Dragging());
    EXPECT_TRUE(Window->isVisible());
    EXPECT_FALSE(Window->isMinimized());
    QTest::mouseRelease(board, Qt::LeftButton, {}, e2 - QPoint(0, 60));
    EXPECT_EQ(Board().PieceAt(Square::E2), 'P');
}

TEST_F(WindowTest, ComingBackFromHidingStopsTheGameAndTheMenuNamesTheWay) {
    WriteSettings(QuietSettings);
    Open();
    Key(Qt::Key_F2);
    Move("e2", "e4");
    auto* hideItem = Window->findChild<QAction*>(QStringLiteral("Hide1"));
    Window->hide();
    Window->PopupMenu1Popup();
    EXPECT_EQ(hideItem->text(), QStringLiteral("Zeigen"));
    Window->TrayIcon1DblClick();
    EXPECT_TRUE(Window->isVisible());
    EXPECT_EQ(hideItem->text(), QStringLiteral("Verstecken"));
    EXPECT_FALSE(Window->State().GameRunning);
    EXPECT_FALSE(Window->State().GameStarted);
    EXPECT_EQ(Label("Label2")->text(), QStringLiteral("Start"));
    // The next Start begins a new game, after the save question.
    Prompts->Answers = {Answer::No};
    Key(Qt::Key_F7);
    EXPECT_EQ(Prompts->Log.size(), 1);
    EXPECT_TRUE(MoveLines().isEmpty());
    EXPECT_TRUE(Window->State().GameRunning);
}

TEST_F(WindowTest, TheTrayItemFollowsTheWindowAndOneActivationBringsItBack) {
    WriteSettings(QuietSettings);
    Open();
    auto* hideItem = Window->findChild<QAction*>(QStringLiteral("Hide1"));
    auto* tray = Window->findChild<chrome::TTrayIcon*>();
    // No menu is opened: the item follows the window by itself.
    Window->hide();
    ASSERT_TRUE(QTest::qWaitFor([&] { return hideItem->text() == QStringLiteral("Zeigen"); }));
    tray->HostActivation();
    EXPECT_TRUE(Window->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return hideItem->text() == QStringLiteral("Verstecken"); }));
    // A window left minimised comes back from one activation as well.
    Window->showMinimized();
    ASSERT_TRUE(Window->isMinimized());
    tray->HostActivation();
    EXPECT_FALSE(Window->isMinimized());
    EXPECT_TRUE(Window->isVisible());
}

TEST_F(WindowTest, TheCloseCommandEndsAtOnceAndACloseRequestAsksFirst) {
    WriteSettings(QuietSettings);
    Open();
    Key(Qt::Key_F2);
    Move("e2", "e4");

    Prompts->Answers = {Answer::Cancel};
    EXPECT_FALSE(Window->close());
    EXPECT_TRUE(Window->isVisible());
    EXPECT_FALSE(Terminated);
    EXPECT_TRUE(Window->State().GameModified);
    EXPECT_FALSE(Window->State().CloseAllowed);

    Prompts->Log.clear();
    Window->findChild<QAction*>(QStringLiteral("Close1"))->trigger();
    EXPECT_TRUE(Terminated);
    EXPECT_TRUE(Prompts->Log.isEmpty());
}

TEST_F(WindowTest, ACloseRequestAnsweredNoEndsTheProgram) {
    WriteSettings(QuietSettings);
    Open();
    Key(Qt::Key_F2);
    Move("e2", "e4");
    Prompts->Answers = {Answer::No};
    EXPECT_TRUE(Window->close());
    EXPECT_TRUE(Terminated);
}

TEST_F(WindowTest, CommandLabelsLightUpUnderThePointerUntilItLeavesForTheBackground) {
    WriteSettings(QuietSettings);
    Open();
    QLabel* load = Label("Ladenlbl");
    QTest::mouseMove(load);
    EXPECT_TRUE(QTest::qWaitFor([&] { return TextColour(load) == QColor(0, 255, 0); }, 2000));
    EXPECT_TRUE(Window->State().HoverActive);
    QTest::mouseMove(Window.get(), QPoint(300, 12)); // the title bar, the picture's own
    EXPECT_TRUE(QTest::qWaitFor([&] { return TextColour(load) == QColor(Qt::black); }, 2000));
    EXPECT_FALSE(Window->State().HoverActive);
}

TEST_F(WindowTest, WithTheComputerPlayingWhiteShowingTheWindowOpensTheGame) {
    WriteSettings(
        "[Settings]\r\nComputerPlaysBlack=0\r\nComputerPlaysWhite=1\r\nAnimatedMoves=0\r\n"
        "SearchDepth=1\r\n");
    Open();
    EXPECT_TRUE(Window->State().WhiteTurnMark);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Board().WhiteToMove(); }, 10000));
    EXPECT_TRUE(MoveLines().isEmpty()); // no game runs: the move is not listed
    EXPECT_FALSE(Window->State().GameRunning);
}

} // namespace
} // namespace quintavo::app::test
