// The game window's questions and messages to the player: message boxes,
// confirmations and the saved-game file dialogs. The window asks through
// this interface, so that tests answer in its place.
#pragma once

#include <QString>

class QWidget;

namespace quintavo::app {

class IUserPrompts {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~IUserPrompts() = default;

    // A question with Yes, No and Cancel; closing the box is Cancel.
    virtual Answer AskYesNoCancel(QWidget* parent, const QString& text) = 0;
    // A question with Yes and No; closing the box is No.
    virtual Answer AskYesNo(QWidget* parent, const QString& text) = 0;
    // A plain message box.
    virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
    // An information dialog with one OK button.
    virtual void ShowInformation(QWidget* parent, const QString& text) = 0;
    // The saved-game dialogs; an empty answer means cancelled.
    virtual QString SaveGameFileName(QWidget* parent, const QString& proposedName) = 0;
    virtual QString OpenGameFileName(QWidget* parent) = 0;
};

// The filter both saved-game dialogs offer first, and the extension a name
// without one receives. PGN comes second; the open dialog starts with both.
inline constexpr char GameFileFilter[] = "Chess-Files (*.vsr)";
inline constexpr char GameFileSuffix[] = "vsr";
inline constexpr char PgnFileFilter[] = "PGN (*.pgn)";
inline constexpr char PgnFileSuffix[] = "pgn";
inline constexpr char AnyGameFileFilter[] = "Chess-Files, PGN (*.vsr *.pgn)";

// Whether a game file's name asks for PGN: its extension, in any case.
bool IsPgnFileName(const QString& name);

// Qt's message boxes and file dialogs.
class DialogPrompts : public IUserPrompts {
public:
    Answer AskYesNoCancel(QWidget* parent, const QString& text) override;
    Answer AskYesNo(QWidget* parent, const QString& text) override;
    void ShowMessage(QWidget* parent, const QString& text) override;
    void ShowInformation(QWidget* parent, const QString& text) override;
    QString SaveGameFileName(QWidget* parent, const QString& proposedName) override;
    QString OpenGameFileName(QWidget* parent) override;
};

} // namespace quintavo::app
