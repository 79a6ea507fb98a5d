// The board control: shows the position, lets the user move by dragging a
// piece, slides every other move across the board, and owns the game's model
// and the engine thread that plays the computer's side.
//
// Its "canvas" is a backing image that every drawing routine paints into at
// once; the paint event only shows that image. So a partial redraw (one
// square, one piece) means what it says, and tests read the image.
#pragma once

#include <QCursor>
#include <QElapsedTimer>
#include <QFont>
#include <QImage>
#include <QPen>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "board/color_ref.h"
#include "board/piece_set.h"
#include "engine/engine_thread.h"
#include "rules/board_model.h"
#include "rules/board_view.h"

class QPainter;

namespace quintavo {

class EngineHandOff;
class EngineSearch;
class FloatingPiece;

// Members of CoordSet: the sides of the border that carry coordinate labels.
enum DisplayCoord : std::uint8_t {
    West = 1,
    North = 2,
    East = 4,
    South = 8,
};
using CoordSet = std::uint8_t;

enum class TDragMode { dmManual, dmAutomatic };

class TChessBoard : public QWidget, private IBoardView {
    Q_OBJECT

public:
    using TThreadPriority = engine::TThreadPriority;
    using SearchFunction = engine::TEngineThread::SearchFunction;

    struct DesignTime {};

    // The board plays with the engine library.
    explicit TChessBoard(QWidget* parent = nullptr);
    // The board plays with the given search instead (tests, other engines).
    TChessBoard(QWidget* parent, SearchFunction search);
    // A designed board (a form editor's) has no engine thread, raises no
    // OnPaint and never thinks.
    TChessBoard(QWidget* parent, DesignTime);
    ~TChessBoard() override;

    // --- Properties -------------------------------------------------------
    bool AnimateMoves() const { return m_animateMoves; }
    void SetAnimateMoves(bool value) { m_animateMoves = value; }
    // Milliseconds per one-pixel animation step.
    int AnimationDelay() const { return m_animationDelay; }
    void SetAnimationDelay(int value) { m_animationDelay = value; }
    bool BoardLines() const { return m_boardLines; }
    void SetBoardLines(bool value);
    const QImage& BorderBitmap() const { return m_borderBitmap; }
    void SetBorderBitmap(const QImage& image);
    TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor color);
    CastleSet CastlingAllowed() const { return m_model.CastlingAllowed(); }
    void SetCastlingAllowed(CastleSet value) { m_model.SetCastlingAllowed(value); }
    bool ComputerPlaysBlack() const { return m_model.ComputerPlaysBlack(); }
    void SetComputerPlaysBlack(bool value) { m_model.SetComputerPlaysBlack(value); }
    bool ComputerPlaysWhite() const { return m_model.ComputerPlaysWhite(); }
    void SetComputerPlaysWhite(bool value) { m_model.SetComputerPlaysWhite(value); }
    // Whether the engine thread is searching; false without a thread.
    bool Thinking() const;
    void SetThinking(bool) {}
    // Family and size of the coordinate labels; their colour is CoordFontColor.
    const QFont& CoordFont() const { return m_coordFont; }
    void SetCoordFont(const QFont& font);
    TColor CoordFontColor() const { return m_coordFontColor; }
    void SetCoordFontColor(TColor color);
    int CurrentMove() const { return m_model.CurrentMove(); }
    void SetCurrentMove(int) {}
    const QImage& CustomPieceSet() const { return m_customPieceSet; }
    // An invalid set is ignored; a valid or null one is taken, the piece
    // images are rebuilt and the board repainted.
    void SetCustomPieceSet(const QImage& image);
    // The owned custom set itself: writing into it skips the test and the
    // rebuild, so it shows only if the first paint has not run yet.
    QImage& CustomPieceSetBitmap() { return m_customPieceSet; }
    // The custom set drawn again at twice its pixels with soft masks (see
    // CutSoftPieceSet), for screens of a ratio above 1; without it the custom
    // set is scaled smoothly. Used only while it is exactly twice the custom
    // set's size. SetCustomPieceSet forgets it; the bitmap, like the custom
    // one, takes effect at the first paint.
    const QImage& FinePieceSet() const { return m_finePieceSet; }
    void SetFinePieceSet(const QImage& image);
    QImage& FinePieceSetBitmap() { return m_finePieceSet; }
    CoordSet DisplayCoords() const { return m_displayCoords; }
    void SetDisplayCoords(CoordSet value);
    bool CustomEngine() const;
    void SetCustomEngine(bool value);
    Square EnPassant() const { return m_model.EnPassant(); }
    void SetEnPassant(Square sq) { m_model.SetEnPassant(sq); }
    const QPen& LineStyle() const { return m_lineStyle; }
    void SetLineStyle(const QPen& pen);
    std::string Position() const { return m_model.Position(); }
    void SetPosition(std::string_view position) { m_model.SetPosition(position); }
    bool Resizable() const { return m_resizable; }
    void SetResizable(bool value) { m_resizable = value; }
    int ResizeMinSize() const { return m_resizeMinSize; }
    void SetResizeMinSize(int value);
    int ResizeMaxSize() const { return m_resizeMaxSize; }
    void SetResizeMaxSize(int value);
    // Kept within 1 ... 8.
    int SearchDepth() const;
    void SetSearchDepth(int depth);
    int SizeOfBorder() const { return m_sizeOfBorder; }
    void SetSizeOfBorder(int value);
    int SizeOfSquare() const { return m_sizeOfSquare; }
    void SetSizeOfSquare(int value);
    TColor SquareColorDark() const { return m_squareColorDark; }
    void SetSquareColorDark(TColor color);
    TColor SquareColorLight() const { return m_squareColorLight; }
    void SetSquareColorLight(TColor color);
    const QImage& SquareDark() const { return m_squareDark; }
    void SetSquareDark(const QImage& image);
    const QImage& SquareLight() const { return m_squareLight; }
    void SetSquareLight(const QImage& image);
    bool WhiteOnTop() const { return m_whiteOnTop; }
    void SetWhiteOnTop(bool value);
    bool WhiteToMove() const { return m_model.WhiteToMove(); }
    void SetWhiteToMove(bool value) { m_model.SetWhiteToMove(value); }
    TThreadPriority ThinkingPriority() const;
    void SetThinkingPriority(TThreadPriority priority);
    // Always empty.
    QString Version() const { return {}; }
    void SetVersion(const QString&) {}
    // Shown while a drop would be accepted.
    const QCursor& DragCursor() const { return m_dragCursor; }
    void SetDragCursor(const QCursor& cursor) { m_dragCursor = cursor; }
    // Stored only: the board starts its own drags either way.
    TDragMode DragMode() const { return m_dragMode; }
    void SetDragMode(TDragMode mode) { m_dragMode = mode; }

    // --- State ------------------------------------------------------------
    int BoardOriginX() const { return m_sizeOfBorder; }
    int BoardOriginY() const { return m_sizeOfBorder; }
    int PieceCellSize() const { return m_pieces.CellSize; }
    Square DragFromSquare() const { return m_dragFromSquare; }
    Square DropSquare() const { return m_dropSquare; }
    bool ResizingActive() const { return m_resizingActive; }
    bool FirstPaintDone() const { return m_firstPaintDone; }
    char PromotionPiece() const { return m_model.PromotionPiece(); }
    void SetPromotionPiece(char letter) { m_model.SetPromotionPiece(letter); }
    bool StopRequested() const { return m_model.StopRequested(); }
    bool GameEnded() const { return m_model.GameEnded(); }
    bool Designing() const { return m_designing; }
    // While loading (a form applying its stored values) nothing is painted
    // and the engine is not started.
    void BeginLoading();
    void EndLoading();
    bool Loading() const { return m_loading; }

    // --- The game ---------------------------------------------------------
    char PieceAt(Square sq) const { return m_model.PieceAt(sq); }
    // Where a square is drawn, in the control's coordinates.
    QRect SquareRect(Square sq) const { return CellRect(sq); }
    bool IsLegalMove(Square from, Square to) const { return m_model.IsLegalMove(from, to); }
    int LastMove() const { return m_model.LastMove(); }
    bool LastWhiteToMove() const { return m_model.LastWhiteToMove(); }
    void ResetToStart() { m_model.ResetToStart(); }
    void NewGame() { m_model.NewGame(); }
    bool ExecuteMove(Square from, Square to) { return m_model.ExecuteMove(from, to); }
    bool MakeMove(Square from, Square to) { return m_model.MakeMove(from, to); }
    bool GotoHalfMove(int move, bool whiteToMove) {
        return m_model.GotoHalfMove(move, whiteToMove);
    }
    bool StepBack() { return m_model.StepBack(); }
    bool StepForward() { return m_model.StepForward(); }
    void GetMoveList(std::vector<std::string>& list) const { m_model.GetMoveList(list); }
    // Lets the engine move if the computer has the move (or asks the host
    // with CustomEngine); does nothing while designing or loading.
    void StartThinking() { m_model.StartThinking(); }
    // Returns once the engine is paused; always sets StopRequested.
    void StopThinking() { m_model.StopThinking(); }
    BoardModel& Model() { return m_model; }
    const BoardModel& Model() const { return m_model; }

    // --- Drawing ----------------------------------------------------------
    // The full paint: border, squares, pieces. Property setters call it.
    void Paint();
    void DrawBorder();
    void DrawSquares();
    void DrawPieces();
    void DrawSquare(Square sq) override;
    void DrawPiece(Square sq, char letter) override;
    // The piece now on the square.
    void DrawPiece(Square sq) { DrawPiece(sq, m_model.PieceAt(sq)); }
    void DrawGridLines() override;
    void RedrawChangedSquares(const std::string& oldPosition) override;
    void LoadDefaultPieceSet();
    void BuildPieceImages();
    static bool IsValidPieceSet(const QImage& image) { return quintavo::IsValidPieceSet(image); }
    static bool HasPicture(const QImage& image) { return quintavo::HasPicture(image); }
    // The backing image the board is drawn into: the board's logical size
    // times the screen's device pixel ratio, carrying that ratio.
    const QImage& Canvas() const { return m_canvas; }
    // The twelve piece pictures as the board and the floating piece show them
    // on the current screen.
    const PieceImages& ScreenPieces() const;

    // --- Mouse and animation ----------------------------------------------
    Square SquareAt(int x, int y) const;
    QPoint SquareOrigin(Square sq) const;
    // Slides the piece on `from` to `to`, one pixel a step, waiting `delay`
    // ms per step; the user's input waits meanwhile.
    void AnimateMove(Square from, Square to, int delay);
    bool Dragging() const { return m_dragState == DragState::Active; }

    // --- Events (called only when assigned) -------------------------------
    std::function<void(Square oldSq, Square newSq)> OnLegalMove;
    std::function<void(Square oldSq, Square newSq, char capturedPiece)> OnCapture;
    std::function<void(Square oldSq, Square newSq)> OnCastle;
    std::function<void(Square oldSq, Square newSq, char& newPiece)> OnPromotion;
    std::function<void(Square oldSq, Square newSq)> OnCheck;
    std::function<void(Square oldSq, Square newSq)> OnMate;
    std::function<void(Square oldSq, Square newSq)> OnStaleMate;
    std::function<void()> OnNoMatingMaterial;
    std::function<void()> OnThreefoldPosition;
    std::function<void()> OnDraw;
    std::function<void(Square square)> OnIllegalMove;
    std::function<void()> OnPaint;
    // Asks the host for the computer's move while CustomEngine is set.
    void SetOnCalculateMove(std::function<void(Square& from, Square& to)> handler);
    std::function<void(Square oldSq, Square newSq)> OnCalculationFailed;
    // The general control events; they fire before the board's own handling.
    // OnClick may veto the rest of the click by throwing SilentAbort.
    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    std::function<void(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)>
        OnMouseDown;
    std::function<void(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y)>
        OnMouseMove;
    std::function<void(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)>
        OnMouseUp;
    std::function<void()> OnStartDrag;
    std::function<void(int x, int y)> OnDragOver;
    std::function<void(int x, int y)> OnDragDrop;
    std::function<void(bool dropped)> OnEndDrag;

    // How far the pointer moves, in either direction, before a press becomes a drag.
    static constexpr int DragThreshold = 5;
    // The shortest time a slide takes, whatever AnimationDelay.
    static constexpr std::chrono::milliseconds MinimumSlideTime{180};

    // For tests: each point the sliding piece visits, in the floating
    // piece's coordinates (the parent's, or the screen's without a parent).
    std::function<void(QPoint point)> AnimationStepHook;
    // For tests: the floating piece, once it exists.
    QWidget* FloatingPieceWidget() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QSize sizeHint() const override { return size(); }

private:
    enum class DragState { None, Pending, Active };

    void Construct(SearchFunction search);
    void InstallModelEvents();
    template <class... Args>
    void Relay(std::function<void(Args...)>& source, const std::function<void(Args...)>& handler);
    // Runs a host handler at the edge of Qt's event loop: the silent abort is
    // swallowed, any other exception is shown. False when it threw.
    bool RunHandler(const std::function<void()>& handler);
    void ShowError(const QString& text);
    void WakeUi();
    void RunEngineJob();
    void PollCustomEngine();
    bool MayPoll() const;
    void SchedulePaint();
    void ApplySizeRule();
    void FlushCanvas();
    qreal ScreenRatio() const;
    void ScalePieceImages();

    // Painting helpers
    QRect CellRect(Square sq) const;
    QPoint ScreenCell(Square sq) const;
    void FillOrTile(QPainter& painter, const QImage& texture, TColor color, const QRect& area);
    QPen GridPen(TColor color) const;
    QPen ScreenPen(QPen pen) const;
    void CentreLinesOnPixels(QPainter& painter) const;
    void DrawInnerLines(QPainter& painter) const;

    // IBoardView
    bool WantsAnimation(Square from, Square to) const override;
    void AnimateMove(Square from, Square to) override;
    void RepaintAll() override { Paint(); }

    // Drag and drop
    FloatingPiece& Floating();
    QPoint FloatingPosition(QPoint boardPoint) const;
    void StartDrag();
    void DragOver(QPoint pos);
    bool AcceptsDrop(QPoint pos) const;
    void EndDragGrabs();
    void HideFloating();
    void Drop(QPoint pos);
    // buttonHeld: the release still to come belongs to this drag.
    void CancelDrag(bool buttonHeld);
    void ShowFloatingStep(QPoint topLeft);
    void HandleResizeMove(QMouseEvent* event);

    BoardModel m_model;
    std::unique_ptr<EngineHandOff> m_handOff;
    std::function<void(Square& from, Square& to)> m_onCalculateMove;

    // Drawing resources
    QImage m_canvas;
    QImage m_defaultPieceSet;
    QImage m_customPieceSet;
    QImage m_squareLight;
    QImage m_squareDark;
    QImage m_borderBitmap;
    QImage m_defaultPieceSet2x;
    QImage m_finePieceSet;
    PieceImages m_pieces;
    PieceImages m_finePieces;  // from the drawing at twice the pixels, if any
    PieceImages m_ratioPieces; // m_pieces for a ratio other than 1
    int m_canvasSide = 0;      // logical
    QPen m_lineStyle{Qt::black, 1, Qt::SolidLine};
    QPen m_borderPen{Qt::black, 1, Qt::SolidLine}; // LineStyle as the last DrawBorder took it
    QFont m_coordFont;
    TColor m_coordFontColor = 0xFFFFFF;
    QTimer* m_pollTimer = nullptr;
    QPointer<FloatingPiece> m_floating;
    QCursor m_dragCursor{Qt::DragMoveCursor};
    TDragMode m_dragMode = TDragMode::dmManual;

    // Properties
    bool m_animateMoves = true;
    int m_animationDelay = 0;
    bool m_boardLines = false;
    TColor m_borderColor = 0x000000;
    CoordSet m_displayCoords = 0;
    bool m_resizable = false;
    int m_resizeMinSize = 100;
    int m_resizeMaxSize = 1000;
    int m_sizeOfBorder = 24;
    int m_sizeOfSquare = 40;
    TColor m_squareColorDark = 0x808080;
    TColor m_squareColorLight = 0xC0C0C0;
    bool m_whiteOnTop = false;

    // State
    bool m_designing = false;
    bool m_loading = false;
    bool m_destroying = false;
    bool m_firstPaintDone = false;
    bool m_paintQueued = false;
    int m_paintDepth = 0;
    bool m_animating = false;
    bool m_polling = false;
    DragState m_dragState = DragState::None;
    bool m_floatingShown = false;
    bool m_dropAccepted = false;
    QPoint m_pressPos;
    Qt::MouseButton m_dragButton = Qt::NoButton;
    bool m_grabbed = false;
    bool m_filtering = false;
    Qt::MouseButton m_swallowButton = Qt::NoButton;
    bool m_overrideCursor = false;
    Square m_dragFromSquare = Square::None;
    Square m_dropSquare = Square::None;
    bool m_resizingActive = false;
    QCursor m_normalCursor;
};

} // namespace quintavo
