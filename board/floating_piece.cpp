#include "board/floating_piece.h"

#include <QBitmap>
#include <QPainter>

namespace quintavo {

FloatingPiece::FloatingPiece(QWidget* parent)
    : QWidget(parent, parent ? Qt::Widget
                             : Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                                   Qt::X11BypassWindowManagerHint | Qt::WindowDoesNotAcceptFocus) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FloatingPiece::SetImage(const QImage& image) {
    m_image = image;
    if (m_image.isNull()) {
        resize(1, 1);
        clearMask();
        return;
    }
    resize(m_image.size());
    // The mask keeps a top-level window piece-shaped without a compositor and
    // lets a child repaint only what the piece covers.
    const QImage alpha = m_image.createAlphaMask();
    setMask(QBitmap::fromImage(alpha));
    update();
}

void FloatingPiece::paintEvent(QPaintEvent*) {
    if (m_image.isNull()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}

} // namespace quintavo
