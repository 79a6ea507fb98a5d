// The player's choice of promotion piece, and games saved and loaded as PGN
// through the game window.
#include "app/main_window.h"

#include <fstream>
#include <sstream>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "app/core/saved_game.h"
#include "window_test_support.h"

namespace quintavo::app::test {
namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Clicks the given cell (0 queen ... 3 knight) of the chooser once it opens.
void PickInTheChooser(int cell, bool* opened) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, cell, opened] {
        QWidget* chooser = QApplication::activePopupWidget();
        if (!chooser) return;
        poll->stop();
        poll->deleteLater();
        *opened = true;
        const int cellWidth = chooser->width() / 4;
        QTest::mouseClick(chooser, Qt::LeftButton, {},
                          QPoint(cellWidth * cell + cellWidth / 2, chooser->height() / 2));
    });
    poll->start(10);
}

class PromotionTest : public WindowTest {
protected:
    // White's a-pawn runs to a7 while Black's rook makes room on a8.
    void PawnToTheSeventhRank() {
        for (const auto& [from, to] : {std::pair{"a2", "a4"},
                                       {"b7", "b5"},
                                       {"a4", "b5"},
                                       {"a7", "a6"},
                                       {"b5", "a6"},
                                       {"b8", "c6"},
                                       {"a6", "a7"},
                                       {"a8", "b8"}})
            Move(from, to);
    }

    // A drop made with the mouse, as the player makes it.
    void Drop(const char* from, const char* to) {
        TChessBoard& board = Board();
        const QPoint a = board.SquareRect(SquareFromName(from)).center();
        const QPoint b = board.SquareRect(SquareFromName(to)).center();
        QTest::mousePress(&board, Qt::LeftButton, {}, a);
        QTest::mouseMove(&board, a + QPoint(0, -8));
        QTest::mouseMove(&board, b);
        QTest::mouseRelease(&board, Qt::LeftButton, {}, b);
    }
};

TEST_F(PromotionTest, ThePlayerPicksAKnightAndTheSavedGameKeepsIt) {
    WriteSettings(QuietSettings);
    Open();
    Key(Qt::Key_F2);
    PawnToTheSeventhRank();
    bool opened = false;
    PickInTheChooser(3, &opened);
    Drop("a7", "a8");
    ASSERT_TRUE(opened);
    EXPECT_EQ(Board().PieceAt(Square::A8), 'N');
    EXPECT_EQ(MoveLines().back(), QStringLiteral("5. A7-A8N"));

    Prompts->SaveName = QString::fromStdString(Path("knight.vsr"));
    Key(Qt::Key_F4);
    const std::string saved = ReadFile(Path("knight.vsr"));
    EXPECT_NE(saved.find("5. A7-A8N\r\n"), std::string::npos);

    Prompts->Answers = {IUserPrompts::Answer::No};
    Key(Qt::Key_F2); // a new game, then the file again
    ASSERT_NE(Board().PieceAt(Square::A8), 'N');
    Prompts->OpenName = QString::fromStdString(Path("knight.vsr"));
    Key(Qt::Key_F3);
    while (Board().StepForward()) {
    }
    EXPECT_EQ(Board().PieceAt(Square::A8), 'N');
    EXPECT_EQ(MoveLines().back(), QStringLiteral("5. A7-A8N"));
}

TEST_F(PromotionTest, EscapeGivesAQueen) {
    WriteSettings(QuietSettings);
    Open();
    Key(Qt::Key_F2);
    PawnToTheSeventhRank();
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll] {
        if (QWidget* chooser = QApplication::activePopupWidget()) {
            poll->stop();
            poll->deleteLater();
            QTest::keyClick(chooser, Qt::Key_Escape);
        }
    });
    poll->start(10);
    Drop("a7", "a8");
    EXPECT_EQ(Board().PieceAt(Square::A8), 'Q');
    EXPECT_EQ(MoveLines().back(), QStringLiteral("5. A7-A8"));
}

TEST_F(PromotionTest, AGameSavedAsPgnLoadsBackAsTheSameGame) {
    WriteSettings(QuietSettings);
    Open();
    Key(Qt::Key_F2);
    PawnToTheSeventhRank();
    bool opened = false;
    PickInTheChooser(1, &opened);
    Drop("a7", "a8");
    ASSERT_TRUE(opened);
    const QStringList lines = MoveLines();
    ASSERT_EQ(lines.back(), QStringLiteral("5. A7-A8R"));

    Prompts->SaveName = QString::fromStdString(Path("game.pgn"));
    Key(Qt::Key_F4);
    const std::string pgn = ReadFile(Path("game.pgn"));
    EXPECT_EQ(pgn.rfind("[Event \"Quintavo game\"]", 0), 0u) << pgn;
    EXPECT_NE(pgn.find("[White \"Player\"]"), std::string::npos);
    EXPECT_NE(pgn.find("5. a8=R"), std::string::npos) << pgn;

    Key(Qt::Key_F2);
    Prompts->OpenName = QString::fromStdString(Path("game.pgn"));
    Key(Qt::Key_F3);
    EXPECT_EQ(MoveLines(), lines);
    EXPECT_EQ(Label("Label3")->text(), QStringLiteral("Spiel: game.pgn"));
    while (Board().StepForward()) {
    }
    EXPECT_EQ(Board().PieceAt(Square::A8), 'R');
}

TEST_F(PromotionTest, ARefusedPgnSaysWhyAndLeavesTheGameAsItWas) {
    std::ofstream(Path("bad.pgn"), std::ios::binary) << "[Event \"x\"]\n\n1. e4 e5 2. Ke3 Nf6 *\n";
    WriteSettings(QuietSettings);
    Open();
    Key(Qt::Key_F2);
    Move("d2", "d4");
    const std::string position = Board().Position();
    Prompts->OpenName = QString::fromStdString(Path("bad.pgn"));
    Key(Qt::Key_F3);
    ASSERT_FALSE(Prompts->Log.isEmpty());
    EXPECT_TRUE(Prompts->Log.back().contains(QStringLiteral("Ke3")))
        << Prompts->Log.back().toStdString();
    EXPECT_TRUE(Prompts->Log.back().contains(QStringLiteral("2")))
        << Prompts->Log.back().toStdString();
    EXPECT_EQ(Board().Position(), position);
    EXPECT_EQ(MoveLines(), QStringList{QStringLiteral("1. D2-D4")});
}

} // namespace
} // namespace quintavo::app::test
