// The game window's commands, move list, clock, side marks and board events.
#include "app/main_window.h"

#include <stdexcept>
#include <string>
#include <vector>

#include <QDate>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QTimer>

#include "app/core/pgn_file.h"
#include "app/core/saved_game.h"
#include "app/one_box_prompts.h"
#include "app/promotion_chooser.h"
#include "app/user_prompts.h"
#include "board/silent_abort.h"
#include "lang/app_languages.h"
#include "rules/pgn.h"
#include "rules/san.h"

#include "app/about_window.h"
#include "app/options_dialog.h"

namespace quintavo::app {

namespace {

const QColor Red(255, 0, 0);

void SetTextColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

std::filesystem::path ToPath(const QString& name) {
    return std::filesystem::path(name.toStdString());
}

// A load that failed for a reason of its own (not a cancel or a refusal).
struct LoadFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

} // namespace

// --- Move list and marks ----------------------------------------------------------

void TfrmVessaro::UpdateListBox() {
    std::vector<std::string> lines;
    m_board->GetMoveList(lines);
    QStringList items;
    items.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        items << QString::fromStdString(line);
    m_moveList->clear();
    m_moveList->addItems(items);
}

void TfrmVessaro::ColourSideHeads(bool whiteRed, bool blackRed) {
    SetTextColour(m_whiteHead, whiteRed ? Red : QColor(Qt::black));
    SetTextColour(m_blackHead, blackRed ? Red : QColor(Qt::black));
}

void TfrmVessaro::SetStartLabel(bool showsStart) {
    m_labelShowsStart = showsStart;
    CommandLabel(5)->setText(showsStart ? m_language.sStart : m_language.sStop);
    ArrangeCaptions();
}

// A new move's time, from the full limit.
void TfrmVessaro::RestartClock() {
    m_state.SecondsLeft = m_settings.iTimeLimit;
    m_clock->setText(QString::number(m_settings.iTimeLimit));
    m_clock->adjustSize();
    m_timeLimit->start();
}

// --- Save question ------------------------------------------------------------------

void TfrmVessaro::CheckForSaving() {
    m_state.CloseAllowed = true;
    // With no move listed there is nothing to save, and a Yes would save nothing.
    if (m_settings.bAskForSaving && m_state.GameModified && m_moveList->count() > 0) {
        switch (m_prompts->AskYesNoCancel(this, m_language.sAskSave)) {
        case IUserPrompts::Answer::Yes:
            CmdBtn3Click();
            m_state.CloseAllowed = true;
            break;
        case IUserPrompts::Answer::No:
            m_state.CloseAllowed = true;
            break;
        case IUserPrompts::Answer::Cancel:
            m_state.CloseAllowed = false;
            throw SilentAbort{};
        }
    }
    m_state.GameModified = false;
}

// --- Commands -------------------------------------------------------------------------

void TfrmVessaro::SpeedButton1Click() {
    CheckForSaving();
    m_title->setText(m_language.sGamePrefix + m_language.sNewFileName);
    m_board->NewGame();
    UpdateListBox();
    m_state.WhiteTurnMark = !m_settings.ComputerPlaysBlack;
    m_state.GameRunning = true;
    m_timeLimit->start();
    m_state.GameStarted = true;
    SetTextColour(m_whiteHead, Red);
    RestartClock();
    SetStartLabel(false);
    if (m_settings.ComputerPlaysWhite) {
        m_state.WhiteTurnMark = true;
        m_board->NewGame();
        UpdateListBox();
        m_board->SetComputerPlaysWhite(false);
        m_board->SetComputerPlaysWhite(true);
        m_board->NewGame();
        UpdateListBox();
        m_board->StartThinking();
    }
}

std::vector<appcore::SavedMove> TfrmVessaro::LoadGameFromFile() {
    m_state.LoadCancelled = false;
    const QString name = m_prompts->OpenGameFileName(this);
    if (name.isEmpty()) {
        m_state.LoadCancelled = true;
        throw SilentAbort{};
    }
    // Nothing of the board or the list changes before the whole file is read.
    // A refused file says so (a PGN file also why); an unreadable one fails.
    const auto check = [this](appcore::LoadStatus status, const std::string& error,
                              const QString& refusal) {
        switch (status) {
        case appcore::LoadStatus::InvalidFile:
            ShowPlain(refusal);
            m_state.LoadCancelled = true;
            throw SilentAbort{};
        case appcore::LoadStatus::LoadError:
            throw LoadFailure(error);
        case appcore::LoadStatus::Loaded:
            break;
        }
    };
    std::vector<appcore::SavedMove> moves;
    if (IsPgnFileName(name)) {
        const appcore::LoadedPgn game = appcore::LoadPgnFromFile(ToPath(name));
        check(game.Status, game.Error,
              m_language.sInvalidFile + QStringLiteral("\n") + QString::fromStdString(game.Error));
        for (const GameMove& move : game.Game.Moves)
            moves.push_back({move.From, move.To, move.Promotion});
    } else {
        appcore::LoadedGame game = appcore::LoadGameFromFile(ToPath(name));
        check(game.Status, game.Error, m_language.sInvalidFile);
        moves = std::move(game.Moves);
    }
    m_title->setText(m_language.sGamePrefix + QFileInfo(name).fileName());
    return moves;
}

void TfrmVessaro::CmdBtn2Click() {
    try {
        const std::vector<appcore::SavedMove> moves = LoadGameFromFile();
        const bool animate = m_board->AnimateMoves();
        m_board->SetAnimateMoves(false);
        m_state.Replaying = true;
        try {
            // A saved game starts from the start position, whatever the
            // board showed before.
            m_board->NewGame();
            const char promotion = m_board->PromotionPiece();
            for (const appcore::SavedMove& move : moves) {
                // The file's choice of piece; no letter is a queen.
                m_board->SetPromotionPiece(move.Promotion ? move.Promotion : 'q');
                m_board->MakeMove(move.From, move.To);
            }
            m_board->SetPromotionPiece(promotion);
            while (m_board->StepBack()) {
            }
            UpdateListBox();
            m_state.GameRunning = true;
        } catch (...) {
            m_state.Replaying = false;
            m_board->SetAnimateMoves(animate);
            throw;
        }
        m_state.Replaying = false;
        m_board->SetAnimateMoves(animate);
        m_state.GameModified = false;
        RestartClock();
    } catch (...) {
        // A cancelled dialog or a refused file ends quietly; any other
        // failure resets the game.
        if (m_state.LoadCancelled) throw;
        ShowPlain(m_language.sLoadError);
        SpeedButton1Click();
        throw SilentAbort{};
    }
}

PgnHeader TfrmVessaro::PgnHeaderOfGame() const {
    PgnHeader header;
    header.Date = QDate::currentDate().toString(QStringLiteral("yyyy.MM.dd")).toStdString();
    const auto player = [this](bool computer) {
        return PgnPlayerName(computer, m_settings.CustomEngine, m_settings.SearchDepth);
    };
    header.White = player(m_settings.ComputerPlaysWhite);
    header.Black = player(m_settings.ComputerPlaysBlack);
    return header;
}

void TfrmVessaro::SaveGameToFile() {
    if (m_moveList->count() == 0) return;
    const QString name = m_prompts->SaveGameFileName(this, m_language.sNewFileName);
    if (name.isEmpty()) throw SilentAbort{};
    appcore::FileResult result;
    if (IsPgnFileName(name)) {
        result = appcore::SavePgnToFile(ToPath(name), PgnHeaderOfGame(),
                                        RecordedMoves(m_board->Model()));
    } else {
        std::vector<std::string> lines;
        lines.reserve(static_cast<std::size_t>(m_moveList->count()));
        for (int i = 0; i < m_moveList->count(); ++i)
            lines.push_back(m_moveList->item(i)->text().toStdString());
        const QString date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
        result = appcore::SaveGameToFile(ToPath(name), lines, date.toStdString());
    }
    if (!result) {
        // The file that was there is whole; the command that asked is cancelled.
        ShowPlain(QString::fromStdString(result.Error));
        throw SilentAbort{};
    }
}

void TfrmVessaro::CmdBtn3Click() {
    SaveGameToFile();
}

void TfrmVessaro::CmdBtn4Click() {
    if (!m_state.GameRunning) return;
    m_state.GameModified = true;
    m_board->StepBack();
    UpdateListBox();
}

void TfrmVessaro::CmdBtn5Click() {
    if (!m_state.GameRunning) return;
    m_state.GameModified = true;
    m_board->StepForward();
    UpdateListBox();
}

void TfrmVessaro::CmdBtn6Click() {
    if (!m_state.GameRunning && !m_state.GameStarted) {
        SpeedButton1Click();
        return;
    }
    m_state.GameModified = true;
    // What the label means, not its words, decides: the table's start caption
    // and the start text differ in some languages.
    if (m_labelShowsStart) {
        m_state.GameRunning = true;
        m_board->StartThinking();
        SetStartLabel(false);
    } else {
        m_state.GameRunning = false;
        m_board->StopThinking();
        SetStartLabel(true);
    }
}

void TfrmVessaro::SpeedButton6Click(QLabel* fromLabel) {
    if (fromLabel) SetTextColour(fromLabel, Qt::black);
    const bool timerWasEnabled = m_timeLimit->isActive();
    m_timeLimit->stop();
    const bool resume = timerWasEnabled || m_board->Thinking();
    if (m_state.GameRunning) {
        m_state.GameRunning = false;
        if (m_prompts->AskYesNo(this, m_language.sCancelGame) != IUserPrompts::Answer::Yes) {
            if (resume) m_board->StartThinking();
            m_state.GameRunning = true;
            if (timerWasEnabled) m_timeLimit->start();
            return;
        }
    }
    m_state.GameRunning = false;
    m_state.GameStarted = false;
    SetStartLabel(true);
    ReadFromIni();
    if (!ExecOptionsDialog(m_settings, m_language, this)) return;
    SetToChessBoard();
    if (const appcore::FileResult saved = SaveToIni(); !saved)
        ShowPlain(QString::fromStdString(saved.Error));
}

void TfrmVessaro::CmdBtn8Click(QLabel* fromLabel) {
    if (fromLabel) SetTextColour(fromLabel, Qt::black);
    const bool timerWasEnabled = m_timeLimit->isActive();
    m_timeLimit->stop();
    // The clock goes on as it was, however the window ends.
    struct RestoreTimer {
        QTimer* timer;
        bool enabled;
        ~RestoreTimer() {
            if (enabled) timer->start();
        }
    } restore{m_timeLimit, timerWasEnabled};
    ReadFromIni();
    TfrmAbout about(m_language, this);
    about.exec();
}

void TfrmVessaro::ListBox1Click() {
    const int i = m_moveList->currentRow();
    m_board->GotoHalfMove((i + 1) / 2 + 1, (i + 1) % 2 == 0);
}

void TfrmVessaro::TimeLimitTimer() {
    if (!m_state.GameRunning) return;
    // The player's time does not run while a box waits for an answer.
    if (m_prompts->BoxOpen()) return;
    --m_state.SecondsLeft;
    m_clock->setText(QString::number(m_state.SecondsLeft));
    m_clock->adjustSize();
    if (m_state.SecondsLeft <= 0) {
        m_timeLimit->stop();
        m_state.GameRunning = false;
        // The game has ended: a move the computer found now would reach the
        // board but neither the list nor a saved game.
        if (m_board->Thinking()) m_board->StopThinking();
        ShowPlain(m_language.sTimeOver);
    }
}

// --- Board events ------------------------------------------------------------------------

void TfrmVessaro::ChessBoard1LegalMove() {
    if (m_state.Replaying || !m_state.GameRunning) return;
    m_state.GameModified = true;
    UpdateListBox();
    m_state.WhiteTurnMark = !m_state.WhiteTurnMark;
    m_timeLimit->stop();
    m_state.SecondsLeft = m_settings.iTimeLimit;
    ColourSideHeads(m_state.WhiteTurnMark, !m_state.WhiteTurnMark);
    if (m_settings.ComputerPlaysBlack) ColourSideHeads(true, false);
    m_timeLimit->start();
}

void TfrmVessaro::ChessBoard1Click() {
    if (m_state.Replaying) return;
    if (!m_state.GameRunning) throw SilentAbort{};
}

void TfrmVessaro::ChessBoard1Mate() {
    if (m_state.Replaying) return;
    m_state.GameRunning = false;
    if (m_settings.ShowMate) ShowFramed(m_language.sMate);
}

void TfrmVessaro::ChessBoard1Check() {
    if (m_state.Replaying) return;
    if (m_settings.ShowChess) ShowFramed(m_language.sCheck);
}

void TfrmVessaro::ChessBoard1Draw() {
    if (m_state.Replaying) return;
    m_state.GameRunning = false;
    if (m_settings.ShowDraw) ShowFramed(m_language.sDraw);
}

void TfrmVessaro::ChessBoard1Castle() {
    if (m_state.Replaying) return;
    if (m_settings.ShowCasteling) ShowFramed(m_language.sCastling);
}

void TfrmVessaro::ChessBoard1StaleMate() {
    if (m_state.Replaying) return;
    m_state.GameRunning = false;
    ShowPlain(m_language.sStaleMate);
}

void TfrmVessaro::ChessBoard1ThreefoldPosition() {
    if (m_state.Replaying) return;
    if (m_settings.ShowThreeFoldPos) ShowPlain(m_language.sThreefold);
}

void TfrmVessaro::ChessBoard1CalculateMove(Square& from, Square& to) {
    if (m_state.Replaying || !m_settings.CustomEngine) return;
    // With no legal move both squares stay None and nothing is drawn.
    appcore::ChooseRandomMove(m_random, m_board->Model(), from, to);
}

void TfrmVessaro::ChessBoard1Promotion(Square to, char& piece) {
    // A replay brings its piece from the file, and the computer always takes
    // a queen; only the player's own move asks.
    if (m_state.Replaying || !isVisible()) return;
    const bool whiteMoved = !m_board->WhiteToMove();
    if (whiteMoved ? m_board->ComputerPlaysWhite() : m_board->ComputerPlaysBlack()) return;
    const QRect square = m_board->SquareRect(to);
    TPromotionChooser chooser(m_board->CustomPieceSet(), whiteMoved, square.width(), this);
    const int x = m_board->x() + square.center().x() - chooser.width() / 2;
    const int y = m_board->y() + square.y() +
                  (square.y() < m_board->height() / 2 ? square.height() : -chooser.height());
    piece = chooser.Choose({x, y});
    m_listAwaitsPromotion = m_state.GameRunning;
}

void TfrmVessaro::ChessBoard1CalculationFailed() {
    if (m_state.Replaying) return;
    ShowPlain(m_language.sInternalError);
}

} // namespace quintavo::app
