// The board's mouse: squares under the pointer, the deferred drag with its
// floating piece and drop, corner resizing, and the sliding of moves.
#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>

#include "board/chess_board.h"
#include "board/floating_piece.h"

namespace quintavo {

namespace {

bool IsSizingCursor(Qt::CursorShape shape) {
    return shape == Qt::SizeVerCursor || shape == Qt::SizeFDiagCursor || shape == Qt::SizeHorCursor;
}

QPoint PointOf(const QMouseEvent* event) {
    return event->position().toPoint();
}

} // namespace

Square TChessBoard::SquareAt(int x, int y) const {
    const int s = m_sizeOfSquare;
    const int dx = x - m_sizeOfBorder;
    const int dy = y - m_sizeOfBorder;
    if (dx < 0 || dx >= 8 * s || dy < 0 || dy >= 8 * s) return Square::None;
    int col = std::min(dx / s, 7);
    int row = std::min(dy / s, 7);
    if (m_whiteOnTop) {
        col = 7 - col;
        row = 7 - row;
    }
    return ToSquare(row * 8 + col + 1);
}

QPoint TChessBoard::SquareOrigin(Square sq) const {
    if (sq == Square::None) return {};
    return CellRect(sq).topLeft();
}

// ---------------------------------------------------------------------------
// Mouse events: the general events first, then the board's own handling.

void TChessBoard::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = PointOf(event);
    if (OnMouseDown &&
        !RunHandler([&] { OnMouseDown(event->button(), event->modifiers(), pos.x(), pos.y()); }))
        return;
    if (m_dragState != DragState::None) return;
    m_swallowButton = Qt::NoButton;
    const Square sq = SquareAt(pos.x(), pos.y());
    if (m_model.PieceColor(sq) < 0) return;
    // Pieces of either side, at any time: the rules apply at the drop.
    m_dragFromSquare = sq;
    m_dragState = DragState::Pending;
    m_dragButton = event->button();
    m_pressPos = pos;
    m_dropAccepted = false;
    if (OnStartDrag) RunHandler([&] { OnStartDrag(); });
}

void TChessBoard::mouseDoubleClickEvent(QMouseEvent* event) {
    if (OnDblClick && !RunHandler([&] { OnDblClick(); })) return;
    mousePressEvent(event);
}

void TChessBoard::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = PointOf(event);
    if (OnMouseMove &&
        !RunHandler([&] { OnMouseMove(event->buttons(), event->modifiers(), pos.x(), pos.y()); }))
        return;
    switch (m_dragState) {
    case DragState::Pending: {
        // The release went elsewhere (a dialog took the mouse): the drag is lost.
        if (!(event->buttons() & m_dragButton)) {
            CancelDrag(false);
            return;
        }
        // The board's own threshold, not the desktop's, which is often 10 and
        // turns a short drag into a click.
        constexpr int threshold = DragThreshold;
        if (std::abs(pos.x() - m_pressPos.x()) >= threshold ||
            std::abs(pos.y() - m_pressPos.y()) >= threshold) {
            StartDrag();
            DragOver(pos);
        }
        return;
    }
    case DragState::Active:
        if (!(event->buttons() & m_dragButton)) {
            CancelDrag(false);
            return;
        }
        DragOver(pos);
        return;
    case DragState::None:
        HandleResizeMove(event);
        return;
    }
}

void TChessBoard::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint pos = PointOf(event);
    // The release of a press whose drag was cancelled early is no click.
    if (m_swallowButton != Qt::NoButton && event->button() == m_swallowButton) {
        m_swallowButton = Qt::NoButton;
        m_resizingActive = false;
        return;
    }
    if (m_dragState != DragState::None) {
        if (event->button() != m_dragButton) return;
        if (m_dragState == DragState::Active && AcceptsDrop(pos))
            Drop(pos);
        else
            CancelDrag(false);
        m_resizingActive = false;
        return;
    }
    // A click that the OnClick handler vetoes ends here, silently.
    if (event->button() == Qt::LeftButton && rect().contains(pos) && OnClick &&
        !RunHandler([&] { OnClick(); }))
        return;
    if (OnMouseUp &&
        !RunHandler([&] { OnMouseUp(event->button(), event->modifiers(), pos.x(), pos.y()); }))
        return;
    m_resizingActive = false;
}

// While a drag runs, Escape belongs to it: no shortcut and no other widget
// sees the key.
bool TChessBoard::eventFilter(QObject* watched, QEvent* event) {
    const bool escape =
        (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
    if (escape && m_dragState != DragState::None) {
        event->accept();
        if (event->type() == QEvent::KeyPress) CancelDrag(true);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TChessBoard::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && m_dragState != DragState::None) {
        CancelDrag(true);
        return;
    }
    QWidget::keyPressEvent(event);
}

void TChessBoard::HandleResizeMove(QMouseEvent* event) {
    const QPoint pos = PointOf(event);
    const int w = width();
    const int h = height();
    if (!IsSizingCursor(cursor().shape())) m_normalCursor = cursor();
    if (!m_resizable) return;
    if (pos.x() >= w - 10 && pos.x() <= w && pos.y() >= h - 10 && pos.y() <= h) {
        setCursor(Qt::SizeFDiagCursor);
        if (event->buttons() & Qt::LeftButton) m_resizingActive = true;
    } else if (!m_resizingActive) {
        setCursor(m_normalCursor);
    }
    if (m_resizingActive) {
        int v = std::max(pos.x(), pos.y());
        if (v < m_resizeMinSize) v = m_resizeMinSize;
        if (v > m_resizeMaxSize) v = m_resizeMaxSize;
        // The paint that follows snaps the board to its size rule.
        if (v != w) resize(v, h);
    }
}

// ---------------------------------------------------------------------------
// Drag and drop

FloatingPiece& TChessBoard::Floating() {
    QWidget* parent = parentWidget();
    if (m_floating && m_floating->parentWidget() != parent) delete m_floating.data();
    if (!m_floating) m_floating = new FloatingPiece(parent);
    return *m_floating;
}

QPoint TChessBoard::FloatingPosition(QPoint boardPoint) const {
    if (QWidget* parent = parentWidget()) return mapTo(parent, boardPoint);
    return mapToGlobal(boardPoint);
}

void TChessBoard::StartDrag() {
    m_dragState = DragState::Active;
    m_floatingShown = false;
    // Escape cancels wherever the keyboard focus is.
    qApp->installEventFilter(this);
    m_filtering = true;
    // The offscreen platform cannot grab (and says so); the button's own
    // implicit grab keeps the events coming there.
    if (isVisible() && QGuiApplication::platformName() != QLatin1String("offscreen")) {
        grabMouse();
        m_grabbed = true;
    }
    QGuiApplication::setOverrideCursor(Qt::ForbiddenCursor);
    m_overrideCursor = true;
}

void TChessBoard::DragOver(QPoint pos) {
    if (OnDragOver) RunHandler([&] { OnDragOver(pos.x(), pos.y()); });
    if (m_dragState != DragState::Active) return; // a handler ended it
    const int half = m_sizeOfSquare / 2;
    const QPoint topLeft = FloatingPosition(QPoint(pos.x() - half, pos.y() - half));
    if (!m_floatingShown) {
        // The piece leaves its square and floats.
        DrawSquare(m_dragFromSquare);
        DrawGridLines();
        FloatingPiece& floating = Floating();
        const int index = PieceImageIndex(m_model.PieceAt(m_dragFromSquare));
        floating.SetImage(index >= 0 ? ScreenPieces().Images[index] : QImage());
        floating.move(topLeft);
        floating.raise();
        floating.show();
        m_floatingShown = true;
    }
    Floating().move(topLeft);
    m_dropAccepted = AcceptsDrop(pos);
    if (m_overrideCursor)
        QGuiApplication::changeOverrideCursor(m_dropAccepted ? m_dragCursor
                                                             : QCursor(Qt::ForbiddenCursor));
}

bool TChessBoard::AcceptsDrop(QPoint pos) const {
    if (Thinking()) return false;
    const Square target = SquareAt(pos.x(), pos.y());
    return target == m_dragFromSquare || m_model.IsLegalMove(m_dragFromSquare, target);
}

void TChessBoard::EndDragGrabs() {
    if (m_filtering) {
        qApp->removeEventFilter(this);
        m_filtering = false;
    }
    if (m_grabbed) {
        releaseMouse();
        m_grabbed = false;
    }
    if (m_overrideCursor) {
        QGuiApplication::restoreOverrideCursor();
        m_overrideCursor = false;
    }
}

void TChessBoard::HideFloating() {
    if (m_floating) m_floating->hide();
    m_floatingShown = false;
}

void TChessBoard::Drop(QPoint pos) {
    EndDragGrabs();
    HideFloating();
    m_dragState = DragState::None;
    if (OnDragDrop) RunHandler([&] { OnDragDrop(pos.x(), pos.y()); });
    m_dropSquare = SquareAt(pos.x(), pos.y());
    if (m_dropSquare != m_dragFromSquare) {
        // Accepted moves are legal; should the position have changed since,
        // the piece must not stay lifted off its square.
        if (!m_model.MakeMove(m_dragFromSquare, m_dropSquare)) DrawPiece(m_dragFromSquare);
    } else {
        DrawPiece(m_dragFromSquare);
    }
    FlushCanvas();
    if (OnEndDrag) RunHandler([&] { OnEndDrag(true); });
}

void TChessBoard::CancelDrag(bool buttonHeld) {
    if (buttonHeld) m_swallowButton = m_dragButton;
    EndDragGrabs();
    HideFloating();
    m_dragState = DragState::None;
    const Square from = m_dragFromSquare;
    DrawPiece(from);
    FlushCanvas();
    if (OnIllegalMove) RunHandler([&] { OnIllegalMove(from); });
    if (OnEndDrag) RunHandler([&] { OnEndDrag(false); });
}

// ---------------------------------------------------------------------------
// Animation

bool TChessBoard::WantsAnimation(Square from, Square to) const {
    return m_animateMoves && !(from == m_dragFromSquare && to == m_dropSquare);
}

void TChessBoard::AnimateMove(Square from, Square to) {
    AnimateMove(from, to, m_animationDelay);
}

// Moves the floating piece and puts it on the screen now: the region it left
// and the one it covers are repainted at once, without running the event loop.
void TChessBoard::ShowFloatingStep(QPoint topLeft) {
    FloatingPiece& floating = *m_floating;
    const QRect before = floating.geometry();
    floating.move(topLeft);
    if (QWidget* parent = floating.parentWidget()) {
        parent->repaint(QRegion(before) + floating.geometry());
    } else {
        floating.repaint();
        repaint(QRect(mapFromGlobal(before.topLeft()), before.size()));
    }
}

void TChessBoard::AnimateMove(Square from, Square to, int delay) {
    // The user's floating piece is up: no slide, the piece just lands.
    if (m_floatingShown) {
        HideFloating();
        return;
    }
    if (from == Square::None || to == Square::None || m_animating) return;
    const char letter = m_model.PieceAt(from);
    const int index = PieceImageIndex(letter);
    const QPoint start = FloatingPosition(SquareOrigin(from));
    const QPoint end = FloatingPosition(SquareOrigin(to));

    m_animating = true;
    // The emptied from-square shows before the piece starts to move.
    repaint();
    FloatingPiece& floating = Floating();
    floating.SetImage(index >= 0 ? ScreenPieces().Images[index] : QImage());
    floating.move(start);
    floating.raise();
    floating.show();

    const int x1 = start.x(), y1 = start.y(), x2 = end.x(), y2 = end.y();
    const bool knight = letter == 'n' || letter == 'N';
    // One step per pixel along the path (a knight's corner is visited twice).
    const int steps = knight ? std::abs(x2 - x1) + std::abs(y2 - y1) + 2
                             : std::max(std::abs(x2 - x1), std::abs(y2 - y1)) + 1;
    // A step lasts the delay, but the whole slide never less than
    // MinimumSlideTime: drawing a step takes a fraction of a millisecond, and
    // a slide run at drawing speed is over before the eye sees it move.
    using Clock = std::chrono::steady_clock;
    const auto stepTime =
        std::max<Clock::duration>(std::chrono::milliseconds(delay), MinimumSlideTime / steps);
    const auto step = [&](int x, int y) {
        const auto stepEnd = Clock::now() + stepTime;
        ShowFloatingStep(QPoint(x, y));
        if (AnimationStepHook) AnimationStepHook(QPoint(x, y));
        // No event processing while waiting: nothing may start a move now.
        std::this_thread::sleep_until(stepEnd);
    };

    if (knight) {
        // Across first, then up or down; the corner belongs to both legs.
        const int sx = x2 >= x1 ? 1 : -1;
        for (int x = x1;; x += sx) {
            step(x, y1);
            if (x == x2) break;
        }
        const int sy = y2 >= y1 ? 1 : -1;
        for (int y = y1;; y += sy) {
            step(x2, y);
            if (y == y2) break;
        }
    } else if (start != end) {
        const bool yMajor = std::abs(y2 - y1) > std::abs(x2 - x1);
        const int majorStart = yMajor ? y1 : x1;
        const int majorEnd = yMajor ? y2 : x2;
        const double minorStart = yMajor ? x1 : y1;
        const double minorEnd = yMajor ? x2 : y2;
        const int span = std::abs(majorEnd - majorStart);
        const int direction = majorEnd >= majorStart ? 1 : -1;
        const double increment = (minorEnd - minorStart) / span;
        double minor = minorStart;
        for (int i = 0; i <= span; ++i) {
            const int major = majorStart + i * direction;
            const int truncated = static_cast<int>(std::trunc(minor));
            if (yMajor)
                step(truncated, major);
            else
                step(major, truncated);
            minor += increment;
        }
    }

    floating.hide();
    m_animating = false;
}

} // namespace quintavo
