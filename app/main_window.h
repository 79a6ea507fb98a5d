// The game window `TfrmVessaro`: a frameless picture-shaped window with the
// board, the move list, the clock, the side marks and the command bar, the
// tray icon and its menu. It turns the player's commands into operations on
// the board, and the board's events into messages, move-list lines and clock
// changes. Controls carry the object names the language tables use.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include <QWidget>

#include "app/core/random_move.h"
#include "app/core/saved_game.h"
#include "app/core/settings.h"
#include "board/chess_board.h"
#include "lang/app_languages.h"
#include "rules/pgn.h"

class QAbstractButton;
class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QTimer;

namespace quintavo::chrome {
class TShapedForm;
class TTrayIcon;
} // namespace quintavo::chrome

namespace quintavo::app {

class IUserPrompts;
class OneBoxPrompts;
class TPlacementStore;

// State shared by all handlers of the game window; everything starts false or 0.
struct GameWindowState {
    bool GameRunning = false;   // moves are listed and timed, Back and Forward work
    bool GameStarted = false;   // begun with New; Start then resumes instead of starting anew
    int SecondsLeft = 0;        // for the current move
    bool WhiteTurnMark = false; // which column head is red: true White, false Black
    bool Replaying = false;     // a loaded game is being replayed; board events do nothing
    bool LoadCancelled = false; // the last load ended by a cancel or a refused file
    bool HoverActive = false;   // a command label is highlighted
    bool GameModified = false;  // changed since started, loaded or offered for saving
    bool CloseAllowed = false;  // what the last save question decided
};

class TfrmVessaro : public QWidget {
    Q_OBJECT
public:
    struct Options {
        // The settings file; empty: "quintavo.ini" beside the program, or in
        // the user's configuration folder where that folder is read-only.
        std::filesystem::path SettingsPath;
        // The per-move clock's tick.
        int ClockIntervalMs = 1000;
        // Message boxes and file dialogs; null: Qt's own.
        std::shared_ptr<IUserPrompts> Prompts;
        // The computer's search; null: the engine library.
        TChessBoard::SearchFunction Search;
        // Whether the window keeps its place in the user's settings.
        bool KeepPlacement = true;
        // Hides and destroys the splash window, once the window exists.
        std::function<void()> CloseSplash;
        // Ends the program at once; null: the application's quit.
        std::function<void()> Terminate;
    };

    explicit TfrmVessaro(Options options);
    TfrmVessaro();
    ~TfrmVessaro() override;

    // Window size, fixed.
    static constexpr int ClientWidth = 639;
    static constexpr int ClientHeight = 615;

    TChessBoard* Board() const { return m_board; }
    const GameWindowState& State() const { return m_state; }
    appcore::Settings& Settings() { return m_settings; }
    // The current language and the texts the window shows in it.
    const lang::LanguageState& Language() const { return m_language; }
    const std::filesystem::path& SettingsPath() const { return m_settingsPath; }
    // Whether the start/stop label shows the start command now.
    bool StartLabelShowsStart() const { return m_labelShowsStart; }

    // --- Lifecycle ----------------------------------------------------------
    void FormCreate();
    void FormShow();
    void Hide1Click();
    void Close1Click();
    void TrayIcon1DblClick();
    void PopupMenu1Popup();

    // --- Commands; each ends with the silent abort when cancelled ----------
    void SpeedButton1Click();                  // New
    void CmdBtn2Click();                       // Load
    void CmdBtn3Click();                       // Save
    void CmdBtn4Click();                       // Back
    void CmdBtn5Click();                       // Forward
    void CmdBtn6Click();                       // Start / Stop
    void SpeedButton6Click(QLabel* fromLabel); // Options
    void CmdBtn8Click(QLabel* fromLabel);      // Info
    void ListBox1Click();
    void TimeLimitTimer();
    void CheckForSaving();
    void UpdateListBox();

    // --- Settings ------------------------------------------------------------
    void ReadFromIni();
    // Failures are answered, not shown: the caller decides.
    appcore::FileResult SaveToIni();
    void SetToChessBoard();

    // Runs a command at the edge of Qt's event loop: the silent abort ends it
    // quietly, any other failure is shown with its text.
    void RunCommand(const std::function<void()>& command);

protected:
    void setVisible(bool visible) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void BuildBoard();
    void BuildCommandBar();
    void BuildTray();
    void WireBoardEvents();
    QLabel* MakeLabel(const char* name, const QString& text, QPoint at);
    void ArrangeCaptions();

    // Lifecycle helpers
    bool FormKeyDown(int key);
    bool FormCloseQuery();
    void FormClose();
    void HideOrMinimize();
    void StorePlacement();
    // Ends the program at once, with no question.
    void Terminate();

    // Command helpers
    void SaveGameToFile();
    // The moves of the file the player picks, read whole; nothing on the
    // board or in the list has changed yet.
    std::vector<appcore::SavedMove> LoadGameFromFile();
    PgnHeader PgnHeaderOfGame() const;
    void SetStartLabel(bool showsStart);
    void RestartClock();
    void MarkSides();
    void ColourSideHeads(bool whiteRed, bool blackRed);
    void ShowFramed(const QString& text);
    void ShowPlain(const QString& text);
    QLabel* CommandLabel(int index) const {
        return m_commandLabels[static_cast<std::size_t>(index)];
    }
    void NeuLblMouseMove(QLabel* label);
    void ShapedForm1MouseMove();

    // Board events
    void ChessBoard1LegalMove();
    void ChessBoard1Click();
    void ChessBoard1Mate();
    void ChessBoard1Check();
    void ChessBoard1Draw();
    void ChessBoard1Castle();
    void ChessBoard1StaleMate();
    void ChessBoard1ThreefoldPosition();
    void ChessBoard1CalculateMove(Square& from, Square& to);
    void ChessBoard1CalculationFailed();
    void ChessBoard1Promotion(Square to, char& piece);

    Options m_options;
    std::filesystem::path m_settingsPath;
    std::shared_ptr<OneBoxPrompts> m_prompts;
    std::unique_ptr<TPlacementStore> m_placement;
    appcore::Settings m_settings;
    GameWindowState m_state;
    appcore::RandomSequence m_random;
    lang::LanguageState m_language;
    bool m_labelShowsStart = true;
    bool m_created = false;
    bool m_terminating = false;
    bool m_trayStarted = false;
    bool m_placementRestored = false;
    bool m_listAwaitsPromotion = false;

    // Controls, back to front
    QLabel* m_background = nullptr;              // Image10
    chrome::TShapedForm* m_shapedForm = nullptr; // ShapedForm1
    TChessBoard* m_board = nullptr;              // ChessBoard1
    QAbstractButton* m_hideButton = nullptr;     // SpeedButton9
    QAbstractButton* m_closeButton = nullptr;    // SpeedButton10
    QLabel* m_whiteHead = nullptr;               // Label6
    QLabel* m_blackHead = nullptr;               // Label7
    QLabel* m_timeCaption = nullptr;             // Label8
    QLabel* m_clock = nullptr;                   // Label4
    std::array<QWidget*, 8> m_commandFaces{};    // Image11 ... Image15
    std::array<QLabel*, 8> m_commandLabels{};    // NeuLbl ... infolbl
    QLabel* m_title = nullptr;                   // Label3
    QLabel* m_fixedLines = nullptr;              // Label5
    QListWidget* m_moveList = nullptr;           // ListBox1
    chrome::TTrayIcon* m_tray = nullptr;         // TrayIcon1
    QMenu* m_trayMenu = nullptr;                 // PopupMenu1
    QAction* m_hideItem = nullptr;               // Hide1
    QTimer* m_timeLimit = nullptr;               // TimeLimit
    std::array<QAction*, 8> m_actions{};         // Action1 ... Action8
};

} // namespace quintavo::app
