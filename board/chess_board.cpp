#include "board/chess_board.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <exception>

#include "board/floating_piece.h"
#include "board/silent_abort.h"
#include "engine/engine_hand_off.h"
#include "engine/engine_search.h"

namespace quintavo {

TChessBoard::TChessBoard(QWidget* parent) : QWidget(parent) {
    Construct(nullptr);
}

TChessBoard::TChessBoard(QWidget* parent, DesignTime) : QWidget(parent), m_designing(true) {
    Construct(nullptr);
}

TChessBoard::TChessBoard(QWidget* parent, SearchFunction search) : QWidget(parent) {
    Construct(std::move(search));
}

void TChessBoard::Construct(SearchFunction search) {
    // Resources; the poll timer gets its handler at the first paint.
    m_pollTimer = new QTimer(this);
    m_pollTimer->setObjectName(QStringLiteral("PollTimer"));
    LoadDefaultPieceSet();
    BuildPieceImages();
    m_coordFont = QFont(QStringLiteral("Arial"));
    m_coordFont.setStyleHint(QFont::SansSerif);
    m_coordFont.setPointSize(7);
    m_coordFontColor = 0xFFFFFF;
    // Set directly: no resize notification, no paint.
    resize(8 * m_sizeOfSquare + 2 * m_sizeOfBorder, 8 * m_sizeOfSquare + 2 * m_sizeOfBorder);
    m_model.ResetToStart();

    if (!m_designing && !search) {
        search = EngineSearch::Function(std::make_shared<EngineSearch>());
    }
    if (m_designing) search = nullptr;
    m_handOff = std::make_unique<EngineHandOff>(m_model, std::move(search), [this] { WakeUi(); });
    m_handOff->SetHeld(m_designing);
    m_model.SetEngineControl(m_handOff.get());
    m_model.SetView(this);
    InstallModelEvents();

    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

TChessBoard::~TChessBoard() {
    m_destroying = true;
    m_handOff->SetHeld(true);
    if (m_dragState != DragState::None) EndDragGrabs();
    m_pollTimer->stop();
    // The engine first: the hand-off aborts its search, lets the thread
    // finish and joins it.
    m_model.SetEngineControl(nullptr);
    m_handOff.reset();
    m_model.SetView(nullptr);
    delete m_floating.data();
}

// Each model event reaches the board's handler of the same name at the edge
// of Qt's event loop; a handler assigned later is still found.
template <class... Args>
void TChessBoard::Relay(std::function<void(Args...)>& source,
                        const std::function<void(Args...)>& handler) {
    source = [this, &handler](Args... args) {
        if (handler) RunHandler([&] { handler(std::forward<Args>(args)...); });
    };
}

void TChessBoard::InstallModelEvents() {
    Relay(m_model.OnLegalMove, OnLegalMove);
    Relay(m_model.OnCapture, OnCapture);
    Relay(m_model.OnPromotion, OnPromotion);
    Relay(m_model.OnCastle, OnCastle);
    Relay(m_model.OnCheck, OnCheck);
    Relay(m_model.OnMate, OnMate);
    Relay(m_model.OnStaleMate, OnStaleMate);
    Relay(m_model.OnNoMatingMaterial, OnNoMatingMaterial);
    Relay(m_model.OnThreefoldPosition, OnThreefoldPosition);
    Relay(m_model.OnDraw, OnDraw);
    Relay(m_model.OnPaint, OnPaint);
    Relay(m_handOff->OnCalculationFailed, OnCalculationFailed);
}

// The hand-off asks the host only while a handler is assigned; without one the
// computer never moves on the custom path.
void TChessBoard::SetOnCalculateMove(std::function<void(Square& from, Square& to)> handler) {
    m_onCalculateMove = std::move(handler);
    if (!m_onCalculateMove) {
        m_handOff->OnCalculateMove = nullptr;
        return;
    }
    m_handOff->OnCalculateMove = [this](Square& from, Square& to) {
        if (m_onCalculateMove) RunHandler([&] { m_onCalculateMove(from, to); });
    };
}

bool TChessBoard::RunHandler(const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const SilentAbort&) {
        return false;
    } catch (const std::exception& error) {
        ShowError(QString::fromLocal8Bit(error.what()));
        return false;
    } catch (...) {
        ShowError(QStringLiteral("Unknown error"));
        return false;
    }
}

void TChessBoard::ShowError(const QString& text) {
    QMessageBox::critical(window(), QCoreApplication::applicationName(), text);
}

// ---------------------------------------------------------------------------
// Engine

// Called on the engine thread.
void TChessBoard::WakeUi() {
    QMetaObject::invokeMethod(
        this, [this] { RunEngineJob(); }, Qt::QueuedConnection);
}

void TChessBoard::RunEngineJob() {
    if (!m_handOff || m_destroying) return;
    // A move must not start inside another move's slide; it comes later.
    if (m_animating) {
        WakeUi();
        return;
    }
    m_handOff->RunPendingUiJob();
}

bool TChessBoard::MayPoll() const {
    return m_handOff && !m_designing && !m_loading && !m_destroying && !m_animating && !m_polling;
}

void TChessBoard::PollCustomEngine() {
    if (!MayPoll()) return;
    // A handler that opens a dialog must not let a nested poll play a move
    // inside the move being reported.
    m_polling = true;
    m_handOff->PollCustomEngine();
    m_polling = false;
}

bool TChessBoard::Thinking() const {
    return m_handOff && m_handOff->Thinking();
}

bool TChessBoard::CustomEngine() const {
    return m_handOff->CustomEngine();
}

void TChessBoard::SetCustomEngine(bool value) {
    m_handOff->SetCustomEngine(value);
}

int TChessBoard::SearchDepth() const {
    return m_handOff->SearchDepth();
}

void TChessBoard::SetSearchDepth(int depth) {
    m_handOff->SetSearchDepth(depth);
}

TChessBoard::TThreadPriority TChessBoard::ThinkingPriority() const {
    return m_handOff->ThinkingPriority();
}

void TChessBoard::SetThinkingPriority(TThreadPriority priority) {
    m_handOff->SetThinkingPriority(priority);
}

// ---------------------------------------------------------------------------
// Properties that repaint

void TChessBoard::SetBoardLines(bool value) {
    m_boardLines = value;
    Paint();
}

void TChessBoard::SetBorderBitmap(const QImage& image) {
    m_borderBitmap = image;
    Paint();
}

void TChessBoard::SetBorderColor(TColor color) {
    m_borderColor = color & 0xFFFFFF;
    Paint();
}

void TChessBoard::SetCoordFont(const QFont& font) {
    m_coordFont = font;
    Paint();
}

void TChessBoard::SetCoordFontColor(TColor color) {
    m_coordFontColor = color & 0xFFFFFF;
    Paint();
}

void TChessBoard::SetCustomPieceSet(const QImage& image) {
    if (!image.isNull() && !IsValidPieceSet(image)) return;
    m_customPieceSet = image;
    m_finePieceSet = QImage();
    BuildPieceImages();
    Paint();
}

void TChessBoard::SetFinePieceSet(const QImage& image) {
    m_finePieceSet = image;
    BuildPieceImages();
    Paint();
}

void TChessBoard::SetDisplayCoords(CoordSet value) {
    m_displayCoords = value & (West | North | East | South);
    Paint();
}

void TChessBoard::SetLineStyle(const QPen& pen) {
    m_lineStyle = pen;
    Paint();
}

void TChessBoard::SetSquareColorDark(TColor color) {
    m_squareColorDark = color & 0xFFFFFF;
    Paint();
}

void TChessBoard::SetSquareColorLight(TColor color) {
    m_squareColorLight = color & 0xFFFFFF;
    Paint();
}

void TChessBoard::SetSquareDark(const QImage& image) {
    m_squareDark = image;
    Paint();
}

void TChessBoard::SetSquareLight(const QImage& image) {
    m_squareLight = image;
    Paint();
}

void TChessBoard::SetWhiteOnTop(bool value) {
    m_whiteOnTop = value;
    Paint();
}

void TChessBoard::SetResizeMinSize(int value) {
    m_resizeMinSize = std::min(value, m_resizeMaxSize);
}

void TChessBoard::SetResizeMaxSize(int value) {
    m_resizeMaxSize = std::max(value, m_resizeMinSize);
}

// Both sides follow at once: with only the width set, the next paint would
// take the mean of the sides and settle on a smaller square than the one asked
// for.
void TChessBoard::SetSizeOfBorder(int value) {
    m_sizeOfBorder = std::max(value, 0);
    const int side = 8 * m_sizeOfSquare + 2 * m_sizeOfBorder;
    resize(side, side);
}

void TChessBoard::SetSizeOfSquare(int value) {
    m_sizeOfSquare = std::max(value, 0);
    const int side = 8 * m_sizeOfSquare + 2 * m_sizeOfBorder;
    resize(side, side);
}

void TChessBoard::BeginLoading() {
    m_loading = true;
    m_handOff->SetHeld(true);
}

void TChessBoard::EndLoading() {
    m_loading = false;
    m_handOff->SetHeld(m_designing);
    if (isVisible()) SchedulePaint();
}

// ---------------------------------------------------------------------------
// Paint and Qt events

void TChessBoard::Paint() {
    if (m_loading) return;
    ++m_paintDepth;
    if (!m_designing && OnPaint) RunHandler([this] { OnPaint(); });
    if (!m_firstPaintDone) BuildPieceImages();
    ApplySizeRule();
    DrawBorder();
    DrawSquares();
    DrawPieces();
    --m_paintDepth;
    FlushCanvas();
    if (!m_firstPaintDone) {
        m_firstPaintDone = true;
        StartThinking();
        m_pollTimer->setInterval(500);
        connect(m_pollTimer, &QTimer::timeout, this, &TChessBoard::PollCustomEngine);
        m_pollTimer->start();
    }
}

// S from the mean of the two sides; the board becomes square. A board smaller
// than its two borders gets squares of size 0 (unsigned arithmetic would wrap
// into a huge board).
void TChessBoard::ApplySizeRule() {
    const int b = m_sizeOfBorder;
    const int n = std::max((width() + height()) / 2 - 2 * b, 0);
    m_sizeOfSquare = n / 8;
    const int side = 8 * m_sizeOfSquare + 2 * b;
    if (width() != side || height() != side) resize(side, side);
    const qreal ratio = ScreenRatio();
    // A board of no size at all has no canvas.
    const bool stale = m_canvas.isNull()
                           ? side != 0
                           : m_canvasSide != side || m_canvas.devicePixelRatio() != ratio;
    if (stale) {
        const int pixels = static_cast<int>(std::ceil(std::max(side, 1) * ratio));
        m_canvas = QImage(pixels, pixels, QImage::Format_RGB32);
        m_canvas.setDevicePixelRatio(ratio);
        m_canvas.fill(Qt::black);
        m_canvasSide = side;
        ScalePieceImages();
    }
}

// At ratios that are not whole a logical pixel is no whole number of device
// pixels; the screen's own ratio is kept so that nothing is scaled twice.
qreal TChessBoard::ScreenRatio() const {
    return std::max<qreal>(devicePixelRatioF(), 1.0);
}

void TChessBoard::FlushCanvas() {
    update();
}

void TChessBoard::SchedulePaint() {
    if (m_paintQueued) return;
    m_paintQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_paintQueued = false;
            Paint();
        },
        Qt::QueuedConnection);
}

bool TChessBoard::event(QEvent* event) {
    // Another screen may have another pixel ratio: the board is drawn anew.
    if (event->type() == QEvent::ScreenChangeInternal && m_firstPaintDone && !m_loading &&
        m_canvas.devicePixelRatio() != ScreenRatio())
        SchedulePaint();
    // A drag cannot outlive the window's activation or the board's input.
    const bool lost = event->type() == QEvent::WindowDeactivate ||
                      (event->type() == QEvent::EnabledChange && !isEnabled());
    if (lost && m_dragState != DragState::None) CancelDrag(true);
    const bool handled = QWidget::event(event);
    // After every event: the custom engine's poll. Not for paint events, whose
    // handling must not start a move.
    if (event->type() != QEvent::Paint) PollCustomEngine();
    return handled;
}

void TChessBoard::paintEvent(QPaintEvent* event) {
    if (m_canvas.isNull()) return;
    QPainter painter(this);
    if (m_canvas.devicePixelRatio() == 1.0 && ScreenRatio() == 1.0) {
        const QRect area = event->rect() & m_canvas.rect();
        painter.drawImage(area.topLeft(), m_canvas, area);
        return;
    }
    // Shown as it is until the redraw for a new screen has run.
    if (m_canvas.devicePixelRatio() != ScreenRatio() && !m_loading) SchedulePaint();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QPointF(0, 0), m_canvas);
}

void TChessBoard::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The size rule runs at the next paint; a resize made by the paint itself
    // is already drawn.
    if (m_paintDepth == 0 && !m_loading && QSize(m_canvasSide, m_canvasSide) != size())
        SchedulePaint();
}

void TChessBoard::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_loading && (!m_firstPaintDone || m_canvasSide != width() ||
                       m_canvas.devicePixelRatio() != ScreenRatio()))
        SchedulePaint();
}

void TChessBoard::hideEvent(QHideEvent* event) {
    if (m_dragState != DragState::None) CancelDrag(true);
    QWidget::hideEvent(event);
}

QWidget* TChessBoard::FloatingPieceWidget() const {
    return m_floating.data();
}

} // namespace quintavo
