// A game window on the offscreen platform with its settings in a temporary
// folder and a recording stand-in for its message boxes and file dialogs.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include <QLabel>
#include <QStringList>
#include <QTemporaryDir>

#include "app/main_window.h"
#include "app/user_prompts.h"

namespace quintavo::app::test {

class FakePrompts : public IUserPrompts {
public:
    // What was shown, one entry each: "question: ...", "yes/no: ...",
    // "message: ...", "information: ...", "save: <proposed>", "open".
    QStringList Log;
    // Answers to the questions in turn; Cancel (or No) once they run out.
    std::deque<Answer> Answers;
    // The file dialogs' answers; empty means cancelled.
    QString SaveName;
    QString OpenName;
    // Runs while each box or dialog is open, before it is answered.
    std::function<void()> WhileOpen;

    Answer AskYesNoCancel(QWidget*, const QString& text) override;
    Answer AskYesNo(QWidget*, const QString& text) override;
    void ShowMessage(QWidget*, const QString& text) override;
    void ShowInformation(QWidget*, const QString& text) override;
    QString SaveGameFileName(QWidget*, const QString& proposedName) override;
    QString OpenGameFileName(QWidget*) override;

private:
    Answer Next(Answer whenNone);
    void Opened();
};

class WindowTest : public ::testing::Test {
protected:
    QTemporaryDir Folder;
    std::shared_ptr<FakePrompts> Prompts = std::make_shared<FakePrompts>();
    std::unique_ptr<TfrmVessaro> Window;
    bool Terminated = false;
    // The computer's search; null: the engine library.
    TChessBoard::SearchFunction Search;

    // Quick games without the computer unless a test says otherwise.
    static constexpr std::string_view QuietSettings =
        "[Settings]\r\nComputerPlaysBlack=0\r\nAnimatedMoves=0\r\nSearchDepth=1\r\n";

    std::string SettingsFile() const;
    void WriteSettings(std::string_view ini);
    // Builds, shows and activates the window.
    void Open(int clockIntervalMs = 1000);
    TChessBoard& Board() { return *Window->Board(); }
    QLabel* Label(const char* name) const;
    QStringList MoveLines() const;
    // A move on the board, as a drop makes it.
    void Move(const char* from, const char* to);
    void Key(Qt::Key key);
    void ClickLabel(const char* name);
    std::string Path(const char* name) const;
};

} // namespace quintavo::app::test
