#include "app/main_window.h"

#include <chrono>
#include <exception>
#include <thread>
#include <utility>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QSessionManager>
#include <QTimer>

#include "app/game_window_outline.h"
#include "app/one_box_prompts.h"
#include "app/user_prompts.h"
#include "app/window_placement.h"
#include "assets/assets.h"
#include "assets/window_layout.h"
#include "board/silent_abort.h"
#include "chrome/shaped_form.h"
#include "chrome/tray_icon.h"
#include "lang/app_languages.h"
#include "vessaro/vessaro.h"
#include "widgets/clickable_label.h"
#include "widgets/picture_label.h"

namespace quintavo::app {

namespace {

// Tahoma where it is installed, else the system's sans serif, 11 pixels.
QFont WindowFont() {
    QFont font;
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma")))
        font.setFamily(QStringLiteral("Tahoma"));
    else
        font.setFamily(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    font.setPixelSize(11);
    return font;
}

QColor Rgb(unsigned rgb) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    if (palette.color(QPalette::WindowText) == colour) return;
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// A flat button drawn by the picture behind it; it only lightens under the
// pointer and darkens while pressed.
class FlatButton : public QAbstractButton {
public:
    using QAbstractButton::QAbstractButton;

protected:
    void paintEvent(QPaintEvent*) override {
        if (!isDown() && !underMouse()) return;
        QPainter painter(this);
        painter.fillRect(rect(), isDown() ? QColor(0, 0, 0, 70) : QColor(255, 255, 255, 60));
    }
    void enterEvent(QEnterEvent* event) override {
        update();
        QAbstractButton::enterEvent(event);
    }
    void leaveEvent(QEvent* event) override {
        update();
        QAbstractButton::leaveEvent(event);
    }
};

// The move list: the player's own keys move through it; a selection that
// changes for any other reason (refilling, the focus coming back) is no
// choice and reports nothing.
class MoveListBox : public QListWidget {
public:
    using QListWidget::QListWidget;
    std::function<void()> OnKeySelect;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const int before = currentRow();
        QListWidget::keyPressEvent(event);
        if (currentRow() != before && currentRow() >= 0 && OnKeySelect) OnKeySelect();
    }
};

constexpr std::array<const char*, 8> CommandLabelNames = {
    "NeuLbl", "Ladenlbl", "savelbl", "Backlbl", "Nextlbl", "Label2", "Label1", "infolbl"};
constexpr std::array<const char*, 8> CommandCaptions = {"Neu", "Laden", "Speichern", "Zurück",
                                                        "Vor", "Start", "Optionen",  "Info..."};
// The faces behind the labels, left to right.
constexpr std::array<const char*, 8> CommandFaceNames = {
    "Image11", "Image12", "Image18", "Image13", "Image14", "Image17", "Image16", "Image15"};
constexpr int OptionsIndex = 6;
constexpr int InfoIndex = 7;
constexpr int CommandLabelHeight = 15;

QPoint At(layout::Point p) {
    return {p.x, p.y};
}

} // namespace

TfrmVessaro::TfrmVessaro() : TfrmVessaro(Options{}) {}

TfrmVessaro::TfrmVessaro(Options options)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_options(std::move(options)),
      m_prompts(std::make_shared<OneBoxPrompts>(
          m_options.Prompts ? m_options.Prompts : std::make_shared<DialogPrompts>())),
      m_placement(std::make_unique<TPlacementStore>()) {
    m_settingsPath =
        m_options.SettingsPath.empty()
            ? appcore::SettingsFilePath(QCoreApplication::applicationDirPath().toStdString())
            : m_options.SettingsPath;
    setObjectName(QStringLiteral("frmVessaro"));
    setWindowTitle(QStringLiteral("Quintavo"));
    setWindowIcon(AppIcon());
    setFixedSize(ClientWidth, ClientHeight);
    setFont(WindowFont());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Rgb(layout::WindowFillRgb));
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(0x8b, 0x5a, 0x2b));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);

    BuildControls();
    // Keyboard preview: the window sees every key before its controls do.
    qApp->installEventFilter(this);
#if QT_CONFIG(sessionmanager)
    // Logging off asks the save question too; its cancel keeps the session.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        if (!manager.allowsInteraction()) return;
        bool allowed = false;
        RunCommand([&] { allowed = FormCloseQuery(); });
        manager.release();
        if (!allowed) manager.cancel();
    });
#endif

    // Centred on the screen at start.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    FormCreate();
}

TfrmVessaro::~TfrmVessaro() {
    qApp->removeEventFilter(this);
    StorePlacement();
    if (m_board && m_board->Thinking()) m_board->StopThinking();
}

// --- Construction -------------------------------------------------------------

QLabel* TfrmVessaro::MakeLabel(const char* name, const QString& text, QPoint at) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->move(at);
    label->adjustSize();
    return label;
}

void TfrmVessaro::BuildControls() {
    using layout::Rect;
    auto place = [](QWidget* widget, const Rect& r) { widget->setGeometry(r.x, r.y, r.w, r.h); };

    m_background = new widgets::TPictureLabel(
        [](qreal ratio) {
            return LoadPictureForRatio(QString::fromLatin1(BackgroundPath),
                                       QString::fromLatin1(Background2xPath), ratio);
        },
        this);
    m_background->setObjectName(QStringLiteral("Image10"));
    place(m_background, layout::Background);

    m_shapedForm = new chrome::TShapedForm(this);
    m_shapedForm->setObjectName(QStringLiteral("ShapedForm1"));
    m_shapedForm->ReadMask2(GameWindowMask2());
    m_shapedForm->OnMouseMove = [this](Qt::KeyboardModifiers, QPoint) { ShapedForm1MouseMove(); };

    BuildBoard();

    auto* hide = new FlatButton(this);
    hide->setObjectName(QStringLiteral("SpeedButton9"));
    place(hide, layout::HideButton);
    connect(hide, &QAbstractButton::clicked, this,
            [this] { RunCommand([this] { Hide1Click(); }); });
    m_hideButton = hide;
    auto* close = new FlatButton(this);
    close->setObjectName(QStringLiteral("SpeedButton10"));
    place(close, layout::CloseButton);
    connect(close, &QAbstractButton::clicked, this,
            [this] { RunCommand([this] { Close1Click(); }); });
    m_closeButton = close;

    m_whiteHead = MakeLabel("Label6", QStringLiteral("Weiß"), At(layout::WhiteHead));
    m_blackHead = MakeLabel("Label7", QStringLiteral("Schwarz"), At(layout::BlackHead));
    m_timeCaption =
        MakeLabel("Label8", QStringLiteral("Zeitlimit in [sec]:"), At(layout::TimeCaption));
    m_clock = MakeLabel("Label4", QStringLiteral("300"), At(layout::Clock));

    BuildCommandBar();

    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("Label3"));
    m_title->setAttribute(Qt::WA_TranslucentBackground);
    m_title->setAlignment(Qt::AlignCenter);
    QFont bold = font();
    bold.setBold(true);
    m_title->setFont(bold);
    place(m_title, layout::GameTitle);

    m_fixedLines = new QLabel(QStringLiteral("Das einfach zu benutzende Schachspiel Quintavo 2.0\n"
                                             "The easy-to-use chess game Quintavo 2.0"),
                              this);
    m_fixedLines->setObjectName(QStringLiteral("Label5"));
    m_fixedLines->setAttribute(Qt::WA_TranslucentBackground);
    m_fixedLines->setAlignment(Qt::AlignCenter);
    m_fixedLines->setWordWrap(true);
    place(m_fixedLines, layout::FixedLines);

    auto* moveList = new MoveListBox(this);
    m_moveList = moveList;
    m_moveList->setObjectName(QStringLiteral("ListBox1"));
    m_moveList->setFrameShape(QFrame::NoFrame);
    m_moveList->setFocusPolicy(Qt::ClickFocus);
    m_moveList->setUniformItemSizes(true);
    m_moveList->setStyleSheet(QStringLiteral("QListWidget::item { height: 13px; padding: 0px; }"));
    place(m_moveList, layout::MoveList);
    connect(m_moveList, &QListWidget::itemClicked, this,
            [this] { RunCommand([this] { ListBox1Click(); }); });
    moveList->OnKeySelect = [this] { RunCommand([this] { ListBox1Click(); }); };

    BuildTray();

    m_timeLimit = new QTimer(this);
    m_timeLimit->setObjectName(QStringLiteral("TimeLimit"));
    m_timeLimit->setInterval(m_options.ClockIntervalMs);
    connect(m_timeLimit, &QTimer::timeout, this,
            [this] { RunCommand([this] { TimeLimitTimer(); }); });
    m_timeLimit->start();
}

void TfrmVessaro::BuildBoard() {
    m_board = m_options.Search ? new TChessBoard(this, m_options.Search) : new TChessBoard(this);
    TChessBoard& b = *m_board;
    b.setObjectName(QStringLiteral("ChessBoard1"));
    // The window's stored values, in their order.
    b.BeginLoading();
    b.setGeometry(layout::Board.x, layout::Board.y, layout::Board.w, layout::Board.h);
    b.SetAnimateMoves(true);
    b.SetAnimationDelay(0);
    b.SetBoardLines(false);
    b.SetBorderColor(0xC0C0C0);
    b.SetCastlingAllowed(AllCastling);
    b.SetComputerPlaysBlack(true);
    b.SetComputerPlaysWhite(false);
    QFont coordFont(QStringLiteral("Arial"));
    coordFont.setPixelSize(9);
    b.SetCoordFont(coordFont);
    b.SetCoordFontColor(0x000000);
    b.SetDisplayCoords(0);
    b.SetCustomEngine(false);
    b.SetEnPassant(Square::None);
    b.SetLineStyle(QPen(Qt::NoPen));
    b.SetPosition(StartPosition);
    b.SetResizable(false);
    b.SetResizeMinSize(100);
    b.SetResizeMaxSize(1000);
    b.SetSearchDepth(1);
    b.SetSizeOfBorder(20);
    b.SetSizeOfSquare(45);
    b.SetSquareColorDark(0x808080);
    b.SetSquareColorLight(0xFFFFFF);
    b.SetWhiteOnTop(false);
    b.SetWhiteToMove(true);
    b.SetThinkingPriority(TChessBoard::TThreadPriority::tpNormal);
    WireBoardEvents();
    b.EndLoading();
}

void TfrmVessaro::BuildCommandBar() {
    const std::array<layout::Rect, 8> faces = layout::CommandFaces();
    for (std::size_t i = 0; i < faces.size(); ++i) {
        const layout::Rect& face = faces[i];
        QWidget* picture;
        if (static_cast<int>(i) == OptionsIndex) {
            auto* options = new widgets::TClickableLabel(this);
            options->OnClick = [this] { RunCommand([this] { SpeedButton6Click(nullptr); }); };
            picture = options;
        } else {
            // The picture behind draws the face; the pointer passes through
            // to the background, which ends a label's highlight.
            picture = new QWidget(this);
            picture->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
        picture->setObjectName(QString::fromLatin1(CommandFaceNames[i]));
        picture->setGeometry(face.x, face.y, face.w, face.h);
        m_commandFaces[i] = picture;
    }

    const std::array<std::function<void(QLabel*)>, 8> commands = {
        [this](QLabel*) { SpeedButton1Click(); },    [this](QLabel*) { CmdBtn2Click(); },
        [this](QLabel*) { CmdBtn3Click(); },         [this](QLabel*) { CmdBtn4Click(); },
        [this](QLabel*) { CmdBtn5Click(); },         [this](QLabel*) { CmdBtn6Click(); },
        [this](QLabel* l) { SpeedButton6Click(l); }, [this](QLabel* l) { CmdBtn8Click(l); },
    };
    for (std::size_t i = 0; i < faces.size(); ++i) {
        auto* label = new widgets::TClickableLabel(QString::fromUtf8(CommandCaptions[i]), this);
        label->setObjectName(QString::fromLatin1(CommandLabelNames[i]));
        label->setAttribute(Qt::WA_TranslucentBackground);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(faces[i].x, layout::CommandLabelTop, faces[i].w, CommandLabelHeight);
        label->setCursor(Qt::PointingHandCursor);
        label->setMouseTracking(true);
        const QString key = QStringLiteral("F%1").arg(i + 2);
        // The options label carries its key but shows no tooltip.
        label->setProperty("Hint", key);
        if (static_cast<int>(i) != OptionsIndex) label->setToolTip(key);
        label->OnMouseMove = [this, label] { NeuLblMouseMove(label); };
        label->OnClick = [this, label, command = commands[i]] {
            RunCommand([&] { command(label); });
        };
        m_commandLabels[i] = label;

        auto* action = new QAction(this);
        action->setObjectName(QStringLiteral("Action%1").arg(i + 1));
        action->setShortcut(QKeySequence(static_cast<int>(Qt::Key_F2) + static_cast<int>(i)));
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this,
                [this, command = commands[i]] { RunCommand([&] { command(nullptr); }); });
        addAction(action);
        m_actions[i] = action;
    }
}

void TfrmVessaro::BuildTray() {
    m_trayMenu = new QMenu(this);
    m_trayMenu->setObjectName(QStringLiteral("PopupMenu1"));
    auto addItem = [this](const char* name, const QString& caption, std::function<void()> run) {
        QAction* item = m_trayMenu->addAction(caption);
        item->setObjectName(QString::fromLatin1(name));
        connect(item, &QAction::triggered, this, [this, run] { RunCommand(run); });
        return item;
    };
    m_hideItem = addItem("Hide1", QStringLiteral("Verstecken"), [this] { Hide1Click(); });
    // The tray's menu stays usable while a box waits; a window of its own
    // would then open over that box, so the box is shown again instead.
    auto unlessBoxOpen = [this](std::function<void()> run) {
        return [this, run = std::move(run)] {
            if (!m_prompts->BoxOpen()) {
                run();
            } else if (QWidget* box = QApplication::activeModalWidget()) {
                box->raise();
                box->activateWindow();
            }
        };
    };
    addItem("Optionen1", QStringLiteral("Optionen"),
            unlessBoxOpen([this] { SpeedButton6Click(nullptr); }));
    addItem("ber1", QStringLiteral("Über..."), unlessBoxOpen([this] { CmdBtn8Click(nullptr); }));
    m_trayMenu->addSeparator()->setObjectName(QStringLiteral("N1"));
    addItem("Close1", QStringLiteral("Beenden"), [this] { Close1Click(); });
    connect(m_trayMenu, &QMenu::aboutToShow, this,
            [this] { RunCommand([this] { PopupMenu1Popup(); }); });

    m_tray = new chrome::TTrayIcon(this, this);
    m_tray->setObjectName(QStringLiteral("TrayIcon1"));
    m_tray->SetIcon(AppIcon());
    m_tray->SetHint(QStringLiteral("Mirabel"));
    m_tray->SetMinimizeToTray(true);
    m_tray->SetPopupMenu(m_trayMenu);
    m_tray->OnDblClick = [this] { RunCommand([this] { TrayIcon1DblClick(); }); };
    // A D-Bus host activates once where an embedded icon double-clicks.
    m_tray->OnActivate = m_tray->OnDblClick;
    // A host may show the menu without asking it to update first.
    m_tray->OnOwnerShownOrHidden = [this] { RunCommand([this] { PopupMenu1Popup(); }); };
}

void TfrmVessaro::WireBoardEvents() {
    TChessBoard& b = *m_board;
    b.OnCastle = [this](Square, Square) { ChessBoard1Castle(); };
    b.OnCheck = [this](Square, Square) { ChessBoard1Check(); };
    b.OnDraw = [this] { ChessBoard1Draw(); };
    b.OnLegalMove = [this](Square, Square) { ChessBoard1LegalMove(); };
    b.OnMate = [this](Square, Square) { ChessBoard1Mate(); };
    b.OnStaleMate = [this](Square, Square) { ChessBoard1StaleMate(); };
    b.SetOnCalculateMove([this](Square& from, Square& to) { ChessBoard1CalculateMove(from, to); });
    b.OnCalculationFailed = [this](Square, Square) { ChessBoard1CalculationFailed(); };
    b.OnThreefoldPosition = [this] { ChessBoard1ThreefoldPosition(); };
    b.OnClick = [this] { ChessBoard1Click(); };
    b.OnPromotion = [this](Square, Square to, char& piece) { ChessBoard1Promotion(to, piece); };
    // The list was written at the move's first event, before the pawn became
    // its piece; a chosen piece shows in the line once the move is complete.
    b.OnPaint = [this] {
        if (std::exchange(m_listAwaitsPromotion, false)) UpdateListBox();
    };
}

// --- Lifecycle ------------------------------------------------------------------

void TfrmVessaro::FormCreate() {
    m_state.CloseAllowed = true;
    m_title->clear();
    m_state.GameModified = false;
    if (m_options.CloseSplash) m_options.CloseSplash();
    (void)NoMeaning();
    ReadFromIni();
    // Right after reading, so that the file holds every key after any start.
    (void)SaveToIni();
    m_created = true;
}

void TfrmVessaro::setVisible(bool visible) {
    // The stored place is the last session's; coming back from the tray the
    // window stays where the player left it.
    if (visible && !isVisible() && m_created && m_options.KeepPlacement && !m_placementRestored) {
        m_placementRestored = true;
        m_placement->RestorePlacement(*this);
    }
    QWidget::setVisible(visible);
}

void TfrmVessaro::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A window the system brings back from its minimised state was not hidden.
    if (event->spontaneous()) return;
    RunCommand([this] { FormShow(); });
    if (!m_trayStarted) {
        m_trayStarted = true;
        m_tray->SetIconVisible(true);
    }
}

void TfrmVessaro::FormShow() {
    SetToChessBoard();
    m_timeLimit->stop();
    m_state.GameRunning = false;
    m_state.GameStarted = false;
    if (m_settings.ComputerPlaysWhite) {
        m_state.WhiteTurnMark = true;
        // The board plays White only once told so; New tells it too.
        m_board->SetComputerPlaysWhite(true);
        m_board->NewGame();
        m_board->StartThinking();
    }
}

bool TfrmVessaro::FormKeyDown(int key) {
    // Escape during a drag ends the drag, on the board.
    if (key != Qt::Key_Escape || m_board->Dragging()) return false;
    HideOrMinimize();
    return true;
}

void TfrmVessaro::HideOrMinimize() {
    // Without a notification area a hidden window could not be brought back.
    if (chrome::TTrayIcon::Available())
        hide();
    else
        showMinimized();
}

void TfrmVessaro::Hide1Click() {
    if (isVisible() && !isMinimized())
        HideOrMinimize();
    else
        showNormal();
}

void TfrmVessaro::TrayIcon1DblClick() {
    // A window left minimised (no icon took it) comes back as well.
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    m_hideItem->setText(m_language.sHide);
}

void TfrmVessaro::PopupMenu1Popup() {
    m_hideItem->setText(isVisible() ? m_language.sHide : m_language.sShow);
}

void TfrmVessaro::Close1Click() {
    // No save question, no close query.
    Terminate();
}

void TfrmVessaro::Terminate() {
    m_terminating = true;
    if (m_options.Terminate)
        m_options.Terminate();
    else
        QCoreApplication::quit();
}

bool TfrmVessaro::FormCloseQuery() {
    // Lets pending engine results and repaints arrive before the question.
    for (int i = 0; i < 3; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        QCoreApplication::processEvents();
    }
    CheckForSaving();
    return m_state.CloseAllowed;
}

void TfrmVessaro::FormClose() {
    if (m_board->Thinking()) m_board->StopThinking();
}

void TfrmVessaro::closeEvent(QCloseEvent* event) {
    if (m_terminating) {
        event->accept();
        return;
    }
    bool allowed = false;
    RunCommand([&] { allowed = FormCloseQuery(); });
    if (!allowed) {
        event->ignore();
        return;
    }
    StorePlacement();
    event->accept();
    FormClose();
    Terminate();
}

void TfrmVessaro::StorePlacement() {
    if (m_options.KeepPlacement && m_created) m_placement->SavePlacement(*this);
}

bool TfrmVessaro::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this && isActiveWindow()) {
            bool handled = false;
            RunCommand([&] { handled = FormKeyDown(static_cast<QKeyEvent*>(event)->key()); });
            if (handled) return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmVessaro::RunCommand(const std::function<void()>& command) {
    try {
        command();
    } catch (const SilentAbort&) {
    } catch (const std::exception& e) {
        try {
            ShowPlain(QString::fromUtf8(e.what()));
        } catch (...) {
        }
    } catch (...) {
        try {
            ShowPlain(m_language.sInternalError.isEmpty() ? QStringLiteral("Interner Fehler")
                                                          : m_language.sInternalError);
        } catch (...) {
        }
    }
}

void TfrmVessaro::ShowFramed(const QString& text) {
    m_prompts->ShowInformation(this, QStringLiteral("    ") + text + QStringLiteral("!    "));
}

void TfrmVessaro::ShowPlain(const QString& text) {
    m_prompts->ShowMessage(this, text);
}

// --- Hover highlight ----------------------------------------------------------------

void TfrmVessaro::NeuLblMouseMove(QLabel* label) {
    m_state.HoverActive = true;
    SetTextColour(label, QColor(0, 255, 0));
    label->repaint();
}

void TfrmVessaro::ShapedForm1MouseMove() {
    if (!m_state.HoverActive) return;
    for (QLabel* label : m_commandLabels) {
        SetTextColour(label, Qt::black);
        label->repaint();
    }
    m_state.HoverActive = false;
}

} // namespace quintavo::app
